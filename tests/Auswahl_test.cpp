// Modes, the read-out caption, marking by rectangle and the list cursors.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "Hilfen.h"
#include "selection/Modul_Auswahl.h"

namespace nuk {
namespace {

using test::datei;
using test::Dokument;

TEST(ModusSetzen, EinKnopfGedruecktUndDerZeigerDesModus) {
    struct Fall {
        int16_t m;
        std::array<bool, 4> gedrueckt;
        Mauszeiger zeiger;
    };
    const std::vector<Fall> faelle = {
        {1, {false, true, false, false}, Mauszeiger::Lupe},
        {2, {false, false, true, false}, Mauszeiger::Bewegungen},
        {3, {false, false, false, true}, Mauszeiger::Pfeil},
        {7, {false, false, false, false}, Mauszeiger::Pfeil},  // keeps the pointer of 3
    };
    Dokument d;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.m);
        ModusSetzen(*d.s, f.m);
        EXPECT_EQ(d.s->Modus, f.m);
        EXPECT_EQ(d.s->Toolbar1.gedrueckt, f.gedrueckt);
        EXPECT_EQ(d.s->Ausgabe.MousePointer, f.zeiger);
    }
}

TEST(StatusZeigen, PunktMitHoechsterNummerOderPosition) {
    struct Fall {
        const char* name;
        float fang, x, y;
        const char* titel;
    };
    const std::vector<Fall> faelle = {
        {"beide in Reichweite", 0.02f, 0.005f, 0, "Vertex 2  x: .01  y: 0  z: 5"},
        {"Rand zaehlt", 0.02f, -0.02f, 0.02f, "Vertex 1  x: 0  y: 0  z: 0"},
        {"nur der dritte", 0.02f, 1.5f, -2.01f, "Vertex 3  x: 1.5  y:-2  z: .25"},
        {"daneben", 0.02f, 0.5f, -1, "Position  x: .5  y:-1"},
        {"negative Fangweite", -20, 0, 0, "Position  x: 0  y: 0"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Dokument d;
        d.lesen(datei(
            {"clumpbegin", "vertex 0 0 0", "vertex 0.01 0 5", "vertex 1.5 -2 0.25", "clumpend"}));
        d.s->Fangweite = f.fang;
        StatusZeigen(*d.s, f.x, f.y);
        EXPECT_EQ(d.s->Ausgabe.Caption, f.titel);
    }
    Dokument leer;
    leer.s->Fangweite = 1e9f;
    StatusZeigen(*leer.s, 1e6f, -2.5e-7f);
    EXPECT_EQ(leer.s->Ausgabe.Caption, "Position  x: 1000000  y:-2.5E-07");
}

TEST(RechteckMarkieren, StrengeGrenzenStreifenUndTasten) {
    struct Fall {
        const char* name;
        float taste, x1, y1, x2, y2;
        std::set<int> vorher, nachher;  // ticked rows
    };
    // Rows 1..5 hold points (0.2, 0.2), (0.5, 0.5), (1, 0.5), (0.01, 0.01), (0.6, 2).
    const std::vector<Fall> faelle = {
        {"links", 1, 0, 0, 1, 1, {}, {1, 2, 4}},
        {"andersherum", 1, 1, 1, 0, 0, {}, {1, 2, 4}},
        {"Klick: Quadrat um den Druckpunkt", 1, 0, 0, 0, 0, {}, {4}},
        {"schmal: Streifen um x1", 1, 0.5f, 0, 0.51f, 1, {}, {2}},
        {"flach: Streifen um y1", 1, 0, 0.2f, 1, 0.19f, {}, {1}},
        {"rechts loescht", 2, 0, 0, 1, 1, {1, 2, 3, 4, 5}, {3, 5}},
        {"Mitte loescht", 4, 0, 0, 1, 1, {1, 2, 4}, {}},
        {"links laesst Markiertes", 1, 0, 0, 1, 1, {5}, {1, 2, 4, 5}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Dokument d;
        d.lesen(datei({"clumpbegin", "vertex 0.2 0.2 0", "vertex 0.5 0.5 0", "vertex 1 0.5 0",
                       "vertex 0.01 0.01 0", "vertex 0.6 2 0", "clumpend"}));
        d.s->Fangweite = 0.02f;
        d.s->StartTaste = f.taste;
        for (int z : f.vorher) d.s->TextList.setHaken(z, true);
        RechteckMarkieren(*d.s, f.x1, f.y1, f.x2, f.y2);
        std::set<int> ist;
        for (int z = 0; z < d.s->TextList.anzahl(); ++z)
            if (d.s->TextList.haken(z)) ist.insert(z);
        EXPECT_EQ(ist, f.nachher);
        EXPECT_TRUE(d.host.zeichnungen.empty());
    }
}

TEST(AuswahlNeu, LeertDieAuswahlUndAlleHaken) {
    Dokument d;
    NeueZeilen(*d.s);
    std::vector<int> gemeldet;
    d.s->TextList.setPruefHandler([&](int16_t z) { gemeldet.push_back(z); });
    d.s->TextList.setHaken(2, true);
    d.s->TextList.setHaken(5, true);
    d.s->AuswahlList.anhaengen("x");
    gemeldet.clear();
    AuswahlNeu(*d.s);
    EXPECT_EQ(d.s->AuswahlList.anzahl(), 0);
    for (int z = 0; z < d.s->TextList.anzahl(); ++z) EXPECT_FALSE(d.s->TextList.haken(z));
    EXPECT_EQ(gemeldet, (std::vector<int>{2, 5}));
}

TEST(ZeilenAbgleichen, BeideCursorAufDieZeileOderKeiner) {
    struct Fall {
        int16_t akt;
        int text, auswahl;
    };
    for (const Fall& f : std::vector<Fall>{{3, 3, 1}, {4, 4, -1}, {-1, -1, -1}, {99, -1, -1}}) {
        SCOPED_TRACE(f.akt);
        Dokument d;
        NeueZeilen(*d.s);
        for (int32_t schluessel : {1, 3}) {
            const int z = d.s->AuswahlList.anhaengen(d.s->TextList.text(schluessel));
            d.s->AuswahlList.setWert(z, schluessel);
        }
        d.s->AuswahlList.setAktuell(0);
        d.s->AktZeile = f.akt;
        ZeilenAbgleichen(*d.s);
        EXPECT_EQ(d.s->TextList.aktuell(), f.text);
        EXPECT_EQ(d.s->AuswahlList.aktuell(), f.auswahl);
    }
}

}  // namespace
}  // namespace nuk
