// Marks in both lists, the derived rows of the sync, the menu rules, and the
// two checks that mark rows: hierarchy and faulty lines.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "Hilfen.h"
#include "check/Fehler.h"
#include "selection/BefehlsPad.h"
#include "selection/Listenfenster.h"
#include "selection/Markierungen.h"
#include "selection/Modul_Auswahl.h"
#include "selection/Verbund.h"
#include "view/NukView.h"

namespace nuk {
namespace {

using test::datei;
using test::Dokument;

// Rows: 2..6 points 1..5 (5 unused), 7 triangle, 8 quad, 9 a polygon with point 2 twice.
const std::string Modell = datei({"ModelBegin", "ClumpBegin", "VERTEX 0 0 0", "Vertex 1 0 0",
                                  "vertex 0 1 0", "Vertex 1 1 0", "Vertex 2 2 0", "Triangle 1 2 3",
                                  "Quad 1 2 4 3", "Polygon 4 2 4 2 3", "ClumpEnd", "ModelEnd"});

// The selection list as (file row, ticked).
using Auswahl = std::vector<std::pair<int, bool>>;

Auswahl auswahl(const State& s) {
    Auswahl a;
    for (int i = 0; i < s.AuswahlList.anzahl(); ++i)
        a.emplace_back(s.AuswahlList.wert(i), s.AuswahlList.haken(i));
    return a;
}

struct Modelldokument : Dokument {
    Modelldokument() {
        lesen(Modell);
        s->Schwelle = 1;
    }
    void tick() { NukView::Timer1_Timer(*s); }
};

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
    ZaehlerLoeschen(s);
    for (int16_t k : {1, 2, 5}) {
        DreieckeZaehlen(s, k);
        ViereckeZaehlen(s, k);
        PolygoneZaehlen(s, k);
    }
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

TEST(Listen, HakenInDerDateiliste) {
    Modelldokument d;
    State& s = *d.s;
    s.TextList.setHaken(2, true);
    EXPECT_EQ(s.AktZeile, 2);
    EXPECT_TRUE(s.Timer1.Enabled);
    EXPECT_EQ(auswahl(s), (Auswahl{{2, true}}));  // derived rows wait for the tick
    d.tick();
    EXPECT_FALSE(s.Timer1.Enabled);
    EXPECT_EQ(auswahl(s), (Auswahl{{2, true}, {7, false}, {8, false}}));

    // A derived row ticked in the file list moves to the end as a ticked copy.
    s.TextList.setHaken(7, true);
    EXPECT_EQ(auswahl(s), (Auswahl{{2, true}, {8, false}, {7, true}}));
    d.tick();
    EXPECT_EQ(auswahl(s), (Auswahl{{2, true}, {7, true}, {3, false}, {4, false}, {8, false}}));

    // Unticking leaves the selection at once.
    s.TextList.setHaken(2, false);
    EXPECT_EQ(auswahl(s), (Auswahl{{7, true}, {3, false}, {4, false}, {8, false}}));
    EXPECT_EQ(s.AktZeile, 2);

    s.AktZeile = 5;
    s.Timer1.Enabled = false;
    TextPad::TextList_ItemCheck(s, -1);
    EXPECT_EQ(s.AktZeile, 5);
    EXPECT_FALSE(s.Timer1.Enabled);
}

TEST(Listen, HakenInDerAuswahl) {
    Modelldokument d;
    State& s = *d.s;
    s.TextList.setHaken(2, true);
    d.tick();

    // Ticking a derived row marks its file row, which moves to the end.
    s.AuswahlList.setHaken(1, true);
    EXPECT_TRUE(s.TextList.haken(7));
    EXPECT_EQ(s.AktZeile, 7);
    EXPECT_EQ(auswahl(s), (Auswahl{{2, true}, {8, false}, {7, true}}));

    // Unticking a copy keeps the row marked but stops it from spreading.
    s.AuswahlList.setHaken(0, false);
    EXPECT_TRUE(s.TextList.haken(2));
    EXPECT_EQ(s.AktZeile, 2);
    d.tick();
    EXPECT_EQ(auswahl(s), (Auswahl{{2, false}, {7, true}, {3, false}, {4, false}}));

    // Ticking the copy again leaves it where it is.
    s.AuswahlList.setHaken(0, true);
    EXPECT_EQ(auswahl(s), (Auswahl{{2, true}, {7, true}, {3, false}, {4, false}}));

    s.Timer1.Enabled = false;
    Ausgewahl::AuswahlList_ItemCheck(s, -1);
    EXPECT_TRUE(s.Timer1.Enabled);
}

TEST(Listen, TickSetztBeideCursorAufDieAktuelleZeile) {
    Modelldokument d;
    State& s = *d.s;
    s.TextList.setHaken(2, true);
    s.TextList.setHaken(4, true);
    s.TextList.setAktuell(7);
    d.tick();
    EXPECT_EQ(s.TextList.aktuell(), 4);
    EXPECT_EQ(s.AuswahlList.aktuell(), 1);
}

TEST(Listen, KopieOhneDateizeile) {
    Modelldokument d;
    State& s = *d.s;
    const int fremd = s.AuswahlList.anhaengen("fremd");
    s.AuswahlList.setWert(fremd, 40000);
    d.host.meldungen.clear();
    s.AuswahlList.setHaken(fremd, true);
    EXPECT_EQ(s.AktZeile, -1);
    EXPECT_TRUE(s.Timer1.Enabled);
    ASSERT_EQ(d.host.meldungen.size(), 1u);
    EXPECT_EQ(d.host.meldungen[0].titel, "Fehler 4.1x");
    // It marks nothing, so the next pass drops it.
    d.tick();
    EXPECT_TRUE(auswahl(s).empty());
}

TEST(Listen, MausLosSetztBeideCursor) {
    Modelldokument d;
    State& s = *d.s;
    s.TextList.setHaken(2, true);
    s.TextList.setHaken(4, true);

    s.TextList.setAktuell(4);
    TextPad::TextList_MouseUp(s);
    EXPECT_EQ(s.AktZeile, 4);
    EXPECT_EQ(s.AuswahlList.aktuell(), 1);

    s.TextList.setAktuell(3);  // not listed
    TextPad::TextList_MouseUp(s);
    EXPECT_EQ(s.AuswahlList.aktuell(), -1);

    s.AuswahlList.setAktuell(0);
    Ausgewahl::AuswahlList_MouseUp(s);
    EXPECT_EQ(s.AktZeile, 2);
    EXPECT_EQ(s.TextList.aktuell(), 2);

    s.AuswahlList.setAktuell(-1);  // no cursor: only the alignment
    s.TextList.setAktuell(9);
    Ausgewahl::AuswahlList_MouseUp(s);
    EXPECT_EQ(s.TextList.aktuell(), 2);
}

TEST(Listen, TastendruckMeldung) {
    Dokument d;
    TextPad::TextList_KeyPress(*d.s, 'a');
    TextPad::TextList_KeyPress(*d.s, 0xE4);
    ASSERT_EQ(d.host.meldungen.size(), 2u);
    EXPECT_EQ(d.host.meldungen[0], (Meldung{"textlist_keypress   a", "", 0}));
    EXPECT_EQ(d.host.meldungen[1].text, "textlist_keypress   ä");
}

TEST(Menue, PunkteUndObjekte) {
    Modelldokument d;
    State& s = *d.s;
    struct Fall {
        void (*klick)(State&, int16_t);
        int16_t index;
        std::array<bool, 3> ausP;
        std::array<bool, 4> markMal;
        int16_t schwelle;
    };
    const std::vector<Fall> faelle = {
        {NukView::AusP_Click, 0, {true, false, false}, {false, true, false, false}, 1},
        {NukView::AusP_Click, 0, {true, false, false}, {false, true, false, false}, 1},
        {NukView::AusP_Click, 2, {true, false, false}, {false, true, false, false}, 1},
        {NukView::AusP_Click, 1, {false, true, false}, {false, true, false, false}, 1},
        {NukView::MarkMal_Click, 3, {false, true, false}, {false, false, false, true}, 3},
        {NukView::MarkMal_Click, 0, {false, true, false}, {true, false, false, false}, 0},
    };
    for (const Fall& f : faelle) {
        s.Timer1.Enabled = false;
        f.klick(s, f.index);
        EXPECT_TRUE(s.Timer1.Enabled);
        EXPECT_EQ(s.Menu.AusP, f.ausP);
        EXPECT_EQ(s.Menu.MarkMal, f.markMal);
        EXPECT_EQ(s.Schwelle, f.schwelle);
    }
}

TEST(Menue, EckenRegelWirktBeimNaechstenTick) {
    Modelldokument d;
    State& s = *d.s;
    s.TextList.setHaken(7, true);
    d.tick();
    EXPECT_EQ(auswahl(s).size(), 4u);
    NukView::AusP_Click(s, 0);
    EXPECT_EQ(auswahl(s).size(), 4u);
    d.tick();
    EXPECT_EQ(auswahl(s), (Auswahl{{7, true}}));
}

TEST(Menue, PunkteOhneObjekte) {
    Modelldokument d;
    State& s = *d.s;
    s.TextList.setHaken(3, true);
    NukView::AusP_Click(s, 2);
    EXPECT_EQ(auswahl(s), (Auswahl{{3, true}, {6, true}}));  // point 5 is used by nothing

    Dokument voll;
    voll.lesen(datei({"ModelBegin", "ClumpBegin", "Vertex 0 0 0", "Vertex 1 1 1", "Polygon 2 2 1",
                      "ClumpEnd", "ModelEnd"}));
    voll.s->Timer1.Enabled = false;
    NukView::AusP_Click(*voll.s, 2);
    EXPECT_TRUE(voll.s->Timer1.Enabled);
    EXPECT_EQ(voll.s->AuswahlList.anzahl(), 0);
}

TEST(Hierarchie, MarkiertDieStrukturzeilenUndUrteilt) {
    struct Fall {
        std::vector<std::string_view> zeilen;
        std::vector<int> struktur;
        std::string meldung;
    };
    const std::string vorsatz = "Hierarchie wurde als fehlerhaft eingestuft,\nda ";
    const std::vector<Fall> faelle = {
        // Every clump counts, not only the one read into the tables.
        {{"ModelBegin", "ClumpBegin", "Vertex 0 0 0", "ClumpEnd", "clumpBEGIN", "#ClumpEnd",
          "ModelEnd"},
         {0, 1, 3, 4, 6},
         vorsatz + "mehr ClumpBegin als ClumpEnd"},
        {{"ModelBegin", "ClumpBegin", "ClumpEnd", "ClumpBegin", "ClumpEnd", "ModelEnd"},
         {0, 1, 2, 3, 4, 5},
         "Hierarchie akzeptabel"},
        {{"Vertex 0 0 0"}, {}, vorsatz + "erste Hiro-Anweisung ungleich ModelBegin"},
    };
    for (const Fall& f : faelle) {
        Dokument d;
        std::string text;
        for (std::string_view z : f.zeilen) text.append(z).append("\n");
        d.lesen(text);
        State& s = *d.s;
        // Earlier marks go.
        s.TextList.setHaken(s.TextList.anzahl() - 1, false);
        s.TextList.setHaken(s.TextList.anzahl() > 2 ? 2 : 0, true);
        d.host.meldungen.clear();
        NukView::Auswahl_Click(s, 3);
        ASSERT_EQ(d.host.meldungen.size(), 1u);
        EXPECT_EQ(d.host.meldungen[0].text, f.meldung);
        EXPECT_EQ(d.host.meldungen[0].titel, "");
        std::vector<int> getickt;
        Auswahl erwartet;
        for (int i = 0; i < s.TextList.anzahl(); ++i)
            if (s.TextList.haken(i)) getickt.push_back(i);
        for (int z : f.struktur) erwartet.emplace_back(z, true);
        EXPECT_EQ(getickt, f.struktur);
        EXPECT_EQ(auswahl(s), erwartet);
        EXPECT_TRUE(s.Timer1.Enabled);
        if (f.struktur.empty()) continue;
        EXPECT_EQ(s.AktZeile, f.struktur.back());
        EXPECT_EQ(s.TextList.aktuell(), f.struktur.back());
        EXPECT_EQ(s.AuswahlList.aktuell(), static_cast<int>(f.struktur.size()) - 1);
    }
}

TEST(Fehlerhaftes, KennungHakenUndAuswahl) {
    test::TempOrdner ordner;
    Dokument d;
    State& s = *d.s;
    s.AppPfad = ordner / "";
    d.lesen(
        datei({"ModelBegin", "ClumpBegin", "Vertex 1 2 3", "VERTEX 1 2 3 # grün", "Vertex 1/2 3",
               "Vertx 1 2 3", "Vertex\t1 2 3", "Vertex 1,2,3", "", "ClumpEnd", "ModelEnd"}));
    s.TextList.setHaken(2, true);
    const std::vector<std::string> vorher = d.zeilen();

    // Without a list nothing changes, and the next click tries again.
    d.host.meldungen.clear();
    NukView::Auswahl_Click(s, 4);
    EXPECT_EQ(d.meldungstexte(), std::vector<std::string>{BefehlslisteFehlt});
    EXPECT_EQ(d.zeilen(), vorher);
    EXPECT_EQ(auswahl(s), (Auswahl{{2, true}}));

    std::ofstream(ordner / "befehle.txt") << "modelbegin\nmodelend\nclumpbegin\nclumpend\nvertex\n";
    for (int lauf = 0; lauf < 2; ++lauf) {
        d.host.meldungen.clear();
        NukView::Auswahl_Click(s, 4);
        EXPECT_TRUE(d.host.meldungen.empty());
        const std::vector<int> fehlerhaft = {4, 5, 8, 9, 10};  // "1,2,3" gives rows 7..9
        std::vector<int> getickt;
        Auswahl erwartet;
        for (int i = 0; i < s.TextList.anzahl(); ++i)
            if (s.TextList.haken(i)) getickt.push_back(i);
        for (int z : fehlerhaft) erwartet.emplace_back(z, true);
        EXPECT_EQ(getickt, fehlerhaft);
        EXPECT_EQ(auswahl(s), erwartet);
        EXPECT_EQ(s.TextList.text(4), " 4f\t>Vertex 1/2 3");
        EXPECT_EQ(s.TextList.text(8), " 8f\t>2");
        EXPECT_EQ(s.AuswahlList.text(0), s.TextList.text(4));
        EXPECT_EQ(s.TextList.text(2), vorher[2]);
        EXPECT_EQ(s.TextList.aktuell(), 10);
        EXPECT_EQ(s.AuswahlList.aktuell(), 4);
    }
}

}  // namespace
}  // namespace nuk
