// The permitted command words (befehle.txt) and the line check.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "model/Variablen.h"

namespace nuk {

// The five prepared lines shown when the command list cannot be loaded.
extern const char* const BefehlslisteFehlt;

// The command list window is loaded: its size, then the list.
void BefehlsPad_Form_Load(State& s);

// Loads the command list from AppPfad + "befehle.txt" unless it is loaded;
// an installed program has it in its data folder instead (Datenordner).
// When no file can be read it shows BefehlslisteFehlt, leaves the list
// empty and not loaded, and returns false, so a later call tries again.
bool BefehleLaden(State& s);
// The same from the one file; melden false: without the message.
bool BefehleLaden(State& s, const std::string& datei, bool melden = true);

// Where an installed program keeps its data, seen from its own folder
// (with a trailing "/").
std::string Datenordner(const std::string& programmOrdner);

// The entries of BefehlsList, for exact look-ups.
class Befehlssatz {
  public:
    explicit Befehlssatz(const Liste& BefehlsList);
    bool enthaelt(std::string_view wort) const;

  private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view w) const { return std::hash<std::string_view>{}(w); }
    };
    std::unordered_set<std::string, Hash, std::equal_to<>> woerter_;
    // Rows come in runs of one command word; the last answer saves the hashing.
    mutable std::string letztes_;
    mutable bool letztesGilt_ = false;
    mutable bool letztesBekannt_ = false;
};

enum class Fehlergrund { keiner, unbekannterBefehl, unzulaessigesZeichen };

struct Befund {
    Fehlergrund grund = Fehlergrund::keiner;
    std::string wort;    // the command word, when it is not listed
    size_t zeichen = 0;  // 0-based place in the row of the character not permitted
};

// Why the line check flags a row: its command word is not listed, or its line
// holds, before any comment, a character outside . + - TAB blank # 0-9 A-Z a-z.
Befund ZeileBefund(std::string_view zeile, const Befehlssatz& befehle);
bool ZeileFehlerhaft(std::string_view zeile, const Befehlssatz& befehle);

// Menu "Fehlerhaftes": clears all marks, then relabels and ticks every row the
// line check flags. Without a command list it changes nothing.
void FehlerhafteMarkieren(State& s);

// The rows of TextList the line check flags, ascending.
std::vector<int> FehlerhafteZeilen(const State& s, const Befehlssatz& befehle);

// The row text with its label replaced by a check's flag: S(i), art ("f" for
// the line check, "g" for the geometry), then everything from the first TAB on.
std::string FehlerKennung(int i, std::string_view zeile, char art = 'f');

}  // namespace nuk
