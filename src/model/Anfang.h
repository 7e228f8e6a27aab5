// The row form of the document and the reset that starts every document.
#pragma once

#include <string>
#include <string_view>

#include "model/Variablen.h"

namespace nuk {

// A row is its label, a TAB, the marker ">" and the file text.
std::string ZeilenText(std::string_view kennung, std::string_view dateitext);
// 1-based position of the first ">", 0 when the row has none.
int MarkerPosition(std::string_view zeile);
// Everything after the first ">", or the whole row when it has none.
std::string_view Dateitext(std::string_view zeile);

// Item value of every TextList row := its index.
void ZeilenNummerieren(State& s);

void ListenLeeren(State& s);
void Zuruecksetzen(State& s);
// The seven rows of a new document, numbered.
void NeueZeilen(State& s);

}  // namespace nuk
