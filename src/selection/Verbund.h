// Spreading marks between points and the objects that use them: the counters
// of one pass and the derived rows of the selection list.
#pragma once

#include <cstdint>

#include "model/Variablen.h"

namespace nuk {

// AuswahlBereinigen, ZaehlerLoeschen, VerbundZaehlen, VerbundMarkieren.
void VerbundBerechnen(State& s);

// Drops the copies whose file row is no longer ticked, from the last row down.
void AuswahlBereinigen(State& s);
void ZaehlerLoeschen(State& s);
// Counts the ticked "vertex" copies into the objects, and marks the corners of
// ticked object copies.
void VerbundZaehlen(State& s);
// Appends the derived rows: corners of marked objects (when "von markierten
// Objekte" is ticked), then objects that reach Schwelle.
void VerbundMarkieren(State& s);

}  // namespace nuk
