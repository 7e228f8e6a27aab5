// Marks in both lists and the menu rules.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "Hilfen.h"
#include "app/NukView.h"
#include "check/Fehler.h"
#include "selection/BefehlsPad.h"
#include "selection/Listenfenster.h"
#include "selection/Markierungen.h"
#include "selection/Modul_Auswahl.h"
#include "selection/Verbund.h"

namespace nuk {
namespace {

using test::Auswahl;
using test::auswahl;
using test::datei;
using test::Dokument;
using test::Modelldokument;

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

}  // namespace
}  // namespace nuk
