// The word scanner and the numbers: how every line of .rwx text is understood.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "model/Fehlschlag.h"

namespace nuk {

// Takes the next word of text after position pos (1-based, the last character
// consumed; 0 at the start) and leaves pos on the character that ended it, or
// one past the end. A..Z are lowered; "#" ends a word. The 16-bit form is the
// reader's: advancing pos past 32767 raises Fehlschlag.
void NaechstesWort(std::string_view text, int16_t& pos, std::string& wort);
std::string NaechstesWort(std::string_view text, int16_t& pos);
// The checks' form, without the 16-bit limit.
void NaechstesWort(std::string_view text, int64_t& pos, std::string& wort);

// The same scan, giving the word as it stands in the text, A..Z not yet
// lowered. Inline, because the reader calls it for every word of a file.
template <class PosT>
inline std::string_view NaechstesWortRoh(std::string_view text, PosT& pos) {
    // Every step advances pos by one; the last position it may step from is the
    // type's maximum, so the scan fails once it would end beyond that.
    constexpr int64_t grenze = std::numeric_limits<PosT>::max();
    const int64_t laenge = static_cast<int64_t>(text.size());
    auto zeichen = [&](int64_t stelle) {  // 1-based
        return static_cast<unsigned char>(text[static_cast<size_t>(stelle - 1)]);
    };
    int64_t p = pos;
    // Skip phase: the character at the incoming pos counts as consumed.
    do {
        if (p >= grenze) throw Fehlschlag("Scannerposition über 32767");
        ++p;
        if (p > laenge) {
            pos = static_cast<PosT>(p);
            return {};
        }
    } while (zeichen(p) <= ' ');
    int64_t q = p;
    while (q <= laenge && q <= grenze) {
        const unsigned char c = zeichen(q);
        if (c <= ' ' || c == '#') break;
        ++q;
    }
    if (q > grenze) throw Fehlschlag("Scannerposition über 32767");
    pos = static_cast<PosT>(q);
    return text.substr(static_cast<size_t>(p - 1), static_cast<size_t>(q - p));
}

// The command word of a row: the first word after its first ">" (or of the
// whole row when it has none). pos receives the position after the word.
std::string Befehlswort(std::string_view zeile, int64_t* pos = nullptr);
// The same word as it stands in the row, A..Z not yet lowered.
std::string_view BefehlswortRoh(std::string_view zeile, int64_t* pos = nullptr);
// True when roh, with A..Z lowered, is the lower-case word w.
bool IstWort(std::string_view roh, std::string_view w);
// The word with A..Z lowered and every other character as it is.
std::string Klein(std::string_view roh);

// The value of a word: its longest leading decimal number (sign, digits, one
// ".", exponent with e or d), or &h / &o digits; 0 without one. A value beyond
// the double range raises Fehlschlag.
double Wert(std::string_view wort);
// Rounded to float32; a value that rounds beyond its range raises Fehlschlag.
float AlsSingle(double v);
// Rounded to an integer, halves to even; outside -32768..32767 raises Fehlschlag.
int16_t AlsInteger(double v);

}  // namespace nuk
