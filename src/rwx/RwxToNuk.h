// The reader: a file's items become rows, and the first clump's vertex,
// triangle, quad and polygon lines become records of the model tables.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/Variablen.h"
#include "rwx/ItemLeser.h"

namespace nuk {

Punkt VertexLesen(State& s, std::string_view text, int16_t& pos, int16_t zeile);
Dreieck DreieckLesen(State& s, std::string_view text, int16_t& pos, int16_t zeile);
Viereck ViereckLesen(State& s, std::string_view text, int16_t& pos, int16_t zeile);
Polygon PolygonLesen(State& s, std::string_view text, int16_t& pos, int16_t zeile);

void ClumpBeginMerken(State& s, std::string& kennung, int16_t& Zustand);
void ClumpEndMerken(std::string& kennung, int16_t& Zustand);

// Reads one item, acts on its command word and appends its row.
void ZeileLesen(State& s, ItemLeser& datei, int16_t& Zustand);

// Reads a whole file into rows and tables. A failure shows "Da stimmt was nicht";
// what was read before it stays, numbered. False when the read failed. A
// byte-order mark at the start is not part of the first item; Herkunft.bom
// notes it, so that saving can write it back.
bool RwxLesen(State& s, const std::string& pfad, std::vector<int32_t>* quellzeilen = nullptr);
// The same on bytes already loaded. quellzeilen receives the 1-based file line
// of every item begun, row by row (one more than the rows when the read failed
// on an item).
bool RwxLesenAus(State& s, std::string_view daten, std::vector<int32_t>* quellzeilen = nullptr);

}  // namespace nuk
