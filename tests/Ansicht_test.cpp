// The view: rotation, fit, mouse navigation, zoom, presets and the refresh tick.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Hilfen.h"
#include "app/Ausgabe.h"
#include "app/NukView.h"
#include "view/Modul_Mathe.h"
#include "view/Zeichnen.h"

namespace nuk {
namespace {

using test::Dokument;
using Zeilen = std::array<std::array<float, 3>, 3>;

constexpr float Genau = 1e-5f;

void ErwarteMatrix(const Matrix& ist, const Zeilen& soll) {
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_NEAR(ist.m[i][j], soll[i][j], Genau) << "Zeile " << i << ", Spalte " << j;
}

void ErwartePunkt(const Punkt& p, float x, float y, float z) {
    EXPECT_NEAR(p.X, x, Genau);
    EXPECT_NEAR(p.Y, y, Genau);
    EXPECT_NEAR(p.Z, z, Genau);
}

const Zeilen Einheit = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

// A document fitted into a drawing window 6810 twips wide and 5000 high.
struct Ansicht : Dokument {
    explicit Ansicht(std::string_view daten = "", Fenstermass mass = {5000, 6810}) {
        if (!daten.empty()) lesen(daten);
        host.mass = mass;
        AchsenSetzen(*s);
        Einpassen(*s);
    }
    int neuZeichnungen() const {
        int n = 0;
        for (const auto& b : host.zeichnungen) n += b.art == Zeichenbefehl::Loeschen;
        return n;
    }
    void ziehen(int16_t modus, int16_t taste, float x0, float y0, float x1, float y1) {
        s->Modus = modus;
        Ausgabe::Form_MouseDown(*s, taste, 0, x0, y0);
        Ausgabe::Form_MouseMove(*s, taste, 0, x1, y1);
    }
};

TEST(Mathe, Kugelpunkt) {
    struct Fall {
        float p, q, x, y, z;
    };
    for (const Fall& f : std::vector<Fall>{{0, 0, 0, 0, 1},
                                           {0.6f, 0, 0.6f, 0, 0.8f},
                                           {3, 4, 0.6f, 0.8f, 0},
                                           {1, 0, 1, 0, 0},
                                           {0, -0.6f, 0, -0.6f, 0.8f}}) {
        SCOPED_TRACE(testing::Message() << f.p << ", " << f.q);
        ErwartePunkt(Kugelpunkt(f.p, f.q), f.x, f.y, f.z);
    }
}

TEST(Mathe, ProdukteRechnenGenauerAlsFloat) {
    Matrix a;
    a.m = {{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}};
    Matrix b;
    b.m = {{{0, 1, 0}, {0, 0, 1}, {1, 0, 0}}};
    EXPECT_EQ(MatrixMalMatrix(a, b).m, (Zeilen{{{3, 1, 2}, {6, 4, 5}, {9, 7, 8}}}));
    EXPECT_EQ(Transponieren(a).m, (Zeilen{{{1, 4, 7}, {2, 5, 8}, {3, 6, 9}}}));

    // Summed in float, 1e8 + 1 - 1e8 would lose the 1.
    Matrix m;
    m.m = {{{1e8f, 1, -1e8f}, {0, 0, 0}, {0, 0, 0}}};
    Punkt v = Vektor(1, 1, 1);
    v.Zeile = 42;
    v.Markiert = Wahr;
    EXPECT_EQ(MatrixMalVektor(m, v), (Punkt{1, 0, 0, 42, 0}));
    EXPECT_EQ(Nullmatrix().m, Zeilen{});
}

TEST(Mathe, KugelDrehenLaesstFastGleicheUndGegenueberliegendeVektorenStehen) {
    Dokument d;
    Matrix vorher;
    vorher.m = {{{0, 1, 0}, {1, 0, 0}, {0, 0, 1}}};
    d.s->Drehung = vorher;
    const Punkt a = Vektor(0, 0, 1);
    for (const Punkt& b : {a, Vektor(0, 0, -1), Kugelpunkt(0.04f, 0)}) {
        KugelDrehen(*d.s, a, b);
        EXPECT_EQ(d.s->Drehung, vorher);
    }
}

TEST(Mathe, ProjizierenSchreibtAchsenUndUrsprungAuchOhnePunkte) {
    Dokument d;
    d.s->MaxBetrag = 2;
    AchsenSetzen(*d.s);
    NukView::Ansicht_Click(*d.s, 4);  // links: screen x = Z
    ErwartePunkt(d.s->Bildpunkte[-1], 2, 0, 0);
    ErwartePunkt(d.s->Bildpunkte[-3], 0, 0, -2);
    ErwartePunkt(d.s->Bildpunkte[-2], 0, 2, 0);
    EXPECT_EQ(d.s->Bildpunkte[0].Zeile, 1);
    EXPECT_EQ(d.s->Bildpunkte[1], Punkt{});  // beyond PunktZahl = 0
}

TEST(Drehen, TrackballZuege) {
    struct Fall {
        const char* name;
        float x, y;
        Zeilen drehung;
    };
    const std::vector<Fall> faelle = {
        {"0.6 nach rechts", 0.6f, 0, {{{0.8f, 0, 0.6f}, {0, 1, 0}, {-0.6f, 0, 0.8f}}}},
        {"0.6 nach oben", 0, 0.6f, {{{1, 0, 0}, {0, 0.8f, 0.6f}, {0, -0.6f, 0.8f}}}},
        {"5 nach rechts: Vierteldrehung", 5, 0, {{{0, 0, 1}, {0, 1, 0}, {-1, 0, 0}}}},
        {"0.04: zu kurz", 0.04f, 0, Einheit},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Ansicht a(test::datei({"clumpbegin", "vertex 0 0 1", "clumpend"}));
        a.ziehen(2, 1, 0.1f, 0.1f, 0.1f + f.x, 0.1f + f.y);
        ErwarteMatrix(a.s->Drehung, f.drehung);
        ErwarteMatrix(a.s->StartDrehung, Einheit);
        // The front of the model follows the pointer.
        ErwartePunkt(a.s->Bildpunkte[1], f.drehung[0][2], f.drehung[1][2], f.drehung[2][2]);
        EXPECT_EQ(a.neuZeichnungen(), 1);
    }
}

TEST(Drehen, ZugZurueckInDieNaeheDesStartsBehaeltDieLetzteDrehung) {
    Ansicht a;
    a.ziehen(2, 1, 0, 0, 0.6f, 0);
    Ausgabe::Form_MouseMove(*a.s, 1, 0, 0.02f, 0);
    ErwarteMatrix(a.s->Drehung, {{{0.8f, 0, 0.6f}, {0, 1, 0}, {-0.6f, 0, 0.8f}}});

    // The next drag composes onto where the last one ended.
    a.ziehen(2, 1, 0, 0, 0.6f, 0);
    ErwarteMatrix(a.s->Drehung, {{{0.28f, 0, 0.96f}, {0, 1, 0}, {-0.96f, 0, 0.28f}}});
}

TEST(Einpassen, FensterformUndVorzeichen) {
    struct Fall {
        const char* name;
        Fenstermass mass;
        float maxBetrag;
        float breite, hoehe, fang;
        float ganzes = 0;  // the whole model's largest coordinate; 0: no points
        bool haken = true;
    };
    const std::vector<Fall> faelle = {
        {"breit", {5000, 6810}, 1, 3.2688f, -2.4f, 0.02f},
        {"hoch", {6000, 3000}, 1, 2.4f, -4.8f, 0.02f},
        {"breit, ohne Vertex", {5000, 6810}, -1000, -3268.8f, 2400, -20},
        {"hoch, ohne Vertex", {6000, 3000}, -1000, -2400, 4800, -20},
        {"erster Clump leer, ganzes Modell bis 5", {5000, 6810}, -1000, 16.344f, -12, 0.1f, 5},
        {"ganzes Modell kleiner", {5000, 6810}, 1, 3.2688f, -2.4f, 0.02f, 0.5f},
        {"ganzes Modell nicht angehakt", {5000, 6810}, -1000, -3268.8f, 2400, -20, 5, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Dokument d;
        d.host.mass = f.mass;
        d.s->MaxBetrag = f.maxBetrag;
        if (f.ganzes > 0) {
            d.s->Ganzes.punkte = {{-f.ganzes, 0, 0}};
            d.s->Ganzes.umfang = {-f.ganzes, 0, 0, -f.ganzes, 0, 0};
        }
        d.s->Menu.GanzesModell = f.haken;
        Einpassen(*d.s);
        const AusgabeFenster& a = d.s->Ausgabe;
        EXPECT_NEAR(a.ScaleWidth, f.breite, 1e-4f * std::abs(f.breite));
        EXPECT_FLOAT_EQ(a.ScaleHeight, f.hoehe);
        EXPECT_FLOAT_EQ(a.ScaleLeft, -a.ScaleWidth / 2);
        EXPECT_FLOAT_EQ(a.ScaleTop, -f.hoehe / 2);
        EXPECT_FLOAT_EQ(d.s->Fangweite, f.fang);
        EXPECT_FLOAT_EQ(d.s->Buchstabengroesse, 3 * f.fang);
        EXPECT_TRUE(d.host.zeichnungen.empty());
    }
}

TEST(Einpassen, OhneRaumOderAusdehnungBleibtDasKoordinatensystem) {
    struct Fall {
        const char* name;
        Fenstermass mass;
        float maxBetrag;
    };
    for (const Fall& f : std::vector<Fall>{{"700 twips hoch", {700, 6810}, 1},
                                           {"ohne Breite", {5000, 0}, 1},
                                           {"Ausdehnung 0", {5000, 6810}, 0},
                                           {"Ausdehnung unendlich", {5000, 6810}, 3e38f}}) {
        SCOPED_TRACE(f.name);
        Ansicht a;
        const AusgabeFenster vorher = a.s->Ausgabe;
        const float fang = a.s->Fangweite;
        a.host.mass = f.mass;
        a.s->MaxBetrag = f.maxBetrag;
        Einpassen(*a.s);
        EXPECT_EQ(a.s->Ausgabe.ScaleLeft, vorher.ScaleLeft);
        EXPECT_EQ(a.s->Ausgabe.ScaleTop, vorher.ScaleTop);
        EXPECT_EQ(a.s->Ausgabe.ScaleWidth, vorher.ScaleWidth);
        EXPECT_EQ(a.s->Ausgabe.ScaleHeight, vorher.ScaleHeight);
        EXPECT_EQ(a.s->Fangweite, fang);
    }
}

// What a press and a move do in each mode and with each button.
TEST(Maus, ModusTabelle) {
    enum Wirkung { nichts, schieben, drehen, gummiband };
    struct Fall {
        int16_t modus, taste;
        Wirkung wirkung;
    };
    const std::vector<Fall> faelle = {
        {1, 1, schieben},  {1, 2, schieben}, {1, 4, schieben}, {1, 3, schieben},  {2, 1, drehen},
        {2, 2, schieben},  {2, 4, nichts},   {2, 3, nichts},   {3, 1, gummiband}, {3, 2, gummiband},
        {3, 4, gummiband}, {-1, 1, nichts},  {-1, 2, nichts},  {1, 0, nichts},    {3, 0, nichts},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << "Modus " << f.modus << ", Taste " << f.taste);
        Ansicht a;
        const AusgabeFenster vorher = a.s->Ausgabe;
        a.ziehen(f.modus, f.taste, 0.1f, 0.1f, 0.6f, -0.2f);
        const AusgabeFenster& n = a.s->Ausgabe;
        EXPECT_EQ(n.ScaleLeft != vorher.ScaleLeft, f.wirkung == schieben);
        EXPECT_EQ(a.s->Drehung != Einheitsmatrix(), f.wirkung == drehen);
        EXPECT_EQ(n.Line1.Visible, f.wirkung == gummiband);
        EXPECT_EQ(a.neuZeichnungen(), f.wirkung == schieben || f.wirkung == drehen ? 1 : 0);
        EXPECT_EQ(a.s->Bewegt, Wahr);
        EXPECT_EQ(n.Caption, "Position  x: .6  y:-.2");
    }
}

TEST(Maus, SchiebenHaeltDenPunktUnterDemZeiger) {
    Ansicht a;
    const AusgabeFenster vorher = a.s->Ausgabe;
    const float fang = a.s->Fangweite;
    a.ziehen(1, 1, 0.2f, 0.3f, 0.7f, 0.3f);
    EXPECT_FLOAT_EQ(a.s->Ausgabe.ScaleLeft, vorher.ScaleLeft - 0.5f);
    EXPECT_FLOAT_EQ(a.s->Ausgabe.ScaleTop, vorher.ScaleTop);
    // The next move is measured in the moved system, from the same start point.
    Ausgabe::Form_MouseMove(*a.s, 1, 0, 0.2f, 0.3f);
    EXPECT_FLOAT_EQ(a.s->Ausgabe.ScaleLeft, vorher.ScaleLeft - 0.5f);
    EXPECT_EQ(a.s->Fangweite, fang);
    EXPECT_EQ(a.s->Lupenfaktor, 1.2);
}

TEST(Maus, GummibandUmreisstDasRechteckUndMarkiertBeimLoslassen) {
    Ansicht a(test::datei(
        {"clumpbegin", "vertex 0.5 -0.5 0", "vertex 1.5 -0.5 0", "vertex 0.5 0.5 0", "clumpend"}));
    a.ziehen(3, 1, 0, 0, 1, -1);
    const AusgabeFenster& g = a.s->Ausgabe;
    auto linie = [](const Linienobjekt& l) { return std::array<float, 4>{l.X1, l.Y1, l.X2, l.Y2}; };
    EXPECT_EQ(linie(g.Line1), (std::array<float, 4>{0, 0, 0, -1}));
    EXPECT_EQ(linie(g.Line2), (std::array<float, 4>{0, 0, 1, 0}));
    EXPECT_EQ(linie(g.Line3), (std::array<float, 4>{1, -1, 0, -1}));
    EXPECT_EQ(linie(g.Line4), (std::array<float, 4>{1, -1, 1, 0}));
    for (const auto* l : {&g.Line1, &g.Line2, &g.Line3, &g.Line4}) EXPECT_TRUE(l->Visible);
    EXPECT_TRUE(a.host.zeichnungen.empty());

    Ausgabe::Form_MouseUp(*a.s, 1, 0, 1, -1);
    for (const auto* l : {&g.Line1, &g.Line2, &g.Line3, &g.Line4}) EXPECT_FALSE(l->Visible);
    EXPECT_TRUE(a.s->TextList.haken(1));
    EXPECT_FALSE(a.s->TextList.haken(2));
    EXPECT_FALSE(a.s->TextList.haken(3));
}

TEST(Maus, BewegtNurUeberFangweiteBisZumNaechstenDruck) {
    Ansicht a;  // Fangweite 0.02
    a.s->Modus = -1;
    Ausgabe::Form_MouseDown(*a.s, 1, 0, 0, 0);
    Ausgabe::Form_MouseMove(*a.s, 0, 0, 0.02f, -0.02f);
    EXPECT_EQ(a.s->Bewegt, Falsch);
    Ausgabe::Form_MouseMove(*a.s, 0, 0, 0, 0.03f);
    EXPECT_EQ(a.s->Bewegt, Wahr);
    Ausgabe::Form_MouseMove(*a.s, 0, 0, 0, 0);
    EXPECT_EQ(a.s->Bewegt, Wahr);
    Ausgabe::Form_MouseDown(*a.s, 2, 0, 0, 0);
    EXPECT_EQ(a.s->Bewegt, Falsch);
    EXPECT_EQ(a.s->StartTaste, 2.0f);
    EXPECT_TRUE(a.host.zeichnungen.empty());
}

TEST(Lupe, KlickeUndDoppelklicke) {
    struct Fall {
        const char* name;
        int16_t modus, taste;
        float x, y;
        bool doppel, bewegt;
        double faktor;
        float links, oben, breite, hoehe, fang;
        int neu;  // redraws
    };
    const float L = -1.6344f, O = 1.2f, B = 3.2688f, H = -2.4f;
    const std::vector<Fall> faelle = {
        {"links bei (0, 0)", 1, 1, 0, 0, false, false, 1.08, -1.4710f, 1.08f, 2.9419f, -2.16f,
         0.018f, 1},
        {"rechts bei (1, 0.6)", 1, 2, 1, 0.6f, false, false, 1.32, -1.8978f, 1.26f, 3.5957f, -2.64f,
         0.022f, 1},
        {"Mitte: nur neu verankert", 1, 4, 1, 0.6f, false, false, 1.2, L, O, B, H, 0.02f, 1},
        {"nach Bewegung", 1, 1, 0, 0, false, true, 1.2, L, O, B, H, 0.02f, 0},
        {"links doppelt", 1, 1, 0, 0, true, false, 1.2 * 0.63, L * 0.63f, O * 0.63f, B * 0.63f,
         H * 0.63f, 0.0126f, 2},
        {"rechts doppelt", 1, 2, 0, 0, true, false, 1.2 * 1.54, L * 1.54f, O * 1.54f, B * 1.54f,
         H * 1.54f, 0.0308f, 2},
        {"Modus 3", 3, 1, 0, 0, true, false, 1.2, L, O, B, H, 0.02f, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Ansicht a;
        a.s->Modus = f.modus;
        Ausgabe::Form_MouseDown(*a.s, f.taste, 0, f.x, f.y);
        if (f.bewegt) Ausgabe::Form_MouseMove(*a.s, 0, 0, f.x + 0.03f, f.y);
        Ausgabe::Form_Click(*a.s);
        if (f.doppel) Ausgabe::Form_DblClick(*a.s);
        const AusgabeFenster& g = a.s->Ausgabe;
        EXPECT_NEAR(a.s->Lupenfaktor, f.faktor, 1e-12);
        EXPECT_NEAR(g.ScaleLeft, f.links, 1e-4f);
        EXPECT_NEAR(g.ScaleTop, f.oben, 1e-4f);
        EXPECT_NEAR(g.ScaleWidth, f.breite, 1e-4f);
        EXPECT_NEAR(g.ScaleHeight, f.hoehe, 1e-6f);
        EXPECT_NEAR(a.s->Fangweite, f.fang, 1e-7f);
        EXPECT_FLOAT_EQ(a.s->Buchstabengroesse, 3 * a.s->Fangweite);
        EXPECT_EQ(a.neuZeichnungen(), f.neu);
    }
}

TEST(Lupe, KleinesFensterAendertNurDenFaktor) {
    Ansicht a;
    const AusgabeFenster vorher = a.s->Ausgabe;
    a.host.mass = {700, 6810};
    a.s->Modus = 1;
    Ausgabe::Form_MouseDown(*a.s, 1, 0, 0.5f, 0.5f);
    Ausgabe::Form_Click(*a.s);
    EXPECT_NEAR(a.s->Lupenfaktor, 1.08, 1e-12);
    EXPECT_EQ(a.s->Ausgabe.ScaleLeft, vorher.ScaleLeft);
    EXPECT_EQ(a.s->Ausgabe.ScaleWidth, vorher.ScaleWidth);
    EXPECT_EQ(a.neuZeichnungen(), 1);
}

TEST(Ansichten, SechsFesteAnsichten) {
    struct Fall {
        int16_t index;
        float x, y, tiefe;  // where the point (1, 2, 3) goes
    };
    const std::vector<Fall> faelle = {
        {0, 1, 2, 3}, {1, -1, 2, -3}, {2, 1, -3, 2}, {3, 1, 3, -2}, {4, 3, 2, -1}, {5, -3, 2, 1},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.index);
        Ansicht a(test::datei({"clumpbegin", "vertex 1 2 3", "clumpend"}));
        a.ziehen(2, 1, 0, 0, 0.5f, 0.3f);  // the preset replaces any earlier turn
        Ausgabe::Form_MouseDown(*a.s, 1, 0, 0.2f, 0.2f);
        a.s->Ausgabe.ScaleLeft = -7;  // and keeps pan and zoom
        a.s->Lupenfaktor = 0.5;
        a.host.zeichnungen.clear();
        NukView::Ansicht_Click(*a.s, f.index);
        ErwartePunkt(a.s->Bildpunkte[1], f.x, f.y, f.tiefe);
        EXPECT_EQ(a.s->StartDrehung, a.s->Drehung);
        EXPECT_EQ(a.s->Ausgabe.ScaleLeft, -7);
        EXPECT_EQ(a.s->Lupenfaktor, 0.5);
        EXPECT_EQ(a.neuZeichnungen(), 1);
        if (f.index == 0) {
            EXPECT_EQ(a.s->Drehung, Einheitsmatrix());
        }
    }
    Ansicht a;
    NukView::Ansicht_Click(*a.s, 6);
    NukView::Ansicht_Click(*a.s, -1);
    EXPECT_EQ(a.s->Drehung, Einheitsmatrix());
    EXPECT_TRUE(a.host.zeichnungen.empty());
}

TEST(Ansichten, StandardSetztDrehungZoomUndVerschiebungZurueck) {
    Ansicht a(test::datei({"clumpbegin", "vertex 50 0 0", "clumpend"}));
    EXPECT_EQ(a.s->MaxBetrag, 50);
    a.ziehen(2, 1, 0, 0, 0.3f, 0.2f);
    a.ziehen(1, 1, 0, 0, 4, 4);
    a.s->Lupenfaktor = 0.3;
    NukView::Standard_Click(*a.s);
    EXPECT_EQ(a.s->Drehung, Einheitsmatrix());
    EXPECT_EQ(a.s->StartDrehung, Einheitsmatrix());
    EXPECT_EQ(a.s->MaxBetrag, 1);
    EXPECT_EQ(a.s->Lupenfaktor, 1.2);
    EXPECT_FLOAT_EQ(a.s->Ausgabe.ScaleTop, 1.2f);
    EXPECT_FLOAT_EQ(a.s->Ausgabe.ScaleHeight, -2.4f);
    EXPECT_FLOAT_EQ(a.s->Fangweite, 0.02f);
    EXPECT_EQ(a.s->Bildpunkte[1].X, 50);
    EXPECT_EQ(a.s->Punkte[-3].X, 50);  // the axes keep their length
}

TEST(Timer, EinTickSchaltetAbUndWaehltModus2NurOhneModus) {
    for (int16_t modus : {-1, 1, 3}) {
        SCOPED_TRACE(modus);
        Ansicht a;
        a.s->Modus = modus;
        a.s->Timer1.Enabled = true;
        NukView::Timer1_Timer(*a.s);
        EXPECT_FALSE(a.s->Timer1.Enabled);
        EXPECT_EQ(a.s->Modus, modus < 0 ? 2 : modus);
        EXPECT_EQ(a.s->Toolbar1.gedrueckt[2], modus < 0);
        EXPECT_EQ(a.neuZeichnungen(), 1);
    }
}

}  // namespace
}  // namespace nuk
