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

// While the whole model takes part, a row that no record of the first clump
// stands for but the whole model knows: its points and faces, or any item
// outside the first clump. Such a row has no record to look up.
bool NurGanzesModell(const State& s, int zeile);

// Unticks those of them the linkage pass would look up, when the whole model
// stops taking part: without it they have no record to show or count, and
// every sync would report each of them as a failed look-up.
void NurGanzesAbhaken(State& s);

}  // namespace nuk
