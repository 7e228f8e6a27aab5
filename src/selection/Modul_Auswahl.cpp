#include "selection/Modul_Auswahl.h"

#include <cmath>

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
                "Vertex" + S(i) + "  x:" + S(p.X) + "  y:" + S(p.Y) + "  z:" + S(p.Z);
            return;
        }
    }
    s.Ausgabe.Caption = "Position  x:" + S(x) + "  y:" + S(y);
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
