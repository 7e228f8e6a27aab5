// Items: how a file's bytes split into the pieces that become rows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nuk {

// Splits a file's bytes into items: blanks and TABs before an item are skipped;
// an item ends at a comma, a line end (CR LF, CR, LF) or the end; double
// quotation marks are dropped, and an item that starts with one keeps commas
// up to the closing one.
class ItemLeser {
  public:
    explicit ItemLeser(std::string_view daten) : d_(daten) {}
    // Skips blanks and TABs; false when nothing else is left.
    bool weiter();
    // The item that weiter() found; requires weiter() to have said true.
    void lesen(std::string& item);
    // 1-based line of the current position.
    int32_t zeile() const { return zeile_; }

    // Scratch of ZeileLesen, kept here so a read allocates it once.
    std::string item;

  private:
    void zeilenendeUeberspringen();
    std::string_view d_;
    size_t pos_ = 0;
    int32_t zeile_ = 1;
};

// The UTF-8 byte-order mark many Windows editors put at the start of a file.
inline constexpr std::string_view Bom = "\xEF\xBB\xBF";
// The text without a byte-order mark at its very start.
std::string_view OhneBom(std::string_view daten);

// The items of a whole text, as the command list is read.
std::vector<std::string> ItemsLesen(std::string_view daten);

}  // namespace nuk
