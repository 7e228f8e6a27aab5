// Marks: the linkage rules of the menu, marking unused points, listing a file
// row in the selection list, and the sync that the timer's tick runs.
#pragma once

#include <cstdint>

#include "model/Variablen.h"

namespace nuk {

// Ticks the row of every point that no triangle, quad or polygon uses.
void PunkteOhneObjekte(State& s);

// Appends an unticked copy of the TextList row to AuswahlList unless the row
// is listed already; the new row, or -1 when none was appended.
int ZeileAufnehmen(State& s, int16_t zeile);

// The linkage pass, then both list cursors back on the current row.
void MarkierungenAbgleichen(State& s);

}  // namespace nuk
