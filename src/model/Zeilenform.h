// The row form of the document: a row is its label, a TAB, the marker ">" and
// the file text.
#pragma once

#include <string>
#include <string_view>

#include "model/Variablen.h"

namespace nuk {

std::string ZeilenText(std::string_view kennung, std::string_view dateitext);
// 1-based position of the first ">", 0 when the row has none.
int MarkerPosition(std::string_view zeile);
// Everything after the first ">", or the whole row when it has none.
std::string_view Dateitext(std::string_view zeile);

// Item value of every TextList row := its index.
void ZeilenNummerieren(State& s);

}  // namespace nuk
