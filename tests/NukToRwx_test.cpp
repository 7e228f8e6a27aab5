// Saving: what the writer puts on disk and how it replaces files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include <filesystem>
#include <string>
#include <vector>

#include "Hilfen.h"
#include "check/Fehler.h"
#include "model/Datei.h"
#include "rwx/NukToRwx.h"

namespace nuk {
namespace {

namespace fs = std::filesystem;
using test::Dokument;
using test::laden;
using test::TempOrdner;

TEST(RwxText, SchreibtDenDateitextJederZeile) {
    Dokument d;
    NeueZeilen(*d.s);
    EXPECT_EQ(RwxText(d.s->TextList),
              "ModelBegin\r\nClumpBegin\r\n\r\n\r\n\r\nClumpEnd\r\nModelEnd\r\n");
    Liste l;
    EXPECT_EQ(RwxText(l), "");
    l.anhaengen(" 3:\t>Vertex 1 2 3 # a > b");
    l.anhaengen("ohne Marker");
    l.anhaengen("\t>");
    EXPECT_EQ(RwxText(l), "Vertex 1 2 3 # a > b\r\nohne Marker\r\n\r\n");
}

TEST(RwxSchreiben, ErsetztDieZieldateiUndBehaeltIhreRechte) {
    TempOrdner ordner;
    const std::string ziel = ordner / "m.rwx";
    Dokument d;
    d.lesen("ModelBegin\n\xC4rger\nModelEnd");
    RwxSchreiben(*d.s, ziel);
    EXPECT_EQ(laden(ziel), "ModelBegin\r\n\xC4rger\r\nModelEnd\r\n");
    ::chmod(ziel.c_str(), 0640);
    d.lesen("ModelBegin\n");
    RwxSchreiben(*d.s, ziel);
    EXPECT_EQ(laden(ziel), "ModelBegin\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(ziel.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_TRUE(d.host.meldungen.empty());
    EXPECT_EQ(ordner.inhalt(), std::vector<std::string>{"m.rwx"});
}

// A byte-order mark at the start is no part of the rows, and comes back on saving.
TEST(RwxSchreiben, ByteOrderMarkKommtZurueck) {
    TempOrdner ordner;
    const std::string ziel = ordner / "m.rwx";
    const std::string datei = "\xEF\xBB\xBFModelBegin\r\nClumpBegin\r\nClumpEnd\r\nModelEnd\r\n";
    Dokument d;
    d.lesen(datei);
    EXPECT_EQ(d.zeilen().front(), "\t>ModelBegin");
    EXPECT_EQ(HierarchieUrteil(d.s->TextList).text, "Hierarchie akzeptabel");
    RwxSchreiben(*d.s, ziel);
    EXPECT_EQ(laden(ziel), datei);
    // Only at the very start: elsewhere the bytes are the item's.
    d.lesen("ModelBegin\n\xEF\xBB\xBF# x\n");
    RwxSchreiben(*d.s, ziel);
    EXPECT_EQ(laden(ziel), "ModelBegin\r\n\xEF\xBB\xBF# x\r\n");
    d.lesen(datei);
    NeuesDokument(*d.s);
    RwxSchreiben(*d.s, ziel);
    EXPECT_EQ(laden(ziel).substr(0, 10), "ModelBegin");
}

TEST(RwxSchreiben, FehlschlagMeldetUndLaesstAllesStehen) {
    TempOrdner ordner;
    fs::create_directory(ordner / "ordner");
    const std::vector<std::string> ziele = {"", ordner / "ordner", ordner / "fehlt/m.rwx"};
    for (const auto& ziel : ziele) {
        Dokument d;
        NeueZeilen(*d.s);
        RwxSchreiben(*d.s, ziel);
        EXPECT_EQ(d.meldungstexte(), std::vector<std::string>{"Da stimmt was nicht"}) << ziel;
        EXPECT_EQ(d.s->TextList.anzahl(), 7);
    }
    EXPECT_EQ(ordner.inhalt(), std::vector<std::string>{"ordner"});
    EXPECT_TRUE(fs::is_empty(ordner / "ordner"));
}

}  // namespace
}  // namespace nuk
