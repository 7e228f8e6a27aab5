// The linkage pass: small hand-checked models, and random models against a
// plain scan of every row, record and corner.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "Hilfen.h"
#include "rwx/Wortscanner.h"
#include "selection/Modul_Auswahl.h"
#include "selection/Verbund.h"

namespace nuk {
namespace {

using test::Auswahl;
using test::auswahl;
using test::datei;
using test::Dokument;
using test::Modelldokument;

// ---- Small models checked by hand. ----

TEST(Verbund, AbgeleiteteZeilenNachRegelUndSchwelle) {
    struct Fall {
        const char* name;
        std::vector<int> haken;
        int16_t schwelle;
        bool eckenAufnehmen;
        Auswahl danach;
    };
    const std::vector<Fall> faelle = {
        {"Punkt: jedes Objekt mit ihm", {2}, 1, true, {{2, true}, {7, false}, {8, false}}},
        {"Schwelle 0 leitet nie ab",
         {2, 9},
         0,
         true,
         {{2, true}, {9, true}, {3, false}, {4, false}, {5, false}}},
        {"doppelte Polygonecke zählt zweimal", {3}, 2, true, {{3, true}, {9, false}}},
        {"zwei Ecken erreichen 2",
         {2, 3},
         2,
         true,
         {{2, true}, {3, true}, {7, false}, {8, false}, {9, false}}},
        {"nur das Polygon erreicht 3", {3, 4}, 3, true, {{3, true}, {4, true}, {9, false}}},
        {"Dreieck: seine Ecken", {7}, 1, true, {{7, true}, {2, false}, {3, false}, {4, false}}},
        {"Ecken nicht aufgenommen", {7}, 1, false, {{7, true}}},
        {"Polygon: jede Ecke einmal",
         {9},
         3,
         true,
         {{9, true}, {3, false}, {4, false}, {5, false}}},
        {"unbenutzter Punkt", {6}, 1, true, {{6, true}}},
        {"Strukturzeilen zählen nicht", {0, 1, 10}, 1, true, {{0, true}, {1, true}, {10, true}}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Modelldokument d;
        NukView::MarkMal_Click(*d.s, f.schwelle);
        NukView::AusP_Click(*d.s, f.eckenAufnehmen ? 1 : 0);
        for (int z : f.haken) d.s->TextList.setHaken(z, true);
        d.tick();
        EXPECT_EQ(auswahl(*d.s), f.danach);
        EXPECT_TRUE(d.host.meldungen.empty());
    }
}

TEST(Verbund, MarkiertUndAnzahl) {
    Modelldokument d;
    State& s = *d.s;
    for (int z : {3, 8}) s.TextList.setHaken(z, true);  // point 2 and the quad
    d.tick();
    std::vector<int16_t> markiert, anzahl;
    for (int i = 1; i <= s.PunktZahl; ++i) markiert.push_back(s.Punkte[i].Markiert);
    EXPECT_EQ(markiert, (std::vector<int16_t>{Wahr, Wahr, Wahr, Wahr, Falsch}));
    EXPECT_EQ(
        (std::vector<int16_t>{s.Dreiecke[1].Anzahl, s.Vierecke[1].Anzahl, s.Polygone[1].Anzahl}),
        (std::vector<int16_t>{1, 1, 2}));

    // An empty selection clears the counters and lists nothing.
    AuswahlNeu(s);
    d.tick();
    EXPECT_TRUE(auswahl(s).empty());
    EXPECT_EQ(s.Punkte[1].Markiert, Falsch);
    EXPECT_EQ(s.Polygone[1].Anzahl, 0);
}

TEST(Verbund, ZaehlenJePunkt) {
    Modelldokument d;
    State& s = *d.s;
    for (int16_t k : {1, 2, 5}) s.TextList.setHaken(s.Punkte[k].Zeile, true);
    d.tick();
    // Point 2 stands twice among the polygon's corners; point 5 is used by nothing.
    EXPECT_EQ(
        (std::vector<int16_t>{s.Dreiecke[1].Anzahl, s.Vierecke[1].Anzahl, s.Polygone[1].Anzahl}),
        (std::vector<int16_t>{2, 2, 2}));
}

TEST(Verbund, FehlgeschlageneSucheMeldetUndUeberspringt) {
    Dokument d;
    d.lesen(datei({"ModelBegin", "ClumpBegin", "Vertex 0 0 0", "Triangle 1 1 1", "ClumpEnd",
                   "ClumpBegin", "Vertex 1 1 1", "Triangle 1 1 1", "ClumpEnd", "ModelEnd"}));
    State& s = *d.s;
    s.Schwelle = 1;
    for (int z : {6, 7, 2}) s.TextList.setHaken(z, true);
    d.host.meldungen.clear();
    NukView::Timer1_Timer(s);
    std::vector<std::string> titel;
    for (const Meldung& m : d.host.meldungen) titel.push_back(m.titel);
    // From the last copy up: point 1, then the triangle and the vertex of the second clump.
    EXPECT_EQ(titel, (std::vector<std::string>{"Fehler 4.1t", "Fehler 4.1v"}));
    EXPECT_EQ(auswahl(s), (Auswahl{{6, true}, {7, true}, {2, true}, {3, false}}));
}

// One more mark among many derived rows: the list changes by the rows that
// change, so that its window keeps its place instead of starting over.
TEST(Verbund, EinHakenMehrBewegtWenigeZeilen) {
    std::string d = "ModelBegin\nClumpBegin\n";
    for (int i = 0; i < 102; ++i) d += "Vertex " + std::to_string(i) + " 0 0\n";
    for (int i = 2; i <= 101; ++i)
        d += "Triangle 1 " + std::to_string(i) + " " + std::to_string(i + 1) + "\n";
    Dokument dok;
    dok.lesen(d + "ClumpEnd\nModelEnd\n");
    State& s = *dok.s;
    s.Schwelle = 1;
    s.TextList.setHaken(s.Punkte[1].Zeile, true);
    NukView::Timer1_Timer(s);
    ASSERT_EQ(s.AuswahlList.anzahl(), 101);

    struct Zaehler : Liste::Beobachter {
        int zeilen = 0, ganz = 0;
        void vorEinfuegen(int) override { ++zeilen; }
        void nachEinfuegen() override {}
        void vorEntfernen(int) override { ++zeilen; }
        void nachEntfernen() override {}
        void vorLeeren() override { ++ganz; }
        void nachLeeren() override {}
        void geaendert(int) override {}
        void aktuellGeaendert(int) override {}
    } zaehler;
    s.TextList.setHaken(s.Punkte[50].Zeile, true);
    s.AuswahlList.setBeobachter(&zaehler);
    NukView::Timer1_Timer(s);
    // The new copy moves before the derived rows; the triangles stay where they are.
    EXPECT_EQ(zaehler.zeilen, 2);
    EXPECT_EQ(zaehler.ganz, 0);
    ASSERT_EQ(s.AuswahlList.anzahl(), 102);
    EXPECT_EQ(s.AuswahlList.wert(1), s.Punkte[50].Zeile);
    EXPECT_EQ(s.AuswahlList.wert(2), s.Dreiecke[1].Zeile);
    s.AuswahlList.setBeobachter(nullptr);
}

// ---- The pass without any index: every look-up a scan. ----

int16_t textZeile(State& s, int a) {
    const int32_t w = s.AuswahlList.wert(a);
    for (int t = s.TextList.anzahl() - 1; t >= 0; --t)
        if (s.TextList.wert(t) == w) return static_cast<int16_t>(t);
    FehlerMelden(s, "4.1x");
    return -1;
}

template <class Tab>
int ersterSatz(State& s, const Tab& tabelle, int von, int bis, int16_t zeile, const char* code) {
    for (int i = von; i <= bis; ++i)
        if (tabelle[i].Zeile == zeile) return i;
    FehlerMelden(s, code);
    return -1;
}

void aufnehmen(State& s, int zeile) {
    if (zeile < 0 || zeile >= s.TextList.anzahl()) return;
    const int32_t w = s.TextList.wert(zeile);
    for (int a = 0; a < s.AuswahlList.anzahl(); ++a)
        if (s.AuswahlList.wert(a) == w) return;
    const int neu = s.AuswahlList.anhaengen(s.TextList.text(zeile));
    s.AuswahlList.setWert(neu, w);
}

void markieren(State& s, int ecke) {
    if (ecke < 1 || ecke > s.PunktZahl) return;
    Punkt p = s.Punkte[ecke];
    p.Markiert = Wahr;
    s.Punkte.setzen(ecke, p);
}

template <class Tab>
void anzahlSetzen(Tab& tabelle, int i, int16_t wert) {
    auto satz = tabelle[i];
    satz.Anzahl = wert;
    tabelle.setzen(i, satz);
}

int ecken(const Polygon& p) {
    return std::clamp<int>(p.P[0], 0, MaxEcken);
}

void Nachrechnen(State& s) {
    for (int a = s.AuswahlList.anzahl() - 1; a >= 0; --a) {
        const int t = textZeile(s, a);
        if (t < 0 || !s.TextList.haken(t)) s.AuswahlList.entfernen(a);
    }
    for (int i = 1; i <= s.PunktZahl; ++i) {
        Punkt p = s.Punkte[i];
        p.Markiert = 0;
        s.Punkte.setzen(i, p);
    }
    for (int i = 1; i <= s.DreieckZahl; ++i) anzahlSetzen(s.Dreiecke, i, 0);
    for (int i = 1; i <= s.ViereckZahl; ++i) anzahlSetzen(s.Vierecke, i, 0);
    for (int i = 1; i <= s.PolygonZahl; ++i) anzahlSetzen(s.Polygone, i, 0);

    for (int a = s.AuswahlList.anzahl() - 1; a >= 0; --a) {
        if (!s.AuswahlList.haken(a)) continue;
        const int16_t t = textZeile(s, a);
        if (t < 0) continue;
        const std::string_view wort = BefehlswortRoh(s.AuswahlList.text(a));
        if (IstWort(wort, "vertex")) {
            const int k = ersterSatz(s, s.Punkte, 0, s.PunktZahl, t, "4.1v");
            if (k < 0) continue;
            for (int i = 1; i <= s.DreieckZahl; ++i) {
                const Dreieck d = s.Dreiecke[i];
                if (d.P1 == k || d.P2 == k || d.P3 == k)
                    anzahlSetzen(s.Dreiecke, i, static_cast<int16_t>(d.Anzahl + 1));
            }
            for (int i = 1; i <= s.ViereckZahl; ++i) {
                const Viereck v = s.Vierecke[i];
                if (v.P1 == k || v.P2 == k || v.P3 == k || v.P4 == k)
                    anzahlSetzen(s.Vierecke, i, static_cast<int16_t>(v.Anzahl + 1));
            }
            for (int i = 1; i <= s.PolygonZahl; ++i)
                for (int j = 1; j <= ecken(s.Polygone[i]); ++j)
                    if (s.Polygone[i].P[static_cast<size_t>(j)] == k)
                        anzahlSetzen(s.Polygone, i, static_cast<int16_t>(s.Polygone[i].Anzahl + 1));
        } else if (IstWort(wort, "triangle")) {
            const int d = ersterSatz(s, s.Dreiecke, 1, s.DreieckZahl, t, "4.1t");
            if (d < 0) continue;
            for (int e : {s.Dreiecke[d].P1, s.Dreiecke[d].P2, s.Dreiecke[d].P3}) markieren(s, e);
        } else if (IstWort(wort, "quad")) {
            const int q = ersterSatz(s, s.Vierecke, 1, s.ViereckZahl, t, "4.1q");
            if (q < 0) continue;
            const Viereck v = s.Vierecke[q];
            for (int e : {v.P1, v.P2, v.P3, v.P4}) markieren(s, e);
        } else if (IstWort(wort, "polygon")) {
            const int p = ersterSatz(s, s.Polygone, 1, s.PolygonZahl, t, "4.1p");
            if (p < 0) continue;
            const Polygon e = s.Polygone[p];
            for (int j = 1; j <= ecken(e); ++j) markieren(s, e.P[static_cast<size_t>(j)]);
        }
    }

    if (s.Menu.AusP[1])
        for (int i = 1; i <= s.PunktZahl; ++i)
            if (s.Punkte[i].Markiert != 0) aufnehmen(s, s.Punkte[i].Zeile);
    if (s.Schwelle < 1) return;
    for (int i = 1; i <= s.DreieckZahl; ++i)
        if (s.Dreiecke[i].Anzahl >= s.Schwelle) aufnehmen(s, s.Dreiecke[i].Zeile);
    for (int i = 1; i <= s.ViereckZahl; ++i)
        if (s.Vierecke[i].Anzahl >= s.Schwelle) aufnehmen(s, s.Vierecke[i].Zeile);
    for (int i = 1; i <= s.PolygonZahl; ++i)
        if (s.Polygone[i].Anzahl >= s.Schwelle) aufnehmen(s, s.Polygone[i].Zeile);
}

// ---- What a pass leaves behind. ----

using AuswahlZeile = std::tuple<std::string, int32_t, bool>;

std::vector<AuswahlZeile> auswahlGanz(const State& s) {
    std::vector<AuswahlZeile> z;
    for (int a = 0; a < s.AuswahlList.anzahl(); ++a)
        z.emplace_back(s.AuswahlList.text(a), s.AuswahlList.wert(a), s.AuswahlList.haken(a));
    return z;
}

std::vector<int16_t> markiert(const State& s) {
    std::vector<int16_t> m;
    for (int i = 1; i <= s.PunktZahl; ++i) m.push_back(s.Punkte[i].Markiert);
    return m;
}

template <class Tab>
std::vector<int16_t> anzahlen(const Tab& tabelle, int zahl) {
    std::vector<int16_t> a;
    for (int i = 1; i <= zahl; ++i) a.push_back(tabelle[i].Anzahl);
    return a;
}

void setzeAusP(State& s, int welcher) {
    s.Menu.AusP[0] = welcher == 0;
    s.Menu.AusP[1] = welcher == 1;
}

// ---- Small models checked by hand. ----

// Rows: 2..5 points 1..4, 6 a triangle using point 1 twice, 7 a quad, 8 a
// polygon using point 1 twice, 10 a point outside the clump.
const std::string Modell = datei({"ModelBegin", "ClumpBegin", "Vertex 0 0 0", "VERTEX 1 0 0",
                                  "vertex 0 1 0", "vErTeX 1 1 0", "TRIANGLE 1 2 1", "Quad 1 2 3 4",
                                  "POLYGON 4 1 3 1 4", "ClumpEnd", "Vertex 5 5 5", "ModelEnd"});

TEST(Verbund, KleineModelle) {
    struct Fall {
        const char* name;
        std::vector<int> haken;    // TextList rows ticked, in this order
        std::vector<int> abhaken;  // AuswahlList rows unticked afterwards
        int ausP;
        int16_t schwelle;
        std::string liste;              // TextList row of each copy, "+" when ticked
        std::string markiert;           // points 1..4, "x" when marked
        std::vector<int16_t> anzahl;    // triangle, quad, polygon
        const char* meldung = nullptr;  // title of the one message
    };
    const std::vector<Fall> faelle = {
        {"Polygon zaehlt die Ecke zweimal", {2}, {}, 0, 2, "2+ 8", "....", {1, 1, 2}},
        {"Schwelle 1: alle Objekte des Punkts", {2}, {}, 0, 1, "2+ 6 7 8", "....", {1, 1, 2}},
        {"Schwelle 0: keine Objekte", {2}, {}, 1, 0, "2+", "....", {1, 1, 2}},
        {"Viereck mit zwei Ecken", {3, 4}, {}, 0, 2, "3+ 4+ 7", "....", {1, 2, 1}},
        {"Viereck mit einer Ecke", {5}, {}, 0, 2, "5+", "....", {0, 1, 1}},
        {"Dreieck mit zwei Ecken", {2, 3}, {}, 0, 2, "2+ 3+ 6 7 8", "....", {2, 2, 2}},
        {"Dreieck ohne Eckzeilen", {6}, {}, 0, 1, "6+", "xx..", {0, 0, 0}},
        {"Dreieck mit Eckzeilen", {6}, {}, 1, 1, "6+ 2 3", "xx..", {0, 0, 0}},
        {"Polygon mit Eckzeilen", {8}, {}, 1, 3, "8+ 2 4 5", "x.xx", {0, 0, 0}},
        {"Abgehakte Kopien wirken nicht", {6, 2}, {0, 1}, 1, 1, "6 2", "....", {0, 0, 0}},
        {"Gelistetes nicht doppelt", {6, 2}, {}, 1, 1, "6+ 2+ 3 7 8", "xx..", {1, 1, 2}},
        {"Punkte vor Objekten", {6, 5}, {}, 1, 1, "6+ 5+ 2 3 7 8", "xx..", {0, 1, 1}},
        {"Punkt ohne Satz", {10}, {}, 1, 1, "10+", "....", {0, 0, 0}, "Fehler 4.1v"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Dokument d;
        d.lesen(Modell);
        State& s = *d.s;
        for (int z : f.haken) s.TextList.setHaken(z, true);
        for (int a : f.abhaken) s.AuswahlList.setHaken(a, false);
        setzeAusP(s, f.ausP);
        s.Schwelle = f.schwelle;
        d.host.meldungen.clear();
        // A second pass drops the derived rows and lists them again.
        for (int lauf = 0; lauf < 2; ++lauf) {
            VerbundBerechnen(s);
            std::string liste, punkte;
            for (int a = 0; a < s.AuswahlList.anzahl(); ++a) {
                EXPECT_EQ(s.AuswahlList.text(a), s.TextList.text(s.AuswahlList.wert(a)));
                liste += (a ? " " : "") + std::to_string(s.AuswahlList.wert(a)) +
                         (s.AuswahlList.haken(a) ? "+" : "");
            }
            for (int16_t m : markiert(s)) punkte += m == Wahr ? 'x' : m == 0 ? '.' : '?';
            EXPECT_EQ(liste, f.liste) << "Lauf " << lauf;
            EXPECT_EQ(punkte, f.markiert);
            EXPECT_EQ((std::vector<int16_t>{s.Dreiecke[1].Anzahl, s.Vierecke[1].Anzahl,
                                            s.Polygone[1].Anzahl}),
                      f.anzahl);
        }
        std::vector<std::string> titel;
        for (const Meldung& m : d.host.meldungen) titel.push_back(m.titel);
        EXPECT_EQ(titel,
                  f.meldung ? std::vector<std::string>(2, f.meldung) : std::vector<std::string>{});
    }
}

// ---- Random models against the scan. ----

int zahl(std::mt19937& z, int von, int bis) {
    return std::uniform_int_distribution<int>(von, bis)(z);
}

std::string schreibweise(std::mt19937& z, std::string w) {
    const int art = zahl(z, 0, 3);
    for (size_t i = 0; i < w.size(); ++i)
        if (art == 1 || (art == 2 && i == 0) || (art == 3 && zahl(z, 0, 1) == 1))
            w[i] = static_cast<char>(w[i] - 'a' + 'A');
    return w;
}

std::string zufallsDatei(std::mt19937& z) {
    const int nv = zahl(z, 0, 30);
    auto ecken = [&](int n) {
        std::string e;
        std::vector<int> bisher;
        for (int i = 0; i < n; ++i) {
            const int k = !bisher.empty() && zahl(z, 0, 3) == 0
                              ? bisher[static_cast<size_t>(zahl(z, 0, i - 1))]
                              : zahl(z, -2, nv + 2);
            bisher.push_back(k);
            e += " " + std::to_string(k);
        }
        return e;
    };
    auto objekte = [&](std::vector<std::string>& zeilen, int v, int t, int q, int p) {
        for (int i = 0; i < v; ++i)
            zeilen.push_back(schreibweise(z, "vertex") + " " + std::to_string(zahl(z, -9, 9)) +
                             " 0 1");
        for (int i = 0; i < t; ++i) zeilen.push_back(schreibweise(z, "triangle") + ecken(3));
        for (int i = 0; i < q; ++i) zeilen.push_back(schreibweise(z, "quad") + ecken(4));
        for (int i = 0; i < p; ++i) {
            const int n = zahl(z, -1, 8);
            zeilen.push_back(schreibweise(z, "polygon") + " " + std::to_string(n) +
                             ecken(std::max(n, 0)));
        }
    };
    std::vector<std::string> rumpf;
    objekte(rumpf, nv, zahl(z, 0, 15), zahl(z, 0, 15), zahl(z, 0, 15));
    for (int i = zahl(z, 0, 3); i > 0; --i)
        rumpf.push_back(i % 2 ? "# Bemerkung" : "surface 1 1 0");
    // Vertex numbers follow the order in the file, so any order of the lines is a model.
    std::shuffle(rumpf.begin(), rumpf.end(), z);

    std::string d = "modelbegin\nClumpBegin\n";
    for (const auto& r : rumpf) d += r + "\n";
    d += "clumpend\n";
    if (zahl(z, 0, 1) == 1) {
        // A second clump: rows with no record behind them.
        std::vector<std::string> zweiter;
        objekte(zweiter, zahl(z, 0, 3), zahl(z, 0, 2), zahl(z, 0, 2), zahl(z, 0, 2));
        d += "clumpbegin\n";
        for (const auto& r : zweiter) d += r + "\n";
        d += "clumpend\n";
    }
    return d + "modelend\n";
}

// Moves a record to the row of another record of its kind, or to any row or
// none, so that the look-ups must pick the lowest of several.
template <class Tab>
void zeileVerbiegen(std::mt19937& z, Tab& tabelle, int von, int bis, int zeilen) {
    if (bis < von) return;
    const int i = zahl(z, 0, 1) == 0 ? von : zahl(z, von, bis);
    auto satz = tabelle[i];
    satz.Zeile = zahl(z, 0, 1) == 0 ? tabelle[zahl(z, von, bis)].Zeile
                                    : static_cast<int16_t>(zahl(z, -2, zeilen + 1));
    tabelle.setzen(i, satz);
}

// Ticks, keys, records and menu rules changed at random; the same seed gives
// both documents the same changes.
void aendern(State& s, uint32_t saat) {
    std::mt19937 z(saat);
    const int n = s.TextList.anzahl();
    for (int i = zahl(z, 0, n / 2 + 1); i > 0; --i)
        s.TextList.setHaken(zahl(z, 0, n - 1), zahl(z, 0, 2) != 0);
    for (int i = zahl(z, 0, 2); i > 0 && s.AuswahlList.anzahl() > 0; --i)
        s.AuswahlList.setHaken(zahl(z, 0, s.AuswahlList.anzahl() - 1), zahl(z, 0, 3) == 0);
    if (zahl(z, 0, 5) == 0 && s.AuswahlList.anzahl() > 0)
        s.AuswahlList.setWert(zahl(z, 0, s.AuswahlList.anzahl() - 1), zahl(z, -2, n + 1));
    if (zahl(z, 0, 5) == 0) s.TextList.setWert(zahl(z, 0, n - 1), zahl(z, -2, n + 1));
    if (zahl(z, 0, 3) == 0) {
        // Relabelled, as the line check does: a derived row shows the new text.
        const int i = zahl(z, 0, n - 1);
        s.TextList.setText(i, s.TextList.text(i) + " *");
    }
    if (zahl(z, 0, 1) == 0) {
        switch (zahl(z, 0, 3)) {
            case 0:
                zeileVerbiegen(z, s.Punkte, 0, s.PunktZahl, n);
                break;
            case 1:
                zeileVerbiegen(z, s.Dreiecke, 1, s.DreieckZahl, n);
                break;
            case 2:
                zeileVerbiegen(z, s.Vierecke, 1, s.ViereckZahl, n);
                break;
            default:
                zeileVerbiegen(z, s.Polygone, 1, s.PolygonZahl, n);
        }
    }
    // Counters left over from elsewhere; the pass starts them afresh.
    for (int i = 1; i <= s.PunktZahl; ++i) {
        Punkt p = s.Punkte[i];
        p.Markiert = static_cast<int16_t>(zahl(z, -1, 1));
        s.Punkte.setzen(i, p);
    }
    for (int i = 1; i <= s.DreieckZahl; ++i)
        anzahlSetzen(s.Dreiecke, i, static_cast<int16_t>(zahl(z, 0, 3)));
    for (int i = 1; i <= s.ViereckZahl; ++i)
        anzahlSetzen(s.Vierecke, i, static_cast<int16_t>(zahl(z, 0, 3)));
    for (int i = 1; i <= s.PolygonZahl; ++i)
        anzahlSetzen(s.Polygone, i, static_cast<int16_t>(zahl(z, 0, 3)));
    setzeAusP(s, zahl(z, 0, 1));
    s.Schwelle = static_cast<int16_t>(zahl(z, 0, 3));
}

TEST(Verbund, WieEinSchlichterScan) {
    int abgeleitet = 0, meldungen = 0, gezaehlt = 0;
    for (uint32_t saat = 1; saat <= 200; ++saat) {
        std::mt19937 z(saat);
        const std::string daten = zufallsDatei(z);
        Dokument ist, soll;
        ist.lesen(daten);
        soll.lesen(daten);
        ASSERT_EQ(ist.zeilen(), soll.zeilen());
        for (int runde = 0; runde < 3; ++runde) {
            SCOPED_TRACE("Saat " + std::to_string(saat) + ", Runde " + std::to_string(runde) +
                         "\n" + daten);
            const uint32_t aenderung = z();
            aendern(*ist.s, aenderung);
            aendern(*soll.s, aenderung);
            ASSERT_EQ(auswahlGanz(*ist.s), auswahlGanz(*soll.s));
            ist.host.meldungen.clear();
            soll.host.meldungen.clear();

            VerbundBerechnen(*ist.s);
            Nachrechnen(*soll.s);

            const State& a = *ist.s;
            const State& b = *soll.s;
            EXPECT_EQ(auswahlGanz(a), auswahlGanz(b));
            EXPECT_EQ(markiert(a), markiert(b));
            EXPECT_EQ(anzahlen(a.Dreiecke, a.DreieckZahl), anzahlen(b.Dreiecke, b.DreieckZahl));
            EXPECT_EQ(anzahlen(a.Vierecke, a.ViereckZahl), anzahlen(b.Vierecke, b.ViereckZahl));
            EXPECT_EQ(anzahlen(a.Polygone, a.PolygonZahl), anzahlen(b.Polygone, b.PolygonZahl));
            EXPECT_EQ(ist.host.meldungen, soll.host.meldungen);
            if (HasFailure()) return;

            for (int i = 0; i < b.AuswahlList.anzahl(); ++i) abgeleitet += !b.AuswahlList.haken(i);
            meldungen += static_cast<int>(soll.host.meldungen.size());
            for (int i = 1; i <= b.PolygonZahl; ++i) gezaehlt += b.Polygone[i].Anzahl;
        }
    }
    // The random models do reach the interesting paths.
    EXPECT_GT(abgeleitet, 200);
    EXPECT_GT(meldungen, 20);
    EXPECT_GT(gezaehlt, 100);
}

}  // namespace
}  // namespace nuk
