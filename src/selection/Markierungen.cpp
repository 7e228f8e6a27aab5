#include "selection/Markierungen.h"

#include <vector>

#include "selection/Modul_Auswahl.h"
#include "selection/Suche.h"
#include "selection/Verbund.h"

namespace nuk {

void PunkteOhneObjekte(State& s) {
    // One look at every corner instead of a search of all objects per point.
    std::vector<bool> benutzt(static_cast<size_t>(s.PunktZahl) + 1, false);
    auto benutze = [&](int16_t k) {
        if (k >= 1 && k <= s.PunktZahl) benutzt[static_cast<size_t>(k)] = true;
    };
    JedeObjektart(s, [&](const auto& tabelle, int zahl) {
        for (int i = 1; i <= zahl; ++i)
            for (int16_t k : Ecken(tabelle[i])) benutze(k);
    });
    for (int v = 1; v <= s.PunktZahl; ++v) {
        const int16_t zeile = s.Punkte[v].Zeile;
        if (!benutzt[static_cast<size_t>(v)] && zeile >= 0 && zeile < s.TextList.anzahl())
            s.TextList.setHaken(zeile, true);
    }
    const GanzesModell& m = s.Ganzes;
    if (!GanzesMarkierbar(s) || s.GanzesPunktZeile.size() != m.punkte.size()) return;
    // By row: a prototype's point is used in every copy or in none.
    std::vector<bool> genutzt(static_cast<size_t>(s.TextList.anzahl()), false);
    auto gilt = [&](int32_t z) { return z >= 0 && z < s.TextList.anzahl(); };
    for (const uint32_t f : s.GanzesFlaechenJeZeile)
        for (uint32_t i = m.anfang[f]; i < m.anfang[f + 1]; ++i)
            if (const int32_t z = s.GanzesPunktZeile[m.ecken[i]]; gilt(z))
                genutzt[static_cast<size_t>(z)] = true;
    for (const uint32_t i : s.GanzesPunkte) {
        const int32_t zeile = s.GanzesPunktZeile[i];
        if (gilt(zeile) && !genutzt[static_cast<size_t>(zeile)]) s.TextList.setHaken(zeile, true);
    }
}

int ZeileAufnehmen(State& s, int16_t zeile) {
    if (zeile < 0 || zeile >= s.TextList.anzahl()) return -1;
    if (AuswahlZeileVonText(s, zeile) >= 0) return -1;
    return s.AuswahlList.anhaengen(s.TextList.text(zeile), s.TextList.wert(zeile));
}

void MarkierungenAbgleichen(State& s) {
    const int r = s.TextList.aktuell();
    VerbundBerechnen(s);
    s.AuswahlList.setAktuell(r >= 0 ? AuswahlZeileVonText(s, static_cast<int16_t>(r)) : -1);
    s.TextList.setAktuell(r);
    ZeilenAbgleichen(s);
}

}  // namespace nuk
