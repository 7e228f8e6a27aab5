// What nukcheck does with one file, apart from the command line.
#pragma once

#include <array>
#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/Variablen.h"
#include "selection/BefehlsPad.h"

namespace nukcheck {

// Buffered output to a stream or, for tests, to a string.
class Ausgabe {
  public:
    explicit Ausgabe(std::FILE* datei) : datei_(datei) {}
    explicit Ausgabe(std::string* ziel) : ziel_(ziel) {}
    ~Ausgabe() { leeren(); }
    Ausgabe(const Ausgabe&) = delete;
    Ausgabe& operator=(const Ausgabe&) = delete;

    Ausgabe& operator<<(std::string_view text);
    Ausgabe& operator<<(char c);
    Ausgabe& operator<<(long zahl);
    // Bytes taken as Latin-1, written as UTF-8.
    void latin1(std::string_view text);
    // UTF-8 for a person's terminal: control characters (below 0x20 but TAB,
    // 0x7F, U+0080 to U+009F) as \xHH, so a file cannot steer the terminal.
    void sichtbar(std::string_view text);
    void leeren();

  private:
    // Where n more bytes go, after flushing if need be; null when n exceeds the buffer.
    char* platz(size_t n);
    void schreiben(std::string_view text);

    std::FILE* datei_ = nullptr;
    std::string* ziel_ = nullptr;
    char puffer_[1 << 16];
    size_t voll_ = 0;
};

enum Status { sauber = 0, befunde = 1, unlesbar = 2 };

class Texturordner;

// The rules switched on: all but those of ohne, and with nur only those.
struct Regelwahl {
    std::set<std::string, std::less<>> ohne;
    std::optional<std::set<std::string, std::less<>>> nur;
    bool an(std::string_view id) const { return !ohne.contains(id) && (!nur || nur->contains(id)); }
};

// What a file's check writes.
struct Form {
    enum Art { Bericht, Dump, Json, Sarif } art = Bericht;
    bool mitModell = true;  // the whole model's findings, the rules and counts
    Regelwahl regeln;
    Texturordner* texturen = nullptr;  // with --texturen
};

struct Diagnose {
    int32_t zeile;           // file line, -1 without one
    std::string_view regel;  // its rule's id
    std::string text;        // UTF-8, one line
};

// What a file's check found, apart from the file's name.
struct Bericht {
    Status status = sauber;
    std::vector<Diagnose> diagnosen;  // in line order, those without a line last
    long zahl[3] = {};                // by severity: errors, warnings, notes
    int zeilen = -1, punkte = 0, dreiecke = 0, vierecke = 0, polygone = 0;  // the viewer's
    bool mitModell = true;
    int clumps = 0;
    size_t modellPunkte = 0, flaechen = 0, kanten = 0;
    std::optional<std::array<float, 6>> umfang;  // of the whole model, if it has points
};

// The check of a file's bytes (none: it could not be read), without the dump.
Bericht Pruefen(nuk::State& s, nuk::AufzeichnenderHost& host,
                const std::optional<std::string>& daten, const nuk::Befehlssatz* befehle,
                const Form& form);

// The report or JSON line of a check under a name.
void Schreiben(const std::string& name, const Bericht& b, const Form& form, Ausgabe& aus);

// Reads the file's bytes as "Öffnen" does (reset, read, numbering), then runs
// the hierarchy check, given a command list the line check, and the whole
// model with the rules. Writes the diagnostics in line order and the summary,
// or the machine form, or one JSON line, under the name. Rules switched off
// by the form or by a
// "# nukcheck: ohne RULE" comment (on the line, or before ModelBegin for the
// file) are left out. Without bytes (the file could not be read) the report
// is left to the caller, and the status is unlesbar.
Status DateiPruefen(nuk::State& s, nuk::AufzeichnenderHost& host, const std::string& name,
                    const std::optional<std::string>& daten, const nuk::Befehlssatz* befehle,
                    const Form& form, Ausgabe& aus);

}  // namespace nukcheck
