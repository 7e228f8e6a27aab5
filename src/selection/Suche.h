// Look-ups between rows and records, and between the two lists. Each gives the
// answer of a plain scan (lowest record, highest list row), through an index.
#pragma once

#include <cstdint>

#include "model/Variablen.h"

namespace nuk {

// The record whose Zeile is the TextList row; -1 after FehlerMelden when none is.
int16_t SuchePunkt(State& s, int16_t zeile);
int16_t SucheDreieck(State& s, int16_t zeile);
int16_t SucheViereck(State& s, int16_t zeile);
int16_t SuchePolygon(State& s, int16_t zeile);

// The TextList row carrying the key of the AuswahlList row; -1 after FehlerMelden.
int16_t TextZeileVonAuswahl(State& s, int16_t auswahlZeile);
// The AuswahlList row carrying the key of the TextList row; -1 when none does.
int16_t AuswahlZeileVonText(const State& s, int16_t textZeile);

// Keys are 16-bit: an item value beyond that finds no row either way.
constexpr bool IstZeilenschluessel(int32_t wert) {
    return wert >= -32768 && wert <= 32767;
}

}  // namespace nuk
