#include "selection/Verbund.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <vector>

#include "rwx/RwxToNuk.h"
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

// For each point 0..PunktZahl the objects that use it, in one array per kind:
// triangles and quads once each, polygons once per corner that is the point.
// Built once per pass, so counting a ticked point costs its own objects only.
class Verwendung {
  public:
    explicit Verwendung(const State& s) : zahl_(s.PunktZahl + 1) {
        std::array<int16_t, 4> ecken{};
        bauen(dreiecke_, s.DreieckZahl, [&](int i) {
            const Dreieck& d = s.Dreiecke[i];
            ecken = {d.P1, d.P2, d.P3, -1};
            return einmal(ecken, 3);
        });
        bauen(vierecke_, s.ViereckZahl, [&](int i) {
            const Viereck& v = s.Vierecke[i];
            ecken = {v.P1, v.P2, v.P3, v.P4};
            return einmal(ecken, 4);
        });
        bauen(polygone_, s.PolygonZahl, [&](int i) {
            const Polygon& p = s.Polygone[i];
            return std::span<const int16_t>(p.P.data() + 1, static_cast<size_t>(Eckenzahl(p)));
        });
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

    // The corners with repeats left out, each once.
    static std::span<const int16_t> einmal(std::array<int16_t, 4>& e, int n) {
        int m = 0;
        for (int i = 0; i < n; ++i)
            if (std::find(e.begin(), e.begin() + m, e[static_cast<size_t>(i)]) == e.begin() + m)
                e[static_cast<size_t>(m++)] = e[static_cast<size_t>(i)];
        return {e.data(), static_cast<size_t>(m)};
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
    AuswahlBereinigen(s);
    ZaehlerLoeschen(s);
    VerbundZaehlen(s);
    VerbundMarkieren(s);
}

void AuswahlBereinigen(State& s) {
    for (int a = s.AuswahlList.anzahl() - 1; a >= 0; --a) {
        const int16_t t = TextZeileVonAuswahl(s, static_cast<int16_t>(a));
        // A copy without its file row marks nothing any more.
        if (t < 0 || !s.TextList.haken(t)) s.AuswahlList.entfernen(a);
    }
}

void ZaehlerLoeschen(State& s) {
    for (int i = 1; i <= s.PunktZahl; ++i) {
        Punkt p = s.Punkte[i];
        p.Markiert = Falsch;
        s.Punkte.setzen(i, p);
    }
    auto loeschen = [](auto& tabelle, int zahl) {
        for (int i = 1; i <= zahl; ++i) {
            auto satz = tabelle[i];
            satz.Anzahl = 0;
            tabelle.setzen(i, satz);
        }
    };
    loeschen(s.Dreiecke, s.DreieckZahl);
    loeschen(s.Vierecke, s.ViereckZahl);
    loeschen(s.Polygone, s.PolygonZahl);
}

void VerbundZaehlen(State& s) {
    std::optional<Verwendung> verwendung;
    for (int a = s.AuswahlList.anzahl() - 1; a >= 0; --a) {
        if (!s.AuswahlList.haken(a)) continue;
        const int16_t t = TextZeileVonAuswahl(s, static_cast<int16_t>(a));
        if (t < 0) continue;
        const std::string_view wort = BefehlswortRoh(s.AuswahlList.text(a));
        if (IstWort(wort, "vertex")) {
            const int16_t k = SuchePunkt(s, t);
            if (k < 0) continue;
            if (!verwendung) verwendung.emplace(s);
            verwendung->dreiecke(k, [&](int i) { zaehlen(s.Dreiecke, i); });
            verwendung->vierecke(k, [&](int i) { zaehlen(s.Vierecke, i); });
            verwendung->polygone(k, [&](int i) { zaehlen(s.Polygone, i); });
        } else if (IstWort(wort, "triangle")) {
            const int16_t d = SucheDreieck(s, t);
            if (d < 0) continue;
            const Dreieck& e = s.Dreiecke[d];
            for (int16_t p : {e.P1, e.P2, e.P3}) markieren(s, p);
        } else if (IstWort(wort, "quad")) {
            const int16_t q = SucheViereck(s, t);
            if (q < 0) continue;
            const Viereck& e = s.Vierecke[q];
            for (int16_t p : {e.P1, e.P2, e.P3, e.P4}) markieren(s, p);
        } else if (IstWort(wort, "polygon")) {
            const int16_t p = SuchePolygon(s, t);
            if (p < 0) continue;
            const Polygon e = s.Polygone[p];
            for (int j = 1; j <= Eckenzahl(e); ++j) markieren(s, e.P[static_cast<size_t>(j)]);
        }
    }
}

void VerbundMarkieren(State& s) {
    if (s.Menu.AusP[1])
        for (int i = 1; i <= s.PunktZahl; ++i)
            if (s.Punkte[i].Markiert != 0) ZeileAufnehmen(s, s.Punkte[i].Zeile);
    if (s.Schwelle < 1) return;
    auto aufnehmen = [&](const auto& tabelle, int zahl) {
        for (int i = 1; i <= zahl; ++i)
            if (tabelle[i].Anzahl >= s.Schwelle) ZeileAufnehmen(s, tabelle[i].Zeile);
    };
    aufnehmen(s.Dreiecke, s.DreieckZahl);
    aufnehmen(s.Vierecke, s.ViereckZahl);
    aufnehmen(s.Polygone, s.PolygonZahl);
}

void DreieckeZaehlen(State& s, int16_t k) {
    for (int i = 1; i <= s.DreieckZahl; ++i) {
        const Dreieck& d = s.Dreiecke[i];
        if (d.P1 == k || d.P2 == k || d.P3 == k) zaehlen(s.Dreiecke, i);
    }
}

void ViereckeZaehlen(State& s, int16_t k) {
    for (int i = 1; i <= s.ViereckZahl; ++i) {
        const Viereck& v = s.Vierecke[i];
        if (v.P1 == k || v.P2 == k || v.P3 == k || v.P4 == k) zaehlen(s.Vierecke, i);
    }
}

void PolygoneZaehlen(State& s, int16_t k) {
    for (int i = 1; i <= s.PolygonZahl; ++i) {
        const Polygon p = s.Polygone[i];
        for (int j = 1; j <= Eckenzahl(p); ++j)
            if (p.P[static_cast<size_t>(j)] == k) zaehlen(s.Polygone, i);
    }
}

}  // namespace nuk
