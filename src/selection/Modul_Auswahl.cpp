#include "selection/Modul_Auswahl.h"

#include <cmath>

#include "model/Text.h"
#include "model/Zahlformat.h"
#include "selection/Suche.h"

namespace nuk {

namespace {

struct Bereich {
    float unten, oben;
};

Bereich Spanne(float a, float b, float fang) {
    const float d = a - b;
    if (d < -fang) return {a, b};
    if (d > fang) return {b, a};
    return {a - fang, a + fang};
}

}  // namespace

void ModusSetzen(State& s, int16_t m) {
    s.Modus = m;
    for (int k = 1; k <= 3; ++k) s.Toolbar1.gedrueckt[k] = false;
    if (m >= 1 && m <= 3) s.Toolbar1.gedrueckt[m] = true;
    switch (m) {
        case 1:
            s.Ausgabe.MousePointer = Mauszeiger::Lupe;
            break;
        case 2:
            s.Ausgabe.MousePointer = Mauszeiger::Bewegungen;
            break;
        case 3:
            s.Ausgabe.MousePointer = Mauszeiger::Pfeil;
            break;
        default:
            break;
    }
}

void StatusZeigen(State& s, float x, float y) {
    const float fang = s.Fangweite;
    for (int i = s.PunktZahl; i >= 1; --i) {
        const Punkt& b = s.Bildpunkte[i];
        if (std::fabs(x - b.X) <= fang && std::fabs(y - b.Y) <= fang) {
            const Punkt& p = s.Punkte[i];
            s.Ausgabe.Caption =
                Einsetzen(Tr("Kern", "Vertex%1  x:%2  y:%3  z:%4"), {S(i), S(p.X), S(p.Y), S(p.Z)});
            return;
        }
    }
    // The whole model's points as drawn last, highest first as above.
    const auto& bild = s.Ausgabe.modellBild;
    const GanzesModell& m = s.Ganzes;
    if (GanzesMarkierbar(s) && bild.size() == m.punkte.size() &&
        m.punktzeile.size() == m.punkte.size())
        for (auto k = s.GanzesPunkte.rbegin(); k != s.GanzesPunkte.rend(); ++k)
            if (const size_t i = *k;
                std::fabs(x - bild[i][0]) <= fang && std::fabs(y - bild[i][1]) <= fang) {
                const auto& p = m.punkte[i];
                s.Ausgabe.Caption = Einsetzen(Tr("Kern", "Zeile%1  x:%2  y:%3  z:%4"),
                                              {S(m.punktzeile[i]), S(p[0]), S(p[1]), S(p[2])});
                return;
            }
    s.Ausgabe.Caption = Einsetzen(Tr("Kern", "Position  x:%1  y:%2"), {S(x), S(y)});
}

void RechteckMarkieren(State& s, float x1, float y1, float x2, float y2) {
    const Bereich bx = Spanne(x1, x2, s.Fangweite);
    const Bereich by = Spanne(y1, y2, s.Fangweite);
    const bool neu = s.StartTaste == 1.0f;
    for (int i = 1; i <= s.PunktZahl; ++i) {
        const Punkt& b = s.Bildpunkte[i];
        if (bx.unten < b.X && b.X < bx.oben && by.unten < b.Y && b.Y < by.oben && b.Zeile >= 0 &&
            b.Zeile < s.TextList.anzahl())
            s.TextList.setHaken(b.Zeile, neu);
    }
    // Every point of the whole model, a prototype's copies by their one row.
    const auto& bild = s.Ausgabe.modellBild;
    if (!GanzesMarkierbar(s) || bild.size() != s.GanzesPunktZeile.size()) return;
    for (const uint32_t i : s.GanzesPunkte) {
        const float x = bild[i][0], y = bild[i][1];
        const int32_t zeile = s.GanzesPunktZeile[i];
        if (bx.unten < x && x < bx.oben && by.unten < y && y < by.oben && zeile >= 0 &&
            zeile < s.TextList.anzahl())
            s.TextList.setHaken(zeile, neu);
    }
}

void AuswahlNeu(State& s) {
    s.AuswahlList.leeren();
    for (int i = 0; i < s.TextList.anzahl(); ++i) s.TextList.setHaken(i, false);
}

void ZeilenAbgleichen(State& s) {
    const bool da = s.AktZeile >= 0 && s.AktZeile < s.TextList.anzahl();
    s.TextList.setAktuell(da ? s.AktZeile : -1);
    s.AuswahlList.setAktuell(da ? AuswahlZeileVonText(s, s.AktZeile) : -1);
}

}  // namespace nuk
