// Marking on the whole model: picking, the rules, the marks drawn at every
// copy, the read-out, and "Geometrie".
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

#include "Hilfen.h"
#include "app/NukView.h"
#include "selection/Modul_Auswahl.h"
#include "view/Zeichnen.h"

namespace nuk {
namespace {

using test::Auswahl;
using test::datei;
using Z = Zeichenbefehl;

// One row a line. The first clump is empty; a triangle prototype (rows 4..7)
// placed at x 10 and x 20; a nested clump with a triangle (rows 19..21, 23)
// and an unused point (row 22); a block about the origin (row 26).
const std::string Ganz = datei(
    {"ModelBegin",       "ClumpBegin",      "ClumpEnd",       "ProtoBegin p",   "Vertex 0 0 0",
     "Vertex 1 0 0",     "Vertex 0 1 0",    "Triangle 1 2 3", "ProtoEnd",       "ClumpBegin",
     "Translate 10 0 0", "ProtoInstance p", "ClumpEnd",       "ClumpBegin",     "Translate 20 0 0",
     "ProtoInstance p",  "ClumpEnd",        "ClumpBegin",     "ClumpBegin",     "Vertex 0 5 0",
     "Vertex 1 5 0",     "Vertex 0 6 0",    "Vertex 5 5 5",   "Triangle 1 2 3", "ClumpEnd",
     "ClumpEnd",         "Block 1 1 1",     "ModelEnd"});

struct Ganzdokument : test::Dokument {
    test::TempOrdner ordner;
    explicit Ganzdokument(const std::string& text = Ganz) {
        const std::string pfad = ordner / "ganz.rwx";
        EXPECT_TRUE(DateiErsetzen(pfad, text));
        DateiOeffnen(*s, Dateiwahl{pfad, "ganz.rwx"});
        s->Fangweite = 0.1f;
        s->Schwelle = 1;
        NukView::Timer1_Timer(*s);
    }
    std::set<int> getickt() const {
        std::set<int> t;
        for (int i = 0; i < s->TextList.anzahl(); ++i)
            if (s->TextList.haken(i)) t.insert(i);
        return t;
    }
};

void Band(State& s, float taste, float x1, float y1, float x2, float y2) {
    s.StartTaste = taste;
    RechteckMarkieren(s, x1, y1, x2, y2);
}

TEST(GanzesMarkieren, RegelnUndBild) {
    struct Fall {
        const char* name;
        std::function<void(State&)> tun;
        std::set<int> getickt;
        Auswahl auswahl;
        std::set<std::pair<float, float>> kaesten;  // the cyan boxes' centres
        size_t gruen;  // green lines longer than nought: a block's sides along z are dots
    };
    const std::vector<Fall> faelle = {
        {"Band um die erste Kopie",
         [](State& s) { Band(s, 1, 9.5f, -0.5f, 11.5f, 1.5f); },
         {4, 5, 6},
         {{4, true}, {5, true}, {6, true}, {7, false}},
         {{10, 0}, {11, 0}, {10, 1}, {20, 0}, {21, 0}, {20, 1}},
         0},
        {"Klick auf die zweite Kopie: eine Zeile, Kästen an beiden",
         [](State& s) { Band(s, 1, 20, 0, 20, 0); },
         {4},
         {{4, true}, {7, false}},
         {{10, 0}, {20, 0}},
         0},
        {"Punkt auf dem Rand zählt nicht",
         [](State& s) { Band(s, 1, 9, 0, 10, 2); },
         {},
         {},
         {},
         0},
        {"verschachtelter Clump, zwei Punkte, Schwelle 2",
         [](State& s) {
             s.Schwelle = 2;
             Band(s, 1, -0.5f, 4.5f, 1.5f, 5.5f);
         },
         {19, 20},
         {{19, true}, {20, true}, {23, false}},
         {{0, 5}, {1, 5}},
         0},
        {"Grundkörper: Punkte und Flächen zusammen",
         [](State& s) { Band(s, 1, 0.5f, 0.5f, 0.5f, 0.5f); },
         {26},
         {{26, true}},
         {{-0.5f, 0.5f}, {0.5f, 0.5f}, {-0.5f, -0.5f}, {0.5f, -0.5f}},
         16},
        {"rechte Taste löscht",
         [](State& s) {
             Band(s, 1, 9.5f, -0.5f, 11.5f, 1.5f);
             Band(s, 2, 9.5f, -0.5f, 10.5f, 0.5f);
         },
         {5, 6},
         {{5, true}, {6, true}, {7, false}},
         {{11, 0}, {10, 1}, {21, 0}, {20, 1}},
         0},
        {"markierte Fläche: ihre Ecken abgeleitet, grün an jeder Kopie",
         [](State& s) { s.TextList.setHaken(7, true); },
         {7},
         {{7, true}, {4, false}, {5, false}, {6, false}},
         {},
         6},
        {"egal ob Objekte markiert",
         [](State& s) {
             NukView::AusP_Click(s, 0);
             s.TextList.setHaken(7, true);
         },
         {7},
         {{7, true}},
         {},
         6},
        {"ohne Objekte",
         [](State& s) { NukView::AusP_Click(s, 2); },
         {22},
         {{22, true}},
         {{5, 5}},
         0},
        {"ohne ganzes Modell keine Marken, die nur es hat",
         [](State& s) {
             Band(s, 1, -100, -100, 100, 100);
             NukView::GanzesModell_Click(s);
         },
         {},
         {},
         {},
         0},
        {"ohne ganzes Modell nur der erste Clump",
         [](State& s) {
             NukView::GanzesModell_Click(s);
             Band(s, 1, -100, -100, 100, 100);
             NukView::AusP_Click(s, 2);
         },
         {},
         {},
         {},
         0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Ganzdokument d;
        d.host.meldungen.clear();
        f.tun(*d.s);
        d.host.zeichnungen.clear();
        NukView::Timer1_Timer(*d.s);
        EXPECT_EQ(d.getickt(), f.getickt);
        EXPECT_EQ(test::auswahl(*d.s), f.auswahl);
        std::set<std::pair<float, float>> kaesten;
        size_t gruen = 0;
        for (const Z& z : d.host.zeichnungen) {
            if (z.art == Z::Rechteck && z.farbe == Cyan)
                kaesten.insert({(z.x1 + z.x2) / 2, (z.y1 + z.y2) / 2});
            gruen += z.art == Z::Linie && z.farbe == Gruen && (z.x1 != z.x2 || z.y1 != z.y2);
        }
        EXPECT_EQ(kaesten, f.kaesten);
        EXPECT_EQ(gruen, f.gruen);
        EXPECT_TRUE(d.host.meldungen.empty());  // no look-up of a first-clump record fails
    }
}

TEST(GanzesMarkieren, AnzeigeUeberEinemPunkt) {
    Ganzdokument d;
    StatusZeigen(*d.s, 20.05f, 1);
    EXPECT_EQ(d.s->Ausgabe.Caption, "Zeile 7  x: 20  y: 1  z: 0");
    StatusZeigen(*d.s, 5, 5);
    EXPECT_EQ(d.s->Ausgabe.Caption, "Zeile 23  x: 5  y: 5  z: 5");
    NukView::GanzesModell_Click(*d.s);
    StatusZeigen(*d.s, 20.05f, 1);
    EXPECT_EQ(d.s->Ausgabe.Caption, "Position  x: 20.05  y: 1");
}

// The findings' rows ticked and labelled, one message; unticked, only those
// within the first clump.
TEST(GanzesMarkieren, Geometrie) {
    const std::string text =
        datei({"ModelBegin", "ClumpBegin", "Vertex 0 0 0", "Triangle 1 2 3", "ClumpEnd",
               "ClumpBegin", "Vertex 0 0 0", "Quad 1 1 1 1", "Quad 1 2 3 9", "ModelEnd"});
    for (const bool ganz : {true, false}) {
        SCOPED_TRACE(ganz);
        Ganzdokument d(text);
        if (!ganz) NukView::GanzesModell_Click(*d.s);
        d.host.meldungen.clear();
        NukView::Auswahl_Click(*d.s, 5);
        const std::string ecke = "Zeile 4: Ecke 2 gibt es hier nicht (1 Punkt)";
        if (ganz) {
            EXPECT_EQ(d.getickt(), (std::set<int>{3, 5, 7, 8}));
            EXPECT_EQ(d.s->TextList.text(7), " 7g\t>Quad 1 1 1 1");
            EXPECT_EQ(
                d.meldungstexte(),
                std::vector<std::string>{
                    "Geometrie: 4 Befunde\n" + ecke +
                    "\nZeile 6: ClumpBegin ohne ClumpEnd\nZeile 8: Fläche mit weniger als "
                    "drei verschiedenen Ecken\nZeile 9: Ecke 2 gibt es hier nicht (1 Punkt)"});
        } else {
            EXPECT_EQ(d.getickt(), (std::set<int>{3}));
            EXPECT_EQ(d.meldungstexte(), std::vector<std::string>{"Geometrie: 1 Befund\n" + ecke});
        }
        EXPECT_EQ(d.s->TextList.text(3), " 3g\t>Triangle 1 2 3");
        EXPECT_EQ(d.s->Befundtexte[3], "Ecke 2 gibt es hier nicht (1 Punkt)");
        // A face the whole model refused has no record to look up, nor after
        // the whole model is switched off.
        NukView::Timer1_Timer(*d.s);
        NukView::GanzesModell_Click(*d.s);
        NukView::Timer1_Timer(*d.s);
        EXPECT_EQ(d.host.meldungen.size(), 1u);
    }
    Ganzdokument gut;
    gut.host.meldungen.clear();
    NukView::Auswahl_Click(*gut.s, 5);
    EXPECT_EQ(gut.meldungstexte(), std::vector<std::string>{"Geometrie: alles in Ordnung"});
}

}  // namespace
}  // namespace nuk
