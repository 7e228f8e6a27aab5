// Spreading marks between points and the objects that use them: the counters
// of one pass and the derived rows of the selection list.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/Variablen.h"

namespace nuk {

// AuswahlBereinigen, ZaehlerLoeschen, VerbundZaehlen, VerbundMarkieren, and
// the selection list made what they say.
void VerbundBerechnen(State& s);

// A row of AuswahlList that stays, and its file row.
struct Bleibend {
    int zeile;
    int16_t textZeile;
};
// The copies whose file row is still ticked, in the list's order. The rows are
// looked up from the last row down, so that failed look-ups are reported in
// that order; the list itself changes only at the end of the pass.
std::vector<Bleibend> AuswahlBereinigen(State& s);
void ZaehlerLoeschen(State& s);
// Counts the ticked "vertex" copies into the objects, and marks the corners of
// ticked object copies.
void VerbundZaehlen(State& s, std::span<const Bleibend> bleiben);
// The selection list as the pass leaves it: the rows that stay, then the
// derived rows, unticked: corners of marked objects (when "von markierten
// Objekte" is ticked), then objects that reach Schwelle. A derived row of the
// last pass that is derived again stays the row it is.
std::vector<Liste::Neu> VerbundMarkieren(const State& s, std::span<const Bleibend> bleiben);
// The same rules over the whole model: the rows of the corners of faces whose
// row is ticked (with "von markierten Objekte"), and of the faces with at
// least Schwelle ticked corners; in file order.
std::vector<int> GanzesAbgeleitet(const State& s, std::span<const Bleibend> bleiben);

}  // namespace nuk
