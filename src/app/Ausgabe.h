// The drawing window's mouse handlers. The shell forwards its events here with
// the button state (bit 1 left, 2 right, 4 middle) and the position in drawing units.
#pragma once

#include "model/Variablen.h"

namespace nuk::Ausgabe {

void Form_MouseDown(State& s, int16_t Button, int16_t Shift, float X, float Y);
void Form_MouseMove(State& s, int16_t Button, int16_t Shift, float X, float Y);
void Form_MouseUp(State& s, int16_t Button, int16_t Shift, float X, float Y);
void Form_Click(State& s);
void Form_DblClick(State& s);
// The mouse wheel, rasten whole notches (in: positive) at (X, Y): each notch
// zooms as a click of the left (in) or right (out) button does in "Lupe",
// whatever the mode.
void Mausrad(State& s, int rasten, float X, float Y);

}  // namespace nuk::Ausgabe
