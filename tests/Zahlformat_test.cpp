// The one number format of captions, labels and nukcheck's dump.
#include <gtest/gtest.h>

#include <cfloat>
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

}  // namespace
}  // namespace nuk
