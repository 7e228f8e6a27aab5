// The reader: rows, labels, records, structure messages, limits and failures.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "Hilfen.h"
#include "model/Datei.h"
#include "rwx/NukToRwx.h"

namespace nuk {
namespace {

using test::datei;
using test::Dokument;

TEST(RwxLesen, LeereDateiGibtKeineZeilen) {
    Dokument d;
    EXPECT_TRUE(d.lesen(""));
    EXPECT_EQ(d.s->TextList.anzahl(), 0);
    EXPECT_EQ(d.s->PunktZahl, 0);
    EXPECT_EQ(d.s->MaxBetrag, -1000.0f);
    EXPECT_TRUE(d.host.meldungen.empty());
}

TEST(RwxLesen, ErsterClumpWirdZuBeschriftetenZeilenUndDatensaetzen) {
    Dokument d;
    d.lesen(datei({"ModelBegin", "ClumpBegin", "Vertex -3 2 0.5", "Vertex 3 -3 3", "Vertex 0 0 1",
                   "Vertex 1 1 1", "Triangle 1 2 3", "# Kommentar", "ClumpEnd", "ModelEnd"}));
    EXPECT_EQ(d.zeilen(),
              (std::vector<std::string>{
                  "\t>ModelBegin", "Begin:\t>ClumpBegin", " 1:\t>Vertex -3 2 0.5",
                  " 2:\t>Vertex 3 -3 3", " 3:\t>Vertex 0 0 1", " 4:\t>Vertex 1 1 1",
                  ":\t>Triangle 1 2 3", ":\t># Kommentar", "End:\t>ClumpEnd", "\t>ModelEnd"}));
    const State& s = *d.s;
    EXPECT_EQ(s.PunktZahl, 4);
    EXPECT_EQ(s.DreieckZahl, 1);
    EXPECT_EQ(s.Punkte[1], (Punkt{-3, 2, 0.5f, 2, 0}));
    EXPECT_EQ(s.Bildpunkte[1], s.Punkte[1]);
    EXPECT_EQ(s.Dreiecke[1], (Dreieck{1, 2, 3, 6, 0}));
    EXPECT_EQ(s.Punkte[0].Zeile, 1);
    EXPECT_EQ(s.MaxBetrag, 3.0f);  // raised by -3, not again by the equal 3
    for (int i = 0; i < s.TextList.anzahl(); ++i) EXPECT_EQ(s.TextList.wert(i), i);
    EXPECT_TRUE(d.host.meldungen.empty());
}

struct StrukturFall {
    const char* name;
    std::string daten;
    std::vector<Meldung> meldungen;
    std::vector<std::string> kennungen;  // label of each row
    int16_t punkte;
};

TEST(RwxLesen, ZustaendeUndStrukturmeldungen) {
    const std::vector<StrukturFall> faelle = {
        {"Zweites ModelBegin im Clump",
         datei({"ModelBegin", "ClumpBegin", "ModelBegin", "Vertex 1 1 1", "ClumpEnd"}),
         {{"ClumpEnd fehlt", "", 2}},
         {"", "Begin:", ":", " 1:", "End:"},
         1},
        {"Verschachtelter Clump beendet den ersten",
         datei({"ModelBegin", "ClumpBegin", "Vertex 1 1 1", "ClumpBegin", "Vertex 2 2 2",
                "ClumpEnd", "ClumpEnd", "ModelEnd"}),
         {{"Programm works with only one Clump", "", 3}},
         {"", "Begin:", " 1:", "End:", "", "", "", ""},
         1},
        {"ClumpEnd zu früh",
         datei({"ClumpEnd", "ModelBegin", "ClumpEnd", "ClumpBegin", "Vertex 1 2 3", "ClumpEnd"}),
         {{"ClumpEnd zu früh", "", 0}, {"ClumpEnd zu früh", "", 2}},
         {"", "", "", "Begin:", " 1:", "End:"},
         1},
        {"ClumpBegin vor ModelBegin öffnet den Clump trotzdem",
         datei({"ClumpBegin", "Vertex 1 2 3", "ClumpEnd", "ModelBegin"}),
         {{"ClumpBegin vor ModelBegin", "???", 0}, {"2 x ModelBegin", "???", 3}},
         {"Begin:", " 1:", "End:", ""},
         1},
        {"2 x ModelBegin vor und nach dem Clump",
         datei({"ModelBegin", "ModelBegin", "ClumpBegin", "ClumpEnd", "ModelBegin"}),
         {{"2 x ModelBegin", "???", 1}, {"2 x ModelBegin", "???", 4}},
         {"", "", "Begin:", "End:", ""},
         0},
        {"Vertices außerhalb des ersten Clumps sind nur Zeilen",
         datei({"Vertex 1 1 1", "ModelBegin", "Vertex 2 2 2", "ClumpBegin", "Vertex 3 3 3",
                "ClumpEnd", "Vertex 4 4 4", "ClumpBegin", "Vertex 5 5 5", "ClumpEnd"}),
         {},
         {"", "", "", "Begin:", " 1:", "End:", "", "", "", ""},
         1},
        {"Groß- und Kleinschreibung",
         datei({"modelbegin", "CLUMPBEGIN", "vErTeX 1 2 3", "VERTEX 4 5 6", "clumpEND"}),
         {},
         {"", "Begin:", " 1:", " 2:", "End:"},
         2},
        {"Kommentar direkt am Befehl",
         datei({"ClumpBegin#", "Vertex#1 2 3"}),
         {{"ClumpBegin vor ModelBegin", "???", 0}},
         {"Begin:", " 1:"},
         1},
    };
    for (const auto& f : faelle) {
        Dokument d;
        d.lesen(f.daten);
        EXPECT_EQ(d.host.meldungen, f.meldungen) << f.name;
        std::vector<std::string> kennungen;
        for (const auto& z : d.zeilen()) kennungen.push_back(z.substr(0, z.find('\t')));
        EXPECT_EQ(kennungen, f.kennungen) << f.name;
        EXPECT_EQ(d.s->PunktZahl, f.punkte) << f.name;
    }
}

TEST(RwxLesen, ZeileVonPunktNullIstDieBeginZeile) {
    Dokument d;
    d.lesen(datei({"# a", "# b", "ModelBegin", "ClumpBegin", "Vertex 0 0 0"}));
    EXPECT_EQ(d.s->Punkte[0].Zeile, 3);
    EXPECT_EQ(d.s->TextList.text(3), "Begin:\t>ClumpBegin");
}

TEST(RwxLesen, ZahlenDerDatensaetze) {
    Dokument d;
    std::string corners60 = "Polygon 60";
    for (int i = 1; i <= 60; ++i) corners60.append(" ").append(std::to_string(i));
    d.lesen(datei({"ClumpBegin", "Vertex 1e3 -2.5 &h10", "Vertex 1,5 2 3", "Triangle 1 2",
                   "Quad 1 2 3 4 5", corners60, "Polygon 3 7 8 9 10 11", "Polygon -2 4 5",
                   "Polygon 0", "Triangle 2.5 3.5 -0.5"}));
    const State& s = *d.s;
    ASSERT_EQ(s.PunktZahl, 2);
    EXPECT_EQ(s.Punkte[1].X, 1000.0f);
    EXPECT_EQ(s.Punkte[1].Y, -2.5f);
    EXPECT_EQ(s.Punkte[1].Z, 16.0f);
    EXPECT_EQ(s.Punkte[2], (Punkt{1, 0, 0, 2, 0}));  // "Vertex 1", then "5 2 3" on its own
    EXPECT_EQ(s.TextList.text(3), ":\t>5 2 3");
    EXPECT_EQ(s.Dreiecke[1], (Dreieck{1, 2, 0, 4, 0}));
    EXPECT_EQ(s.Vierecke[1], (Viereck{1, 2, 3, 4, 5, 0}));
    ASSERT_EQ(s.PolygonZahl, 4);
    EXPECT_EQ(s.Polygone[1].P[0], 50);
    EXPECT_EQ(s.Polygone[1].P[50], 50);
    EXPECT_EQ(s.Polygone[2].P[0], 3);
    EXPECT_EQ(s.Polygone[2].P[3], 9);
    EXPECT_EQ(s.Polygone[2].P[4], 0);
    EXPECT_EQ(s.Polygone[3].P[0], -2);
    EXPECT_EQ(s.Polygone[3].P[1], 0);
    EXPECT_EQ(s.Polygone[4].P[0], 0);
    EXPECT_EQ(s.Dreiecke[2], (Dreieck{2, 4, 0, 10, 0}));  // halves to even, -0.5 to 0
}

TEST(RwxLesen, MaxBetragOhnePunkteBleibtMinus1000) {
    Dokument d;
    d.lesen(datei({"ModelBegin", "ClumpBegin", "Triangle 1 2 3", "ClumpEnd", "ModelEnd"}));
    EXPECT_EQ(d.s->MaxBetrag, -1000.0f);
    d.lesen(datei({"ClumpBegin", "Vertex -0 0 0"}));
    EXPECT_EQ(d.s->MaxBetrag, 0.0f);
}

// n lines of one kind inside the clump; the k-th of them is row k + 1.
std::string clumpMit(const std::string& zeile, int n, const std::string& danach = "") {
    std::string d = "ModelBegin\nClumpBegin\n";
    for (int i = 0; i < n; ++i) d += zeile + "\n";
    return d + danach;
}

struct GrenzFall {
    std::string zeile;
    int grenze;  // the count whose line is not parsed
    int16_t State::*zahl;
    std::string text, titel;
};

TEST(RwxLesen, TabellengrenzenFallenZurueck) {
    const std::string zuViele = "\nDas paßt mir aber garnicht";
    const std::vector<GrenzFall> faelle = {
        {"Vertex 1 2 3", 9999, &State::PunktZahl, "Der 1.Clump enthält fast 10000 Punkte" + zuViele,
         "vertex 1000"},
        {"Triangle 1 2 3", 9999, &State::DreieckZahl,
         "Der 1.Clump enthält fast 10000 Dreiecke" + zuViele, "Dreieck 1000"},
        {"Quad 1 2 3 4", 9999, &State::ViereckZahl,
         "Der 1.Clump enthält fast 10000 Vierecke" + zuViele, "quad 1000"},
        {"Polygon 3 1 2 3", 999, &State::PolygonZahl,
         "Der 1.Clump enthält fast 1000 Polygone" + zuViele, "Polygon 1000"},
    };
    for (const auto& f : faelle) {
        Dokument d;
        d.lesen(clumpMit(f.zeile, f.grenze));
        EXPECT_EQ(d.host.meldungen, (std::vector<Meldung>{{f.text, f.titel, f.grenze + 1}}));
        EXPECT_EQ((*d.s).*f.zahl, f.grenze == 999 ? 998 : 9900) << f.zeile;
    }
    // Polygons fall back to 998 itself, so every further one falls back again.
    Dokument p;
    p.lesen(clumpMit("Polygon 3 1 2 3", 1001));
    EXPECT_EQ(p.host.meldungen.size(), 3u);
    EXPECT_EQ(p.s->PolygonZahl, 998);
    // Points fall back to 9900 and go on after it.
    Dokument d;
    d.lesen(clumpMit("Vertex 1 2 3", 9999, "Vertex 7 8 9\n"));
    EXPECT_EQ(d.s->Punkte[9900], Punkt{});
    EXPECT_EQ(d.s->Punkte[9901], (Punkt{7, 8, 9, 10001, 0}));
    EXPECT_EQ(d.s->TextList.text(10000), " 9900:\t>Vertex 1 2 3");
    EXPECT_EQ(d.s->TextList.text(10001), " 9901:\t>Vertex 7 8 9");
}

TEST(RwxLesen, ZuGrosseZahlBrichtAbOhneZeileUndZaehler) {
    struct Fall {
        std::string zeile;
        float maxBetrag;
    };
    const std::vector<Fall> faelle = {
        {"Vertex 5 1e39 0", 5.0f},  // X already counted
        {"Vertex 1e400 0 0", 2.0f}, {"Triangle 1 40000 2", 2.0f}, {"Quad 1 2 3 -32769", 2.0f},
        {"Polygon 32768", 2.0f},    {"Polygon 2 1 99999", 2.0f},
    };
    for (const auto& f : faelle) {
        Dokument d;
        EXPECT_FALSE(d.lesen(datei({"ModelBegin", "ClumpBegin", "Vertex 1 2 0", "Triangle 1 1 1",
                                    "Quad 1 1 1 1", "Polygon 1 1", f.zeile, "Vertex 9 9 9"})));
        EXPECT_EQ(d.host.meldungen, (std::vector<Meldung>{{"Da stimmt was nicht", "", 6}}))
            << f.zeile;
        EXPECT_EQ(d.s->TextList.anzahl(), 6) << f.zeile;
        EXPECT_EQ(d.s->PunktZahl, 1) << f.zeile;
        EXPECT_EQ(d.s->DreieckZahl, 1) << f.zeile;
        EXPECT_EQ(d.s->ViereckZahl, 1) << f.zeile;
        EXPECT_EQ(d.s->PolygonZahl, 1) << f.zeile;
        EXPECT_EQ(d.s->MaxBetrag, f.maxBetrag) << f.zeile;
        for (int i = 0; i < 6; ++i) EXPECT_EQ(d.s->TextList.wert(i), i);  // numbered all the same
    }
}

TEST(RwxLesen, ScannerUeber32767BrichtAb) {
    Dokument d;
    // Only the command word is scanned outside a clump, so a long comment row is fine.
    EXPECT_TRUE(d.lesen("ModelBegin\n# " + std::string(40000, 'x') + "\n"));
    EXPECT_EQ(d.s->TextList.anzahl(), 2);
    // Inside the clump the numbers are scanned: past 32767 the read ends.
    EXPECT_FALSE(d.lesen("ModelBegin\nClumpBegin\nVertex 1 " + std::string(40000, ' ') +
                         "2 3\nVertex 1 1 1\n"));
    EXPECT_EQ(d.s->TextList.anzahl(), 2);
    EXPECT_EQ(d.s->PunktZahl, 0);
    EXPECT_EQ(d.meldungstexte(), std::vector<std::string>{"Da stimmt was nicht"});
}

TEST(RwxLesen, HoechstensZeilenlimitZeilen) {
    const std::string voll = std::string(32767, '\n');  // 32767 empty items
    Dokument d;
    EXPECT_TRUE(d.lesen(voll + "  \t"));  // only blanks after: no further item
    EXPECT_EQ(d.s->TextList.anzahl(), 32767);
    EXPECT_TRUE(d.host.meldungen.empty());

    EXPECT_FALSE(d.lesen(voll + "ClumpBegin\n"));
    EXPECT_EQ(d.s->TextList.anzahl(), 32767);
    EXPECT_EQ(d.host.meldungen, (std::vector<Meldung>{{"Da stimmt was nicht", "", 32767}}));
    EXPECT_EQ(d.s->Punkte[0].Zeile, 1);  // the further item was not looked at
    EXPECT_EQ(d.s->TextList.wert(32766), 32766);
}

TEST(RwxLesen, QuellzeilenJeZeile) {
    Dokument d;
    std::vector<int32_t> quell;
    RwxLesenAus(*d.s, "a,b\r\n\r\n  c\rd", &quell);
    EXPECT_EQ(quell, (std::vector<int32_t>{1, 1, 2, 3, 4}));
    quell.clear();
    RwxLesenAus(*d.s, "ClumpBegin\nVertex 1e99 0 0\n", &quell);
    EXPECT_EQ(quell, (std::vector<int32_t>{1, 2}));  // the failing item has its line too
}

TEST(RwxLesen, DateiDieSichNichtOeffnenLaesst) {
    const auto ordner = std::filesystem::temp_directory_path();
    for (const std::string& pfad :
         {std::string(), (ordner / "gibt-es-nicht.rwx").string(), ordner.string()}) {
        Dokument d;
        EXPECT_FALSE(RwxLesen(*d.s, pfad));
        EXPECT_EQ(d.host.meldungen, (std::vector<Meldung>{{"Da stimmt was nicht", "", 0}}));
        EXPECT_EQ(d.s->TextList.anzahl(), 0);
        EXPECT_EQ(d.s->MaxBetrag, 1.0f);  // the reset's value: reading never began
    }
}

// Every prefix of a real file: whatever is cut off, the document stays consistent.
TEST(RwxLesen, JederAnfangEinerEchtenDatei) {
    std::string daten;
    ASSERT_TRUE(DateiLaden(NUK_CORPUS_DIR "/threerwxloader__cube.rwx", daten));
    for (size_t n = 0; n <= daten.size(); ++n) {
        // A heap block of exactly the prefix, so the sanitizer sees a read past its end.
        const auto prefix = std::make_unique_for_overwrite<char[]>(n);
        std::copy_n(daten.data(), n, prefix.get());
        Dokument d;
        d.lesen(std::string_view(prefix.get(), n));
        const State& s = *d.s;
        for (int i = 0; i < s.TextList.anzahl(); ++i) ASSERT_EQ(s.TextList.wert(i), i);
        ASSERT_LE(s.PunktZahl, 9998);
        ASSERT_LE(s.PolygonZahl, 998);
        for (int i = 1; i <= s.PunktZahl; ++i) ASSERT_LT(s.Punkte[i].Zeile, s.TextList.anzahl());
    }
}

// Random files from RWX words, numbers and stray bytes: whatever they hold, the
// document stays consistent, and without quotation marks saving and reading
// again gives the same rows.
TEST(RwxLesen, ZufallsdateienBleibenStimmig) {
    const std::vector<std::string> bausteine = {"ModelBegin", "ModelEnd",
                                                "ClumpBegin", "ClumpEnd",
                                                "Vertex",     "Triangle",
                                                "Quad",       "Polygon",
                                                "#",          " ",
                                                "\t",         ",",
                                                "\n",         "\r\n",
                                                "\r",         "1",
                                                "-2.5",       "1e38",
                                                "1e39",       "40000",
                                                "&hff",       "3",
                                                "60",         "\"",
                                                "\xC4",       std::string(1, '\0'),
                                                "9999"};
    std::mt19937 zufall(3);
    for (int runde = 0; runde < 3000; ++runde) {
        std::string daten;
        const int teile = static_cast<int>(zufall() % 80);
        for (int k = 0; k < teile; ++k) {
            daten += bausteine[zufall() % bausteine.size()];
            if (zufall() % 3 == 0) daten += ' ';
        }
        Dokument d;
        const bool gelesen = d.lesen(daten);
        const State& s = *d.s;
        for (int i = 0; i < s.TextList.anzahl(); ++i) ASSERT_EQ(s.TextList.wert(i), i);
        ASSERT_TRUE(s.PunktZahl >= 0 && s.PunktZahl <= 9998);
        ASSERT_TRUE(s.DreieckZahl >= 0 && s.ViereckZahl >= 0 && s.PolygonZahl >= 0);
        for (int i = 1; i <= s.PolygonZahl; ++i) ASSERT_LE(s.Polygone[i].P[0], 50);
        if (!gelesen || daten.find('"') != std::string::npos) continue;
        Dokument wieder;
        ASSERT_TRUE(wieder.lesen(RwxText(s))) << daten;
        ASSERT_EQ(wieder.zeilen(), d.zeilen()) << daten;
    }
}

}  // namespace
}  // namespace nuk
