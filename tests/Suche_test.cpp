// Look-ups between rows, records and the two lists.
#include <gtest/gtest.h>

#include <random>

#include "Hilfen.h"
#include "selection/Suche.h"

namespace nuk {
namespace {

using test::datei;
using test::Dokument;

TEST(Suche, DatensatzZuZeile) {
    Dokument d;
    d.lesen(datei({"ModelBegin", "ClumpBegin", "Vertex 0 0 0", "Vertex 1 0 0", "Triangle 1 2 1",
                   "Quad 1 2 2 1", "Polygon 2 1 2", "ClumpEnd", "Vertex 5 5 5"}));
    State& s = *d.s;
    EXPECT_EQ(SuchePunkt(s, 1), 0);  // the "Begin:" row is point 0
    EXPECT_EQ(SuchePunkt(s, 3), 2);
    EXPECT_EQ(SucheDreieck(s, 4), 1);
    EXPECT_EQ(SucheViereck(s, 5), 1);
    EXPECT_EQ(SuchePolygon(s, 6), 1);
    EXPECT_TRUE(d.host.meldungen.empty());

    struct Fehlfall {
        int16_t (*suche)(State&, int16_t);
        int16_t zeile;
        const char* titel;
    };
    for (const auto& f :
         {Fehlfall{SuchePunkt, 8, "Fehler 4.1v"},  // a vertex after the clump
          Fehlfall{SucheDreieck, 3, "Fehler 4.1t"}, Fehlfall{SucheViereck, -1, "Fehler 4.1q"},
          Fehlfall{SuchePolygon, 32767, "Fehler 4.1p"}}) {
        d.host.meldungen.clear();
        EXPECT_EQ(f.suche(s, f.zeile), -1) << f.titel;
        ASSERT_EQ(d.host.meldungen.size(), 1u);
        EXPECT_EQ(d.host.meldungen[0].titel, f.titel);
        EXPECT_EQ(d.host.meldungen[0].text, "Dieser Fehler dürfte eigentlich niemals auftreten");
    }
}

TEST(Suche, NiedrigsterDatensatzUndNurBisZurZahl) {
    Dokument d;
    State& s = *d.s;
    for (int i = 1; i <= 3; ++i) s.Dreiecke.setzen(i, Dreieck{1, 2, 3, 7, 0});
    s.DreieckZahl = 3;
    EXPECT_EQ(SucheDreieck(s, 7), 1);
    s.Dreiecke.setzen(1, Dreieck{1, 2, 3, 9, 0});
    EXPECT_EQ(SucheDreieck(s, 7), 2);
    s.Dreiecke.setzen(2, Dreieck{1, 2, 3, 7, 5});  // a counter changes, the row stays
    EXPECT_EQ(SucheDreieck(s, 7), 2);
    s.DreieckZahl = 1;  // entries above the count have no meaning
    EXPECT_EQ(SucheDreieck(s, 7), -1);
    EXPECT_EQ(SucheDreieck(s, 9), 1);
}

TEST(Suche, ListenUntereinander) {
    Dokument d;
    State& s = *d.s;
    NeueZeilen(s);
    EXPECT_EQ(AuswahlZeileVonText(s, 2), -1);   // empty selection list
    EXPECT_EQ(AuswahlZeileVonText(s, -1), -1);  // no current row
    for (int t : {4, 2, 4}) {
        const int a = s.AuswahlList.anhaengen(s.TextList.text(t));
        s.AuswahlList.setWert(a, s.TextList.wert(t));
    }
    EXPECT_EQ(AuswahlZeileVonText(s, 4), 2);  // the highest row with the key
    EXPECT_EQ(AuswahlZeileVonText(s, 2), 1);
    EXPECT_EQ(AuswahlZeileVonText(s, 3), -1);
    s.TextList.setWert(6, 2);  // a key carried by two TextList rows
    EXPECT_EQ(TextZeileVonAuswahl(s, 1), 6);
    EXPECT_EQ(TextZeileVonAuswahl(s, 0), 4);
    EXPECT_TRUE(d.host.meldungen.empty());
    s.AuswahlList.setWert(0, 99);
    EXPECT_EQ(TextZeileVonAuswahl(s, 0), -1);
    EXPECT_EQ(d.host.meldungen,
              (std::vector<Meldung>{
                  {"Dieser Fehler dürfte eigentlich niemals auftreten", "Fehler 4.1x", 7}}));
}

// Whatever the table holds, the look-up answers as the scan from index 0 does.
TEST(Suche, PunktWieEinScan) {
    Dokument d;
    State& s = *d.s;
    std::mt19937 zufall(7);
    for (int runde = 0; runde < 300; ++runde) {
        const int i = static_cast<int>(zufall() % 40);
        Punkt p;
        p.Zeile = static_cast<int16_t>(static_cast<int>(zufall() % 12) - 1);
        s.Punkte.setzen(i, p);
        s.PunktZahl = static_cast<int16_t>(zufall() % 40);
        const auto zeile = static_cast<int16_t>(static_cast<int>(zufall() % 12) - 1);
        int16_t erwartet = -1;
        for (int k = 0; k <= s.PunktZahl; ++k)
            if (s.Punkte[k].Zeile == zeile) {
                erwartet = static_cast<int16_t>(k);
                break;
            }
        ASSERT_EQ(SuchePunkt(s, zeile), erwartet) << runde;
    }
}

}  // namespace
}  // namespace nuk
