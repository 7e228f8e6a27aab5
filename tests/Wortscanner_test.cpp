// The word scanner and numbers: how every line is understood.
#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "rwx/Wortscanner.h"

namespace nuk {
namespace {

struct WortFall {
    std::string text;
    std::vector<std::pair<std::string, int>> woerter;  // word, pos after the call
};

TEST(NaechstesWort, LiefertWoerterUndPositionen) {
    const std::vector<WortFall> faelle = {
        {"Vertex 1.5 -2 3", {{"vertex", 7}, {"1.5", 11}, {"-2", 14}, {"3", 16}, {"", 17}}},
        {"ClumpBegin#x", {{"clumpbegin", 11}, {"x", 13}}},
        {"  # Kommentar", {{"", 3}, {"kommentar", 14}}},
        {"\xC4"
         "BC",
         {{"\xC4"
           "bc",
           4}}},
        {"", {{"", 1}, {"", 2}}},
        {"a\tb", {{"a", 2}, {"b", 4}}},
        {"x!\x01y", {{"x!", 3}, {"y", 5}}},
        {"#", {{"", 1}, {"", 2}}},
    };
    for (const auto& f : faelle) {
        int16_t pos = 0;
        for (const auto& [wort, nach] : f.woerter) {
            EXPECT_EQ(NaechstesWort(f.text, pos), wort) << f.text;
            EXPECT_EQ(pos, nach) << f.text << " / " << wort;
        }
    }
}

TEST(NaechstesWort, ScheitertErstWennDerScanPosition32767Ueberschreitet) {
    std::string wort;
    // A word that ends exactly at position 32767 needs one more step: past the limit.
    for (const auto& [laenge, scheitert] :
         std::vector<std::pair<size_t, bool>>{{32766, false}, {32767, true}, {40000, true}}) {
        const std::string text(laenge, 'a');
        int16_t pos = 0;
        if (scheitert)
            EXPECT_THROW(NaechstesWort(text, pos, wort), Fehlschlag) << laenge;
        else
            EXPECT_NO_THROW(NaechstesWort(text, pos, wort)) << laenge;
    }
    // Blanks count as much as word characters.
    const std::string blanks = std::string(32767, ' ') + "x";
    int16_t pos = 0;
    EXPECT_THROW(NaechstesWort(blanks, pos, wort), Fehlschlag);
    // A long text is fine while the scan stays short.
    const std::string lang = "Vertex " + std::string(40000, 'a');
    pos = 0;
    EXPECT_EQ(NaechstesWort(lang, pos), "vertex");
    // The checks' form has no such limit.
    int64_t weit = 0;
    NaechstesWort(std::string(40000, 'B'), weit, wort);
    EXPECT_EQ(weit, 40001);
    EXPECT_EQ(wort, std::string(40000, 'b'));
}

TEST(Befehlswort, IstDasErsteWortNachDemMarker) {
    const std::vector<std::pair<std::string, std::string>> faelle = {
        {" 1:\t>Vertex 0 0 0", "vertex"},
        {":\t>Triangle 1 2 3", "triangle"},
        {":\t>#Vertex", ""},
        {"\t>  ModelBEGIN # x", "modelbegin"},
        {"Quad 1 2 3 4", "quad"},  // no marker: the whole row
        {" 3:\t>Vertex 1 2 3 # a > b", "vertex"},
        {"x>y\t>z", "y"},
    };
    for (const auto& [zeile, wort] : faelle) EXPECT_EQ(Befehlswort(zeile), wort) << zeile;
}

TEST(Wert, LiestDenLaengstenZahlanfang) {
    const std::vector<std::pair<std::string, double>> faelle = {
        {"1e3", 1000}, {"1.5", 1.5},   {"-.25", -0.25}, {"+2", 2},
        {"5.", 5},     {"1.2.3", 1.2}, {"12abc", 12},   {"abc", 0},
        {"", 0},       {".", 0},       {"-", 0},        {"--1", 0},
        {"1d2", 100},  {"1e", 1},      {"1e+", 1},      {"2e-1", 0.2},
        {".e5", 0},    {"&h1f", 31},   {"&o17", 15},    {"&hffff", 65535},
        {"&h", 0},     {"&o9", 0},     {"&x1", 0},      {"&hfg", 15},
        {"1e-400", 0}, {"0.1", 0.1},   {"1E2", 100},    {"3e0000000000000000002", 300},
    };
    for (const auto& [wort, wert] : faelle) EXPECT_EQ(Wert(wort), wert) << wort;
    EXPECT_TRUE(std::signbit(Wert("-0")));
    EXPECT_TRUE(std::signbit(Wert("-1e-999")));
}

// Every decimal word rounds exactly as the correctly rounded conversion does,
// whichever way Wert takes to it.
TEST(Wert, RundetKorrekt) {
    std::mt19937_64 zufall(1);
    for (int i = 0; i < 200000; ++i) {
        std::string wort = (zufall() & 1) ? "-" : "";
        const int ganz = static_cast<int>(zufall() % 12), bruch = static_cast<int>(zufall() % 25);
        for (int k = 0; k < ganz; ++k) wort += static_cast<char>('0' + zufall() % 10);
        wort += '.';
        for (int k = 0; k < bruch; ++k) wort += static_cast<char>('0' + zufall() % 10);
        if (zufall() % 4 == 0) wort += "e" + std::to_string(static_cast<int>(zufall() % 40) - 20);
        if (ganz + bruch == 0) continue;
        double erwartet = 0;
        std::from_chars(wort.data(), wort.data() + wort.size(), erwartet);
        ASSERT_EQ(Wert(wort), erwartet) << wort;
    }
}

// &h and &o digits are one exact integer, rounded to a double once (the
// expected values are those exact integers, correctly rounded).
TEST(Wert, HexUndOktalRundenEinmal) {
    const std::vector<std::pair<std::string, double>> faelle = {
        {"&hd1b96c800000041", 0x1.a372d90000001p+59},
        {"&o16667665100000000021", 0x1.db7da90000001p+57},
        {"&h20000000000001", 0x1p+53},  // 2^53 + 1: a tie, to the even neighbour
        {"&h20000000000003", 0x1.0000000000002p+53},
        {"&h1fffffffffffffff8", 0x1p+65},
        {"&hffffffffffffffff0000000000000001", 0x1p+128},
        {"&o7777777777777777777777", 0x1p+66},
    };
    for (const auto& [wort, wert] : faelle) EXPECT_EQ(Wert(wort), wert) << wort;
}

TEST(Wert, ZuGrosseZahlenScheitern) {
    for (const char* wort :
         {"1e309", "-1e400", "1e99999999999999999999",
          "&h"
          "ffffffffffffffffffff"
          "ffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffff"
          "ffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffff"
          "ffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffff"
          "ffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffff"})
        EXPECT_THROW(Wert(wort), Fehlschlag) << wort;
    EXPECT_NO_THROW(Wert("0.00000000000000000000000000000000000000000000000000001e320"));
}

TEST(Zahlfelder, RundenUndGrenzen) {
    EXPECT_EQ(AlsSingle(0.1), 0.1f);
    EXPECT_EQ(AlsSingle(3.4028235e38), FLT_MAX);  // above FLT_MAX, but rounds onto it
    EXPECT_EQ(AlsSingle(-3.4028235e38), -FLT_MAX);
    EXPECT_THROW(AlsSingle(0x1.ffffffp127), Fehlschlag);  // halfway: rounds to infinity
    EXPECT_THROW(AlsSingle(1e39), Fehlschlag);
    EXPECT_THROW(AlsSingle(-3.4028236e38), Fehlschlag);
    const std::vector<std::pair<double, int16_t>> ganz = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.4999, 0}, {-32768.5, -32768}, {32767.4, 32767}};
    for (const auto& [wert, erwartet] : ganz) EXPECT_EQ(AlsInteger(wert), erwartet) << wert;
    for (double wert : std::vector<double>{32767.5, -32769.0, 40000.0, 1e39, NAN})
        EXPECT_THROW(AlsInteger(wert), Fehlschlag) << wert;
}

}  // namespace
}  // namespace nuk
