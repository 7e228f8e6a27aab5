// Panning, turning, zooming and the fixed views of the drawing window.
#pragma once

#include "model/Variablen.h"

namespace nuk {

// Keeps the drawing point under the pointer that was under it at mouse-down.
void Verschieben(State& s, float X, float Y, float StartX, float StartY);
// Trackball turn from the rotation at mouse-down; projects and redraws.
void Drehen(State& s, float X, float Y, float StartX, float StartY);
// Rebuilds the coordinate system for the present Lupenfaktor so that (X, Y)
// keeps its place in the window, then redraws.
void LupeAnPunkt(State& s, float X, float Y);
// Index 0..5: "vorn", "hinten ", "oben", "unten", "links", "rechts".
void Seitenansicht(State& s, int16_t Index);

}  // namespace nuk
