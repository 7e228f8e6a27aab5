// The item rule: how a file's bytes split into rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rwx/ItemLeser.h"

namespace nuk {
namespace {

struct ItemFall {
    const char* name;
    std::string daten;
    std::vector<std::string> items;
    std::vector<int32_t> zeilen;  // where each item begins
};

TEST(ItemLeser, ZerlegtDateienNachDerItemRegel) {
    const std::vector<ItemFall> faelle = {
        {"Zeilenenden", "a\r\nb\rc\nd", {"a", "b", "c", "d"}, {1, 2, 3, 4}},
        {"Blanks vorne weg, hinten bleiben", " \t a b  \n", {"a b  "}, {1}},
        {"Leere Zeile", "a\n\nb\n", {"a", "", "b"}, {1, 2, 3}},
        {"Kommas", "Vertex 1,5 2 3\n", {"Vertex 1", "5 2 3"}, {1, 1}},
        {"Komma am Zeilenende", "a,\nb", {"a", "", "b"}, {1, 1, 2}},
        {"Komma als letztes Byte", "a,", {"a"}, {1}},
        {"Nur Blanks am Ende", "a\n  \t ", {"a"}, {1}},
        {"Anführungszeichen", "\"a,b\"c\"d\",e\n", {"a,bcd", "e"}, {1, 1}},
        {"Anführungszeichen mitten im Item", "ab\"c\n", {"abc"}, {1}},
        {"Offen bis Zeilenende", "\"a,b\nc", {"a,b", "c"}, {1, 2}},
        {"Offen bis Dateiende", "\"a, b", {"a, b"}, {1}},
        {"Leeres Zitat", "\"\"\n", {""}, {1}},
        {"CR LF zählt einmal", "a\r\n\r\nb", {"a", "", "b"}, {1, 2, 3}},
        {"Leere Datei", "", {}, {}},
        {"NUL und Bytes über 127", std::string("a\0\xff", 3), {std::string("a\0\xff", 3)}, {1}},
    };
    for (const auto& f : faelle) {
        ItemLeser leser(f.daten);
        std::vector<std::string> items;
        std::vector<int32_t> zeilen;
        std::string item;
        while (leser.weiter()) {
            zeilen.push_back(leser.zeile());
            leser.lesen(item);
            items.push_back(item);
        }
        EXPECT_EQ(items, f.items) << f.name;
        EXPECT_EQ(zeilen, f.zeilen) << f.name;
        EXPECT_EQ(ItemsLesen(f.daten), f.items) << f.name;
    }
}

// Long runs are searched many bytes at a time; a delimiter at any place of
// such a run must still end the item there.
TEST(ItemLeser, TrennerAnJederStelleLangerZeilen) {
    for (size_t k = 0; k < 40; ++k) {
        const std::string a(k, 'a');
        EXPECT_EQ(ItemsLesen(a + ",b\"c\r\nd"), (std::vector<std::string>{a, "bc", "d"})) << k;
        EXPECT_EQ(ItemsLesen("\"" + a + ",\"x\ry"), (std::vector<std::string>{a + ",x", "y"})) << k;
        EXPECT_EQ(ItemsLesen(a + "\n" + a + "x"), (std::vector<std::string>{a, a + "x"})) << k;
    }
}

}  // namespace
}  // namespace nuk
