// The one number format of captions, labels and nukcheck's dump.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

#include "model/Text.h"
#include "model/Zahlformat.h"

namespace nuk {
namespace {

TEST(Zahlformat, Single) {
    const std::vector<std::pair<float, const char*>> faelle = {
        {0.0f, " 0"},
        {-0.0f, " 0"},
        {3.0f, " 3"},
        {-1000.0f, "-1000"},
        {0.5f, " .5"},
        {-0.25f, "-.25"},
        {1.5f, " 1.5"},
        {0.1f, " .1"},
        {12.345f, " 12.345"},
        {1e7f, " 1E+07"},
        {1234567.0f, " 1234567"},
        {12345678.0f, " 1.234568E+07"},
        {0.0001f, " .0001"},
        {0.00001f, " 1E-05"},
        {-1.5e-7f, "-1.5E-07"},
        {FLT_MAX, " 3.402823E+38"},
        {1.0f / 3.0f, " .3333333"},
        {-2.0f, "-2"},
    };
    for (const auto& [wert, text] : faelle) EXPECT_EQ(S(wert), text) << wert;
}

// The printf "%.7G" form turned into the program's: blank or minus in front,
// no zero before the point.
std::string nachPrintf(float v) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.7G", static_cast<double>(v));
    std::string r = buf;
    const bool negativ = r[0] == '-';
    if (negativ) r.erase(0, 1);
    if (r.size() > 1 && r[0] == '0' && r[1] == '.') r.erase(0, 1);
    return (negativ ? "-" : " ") + r;
}

// S takes a quick way for most floats; it must agree with the exact rounding
// everywhere, near powers of two and ten and on random bit patterns alike.
TEST(Zahlformat, WieGenauGerundet) {
    std::mt19937 zufall(5);
    std::vector<float> werte;
    for (int i = 0; i < 300000; ++i) {
        const uint32_t bits = zufall();
        float f;
        std::memcpy(&f, &bits, sizeof f);
        if (std::isfinite(f) && f != 0) werte.push_back(f);
    }
    for (int k = -45; k <= 38; ++k)
        for (float f = std::nextafter(std::pow(10.0f, static_cast<float>(k)), 0.0f), n = 0; n < 20;
             ++n, f = std::nextafter(f, FLT_MAX))
            werte.push_back(f);
    for (int k = -149; k <= 127; ++k)
        for (float f = std::ldexp(1.0f, k), n = 0; n < 6; ++n, f = std::nextafter(f, FLT_MAX))
            werte.push_back(std::nextafter(f, 0.0f)), werte.push_back(f);
    for (int i = 0; i < 100000; ++i)
        werte.push_back(static_cast<float>(static_cast<int>(zufall() % 2000001) - 1000000) /
                        1000.0f);
    for (float f : {9999999.5f, 9999999.0f, 99999.995f, 0.00009999999f, 1234567.5f, 1.0f / 3})
        werte.push_back(f);
    for (float f : werte) {
        if (f == 0) continue;  // zero has its own rule: no sign
        ASSERT_EQ(S(f), nachPrintf(f)) << f;
        ASSERT_EQ(S(-f), nachPrintf(-f)) << f;
    }
}

TEST(Zahlformat, Ganzzahl) {
    EXPECT_EQ(S(12), " 12");
    EXPECT_EQ(S(0), " 0");
    EXPECT_EQ(S(-7), "-7");
    EXPECT_EQ(S(32767), " 32767");
}

TEST(Text, Latin1WirdUtf8) {
    EXPECT_EQ(Latin1ZuUtf8("a\xC4\xFF"), "aÄÿ");
    EXPECT_EQ(Latin1ZuUtf8(std::string("\0b", 2)), std::string("\0b", 2));
}

// A translation may put the values in another order; what a value brings is
// never replaced in its turn, and a number without a value stays as it is.
TEST(Text, Einsetzen) {
    struct Fall {
        const char *muster, *erster, *zweiter, *soll;
    };
    const Fall faelle[] = {
        {"%1 und %2", "a", "b", "a und b"},  {"%2 und %1", "a", "b", "b und a"},
        {"%1%1", "ab", "", "abab"},          {"<%1>", "%2", "b", "<%2>"},
        {"<%2>", "a", "%1", "<%1>"},         {"%3 %1", "a", "b", "%3 a"},
        {"%0 %1", "a", "b", "%0 a"},         {"5 % von %1 %", "a", "b", "5 % von a %"},
        {"Fläche %2", "ä", "ü", "Fläche ü"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(Einsetzen(f.muster, {f.erster, f.zweiter}), f.soll) << f.muster;
    EXPECT_EQ(Einsetzen("%1 %2", {"a"}), "a %2");
    EXPECT_EQ(Einsetzen("ohne", {}), "ohne");
}

}  // namespace
}  // namespace nuk
