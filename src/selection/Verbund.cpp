#include "selection/Verbund.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <vector>

#include "rwx/Wortscanner.h"
#include "selection/Markierungen.h"
#include "selection/Suche.h"

namespace nuk {

namespace {

template <class Tab>
void zaehlen(Tab& tabelle, int i) {
    auto satz = tabelle[i];
    ++satz.Anzahl;
    tabelle.setzen(i, satz);
}

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

// For each point 0..PunktZahl the objects that use it, in one array per kind:
// triangles and quads once each, polygons once per corner that is the point.
// Built once per pass, so counting a ticked point costs its own objects only.
class Verwendung {
  public:
    explicit Verwendung(const State& s) : zahl_(s.PunktZahl + 1) {
        std::array<int16_t, 4> ecken{};
        bauen(dreiecke_, s.DreieckZahl, [&](int i) { return einmal(ecken, Ecken(s.Dreiecke[i])); });
        bauen(vierecke_, s.ViereckZahl, [&](int i) { return einmal(ecken, Ecken(s.Vierecke[i])); });
        bauen(polygone_, s.PolygonZahl, [&](int i) { return Ecken(s.Polygone[i]); });
    }

    template <class F>
    void dreiecke(int16_t k, F f) const {
        jeder(dreiecke_, k, f);
    }
    template <class F>
    void vierecke(int16_t k, F f) const {
        jeder(vierecke_, k, f);
    }
    template <class F>
    void polygone(int16_t k, F f) const {
        jeder(polygone_, k, f);
    }

  private:
    struct Verweise {
        std::vector<int> anfang;  // per point, into objekte; one more at the end
        std::vector<int16_t> objekte;
    };

    // The corners with repeats left out, each once, gathered in e.
    template <size_t N>
    static std::span<const int16_t> einmal(std::array<int16_t, 4>& e,
                                           const std::array<int16_t, N>& ecken) {
        size_t m = 0;
        for (int16_t k : ecken)
            if (std::find(e.begin(), e.begin() + m, k) == e.begin() + m) e[m++] = k;
        return {e.data(), m};
    }

    bool imBereich(int16_t k) const { return k >= 0 && k < zahl_; }

    // Two runs of counting sort: sizes, then places; objects stay ascending per point.
    template <class Ecken>
    void bauen(Verweise& l, int objektZahl, Ecken ecken) {
        l.anfang.assign(static_cast<size_t>(zahl_) + 1, 0);
        for (int i = 1; i <= objektZahl; ++i)
            for (int16_t k : ecken(i))
                if (imBereich(k)) ++l.anfang[static_cast<size_t>(k) + 1];
        for (size_t k = 1; k < l.anfang.size(); ++k) l.anfang[k] += l.anfang[k - 1];
        l.objekte.resize(static_cast<size_t>(l.anfang.back()));
        std::vector<int> stelle(l.anfang.begin(), l.anfang.end() - 1);
        for (int i = 1; i <= objektZahl; ++i)
            for (int16_t k : ecken(i))
                if (imBereich(k))
                    l.objekte[static_cast<size_t>(stelle[static_cast<size_t>(k)]++)] =
                        static_cast<int16_t>(i);
    }

    template <class F>
    void jeder(const Verweise& l, int16_t k, F f) const {
        if (!imBereich(k)) return;
        for (int j = l.anfang[static_cast<size_t>(k)]; j < l.anfang[static_cast<size_t>(k) + 1];
             ++j)
            f(l.objekte[static_cast<size_t>(j)]);
    }

    int zahl_;
    Verweise dreiecke_, vierecke_, polygone_;
};

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
    std::optional<Verwendung> verwendung;
    for (auto b = bleiben.rbegin(); b != bleiben.rend(); ++b) {
        if (!s.AuswahlList.haken(b->zeile)) continue;
        const int16_t t = b->textZeile;
        const std::string_view wort = BefehlswortRoh(s.AuswahlList.text(b->zeile));
        if (IstWort(wort, "vertex")) {
            const int16_t k = SuchePunkt(s, t);
            if (k < 0) continue;
            if (!verwendung) verwendung.emplace(s);
            verwendung->dreiecke(k, [&](int i) { zaehlen(s.Dreiecke, i); });
            verwendung->vierecke(k, [&](int i) { zaehlen(s.Vierecke, i); });
            verwendung->polygone(k, [&](int i) { zaehlen(s.Polygone, i); });
        } else if (IstWort(wort, "triangle")) {
            eckenMarkieren(s, s.Dreiecke, SucheDreieck(s, t));
        } else if (IstWort(wort, "quad")) {
            eckenMarkieren(s, s.Vierecke, SucheViereck(s, t));
        } else if (IstWort(wort, "polygon")) {
            eckenMarkieren(s, s.Polygone, SuchePolygon(s, t));
        }
    }
}

std::vector<Liste::Neu> VerbundMarkieren(const State& s, std::span<const Bleibend> bleiben) {
    const Liste& auswahl = s.AuswahlList;
    std::vector<Liste::Neu> ziel;
    ziel.reserve(bleiben.size());
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
        ziel.push_back({-1, text, wert, false});
    };
    if (s.Menu.AusP[1])
        for (int i = 1; i <= s.PunktZahl; ++i)
            if (s.Punkte[i].Markiert != 0) aufnehmen(s.Punkte[i].Zeile);
    if (s.Schwelle < 1) return ziel;
    JedeObjektart(s, [&](const auto& tabelle, int zahl) {
        for (int i = 1; i <= zahl; ++i)
            if (tabelle[i].Anzahl >= s.Schwelle) aufnehmen(tabelle[i].Zeile);
    });
    return ziel;
}

}  // namespace nuk
