// nukcheck: the dump's exact form, the diagnostics, and the exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "Pruefung.h"
#include "model/Datei.h"
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
        std::string text;
        int status;
        {
            nukcheck::Ausgabe aus(&text);
            status = nukcheck::DateiPruefen(*s, host, pfad, befehle.get(), dump, aus);
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
                  ": Zeilen 13, Punkte 3, Dreiecke 1, Vierecke 1, Polygone 2: 3 Probleme\n");
    fs::remove(pfad);
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
    EXPECT_EQ(bericht.substr(0, bericht.find('\n')), "/gibt/es/nicht.rwx: Da stimmt was nicht");
}

int ausfuehren(const std::string& argumente, std::string* ausgabe = nullptr) {
    const std::string aus =
        (fs::temp_directory_path() / (std::to_string(::getpid()) + "-nuk-aus.txt")).string();
    const std::string befehl = NUK_BIN_DIR "/nukcheck " + argumente + " >" + aus + " 2>&1";
    const int r = std::system(befehl.c_str());
    if (ausgabe) DateiLaden(aus, *ausgabe);
    fs::remove(aus);
    return WIFEXITED(r) ? WEXITSTATUS(r) : -1;
}

TEST(Nukcheck, Ende) {
    const std::string gut = tempDatei("nuk-gut.rwx",
                                      "ModelBegin\nClumpBegin\nVertex 1 2 3\n"
                                      "ClumpEnd\nModelEnd\n");
    const std::string befund = tempDatei("nuk-befund.rwx", "ModelBegin\n");
    const std::string abbruch = tempDatei("nuk-abbruch.rwx", "ClumpBegin\nVertex 1e99 0 0\n");
    std::string text;
    EXPECT_EQ(ausfuehren("--help", &text), 0);
    EXPECT_NE(text.find("Aufruf: nukcheck"), std::string::npos);
    EXPECT_EQ(ausfuehren(gut, &text), 0);
    EXPECT_EQ(text, gut + ": Zeilen 5, Punkte 1, Dreiecke 0, Vierecke 0, Polygone 0: OK\n");
    EXPECT_EQ(ausfuehren(gut + " " + befund), 1);
    EXPECT_EQ(ausfuehren(befund + " " + abbruch + " " + gut), 2);
    EXPECT_EQ(ausfuehren("--dump " + abbruch), 2);
    EXPECT_EQ(ausfuehren(""), 2);
    EXPECT_EQ(ausfuehren("--gibts-nicht " + gut), 2);
    // Without a command list no line is judged.
    const std::string faul = tempDatei("nuk-faul.rwx", "ModelBegin\nFoo/\nModelEnd\n");
    EXPECT_EQ(ausfuehren(faul), 1);
    EXPECT_EQ(ausfuehren("--befehle /gibt/es/nicht " + faul, &text), 0);
    EXPECT_NE(text.find("Befehlsliste"), std::string::npos);
    for (const auto& p : {gut, befund, abbruch, faul}) fs::remove(p);
}

}  // namespace
}  // namespace nuk
