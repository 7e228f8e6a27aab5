// Saving: the file text of every row, one row per line.
#pragma once

#include <string>

#include "model/Variablen.h"

namespace nuk {

// What saving writes: everything after each row's first ">", each line ended by CR LF.
std::string RwxText(const Liste& TextList);

// Writes the rows to pfad; a failure shows "Da stimmt was nicht" and leaves an
// existing file as it was.
void RwxSchreiben(State& s, const std::string& pfad);

// Menu "Speichern als": the save dialog; the name chosen becomes the document's file.
void SpeichernUnter(State& s);
// Menu "Speichern": the document's file, without a dialog.
void DateiSpeichern(State& s);

}  // namespace nuk
