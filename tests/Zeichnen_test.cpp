// The picture: what the redraw hands the drawing surface, in order.
#include <gtest/gtest.h>

#include <vector>

#include "Hilfen.h"
#include "rwx/GanzesModellLesen.h"
#include "view/Zeichnen.h"

namespace nuk {
namespace {

using test::datei;
using test::Dokument;
using Z = Zeichenbefehl;

void ErwarteBefehle(const std::vector<Z>& ist, const std::vector<Z>& soll) {
    ASSERT_EQ(ist.size(), soll.size());
    for (size_t i = 0; i < soll.size(); ++i) {
        SCOPED_TRACE(testing::Message()
                     << "Befehl " << i << ": " << testing::PrintToString(ist[i]));
        EXPECT_EQ(ist[i].art, soll[i].art);
        EXPECT_EQ(ist[i].farbe, soll[i].farbe);
        EXPECT_NEAR(ist[i].x1, soll[i].x1, 1e-5f);
        EXPECT_NEAR(ist[i].y1, soll[i].y1, 1e-5f);
        EXPECT_NEAR(ist[i].x2, soll[i].x2, 1e-5f);
        EXPECT_NEAR(ist[i].y2, soll[i].y2, 1e-5f);
    }
}

// Fitted into a window 6810 x 5000 twips with MaxBetrag 1: Fangweite 0.02, letters 0.06.
struct Bild : Dokument {
    explicit Bild(std::string_view daten = "") {
        if (!daten.empty()) lesen(daten);
        s->MaxBetrag = 1;
        host.mass = {5000, 6810};
        AchsenSetzen(*s);
        Einpassen(*s);
    }
    std::vector<Z> zeichnen() {
        host.zeichnungen.clear();
        NeuZeichnen(*s);
        return host.zeichnungen;
    }
    // Everything after the clear and the 16 strokes of the axes.
    std::vector<Z> nachDenAchsen() {
        auto z = zeichnen();
        return {z.begin() + 17, z.end()};
    }
};

constexpr float D = 1.0f / 30;

void Aendern(State& s, size_t i, int16_t ecke) {
    Polygon p = s.Polygone[1];
    p.P[i] = ecke;
    s.Polygone.setzen(1, p);
}

TEST(Zeichnen, LeeresModellAchsenMitPfeilenUndBuchstabenUndUrsprungskreis) {
    Bild b;
    ErwarteBefehle(b.zeichnen(), {
                                     {Z::Loeschen, Schwarz},
                                     // X
                                     {Z::Linie, Rot, 1, 0, -1, 0},
                                     {Z::Linie, Rot, 1, 0, 0.9f, D},
                                     {Z::Linie, Rot, 1, 0, 0.9f, -D},
                                     {Z::Linie, Rot, 1 + D, 0, 1 + D + 0.06f, 0.06f},
                                     {Z::Linie, Rot, 1 + D, 0.06f, 1 + D + 0.06f, 0},
                                     // Y
                                     {Z::Linie, Rot, 0, 1, 0, -1},
                                     {Z::Linie, Rot, 0, 1, -D, 0.9f},
                                     {Z::Linie, Rot, 0, 1, D, 0.9f},
                                     {Z::Linie, Rot, 0, 1 + D, 0.06f, 1 + D + 0.06f},
                                     {Z::Linie, Rot, 0.03f, 1 + D + 0.03f, 0, 1 + D + 0.06f},
                                     // Z points at the viewer: a point, its letter at the origin
                                     {Z::Linie, Rot, 0, 0, 0, 0},
                                     {Z::Linie, Rot, 0, 0, 0, 0},
                                     {Z::Linie, Rot, 0, 0, 0, 0},
                                     {Z::Linie, Rot, 0, 0, 0.06f, 0.06f},
                                     {Z::Linie, Rot, 0.06f, 0.06f, 0, 0.06f},
                                     {Z::Linie, Rot, 0, 0, 0.06f, 0},
                                     {Z::Kreis, Gruen, 0, 0, 0.02f},
                                 });
}

TEST(Zeichnen, MarkiertesDreieckBlauDannGruenMarkierterPunktMitKasten) {
    Bild b(datei({"clumpbegin", "vertex 0 0 0", "vertex 0.5 0 0", "vertex 0 0.5 0",
                  "triangle 1 2 3", "clumpend"}));
    const std::vector<Z> dreieck = {{Z::Linie, Blau, 0, 0, 0.5f, 0},
                                    {Z::Linie, Blau, 0.5f, 0, 0, 0.5f},
                                    {Z::Linie, Blau, 0, 0.5f, 0, 0}};
    const Z kreis{Z::Kreis, Gruen, 0, 0, 0.02f};

    auto soll = dreieck;
    soll.push_back(kreis);
    ErwarteBefehle(b.nachDenAchsen(), soll);

    b.s->TextList.setHaken(4, true);  // the triangle's row
    for (Z z : dreieck) {
        z.farbe = Gruen;
        soll.insert(soll.end() - 1, z);
    }
    ErwarteBefehle(b.nachDenAchsen(), soll);

    b.s->TextList.setHaken(2, true);  // point 2
    soll.insert(soll.end() - 1, {Z::Rechteck, Cyan, 0.48f, -0.02f, 0.52f, 0.02f});
    ErwarteBefehle(b.nachDenAchsen(), soll);
}

// Redraws of the same objects hand over what the first of them drew; a
// change to anything they are drawn from draws them anew.
TEST(Zeichnen, WiederholteObjekteBisZurAenderung) {
    struct Fall {
        const char* name;
        void (*aendern)(State&);
    };
    const std::vector<Fall> faelle = {
        {"Punkt x",
         [](State& s) {
             Punkt p = s.Bildpunkte[2];
             p.X = 0.25f;
             s.Bildpunkte.setzen(2, p);
         }},
        {"Punkt y",  // another view turns only y, as "vorn" to "oben"
         [](State& s) {
             Punkt p = s.Bildpunkte[3];
             p.Y = -0.25f;
             s.Bildpunkte.setzen(3, p);
         }},
        {"Ecke",
         [](State& s) {
             Dreieck d = s.Dreiecke[1];
             std::swap(d.P2, d.P3);
             s.Dreiecke.setzen(1, d);
         }},
        {"Dreieckzahl", [](State& s) { s.DreieckZahl = 0; }},
        {"Eckenzahl", [](State& s) { Aendern(s, 0, 3); }},
        {"erste Ecke ohne Eckenzahl", [](State& s) { Aendern(s, 1, 2); }},
    };
    auto aufbauen = [](Bild& b) {
        Polygon p;
        p.P = {0, 1, 2, 3};
        b.s->Polygone.setzen(1, p);
        b.s->PolygonZahl = 1;
    };
    const std::string dreieck = datei({"clumpbegin", "vertex 0 0 0", "vertex 0.5 0 0",
                                       "vertex 0 0.5 0", "triangle 1 2 3", "clumpend"});
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Bild b(dreieck), soll(dreieck);
        aufbauen(b);
        aufbauen(soll);
        for (int i = 0; i < 3; ++i) b.zeichnen();
        f.aendern(*b.s);
        f.aendern(*soll.s);
        ErwarteBefehle(b.nachDenAchsen(), soll.nachDenAchsen());
    }
}

TEST(Zeichnen, PolygoneUndEckenAusserhalbDerTabelle) {
    struct Fall {
        const char* name;
        std::vector<int16_t> polygon;  // corner count, then corners; empty: a triangle
        std::array<int16_t, 3> dreieck;
        std::vector<Z> soll;
    };
    // Points 1 (1, 0), 2 (0, 1), 3 (-1, 0); 0 is the origin.
    const std::vector<Fall> faelle = {
        {"Polygon",
         {3, 1, 2, 3},
         {},
         {{Z::Punkt, Blau, 1, 0},
          {Z::Linie, Blau, 1, 0, 0, 1},
          {Z::Linie, Blau, 0, 1, -1, 0},
          {Z::Linie, Blau, -1, 0, 1, 0}}},
        {"eine Ecke", {1, 2}, {}, {{Z::Punkt, Blau, 0, 1}, {Z::Linie, Blau, 0, 1, 0, 1}}},
        {"negative Eckenzahl", {-2, 0}, {}, {{Z::Punkt, Blau, 0, 0}, {Z::Linie, Blau, 0, 0, 0, 0}}},
        {"Ecke ausserhalb",
         {4, 1, -5, 2, 3},
         {},
         {{Z::Punkt, Blau, 1, 0}, {Z::Linie, Blau, 0, 1, -1, 0}, {Z::Linie, Blau, -1, 0, 1, 0}}},
        {"erste Ecke ausserhalb", {3, 20000, 1, 2}, {}, {{Z::Linie, Blau, 1, 0, 0, 1}}},
        {"Dreieck mit Ecke ausserhalb", {}, {1, 10011, 3}, {{Z::Linie, Blau, -1, 0, 1, 0}}},
        {"Dreieck mit Ecke -4",
         {},
         {1, -4, 3},
         {{Z::Linie, Blau, 1, 0, 0, 0},
          {Z::Linie, Blau, 0, 0, -1, 0},
          {Z::Linie, Blau, -1, 0, 1, 0}}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Bild b(datei({"clumpbegin", "vertex 1 0 0", "vertex 0 1 0", "vertex -1 0 0", "clumpend"}));
        if (f.polygon.empty()) {
            b.s->Dreiecke.setzen(1, {f.dreieck[0], f.dreieck[1], f.dreieck[2], 0, 0});
            b.s->DreieckZahl = 1;
        } else {
            Polygon p;
            for (size_t i = 0; i < f.polygon.size(); ++i) p.P[i] = f.polygon[i];
            b.s->Polygone.setzen(1, p);
            b.s->PolygonZahl = 1;
        }
        auto soll = f.soll;
        soll.push_back({Z::Kreis, Gruen, 0, 0, 0.02f});
        ErwarteBefehle(b.nachDenAchsen(), soll);
    }
}

// The whole model goes in grey beneath the picture, which stays as it was,
// but for the edges the first clump draws anyway; unticked nothing of it
// shows, and toggling refits to it and back.
TEST(Zeichnen, GanzesModellGrauDarunterUndUmschaltbar) {
    const std::string text =
        datei({"ModelBegin", "ClumpBegin", "Vertex 0 0 0", "Vertex 1 0 0", "Vertex 0 1 0",
               "Triangle 1 2 3", "ClumpEnd", "ClumpBegin", "Vertex 0 0 0", "Vertex 3 0 0",
               "Vertex 0 3 0", "Triangle 1 2 3", "ClumpEnd", "ModelEnd"});
    Bild b(text);
    const std::vector<Z> teile = b.zeichnen();
    b.s->Ganzes = GanzesModellLesen(text);
    GanzesModellAbgleichen(*b.s);
    b.s->Menu.GanzesModell = false;
    EXPECT_EQ(b.zeichnen(), teile);
    b.s->Menu.GanzesModell = true;
    std::vector<Z> mit = b.zeichnen();
    // Only the second clump's three edges: the first clump's lie under its own lines.
    ASSERT_EQ(mit.size(), teile.size() + 3);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(mit[static_cast<size_t>(i)].farbe, Grau) << i;
    EXPECT_EQ(mit[1], (Z{Z::Linie, Grau, 0, 0, 3, 0}));
    mit.erase(mit.begin() + 1, mit.begin() + 4);
    EXPECT_EQ(mit, teile);

    const float breite = b.s->Ausgabe.ScaleWidth;
    b.host.zeichnungen.clear();
    NukView::GanzesModell_Click(*b.s);
    EXPECT_FALSE(b.s->Menu.GanzesModell);
    EXPECT_FLOAT_EQ(b.s->Ausgabe.ScaleWidth, breite);
    EXPECT_EQ(b.host.zeichnungen, teile);
    NukView::GanzesModell_Click(*b.s);
    EXPECT_FLOAT_EQ(b.s->Ausgabe.ScaleWidth, 3 * breite);
    EXPECT_FLOAT_EQ(b.s->Punkte[-3].X, 3);
    EXPECT_EQ(b.s->MaxBetrag, 1);
}

TEST(Zeichnen, NegativeFangweiteGibtDemKreisDenBetrag) {
    Dokument d;
    d.lesen("clumpbegin\nclumpend\n");
    d.host.mass = {5000, 6810};
    AchsenSetzen(*d.s);
    Einpassen(*d.s);
    EXPECT_EQ(d.s->Fangweite, -20);
    NeuZeichnen(*d.s);
    EXPECT_EQ(d.host.zeichnungen.back(), (Z{Z::Kreis, Gruen, 0, 0, 20}));
}

TEST(Zeichnen, GrosseBilderKommenInStapelnOhneVerlust) {
    Bild b;
    b.s->PunktZahl = 3000;
    for (int i = 1; i <= 3000; ++i) {
        Punkt p;
        p.X = static_cast<float>(i);
        b.s->Punkte.setzen(i, p);
        b.s->Bildpunkte.setzen(i, p);
        b.s->Dreiecke.setzen(i, {static_cast<int16_t>(i), 1, 2, 0, 0});
    }
    b.s->DreieckZahl = 3000;
    b.s->TextList.anhaengen("x");
    b.s->TextList.setHaken(0, true);  // every triangle and point is on row 0
    const auto z = b.zeichnen();
    EXPECT_EQ(z.size(), 1u + 16 + 2 * 9000 + 3000 + 1);
    EXPECT_EQ(z[17 + 3 * 2999].x1, 3000);
    EXPECT_EQ(z[17 + 9000].farbe, Gruen);
    EXPECT_EQ(z[17 + 18000].art, Z::Rechteck);
    EXPECT_TRUE(b.s->Ausgabe.puffer.empty());
}

}  // namespace
}  // namespace nuk
