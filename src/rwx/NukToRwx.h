// Saving: the file text of every row, one row per line.
#pragma once

#include <string>

#include "model/Variablen.h"

namespace nuk {

// What saving writes: everything after each row's first ">", each line ended
// by CR LF; with bom, the byte-order mark the file began with in front.
std::string RwxText(const Liste& TextList, bool bom = false);
// What "Speichern" writes of the document: its rows after the mark its file
// began with.
std::string RwxText(const State& s);

// Writes the rows to pfad; a failure shows "Da stimmt was nicht" and leaves an
// existing file as it was. True when the file was written.
bool RwxSchreiben(State& s, const std::string& pfad);

}  // namespace nuk
