// The reset and the rows of a new document.
#include <gtest/gtest.h>

#include "Hilfen.h"
#include "rwx/NukToRwx.h"

namespace nuk {
namespace {

using test::Dokument;

TEST(Anfang, ZuruecksetzenLeertUndSetztDieWerte) {
    Dokument d;
    State& s = *d.s;
    d.lesen("ClumpBegin\nVertex 5 6 7\nTriangle 1 1 1\n");
    s.AuswahlList.anhaengen("x");
    s.Drehung.m[0][1] = 0.5f;
    s.Modus = 3;
    Zuruecksetzen(s);
    EXPECT_EQ(s.PunktZahl + s.DreieckZahl + s.ViereckZahl + s.PolygonZahl, 0);
    EXPECT_EQ(s.TextList.anzahl() + s.AuswahlList.anzahl(), 0);
    EXPECT_EQ(s.Drehung, Einheitsmatrix());
    EXPECT_EQ(s.StartDrehung, Einheitsmatrix());
    EXPECT_EQ(s.MaxBetrag, 1.0f);
    EXPECT_EQ(s.Lupenfaktor, 1.2);
    EXPECT_EQ(s.Modus, -1);
    EXPECT_EQ(s.Punkte[0].Zeile, 1);
    EXPECT_EQ(s.Punkte[1].X, 5.0f);  // table contents above the counts stay
}

TEST(Anfang, NeueZeilen) {
    Dokument d;
    NeueZeilen(*d.s);
    EXPECT_EQ(d.zeilen(),
              (std::vector<std::string>{"\t>ModelBegin", "Begin:\t>ClumpBegin", ":\t>", ":\t>",
                                        ":\t>", "End:\t>ClumpEnd", "\t>ModelEnd"}));
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(d.s->TextList.wert(i), i);
        EXPECT_FALSE(d.s->TextList.haken(i));
    }
}

}  // namespace
}  // namespace nuk
