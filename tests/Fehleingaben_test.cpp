// Bad files, failed saves and the real files: the program's own message, a
// document that every later step can work on, and no file lost or left half written.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <string>
#include <vector>

#include "Hilfen.h"
#include "app/Ausgabe.h"
#include "app/NukView.h"
#include "check/Fehler.h"
#include "rwx/NukToRwx.h"
#include "selection/BefehlsPad.h"
#include "selection/Modul_Auswahl.h"
#include "selection/Suche.h"
#include "view/Zeichnen.h"

namespace nuk {
namespace {

namespace fs = std::filesystem;
using test::Dokument;
using test::laden;
using test::TempOrdner;

const std::string Fehler = "Da stimmt was nicht";

// Every step that follows a read works on what the read left: the checks, the
// look-ups, a turn, a mark, a redraw, a save and a second read.
void ErwarteBrauchbar(Dokument& d) {
    State& s = *d.s;
    const int zeilen = s.TextList.anzahl();
    for (int i = 0; i < zeilen; ++i) ASSERT_EQ(s.TextList.wert(i), i) << "nicht nummeriert";
    ASSERT_LE(s.PunktZahl, 9998);
    ASSERT_LE(s.DreieckZahl, 9998);
    ASSERT_LE(s.ViereckZahl, 9998);
    ASSERT_LE(s.PolygonZahl, 998);
    for (int i = 1; i <= s.PunktZahl; ++i) ASSERT_LT(s.Punkte[i].Zeile, zeilen);
    for (int i = 1; i <= s.DreieckZahl; ++i) ASSERT_LT(s.Dreiecke[i].Zeile, zeilen);

    const size_t meldungen = d.host.meldungen.size();
    HierarchieUrteil(s.TextList);
    BefehleLaden(s, std::string(NUK_BIN_DIR) + "/befehle.txt");
    FehlerhafteZeilen(s, Befehlssatz(s.BefehlsList));
    for (int i = 1; i <= s.PunktZahl; i += 97) {
        EXPECT_EQ(SuchePunkt(s, s.Punkte[i].Zeile), i == 9900 ? SuchePunkt(s, 0) : i);
    }
    d.host.meldungen.resize(meldungen);

    d.host.mass = {5000, 6810};
    AchsenSetzen(s);
    Einpassen(s);
    ModusSetzen(s, 2);
    Ausgabe::Form_MouseDown(s, 1, 0, 0, 0);
    Ausgabe::Form_MouseMove(s, 1, 0, 0.4f * s.Ausgabe.ScaleWidth, 0);
    Ausgabe::Form_Click(s);
    NukView::Timer1_Timer(s);
    EXPECT_EQ(d.host.zeichnungen.back().art, Zeichenbefehl::Kreis);
    EXPECT_EQ(d.host.meldungen.size(), meldungen);

    Dokument wieder;
    wieder.lesen(RwxText(s.TextList));
    EXPECT_EQ(wieder.s->TextList.anzahl(), zeilen);
}

TEST(Fehleingaben, JedeEndetMitMeldungUndBrauchbaremDokument) {
    struct Fall {
        const char* name;
        std::string daten;
        std::vector<std::string> meldungen;
        int zeilen;
        int16_t punkte;
    };
    const std::string kopf = "ModelBegin\nClumpBegin\nVertex 1 2 3\n";
    std::string viele = kopf;
    for (int i = 0; i < 33000; ++i) viele += "# x\n";
    std::string punkte = kopf;
    for (int i = 0; i < 9998; ++i) punkte += "Vertex 0 0 " + std::to_string(i) + "\n";
    std::string polygone = kopf;
    for (int i = 0; i < 1000; ++i) polygone += "Polygon 3 1 1 1\n";
    const std::string zuViele = "\nDas paßt mir aber garnicht";

    const std::vector<Fall> faelle = {
        {"leer", "", {}, 0, 0},
        {"Zeile über 32767 Zeichen",
         kopf + "Vertex 1 " + std::string(33000, ' ') + "1 1\n",
         {Fehler},
         3,
         1},
        {"mehr als 32767 Items", viele, {Fehler}, 32767, 1},
        {"binäre Bytes und NUL",
         kopf + std::string("Vertex 4\0\0 5 6\n\xff\xfe\x01,\0\n", 21),
         {},
         6,
         2},
        {"endet in Anführungszeichen", kopf + "Vertex \"4 5", {}, 4, 2},
        {"nur CR", "ModelBegin\rClumpBegin\rVertex 1 2 3\rVertex 4 5 6\rClumpEnd\r", {}, 5, 2},
        {"Punktnummer 40000", kopf + "Triangle 1 40000 1\nVertex 1 1 1\n", {Fehler}, 3, 1},
        {"Koordinate 1e39", kopf + "Vertex 1e39 0 0\nVertex 1 1 1\n", {Fehler}, 3, 1},
        {"9999 Punkte", punkte, {"Der 1.Clump enthält fast 10000 Punkte" + zuViele}, 10001, 9900},
        {"1000 Polygone",
         polygone,
         {"Der 1.Clump enthält fast 1000 Polygone" + zuViele,
          "Der 1.Clump enthält fast 1000 Polygone" + zuViele},
         1003,
         1},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Dokument d;
        d.lesen(f.daten);
        EXPECT_EQ(d.meldungstexte(), f.meldungen);
        EXPECT_EQ(d.s->TextList.anzahl(), f.zeilen);
        EXPECT_EQ(d.s->PunktZahl, f.punkte);
        ErwarteBrauchbar(d);
    }
}

TEST(Fehleingaben, DateienDieSichNichtLesenLassen) {
    TempOrdner ordner;
    const std::string gesperrt = ordner / "gesperrt.rwx";
    std::ofstream(gesperrt) << "ModelBegin\n";
    ::chmod(gesperrt.c_str(), 0);
    for (const std::string& pfad : {ordner / "", ordner / "fehlt.rwx", gesperrt, std::string()}) {
        SCOPED_TRACE(pfad);
        EXPECT_TRUE(test::AlsNutzer([&] {
            Dokument d;
            NeueZeilen(*d.s);
            Zuruecksetzen(*d.s);
            return !RwxLesen(*d.s, pfad) && d.meldungstexte() == std::vector<std::string>{Fehler} &&
                   d.s->TextList.anzahl() == 0 && d.s->PunktZahl == 0;
        }));
    }
}

// Writes that stop after a few bytes with a full disk.
ssize_t plattenVoll(int fd, const void* puffer, size_t n) {
    static size_t frei = 0;
    if (puffer == nullptr) {
        frei = n;
        return 0;
    }
    if (frei == 0) {
        errno = ENOSPC;
        return -1;
    }
    const size_t teil = std::min(n, frei);
    frei -= teil;
    return ::write(fd, puffer, teil);
}

TEST(Speicherfehler, MeldungZielUnberuehrtKeineReste) {
    struct Fall {
        const char* name;
        bool ordnerSchreibgeschuetzt;
        bool plattenVoll;
        bool zielIstOrdner;
    };
    const std::vector<Fall> faelle = {
        {"Ordner ohne Schreibrecht", true, false, false},
        {"Platte voll", false, true, false},
        {"Ziel ist ein Ordner", false, false, true},
    };
    const std::string alt = "ModelBegin\r\n# alt\r\nModelEnd\r\n";
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        TempOrdner ordner;
        const std::string ziel = ordner / "m.rwx";
        if (f.zielIstOrdner) {
            std::filesystem::create_directory(ziel);
            std::ofstream(ziel + "/drin") << alt;
        } else {
            std::ofstream(ziel, std::ios::binary) << alt;
        }
        if (f.ordnerSchreibgeschuetzt) ::chmod((ordner / "").c_str(), 0555);
        if (f.plattenVoll) plattenVoll(-1, nullptr, 10);
        EXPECT_TRUE(test::AlsNutzer([&] {
            Dokument d;
            if (f.plattenVoll) d.host.weg = plattenVoll;
            NeueZeilen(*d.s);
            RwxSchreiben(*d.s, ziel);
            return d.meldungstexte() == std::vector<std::string>{Fehler} &&
                   d.s->TextList.anzahl() == 7;
        }));
        ::chmod((ordner / "").c_str(), 0755);
        EXPECT_EQ(laden(f.zielIstOrdner ? ziel + "/drin" : ziel), alt);
        EXPECT_EQ(ordner.inhalt(), std::vector<std::string>{"m.rwx"});
    }
}

std::vector<std::string> korpus() {
    std::vector<std::string> dateien;
    for (const auto& e : fs::directory_iterator(NUK_CORPUS_DIR))
        if (e.path().extension() == ".rwx") dateien.push_back(e.path().string());
    std::sort(dateien.begin(), dateien.end());
    return dateien;
}

// The file's lines, each ended by CR LF, when no item rule changes them.
std::string zeilenMitCrLf(const std::string& daten, bool& unveraendert) {
    std::string r;
    unveraendert = daten.find_first_of(",\"") == std::string::npos;
    bool zeilenanfang = true;
    for (size_t i = 0; i < daten.size(); ++i) {
        const char c = daten[i];
        if (zeilenanfang && (c == ' ' || c == '\t')) unveraendert = false;
        zeilenanfang = c == '\r' || c == '\n';
        if (c == '\r' && i + 1 < daten.size() && daten[i + 1] == '\n') continue;
        r += zeilenanfang ? std::string("\r\n") : std::string(1, c);
    }
    if (!daten.empty() && !zeilenanfang) r += "\r\n";
    return r;
}

TEST(Korpus, LesenPruefenZeichnenSpeichernUndWiederLesen) {
    const auto dateien = korpus();
    ASSERT_GT(dateien.size(), 50u);
    TempOrdner ordner;
    int gleich = 0;
    for (const auto& pfad : dateien) {
        const std::string daten = laden(pfad);
        Dokument d;
        ASSERT_TRUE(RwxLesen(*d.s, pfad)) << pfad;
        const std::string gespeichert = ordner / "kopie.rwx";
        RwxSchreiben(*d.s, gespeichert);
        const std::string neu = laden(gespeichert);

        bool unveraendert = false;
        const std::string erwartet = zeilenMitCrLf(daten, unveraendert);
        if (unveraendert) {
            EXPECT_EQ(neu, erwartet) << pfad;
            ++gleich;
        }
        std::string nachItems;
        for (const auto& item : ItemsLesen(daten)) nachItems += item + "\r\n";
        EXPECT_EQ(neu, nachItems) << pfad;

        if (daten.find('"') == std::string::npos) {
            Dokument wieder;
            ASSERT_TRUE(RwxLesen(*wieder.s, gespeichert)) << pfad;
            EXPECT_EQ(wieder.zeilen(), d.zeilen()) << pfad;
            EXPECT_EQ(wieder.s->PunktZahl, d.s->PunktZahl) << pfad;
        }
        SCOPED_TRACE(pfad);
        ErwarteBrauchbar(d);
    }
    EXPECT_GT(gleich, 40);
}

}  // namespace
}  // namespace nuk
