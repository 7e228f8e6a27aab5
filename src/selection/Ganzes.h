// The whole model in marking: the rows its points and faces belong to.
#pragma once

#include <cstdint>
#include <span>

#include "model/Variablen.h"

namespace nuk {

// After a read: the row of every whole-model point and face, from the file
// line of every item begun, row by row; and what each row stands for.
void GanzesModellZuordnen(State& s, std::span<const int32_t> quellzeilen);

// The row of a file line: the first item begun on it, or the item it
// continues; -1 past the rows.
int ZeileVonLinie(const State& s, int32_t linie);

// A row that stands for points or faces of the whole model but for no record
// of the first clump, while the whole model takes part: such a row has no
// record to look up.
bool NurGanzesModell(const State& s, int zeile);

// Unticks the rows that stand only for points or faces of the whole model:
// without it they have no record to show or count, and every sync would
// report each of them as a failed look-up.
void NurGanzesAbhaken(State& s);

}  // namespace nuk
