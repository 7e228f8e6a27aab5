// The row form: label, TAB, ">", file text.
#include <gtest/gtest.h>

#include "model/Zeilenform.h"

namespace nuk {
namespace {

TEST(Zeilenform, MarkerUndDateitext) {
    EXPECT_EQ(ZeilenText(" 12:", "Vertex 1 2 3"), " 12:\t>Vertex 1 2 3");
    EXPECT_EQ(MarkerPosition(":\t>a>b"), 3);
    EXPECT_EQ(MarkerPosition("ohne"), 0);
    EXPECT_EQ(Dateitext(":\t>a>b"), "a>b");
    EXPECT_EQ(Dateitext("ohne"), "ohne");
}

}  // namespace
}  // namespace nuk
