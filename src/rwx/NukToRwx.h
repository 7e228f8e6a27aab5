// Saving: the file text of every row, one row per line.
#pragma once

#include <string>

#include "model/Variablen.h"

namespace nuk {

// What saving writes: everything after each row's first ">", each line ended
// by CR LF; with bom, the byte-order mark the file began with in front.
std::string RwxText(const Liste& TextList, bool bom = false);

// Writes the rows to pfad; a failure shows "Da stimmt was nicht" and leaves an
// existing file as it was. True when the file was written.
bool RwxSchreiben(State& s, const std::string& pfad);

// What "Speichern" shows instead of writing a file that was not read to its end.
extern const char* const NichtGanzGelesen;

// Menu "Speichern als": the save dialog; the name chosen becomes the document's
// file and caption once the rows are written there.
void SpeichernUnter(State& s);
// Menu "Speichern": the document's file, without a dialog; refused while the
// rows are not the whole file.
void DateiSpeichern(State& s);

}  // namespace nuk
