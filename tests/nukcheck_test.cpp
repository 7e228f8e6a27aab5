// nukcheck: the dump's exact form, the diagnostics, and the exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zip.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "Pruefung.h"
#include "Texturen.h"
#include "model/Datei.h"
#include "model/Regeln.h"
#include "selection/BefehlsPad.h"

namespace nuk {
namespace {

namespace fs = std::filesystem;

struct Lauf {
    AufzeichnenderHost host;
    std::unique_ptr<State> s = std::make_unique<State>(host);
    std::unique_ptr<Befehlssatz> befehle;

    Lauf() {
        s->AppPfad = NUK_BIN_DIR "/";
        if (BefehleLaden(*s)) befehle = std::make_unique<Befehlssatz>(s->BefehlsList);
    }

    std::pair<int, std::string> pruefen(const std::string& pfad, bool dump) {
        std::string text, daten;
        std::optional<std::string> bytes;
        if (DateiLaden(pfad, daten)) bytes = daten;
        int status;
        {
            nukcheck::Ausgabe aus(&text);
            nukcheck::Form form;
            form.art = dump ? nukcheck::Form::Dump : nukcheck::Form::Bericht;
            form.mitModell = false;  // the viewer's checks; the table below has the model
            status = nukcheck::DateiPruefen(*s, host, pfad, bytes, befehle.get(), form, aus);
        }
        return {status, text};
    }
};

std::string tempDatei(const std::string& name, const std::string& inhalt) {
    const std::string pfad =
        (fs::temp_directory_path() / (std::to_string(::getpid()) + "-" + name)).string();
    std::ofstream(pfad, std::ios::binary) << inhalt;
    return pfad;
}

TEST(Nukcheck, DumpForm) {
    const std::string pfad =
        tempDatei("nuk-dump.rwx",
                  "ModelBegin\r\nClumpBegin\r\n  Vertex 1.5 -2 .25\r\nVertex 1e7 0 -0\r\n"
                  "Triangle 1 2 2\r\nQuad 1 2 1 2\r\nPolygon 3 1 2 1 9\r\nPolygon -1\r\n"
                  "ModelBegin\r\nVertex 1 1 1/x\r\n# \xC4rger\r\nClumpEnd\r\nModelEnd");
    Lauf lauf;
    const auto [status, text] = lauf.pruefen(pfad, true);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(text,
              "message 8 |ClumpEnd fehlt\n"
              "rows 13\n"
              "row 0 0 \t>ModelBegin\n"
              "row 1 1 Begin:\t>ClumpBegin\n"
              "row 2 2  1:\t>Vertex 1.5 -2 .25\n"
              "row 3 3  2:\t>Vertex 1e7 0 -0\n"
              "row 4 4 :\t>Triangle 1 2 2\n"
              "row 5 5 :\t>Quad 1 2 1 2\n"
              "row 6 6 :\t>Polygon 3 1 2 1 9\n"
              "row 7 7 :\t>Polygon -1\n"
              "row 8 8 :\t>ModelBegin\n"
              "row 9 9  3:\t>Vertex 1 1 1/x\n"
              "row 10 10 :\t># Ärger\n"
              "row 11 11 End:\t>ClumpEnd\n"
              "row 12 12 \t>ModelEnd\n"
              "counts 3 1 1 2\n"
              "maxbetrag 1E+07\n"
              "point0 1\n"
              "point 1 1.5 -2 .25 2\n"
              "point 2 1E+07 0 0 3\n"
              "point 3 1 1 1 9\n"
              "triangle 1 1 2 2 4\n"
              "quad 1 1 2 1 2 5\n"
              "polygon 1 3 1 2 1 6\n"
              "polygon 2 -1 7\n"
              "hierarchy Hierarchie wurde als fehlerhaft eingestuft,\\nda ModelBegin "
              "mehrfach\\nZeile :\t>ModelBegin\n"
              "faulty 9  9f\t>Vertex 1 1 1/x\n");

    const auto [status2, bericht] = lauf.pruefen(pfad, false);
    EXPECT_EQ(status2, 1);
    EXPECT_EQ(bericht,
              pfad + ":9: ClumpEnd fehlt\n" + pfad +
                  ":9: Hierarchie wurde als fehlerhaft eingestuft, da ModelBegin mehrfach\n" +
                  pfad + ":10: unzulässiges Zeichen \"/\": Vertex 1 1 1/x\n" + pfad +
                  ": Zeilen 13, Punkte 3, Dreiecke 1, Vierecke 1, Polygone 2: 3 Probleme (3 "
                  "Fehler, 0 Warnungen, 0 Hinweise)\n");
    fs::remove(pfad);
}

// A BMP of w x h black pixels, enough for an image reader to take its size.
std::string bmp(int w, int h) {
    const int zeile = (w * 3 + 3) / 4 * 4, groesse = 54 + zeile * h;
    std::string b(static_cast<size_t>(groesse), '\0');
    auto setze = [&](size_t at, uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            b[at + static_cast<size_t>(i)] = static_cast<char>(v >> (8 * i));
    };
    b[0] = 'B', b[1] = 'M';
    setze(2, static_cast<uint32_t>(groesse), 4);
    setze(10, 54, 4);
    setze(14, 40, 4);
    setze(18, static_cast<uint32_t>(w), 4);
    setze(22, static_cast<uint32_t>(h), 4);
    setze(26, 1, 2);
    setze(28, 24, 2);
    return b;
}

// Each rule on a small file with its fault at a known line, and the fixed
// twin of that file without any finding.
TEST(Nukcheck, JedeRegelMitZwilling) {
    const fs::path texturen = fs::temp_directory_path() / (std::to_string(::getpid()) + "-tex");
    fs::create_directories(texturen);
    std::ofstream(texturen / "Holz.JPG") << "kein Bild, aber da";
    std::ofstream(texturen / "schief.bmp", std::ios::binary) << bmp(3, 2);
    std::ofstream(texturen / "gut.bmp", std::ios::binary) << bmp(4, 8);
    std::ofstream(texturen / "gross.bmp", std::ios::binary) << bmp(1024, 4);
    std::ofstream(texturen / "maske.zip") << "";
    auto rahmen = [](const std::string& innen) {
        return "ModelBegin\nClumpBegin\n" + innen + "ClumpEnd\nModelEnd\n";
    };
    const std::string dreieck = "Vertex 0 0 0\nVertex 1 0 0\nVertex 1 1 0\n";
    struct Fall {
        const char* regel;
        std::string fehler;
        std::vector<int32_t> zeilen;  // of the rule's findings in the faulty file
        std::string zwilling;
    };
    const std::vector<Fall> faelle = {
        {"non-planar-face",
         rahmen(dreieck + "Vertex 0 1 .01\nQuad 1 2 3 4\n"),
         {7},
         rahmen(dreieck + "Vertex 0 1 0\nQuad 1 2 3 4\n")},
        {"degenerate-face",
         rahmen("Vertex 0 0 0\nVertex 1 1 1\nVertex 2 2 2\nTriangle 1 2 3\n"),
         {6},
         rahmen(dreieck + "Triangle 1 2 3\n")},
        {"flipped-face",
         rahmen(dreieck + "Vertex 0 1 0\nTriangle 1 2 3\nTriangle 1 4 3\n"),
         {8},
         rahmen(dreieck + "Vertex 0 1 0\nTriangle 1 2 3\nTriangle 1 3 4\n")},
        // The same place split for another UV is no duplicate, and faces
        // meet along it as they would along one point.
        {"duplicate-vertex",
         rahmen(dreieck + "Vertex 0 1 0\nVertex 1 1 0\nTriangle 1 2 3\nTriangle 1 5 4\n"),
         {7},
         rahmen(dreieck + "Vertex 0 1 0\nVertex 1 1 0 UV 0 1\nTriangle 1 2 3\nTriangle 1 5 4\n")},
        {"unused-vertex",
         rahmen(dreieck + "Vertex 0 1 0\nTriangle 1 2 3\n"),
         {6},
         rahmen(dreieck + "Vertex 0 1 0\nTriangle 1 2 3\nTriangle 1 3 4\n")},
        {"bad-primitive",
         rahmen("Cone 1 .5 2\nCylinder 1 0 0 8\nSphere 0 4\nBlock 1 -1 1\nDisc 0 1 8\n"),
         {3, 4, 5, 6},
         rahmen("Cone 1 .5 3\nCylinder 1 0 .5 8\nSphere 1 1\nBlock 1 1 1\n")},
        {"colour-range",
         rahmen("Color 1 0 0\nSurface .5 1.2 0\nOpacity -0.1\n"),
         {4, 5},
         rahmen("Color 1 0 0\nSurface .5 1 0\nOpacity 0\n")},
        {"texture-without-uv",
         rahmen("Texture holz\nVertex 0 0 0 UV 0 0\nVertex 1 0 0\nVertex 1 1 0 UV 1 1\n"
                "Triangle 1 2 3\nTexture NULL\nTriangle 3 2 1\n"),
         {7},
         rahmen("Texture holz\nVertex 0 0 0 UV 0 0\nVertex 1 0 0 uv 1 0\nVertex 1 1 0 UV 1 1\n"
                "Triangle 1 2 3\n")},
        {"extension-without-bang",
         rahmen("Seamless on\n#!Prelight 1 1 1\nRandomUVs on\n"),
         {3, 5},
         rahmen("#!Seamless on\n#! RandomUVs on\n")},
        {"texture-missing",
         rahmen("Texture fehlt\nTexture holz mask fort\nTexture holz.png\n"),
         {3, 4, 5},
         rahmen("Texture HOLZ mask maske\nTexture Holz.jpg\n")},
        {"texture-size",
         rahmen("Texture schief.bmp\nTexture gross.bmp\n"),
         {3, 4},
         rahmen("Texture gut.bmp\n")},
    };
    Lauf lauf;
    nukcheck::Texturordner ordner(texturen.string());
    nukcheck::Form form;
    form.texturen = &ordner;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.regel);
        const nukcheck::Bericht fehler =
            nukcheck::Pruefen(*lauf.s, lauf.host, f.fehler, lauf.befehle.get(), form);
        std::vector<int32_t> zeilen;
        for (const nukcheck::Diagnose& d : fehler.diagnosen)
            if (d.regel == f.regel) zeilen.push_back(d.zeile);
        EXPECT_EQ(zeilen, f.zeilen);
        const nukcheck::Bericht zwilling =
            nukcheck::Pruefen(*lauf.s, lauf.host, f.zwilling, lauf.befehle.get(), form);
        for (const nukcheck::Diagnose& d : zwilling.diagnosen)
            ADD_FAILURE() << d.zeile << ": " << d.text << " [" << d.regel << "]";
    }
    fs::remove_all(texturen);
}

TEST(Nukcheck, UnlesbareDatei) {
    Lauf lauf;
    const auto [status, text] = lauf.pruefen("/gibt/es/nicht.rwx", true);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(text,
              "message 0 |Da stimmt was nicht\nrows 0\ncounts 0 0 0 0\nmaxbetrag 1\npoint0 1\n"
              "hierarchy Hierarchie wurde als fehlerhaft eingestuft,\\nda erste "
              "Hiro-Anweisung ungleich ModelBegin\n");
    const auto [status2, bericht] = lauf.pruefen("/gibt/es/nicht.rwx", false);
    EXPECT_EQ(status2, 2);
    EXPECT_EQ(bericht, "");  // the program says so on stderr
}

struct Ergebnis {
    int ende;
    std::string aus, fehler;
};

// Runs the program with its output and error output apart; eingabe is its
// stdin, umgebung the locale it sees (German unless it says otherwise).
Ergebnis ausfuehren(const std::string& argumente, const std::string& eingabe = "",
                    const std::string& umgebung = "LANG=C.UTF-8") {
    const std::string basis =
        (fs::temp_directory_path() / (std::to_string(::getpid()) + "-nuk-")).string();
    std::ofstream(basis + "ein", std::ios::binary) << eingabe;
    const std::string befehl = "env -u LC_ALL -u LC_MESSAGES -u LANG " + umgebung +
                               " " NUK_BIN_DIR "/nukcheck " + argumente + " <" + basis + "ein >" +
                               basis + "aus 2>" + basis + "fehler";
    const int r = std::system(befehl.c_str());
    Ergebnis e{WIFEXITED(r) ? WEXITSTATUS(r) : -1, {}, {}};
    DateiLaden(basis + "aus", e.aus);
    DateiLaden(basis + "fehler", e.fehler);
    for (const char* n : {"ein", "aus", "fehler"}) fs::remove(basis + n);
    return e;
}

// Each kind of finding with its status, its FILE:LINE: and the stream it goes to.
TEST(Nukcheck, EndeUndAusgabeJeBefund) {
    const std::string rahmen = "ModelBegin\nClumpBegin\n";
    const std::string gut = tempDatei(
        "nuk-gut.rwx",
        rahmen + "Vertex 1 2 3\nVertex 0 0 0\nVertex 0 1 0\nTriangle 1 2 3\nClumpEnd\nModelEnd\n");
    const std::string gutOk = gut +
                              ": Zeilen 8, Punkte 3, Dreiecke 1, Vierecke 0, Polygone 0; Modell: "
                              "Clumps 1, Punkte 3, Flächen 1: OK\n";
    const std::string aufruf =
        "Aufruf: nukcheck [--befehle DATEI] [--ohne-modell] [--ohne REGEL,...] [--nur REGEL,...]\n"
        "                 [--texturen ORDNER] [-j N] [--json | --sarif | --dump] DATEI|ORDNER...\n";
    struct Fall {
        const char* name;
        std::string argumente;  // @ stands for a file with the content below, in the output too
        std::string inhalt;
        int ende;
        std::string aus;
        std::string fehler;
    };
    const std::string leer =
        ": Zeilen 5, Punkte 0, Dreiecke 0, Vierecke 0, Polygone 0; Modell: "
        "Clumps 1, Punkte 0, Flächen 0: ";
    const std::string ecke9 = rahmen +
                              "Vertex 0 0 0\nVertex 1 .5 -2\nTriangle 1 2 9\nClumpEnd\n"
                              "ModelEnd\n";
    // 0x1F and 0x7F to 0x9F are controls; 0x20 and 0xA0 are not.
    const std::string steuer = rahmen + "Foo\x1f \x7f\x80\x9f\xa0 x\nClumpEnd\nModelEnd\n";
    const std::string einzeln = rahmen + "Vertex 1 2 3\nClumpEnd\nModelEnd\n";
    const std::string einzelnSumme =
        ": Zeilen 5, Punkte 1, Dreiecke 0, Vierecke 0, Polygone 0; Modell: Clumps 1, Punkte 1, "
        "Flächen 0: ";
    std::string alleRegeln;
    for (const Regel& r : AlleRegeln()) alleRegeln += "  " + std::string(r.id) + "\n";
    const std::vector<Fall> faelle = {
        {"sauber", gut, "", 0, gutOk, ""},
        {"nur Lesermeldung", "@", rahmen + "ClumpBegin\nClumpEnd\nClumpEnd\nModelEnd\n", 1,
         "@:3: Programm works with only one Clump\n@: Zeilen 6, Punkte 0, Dreiecke 0, Vierecke 0, "
         "Polygone 0; Modell: Clumps 2, Punkte 0, Flächen 0: 1 Problem (1 Fehler, 0 Warnungen, 0 "
         "Hinweise)\n",
         ""},
        {"nur Hierarchie", "@", rahmen + "ClumpEnd\nModelEnd\nModelEnd\n", 1,
         "@:4: Hierarchie wurde als fehlerhaft eingestuft, da ModelEnd mehrfach\n@" + leer +
             "1 Problem (1 Fehler, 0 Warnungen, 0 Hinweise)\n",
         ""},
        {"nur Zeilenprüfung, Steuerzeichen sichtbar", "@",
         rahmen + "Foo\x9b\x7f 1\x1b[2J\tx\nClumpEnd\nModelEnd\n", 1,
         "@:3: unbekanntes Befehlswort \"foo\\x9b\\x7f\": Foo\\x9b\\x7f 1\\x1b[2J\tx\n@" + leer +
             "1 Problem (1 Fehler, 0 Warnungen, 0 Hinweise)\n",
         ""},
        {"nur Modell", "@", ecke9, 1,
         "@:5: Ecke 9 gibt es hier nicht (2 Punkte)\n@: Zeilen 7, Punkte 2, Dreiecke 1, Vierecke "
         "0, "
         "Polygone 0; Modell: Clumps 1, Punkte 2, Flächen 0: 1 Problem (1 Fehler, 0 Warnungen, 0 "
         "Hinweise)\n",
         ""},
        {"ohne Modell", "--ohne-modell @", ecke9, 0,
         "@: Zeilen 7, Punkte 2, Dreiecke 1, Vierecke 0, Polygone 0: OK\n", ""},
        {"Lesen abgebrochen, alles nach Zeilen", "@", rahmen + "Vertex 1e99 0 0\n", 2,
         "@:2: ClumpBegin ohne ClumpEnd\n@:3: Da stimmt was nicht\n@:3: \"1e99\" ist zu groß\n"
         "@: Hierarchie wurde als fehlerhaft eingestuft, da letzte Hiro-Anweisung ungleich "
         "ModelEnd\n@: Zeilen 2, Punkte 0, Dreiecke 0, Vierecke 0, Polygone 0; Modell: Clumps 1, "
         "Punkte 0, Flächen 0: 4 Probleme (4 Fehler, 0 Warnungen, 0 Hinweise)\n",
         ""},
        {"JSON", "--json @ /gibt/es/nicht.rwx", ecke9, 2,
         R"j({"file":"@","status":1,"findings":[{"line":5,"kind":"model","rule":"corner-missing",)j"
         R"j("severity":"error","text":"Ecke 9 gibt )j"
         R"j(es hier nicht (2 Punkte)"}],"first_clump":{"points":2,"triangles":1,"quads":0,)j"
         R"j("polygons":0},"model":{"clumps":1,"vertices":2,"faces":0,"edges":0,"bounds":[0.0,)j"
         R"j(0.0,-2.0,1.0,0.5,0.0]}})j"
         "\n"
         R"j({"file":"/gibt/es/nicht.rwx","status":2,"findings":[],"first_clump":{"points":0,)j"
         R"j("triangles":0,"quads":0,"polygons":0},"model":{"clumps":0,"vertices":0,"faces":0,)j"
         R"j("edges":0,"bounds":null}})j"
         "\n",
         "nukcheck: /gibt/es/nicht.rwx: Datei nicht lesbar\n"},
        {"JSON: kürzeste Zahlen, Befund ohne Zeile", "--json @",
         rahmen + "Vertex 0.1 -0.1 1e-7\nClumpEnd\n", 1,
         R"j({"file":"@","status":1,"findings":[{"line":3,"kind":"rule","rule":"unused-vertex",)j"
         R"j("severity":"note","text":"Punkt wird von keiner Fläche benutzt"},)j"
         R"j({"line":null,"kind":"hierarchy",)j"
         R"j("rule":"hierarchy","severity":"error","text":)j"
         R"j("Hierarchie wurde als fehlerhaft eingestuft, da letzte Hiro-Anweisung ungleich )j"
         R"j(ModelEnd"}],"first_clump":{"points":1,"triangles":0,"quads":0,"polygons":0},)j"
         R"j("model":{"clumps":1,"vertices":1,"faces":0,"edges":0,"bounds":[0.1,-0.1,1e-07,)j"
         R"j(0.1,-0.1,1e-07]}})j"
         "\n",
         ""},
        {"Steuerzeichen an ihren Grenzen", "@", steuer, 1,
         "@:3: unbekanntes Befehlswort \"foo\": Foo\\x1f \\x7f\\x80\\x9f\xC2\xA0 x\n@" + leer +
             "1 Problem (1 Fehler, 0 Warnungen, 0 Hinweise)\n",
         ""},
        {"JSON: Steuerzeichen an ihren Grenzen", "--json @", steuer, 1,
         R"j({"file":"@","status":1,"findings":[{"line":3,"kind":"line",)j"
         R"j("rule":"unknown-command","severity":"error","text":"unbekanntes )j"
         R"j(Befehlswort \"foo\": Foo\u001f \u007f\u0080\u009f)j"
         "\xC2\xA0"
         R"j( x"}],"first_clump":{"points":0,"triangles":0,"quads":0,"polygons":0},"model":)j"
         R"j({"clumps":1,"vertices":0,"faces":0,"edges":0,"bounds":null}})j"
         "\n",
         ""},
        {"Standardeingabe", "- " + gut, rahmen + "Foo\nClumpEnd\nModelEnd\n", 1,
         "-:3: unbekanntes Befehlswort \"foo\": Foo\n-" + leer +
             "1 Problem (1 Fehler, 0 Warnungen, 0 Hinweise)\n" + gutOk,
         ""},
        {"Datei nicht lesbar", "/gibt/es/nicht.rwx " + gut, "", 2, gutOk,
         "nukcheck: /gibt/es/nicht.rwx: Datei nicht lesbar\n"},
        {"Befehlsliste nicht lesbar", "--befehle /gibt/es/nicht " + gut, "", 2, "",
         "nukcheck: Befehlsliste /gibt/es/nicht nicht lesbar\n"},
        {"unbekannte Option", "--gibts-nicht " + gut, "", 2, "",
         "nukcheck: unbekannte Option --gibts-nicht\n" + aufruf},
        {"keine Datei", "", "", 2, "", "nukcheck: keine Datei angegeben\n" + aufruf},
        {"JSON und Dump", "--json --dump " + gut, "", 2, "",
         "nukcheck: nur eine von --json, --sarif und --dump\n" + aufruf},
        {"Version", "--version " + gut, "", 0, "nukcheck (NukViewer 4.8a)\n", ""},
        {"nur ein Hinweis: Ende 0", "@", einzeln, 0,
         "@:3: Punkt wird von keiner Fläche benutzt [unused-vertex]\n@" + einzelnSumme +
             "1 Problem (0 Fehler, 0 Warnungen, 1 Hinweis)\n",
         ""},
        {"--ohne", "--ohne colour-range,unused-vertex @", einzeln, 0, "@" + einzelnSumme + "OK\n",
         ""},
        {"--nur", "--nur unused-vertex @", einzeln + "ModelEnd\n", 0,
         "@:3: Punkt wird von keiner Fläche benutzt [unused-vertex]\n@: Zeilen 6" +
             einzelnSumme.substr(10) + "1 Problem (0 Fehler, 0 Warnungen, 1 Hinweis)\n",
         ""},
        {"abgeschaltet für die Datei und für eine Zeile", "@",
         "# nukcheck: ohne unused-vertex\n" + rahmen +
             "Vertex 0 0 0\nColor 2 0 0 # nukcheck: ohne colour-range\nColor 3 0 0\nClumpEnd\n"
             "ModelEnd\n",
         1,
         "@:6: Color mit 3, außerhalb von 0 bis 1 [colour-range]\n@: Zeilen 8" +
             einzelnSumme.substr(10) + "1 Problem (0 Fehler, 1 Warnung, 0 Hinweise)\n",
         ""},
        {"unbekannte Regel", "--nur unused-vertex,gibts-nicht " + gut, "", 2, "",
         "nukcheck: unbekannte Regel \"gibts-nicht\"; es gibt:\n" + alleRegeln},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const bool mitDatei = f.argumente.find('@') != std::string::npos;
        const std::string datei = mitDatei ? tempDatei("nuk-fall.rwx", f.inhalt) : "";
        auto einsetzen = [&](std::string text) {
            for (size_t p = 0; mitDatei && (p = text.find('@', p)) != std::string::npos;
                 p += datei.size())
                text.replace(p, 1, datei);
            return text;
        };
        const Ergebnis e = ausfuehren(einsetzen(f.argumente), f.inhalt);
        EXPECT_EQ(e.ende, f.ende);
        EXPECT_EQ(e.aus, einsetzen(f.aus));
        EXPECT_EQ(e.fehler, f.fehler);
        if (mitDatei) fs::remove(datei);
    }
    const Ergebnis hilfe = ausfuehren("--help");
    EXPECT_EQ(hilfe.ende, 0);
    EXPECT_EQ(hilfe.aus.rfind("Aufruf: nukcheck", 0), 0u);
    EXPECT_NE(hilfe.aus.find("Ende: 0"), std::string::npos);
    fs::remove(gut);
}

// The locale chooses English or German for the report, the usage and the
// run's messages; JSON keys, rule ids and severities stay as they are.
TEST(Nukcheck, ZweiSprachen) {
    const std::string inhalt = "ModelBegin\nClumpBegin\nFoo\nClumpEnd\nModelEnd\n";
    const std::string englisch =
        "-:3: unknown command word \"foo\": Foo\n-: lines 5, points 0, triangles 0, quads 0, "
        "polygons 0; model: clumps 1, vertices 0, faces 0: 1 problem (1 error, 0 warnings, 0 "
        "notes)\n";
    const std::string deutsch =
        "-:3: unbekanntes Befehlswort \"foo\": Foo\n-: Zeilen 5, Punkte 0, Dreiecke 0, Vierecke "
        "0, Polygone 0; Modell: Clumps 1, Punkte 0, Flächen 0: 1 Problem (1 Fehler, 0 "
        "Warnungen, 0 Hinweise)\n";
    const std::string usage =
        "Usage: nukcheck [--befehle FILE] [--ohne-modell] [--ohne RULE,...] [--nur RULE,...]\n"
        "                [--texturen FOLDER] [-j N] [--json | --sarif | --dump] FILE|FOLDER...\n";
    struct Fall {
        std::string umgebung, argumente, aus, fehler;
    };
    const std::vector<Fall> faelle = {
        {"LANG=en_US.UTF-8", "-", englisch, ""},
        {"LANG=C.UTF-8", "-", deutsch, ""},
        {"LANG=POSIX", "-", deutsch, ""},
        {"LANG=de_DE.UTF-8", "-", deutsch, ""},
        {"LANG=en_GB", "-", englisch, ""},
        // The first of LC_ALL, LC_MESSAGES and LANG that is set decides.
        {"LC_ALL=C LANG=en_US.UTF-8", "-", deutsch, ""},
        {"LC_MESSAGES=en_US.UTF-8 LANG=de_DE.UTF-8", "-", englisch, ""},
        {"LC_ALL= LANG=en_US.UTF-8", "-", englisch, ""},
        {"LANG=en_US.UTF-8", "", "", "nukcheck: no file given\n" + usage},
        {"LANG=en_US.UTF-8", "-j 0 -", "", "nukcheck: -j needs a number from 1 to 1024\n" + usage},
        {"LANG=en_US.UTF-8", "--texturen", "", "nukcheck: --texturen needs a folder\n" + usage},
        {"LANG=en_US.UTF-8", "--befehle /gibt/es/nicht -", "",
         "nukcheck: command list /gibt/es/nicht not readable\n"},
        {"LANG=en_US.UTF-8", "/gibt/es/nicht.rwx", "",
         "nukcheck: /gibt/es/nicht.rwx: file not readable\n"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.umgebung + " " + f.argumente);
        const Ergebnis e = ausfuehren(f.argumente, inhalt, f.umgebung);
        EXPECT_EQ(e.aus, f.aus);
        EXPECT_EQ(e.fehler, f.fehler);
    }
    const Ergebnis hilfe = ausfuehren("--help", "", "LANG=en_US.UTF-8");
    EXPECT_EQ(hilfe.aus.rfind(usage, 0), 0u);
    EXPECT_NE(hilfe.aus.find("\nExit status: 0"), std::string::npos);

    // JSON: the same document in both languages but for the findings' texts.
    auto ohneTexte = [](const std::string& zeile) {
        nlohmann::json j = nlohmann::json::parse(zeile);
        for (auto& befund : j["findings"]) befund["text"] = "";
        return j;
    };
    const std::string jsonDe = ausfuehren("--json -", inhalt).aus;
    const std::string jsonEn = ausfuehren("--json -", inhalt, "LANG=en_US.UTF-8").aus;
    EXPECT_NE(jsonEn.find("\"text\":\"unknown command word"), std::string::npos) << jsonEn;
    EXPECT_EQ(ohneTexte(jsonEn), ohneTexte(jsonDe));
    const auto sarif =
        nlohmann::json::parse(ausfuehren("--sarif /gibt/es/nicht.rwx", "", "LANG=en_US.UTF-8").aus);
    const auto& ergebnis = sarif["runs"][0]["results"][0];
    EXPECT_EQ(ergebnis["ruleId"], "reader");
    EXPECT_EQ(ergebnis["level"], "error");
    EXPECT_EQ(ergebnis["message"]["text"], "file not readable");
    // The rules keep their ids and levels; their descriptions speak English.
    for (const auto& r : sarif["runs"][0]["tool"]["driver"]["rules"]) {
        const Regel* regel = RegelMit(r["id"].get<std::string>());
        ASSERT_NE(regel, nullptr);
        EXPECT_EQ(r["defaultConfiguration"]["level"], SchwereName(regel->schwere));
        EXPECT_NE(r["shortDescription"]["text"], regel->beschreibung) << regel->id;
    }
}

// An object path: a folder's RWX files in any case and below, the RWX files
// inside its archives, each under its own name, sorted byte for byte; the
// same output on one core or many; and the run as one SARIF log.
TEST(Nukcheck, ObjektpfadMitArchiv) {
    const fs::path ordner = fs::temp_directory_path() / (std::to_string(::getpid()) + "-pfad");
    fs::create_directories(ordner / "b");
    const std::string sauber =
        "ModelBegin\nClumpBegin\nVertex 0 0 0\nVertex 1 0 0\nVertex 0 1 0\nTriangle 1 2 3\n"
        "ClumpEnd\nModelEnd\n";
    const std::string hinweis = "ModelBegin\nClumpBegin\nVertex 0 0 0\nClumpEnd\nModelEnd\n";
    std::ofstream(ordner / "a.rwx") << hinweis;
    std::ofstream(ordner / "b" / "Zwei.RWX") << sauber;
    std::ofstream(ordner / "b" / "kopie.rwx") << hinweis;  // the same bytes as a.rwx
    std::ofstream(ordner / "liesmich.txt") << "kein Modell";
    {
        int fehler = 0;
        zip_t* z = zip_open((ordner / "pack.zip").c_str(), ZIP_CREATE | ZIP_TRUNCATE, &fehler);
        ASSERT_NE(z, nullptr);
        // The archive reads the bytes when it is closed: they must live till then.
        for (const auto& [name, inhalt] :
             {std::pair<const char*, const std::string*>{"models/c.rwx", &hinweis},
              {"models/info.txt", &sauber}}) {
            zip_source_t* q = zip_source_buffer(z, inhalt->data(), inhalt->size(), 0);
            ASSERT_GE(zip_file_add(z, name, q, ZIP_FL_ENC_UTF_8), 0);
        }
        ASSERT_EQ(zip_close(z), 0);
    }
    const std::string o = ordner.string();
    const Ergebnis eins = ausfuehren("-j 1 " + o + "/");
    EXPECT_EQ(eins.ende, 0);
    std::vector<std::string> namen;
    for (size_t p = 0, e; (e = eins.aus.find('\n', p)) != std::string::npos; p = e + 1) {
        const std::string zeile = eins.aus.substr(p, e - p);
        if (zeile.find(": Zeilen ") != std::string::npos)
            namen.push_back(zeile.substr(0, zeile.find(": Zeilen ")));
    }
    EXPECT_EQ(namen, (std::vector<std::string>{o + "/a.rwx", o + "/b/Zwei.RWX", o + "/b/kopie.rwx",
                                               o + "/pack.zip:models/c.rwx"}));
    EXPECT_NE(eins.aus.find(o + "/b/kopie.rwx:3: Punkt wird"), std::string::npos);
    EXPECT_NE(eins.aus.find(o + "/pack.zip:models/c.rwx:3: Punkt wird"), std::string::npos);
    for (const char* j : {"-j 2 ", "-j 3 "}) {
        EXPECT_EQ(ausfuehren(j + o + "/").aus, eins.aus) << j;
        EXPECT_EQ(ausfuehren(std::string("--json ") + j + o).aus,
                  ausfuehren("--json -j 1 " + o).aus)
            << j;
    }
    EXPECT_EQ(ausfuehren(o + "/pack.zip").aus.substr(0, o.size() + 22),
              o + "/pack.zip:models/c.rwx");

    const Ergebnis sarif = ausfuehren("--sarif " + o);
    const auto log = nlohmann::json::parse(sarif.aus);
    EXPECT_EQ(log["version"], "2.1.0");
    const auto& lauf = log["runs"][0];
    ASSERT_EQ(lauf["tool"]["driver"]["rules"].size(), AlleRegeln().size());
    for (const auto& r : lauf["tool"]["driver"]["rules"]) {
        const Regel* regel = RegelMit(r["id"].get<std::string>());
        ASSERT_NE(regel, nullptr);
        EXPECT_EQ(r["defaultConfiguration"]["level"], SchwereName(regel->schwere));
        EXPECT_FALSE(r["shortDescription"]["text"].get<std::string>().empty());
    }
    ASSERT_EQ(lauf["results"].size(), 3u);
    const auto& erster = lauf["results"][0];
    EXPECT_EQ(erster["ruleId"], "unused-vertex");
    EXPECT_EQ(erster["level"], "note");
    EXPECT_EQ(erster["message"]["text"], "Punkt wird von keiner Fläche benutzt");
    EXPECT_EQ(erster["locations"][0]["physicalLocation"]["artifactLocation"]["uri"], o + "/a.rwx");
    EXPECT_EQ(erster["locations"][0]["physicalLocation"]["region"]["startLine"], 3);
    fs::remove_all(ordner);
}

}  // namespace
}  // namespace nuk
