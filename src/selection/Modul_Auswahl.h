// Ties the drawing window to TextList: the mouse mode, the read-out caption,
// marking by rectangle, clearing all marks, and the two list cursors.
#pragma once

#include "model/Variablen.h"

namespace nuk {

// 1 "Lupe", 2 "Bewegungen", 3 "Auswahl"; presses that toolbar button alone
// and shows the mode's pointer.
void ModusSetzen(State& s, int16_t m);
// The point under the pointer, highest number first, or the bare position.
void StatusZeigen(State& s, float x, float y);
// Ticks (left button at mouse-down) or clears the rows of the points strictly
// inside the rectangle; a side shorter than Fangweite becomes a strip around x1 / y1.
void RechteckMarkieren(State& s, float x1, float y1, float x2, float y2);
void AuswahlNeu(State& s);
// Both list cursors onto the file row AktZeile.
void ZeilenAbgleichen(State& s);

}  // namespace nuk
