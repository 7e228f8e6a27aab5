// Reading .rwx text: the word scanner, numbers, items, and the reader that
// turns a file into rows and the first clump into the model tables.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/Variablen.h"

namespace nuk {

// Takes the next word of text after position pos (1-based, the last character
// consumed; 0 at the start) and leaves pos on the character that ended it, or
// one past the end. A..Z are lowered; "#" ends a word. The 16-bit form is the
// reader's: advancing pos past 32767 raises Fehlschlag.
void NaechstesWort(std::string_view text, int16_t& pos, std::string& wort);
std::string NaechstesWort(std::string_view text, int16_t& pos);
// The checks' form, without the 16-bit limit.
void NaechstesWort(std::string_view text, int64_t& pos, std::string& wort);

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

Punkt VertexLesen(State& s, std::string_view text, int16_t& pos, int16_t zeile);
Dreieck DreieckLesen(State& s, std::string_view text, int16_t& pos, int16_t zeile);
Viereck ViereckLesen(State& s, std::string_view text, int16_t& pos, int16_t zeile);
Polygon PolygonLesen(State& s, std::string_view text, int16_t& pos, int16_t zeile);

void ClumpBeginMerken(State& s, std::string& kennung, int16_t& Zustand);
void ClumpEndMerken(std::string& kennung, int16_t& Zustand);

// Reads one item, acts on its command word and appends its row.
void ZeileLesen(State& s, ItemLeser& datei, int16_t& Zustand);

// Reads a whole file into rows and tables. A failure shows "Da stimmt was nicht";
// what was read before it stays, numbered. False when the read failed. A
// byte-order mark at the start is not part of the first item; Herkunft.bom
// notes it, so that saving can write it back.
bool RwxLesen(State& s, const std::string& pfad, std::vector<int32_t>* quellzeilen = nullptr);
// The same on bytes already loaded. quellzeilen receives the 1-based file line
// of every item begun, row by row (one more than the rows when the read failed
// on an item).
// Menu "Öffnen": the open dialog, then the file it names replaces the
// document. Cancelling shows "Eben nich" and leaves the document as it is.
void DateiOeffnen(State& s);
// Menu "Aktualisieren": the dialog's current file read again.
void DateiNeuLaden(State& s);

bool RwxLesenAus(State& s, std::string_view daten, std::vector<int32_t>* quellzeilen = nullptr);

}  // namespace nuk
