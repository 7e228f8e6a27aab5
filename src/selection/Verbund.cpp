#include "selection/Verbund.h"

#include <algorithm>
#include <span>
#include <type_traits>
#include <vector>

#include "rwx/Wortscanner.h"
#include "selection/Ganzes.h"
#include "selection/Markierungen.h"
#include "selection/Suche.h"

namespace nuk {

namespace {

void markieren(State& s, int16_t ecke) {
    if (ecke < 1 || ecke > s.PunktZahl) return;
    Punkt p = s.Punkte[ecke];
    p.Markiert = Wahr;
    s.Punkte.setzen(ecke, p);
}

// Marks the corners of object i of the table; -1 (a failed look-up) marks none.
template <class Tab>
void eckenMarkieren(State& s, const Tab& tabelle, int16_t i) {
    if (i < 0) return;
    for (int16_t k : Ecken(tabelle[i])) markieren(s, k);
}

// What the ticked rows give a point, added up over an object's corners: a
// triangle or quad counts a corner once, a polygon once per place it holds.
int16_t Zusammen(const std::vector<int>& mal, std::span<const int16_t> ecken, bool einmal) {
    int summe = 0;
    for (size_t j = 0; j < ecken.size(); ++j) {
        const int16_t k = ecken[j];
        if (k < 0 || static_cast<size_t>(k) >= mal.size() || mal[static_cast<size_t>(k)] == 0)
            continue;
        if (einmal && std::find(ecken.begin(), ecken.begin() + static_cast<std::ptrdiff_t>(j), k) !=
                          ecken.begin() + static_cast<std::ptrdiff_t>(j))
            continue;
        summe += mal[static_cast<size_t>(k)];
    }
    return static_cast<int16_t>(summe);
}

}  // namespace

void VerbundBerechnen(State& s) {
    const std::vector<Bleibend> bleiben = AuswahlBereinigen(s);
    ZaehlerLoeschen(s);
    VerbundZaehlen(s, bleiben);
    // Only what changed reaches the list: a click among thousands of derived
    // rows moves a few rows, not all of them out and in again.
    s.AuswahlList.umordnen(VerbundMarkieren(s, bleiben));
}

std::vector<Bleibend> AuswahlBereinigen(State& s) {
    std::vector<Bleibend> bleiben;
    for (int a = s.AuswahlList.anzahl() - 1; a >= 0; --a) {
        const int16_t t = TextZeileVonAuswahl(s, static_cast<int16_t>(a));
        // A copy without its file row marks nothing any more.
        if (t >= 0 && s.TextList.haken(t)) bleiben.push_back({a, t});
    }
    std::reverse(bleiben.begin(), bleiben.end());
    return bleiben;
}

void ZaehlerLoeschen(State& s) {
    for (int i = 1; i <= s.PunktZahl; ++i) {
        Punkt p = s.Punkte[i];
        p.Markiert = Falsch;
        s.Punkte.setzen(i, p);
    }
    JedeObjektart(s, [](auto& tabelle, int zahl) {
        for (int i = 1; i <= zahl; ++i) {
            auto satz = tabelle[i];
            satz.Anzahl = 0;
            tabelle.setzen(i, satz);
        }
    });
}

void VerbundZaehlen(State& s, std::span<const Bleibend> bleiben) {
    // Per point 0..PunktZahl, how many ticked rows stand for it. The objects
    // are counted from it in one pass over the tables, each read once in
    // order, where counting from the points would jump around in them.
    std::vector<int> mal;
    for (auto b = bleiben.rbegin(); b != bleiben.rend(); ++b) {
        if (!s.AuswahlList.haken(b->zeile)) continue;
        const int16_t t = b->textZeile;
        if (NurGanzesModell(s, t)) continue;  // counted over the whole model
        const std::string_view wort = BefehlswortRoh(s.AuswahlList.text(b->zeile));
        if (IstWort(wort, "vertex")) {
            const int16_t k = SuchePunkt(s, t);
            if (k < 0 || k > s.PunktZahl) continue;
            if (mal.empty()) mal.assign(static_cast<size_t>(s.PunktZahl) + 1, 0);
            ++mal[static_cast<size_t>(k)];
        } else if (IstWort(wort, "triangle")) {
            eckenMarkieren(s, s.Dreiecke, SucheDreieck(s, t));
        } else if (IstWort(wort, "quad")) {
            eckenMarkieren(s, s.Vierecke, SucheViereck(s, t));
        } else if (IstWort(wort, "polygon")) {
            eckenMarkieren(s, s.Polygone, SuchePolygon(s, t));
        }
    }
    if (mal.empty()) return;
    JedeObjektart(s, [&](auto& tabelle, int zahl) {
        constexpr bool einmal = !std::is_same_v<std::decay_t<decltype(tabelle[1])>, Polygon>;
        for (int i = 1; i <= zahl; ++i) {
            auto satz = tabelle[i];
            satz.Anzahl = Zusammen(mal, Ecken(satz), einmal);
            tabelle.setzen(i, satz);
        }
    });
}

std::vector<Liste::Neu> VerbundMarkieren(const State& s, std::span<const Bleibend> bleiben) {
    const Liste& auswahl = s.AuswahlList;
    std::vector<Liste::Neu> ziel;
    // Room for every row the pass may list, so that it is never moved.
    size_t hoechstens = bleiben.size();
    if (s.Menu.AusP[1]) hoechstens += static_cast<size_t>(std::max(0, int{s.PunktZahl}));
    if (s.Schwelle >= 1)
        JedeObjektart(s, [&](const auto&, int zahl) {
            hoechstens += static_cast<size_t>(std::max(0, zahl));
        });
    if (GanzesMarkierbar(s) && !s.GanzesFlaechen.empty())
        hoechstens += static_cast<size_t>(s.TextList.anzahl());
    ziel.reserve(hoechstens);
    // By row key: listed already, and a row of the last pass that may stay
    // for the same derived row.
    auto stelle = [](int32_t wert) { return static_cast<size_t>(static_cast<uint16_t>(wert)); };
    std::vector<bool> gelistet(size_t{1} << 16, false);
    std::vector<int> frei(size_t{1} << 16, -1);
    std::vector<bool> bleibt(static_cast<size_t>(auswahl.anzahl()), false);
    for (const Bleibend& b : bleiben) {
        ziel.push_back(Liste::Neu::wie(b.zeile));
        bleibt[static_cast<size_t>(b.zeile)] = true;
        gelistet[stelle(auswahl.wert(b.zeile))] = true;  // a 16-bit key, as its look-up worked
    }
    for (int a = 0; a < auswahl.anzahl(); ++a)
        if (!bleibt[static_cast<size_t>(a)] && !auswahl.haken(a) &&
            IstZeilenschluessel(auswahl.wert(a)))
            frei[stelle(auswahl.wert(a))] = a;
    // ZeileAufnehmen, against the list as it will be.
    auto aufnehmen = [&](int16_t zeile) {
        if (zeile < 0 || zeile >= s.TextList.anzahl()) return;
        const int32_t wert = s.TextList.wert(zeile);
        const std::string& text = s.TextList.text(zeile);
        if (IstZeilenschluessel(wert)) {
            if (gelistet[stelle(wert)]) return;
            gelistet[stelle(wert)] = true;
            const int alt = frei[stelle(wert)];
            if (alt >= 0 && auswahl.wert(alt) == wert && auswahl.text(alt) == text) {
                ziel.push_back(Liste::Neu::wie(alt));
                return;
            }
        }
        // The file row stays as it is while the list takes the copy.
        ziel.push_back({-1, {}, wert, false, &text});
    };
    if (s.Menu.AusP[1])
        for (int i = 1; i <= s.PunktZahl; ++i)
            if (s.Punkte[i].Markiert != 0) aufnehmen(s.Punkte[i].Zeile);
    if (s.Schwelle >= 1)
        JedeObjektart(s, [&](const auto& tabelle, int zahl) {
            for (int i = 1; i <= zahl; ++i)
                if (tabelle[i].Anzahl >= s.Schwelle) aufnehmen(tabelle[i].Zeile);
        });
    if (GanzesMarkierbar(s) && !s.GanzesFlaechen.empty())
        for (int zeile : GanzesAbgeleitet(s, bleiben)) aufnehmen(static_cast<int16_t>(zeile));
    return ziel;
}

std::vector<int> GanzesAbgeleitet(const State& s, std::span<const Bleibend> bleiben) {
    const GanzesModell& m = s.Ganzes;
    const auto& punktZeile = s.GanzesPunktZeile;
    const auto& flaechenZeile = s.GanzesFlaechenZeile;
    const int zeilen = s.TextList.anzahl();
    std::vector<int> ergebnis;
    if (punktZeile.size() != m.punkte.size() || flaechenZeile.size() != m.flaechen() || zeilen <= 0)
        return ergebnis;
    // The rows with a ticked copy, and the rows they derive.
    std::vector<uint8_t> getickt(static_cast<size_t>(zeilen), 0), abgeleitet = getickt;
    for (const Bleibend& b : bleiben)
        if (s.AuswahlList.haken(b.zeile) && b.textZeile >= 0 && b.textZeile < zeilen)
            getickt[static_cast<size_t>(b.textZeile)] = 1;
    auto gilt = [&](int32_t z) { return z >= 0 && z < zeilen; };
    const bool ecken = s.Menu.AusP[1];
    for (const uint32_t f : s.GanzesFlaechenJeZeile) {
        const uint32_t a = m.anfang[f], e = m.anfang[f + 1];
        const int32_t z = flaechenZeile[f];
        if (ecken && gilt(z) && getickt[static_cast<size_t>(z)])
            for (uint32_t i = a; i < e; ++i)
                if (const int32_t p = punktZeile[m.ecken[i]]; gilt(p))
                    abgeleitet[static_cast<size_t>(p)] = 1;
        if (s.Schwelle < 1 || !gilt(z)) continue;
        // A triangle's or quad's point counts once, a polygon's once per place.
        int zahl = 0;
        for (uint32_t i = a; i < e; ++i) {
            const int32_t p = punktZeile[m.ecken[i]];
            if (!gilt(p) || !getickt[static_cast<size_t>(p)]) continue;
            if (e - a <= 4 && std::find(&m.ecken[a], &m.ecken[i], m.ecken[i]) != &m.ecken[i])
                continue;
            ++zahl;
        }
        if (zahl >= s.Schwelle) abgeleitet[static_cast<size_t>(z)] = 1;
    }
    for (int z = 0; z < zeilen; ++z)
        if (abgeleitet[static_cast<size_t>(z)]) ergebnis.push_back(z);
    return ergebnis;
}

}  // namespace nuk
