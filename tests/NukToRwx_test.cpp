// Saving: what the writer puts on disk, how it replaces files, and the real
// files of the corpus read, saved and read again.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include <filesystem>
#include <string>
#include <vector>

#include "Hilfen.h"
#include "model/Datei.h"
#include "rwx/NukToRwx.h"

namespace nuk {
namespace {

namespace fs = std::filesystem;
using test::Dokument;

class TempOrdner {
  public:
    TempOrdner() {
        pfad_ = fs::temp_directory_path() /
                ("nuk-test-" + std::to_string(::getpid()) + "-" + std::to_string(zaehler_++));
        fs::create_directories(pfad_);
    }
    ~TempOrdner() { fs::remove_all(pfad_); }
    std::string operator/(const std::string& name) const { return (pfad_ / name).string(); }
    std::vector<std::string> inhalt() const {
        std::vector<std::string> namen;
        for (const auto& e : fs::directory_iterator(pfad_)) namen.push_back(e.path().filename());
        std::sort(namen.begin(), namen.end());
        return namen;
    }

  private:
    fs::path pfad_;
    static inline int zaehler_ = 0;
};

std::string laden(const std::string& pfad) {
    std::string d;
    EXPECT_TRUE(DateiLaden(pfad, d)) << pfad;
    return d;
}

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

TEST(Korpus, LesenSpeichernUndWiederLesen) {
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
    }
    EXPECT_GT(gleich, 40);
}

}  // namespace
}  // namespace nuk
