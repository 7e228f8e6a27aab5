// The wire-frame picture of the drawing window, drawn from Bildpunkte in the
// window's coordinate system, and the fit of that system to the model.
#pragma once

#include "model/Variablen.h"

namespace nuk {

inline constexpr Farbe Rot{255, 0, 0};
inline constexpr Farbe Blau{0, 100, 255};
inline constexpr Farbe Gruen{0, 255, 0};
inline constexpr Farbe Cyan{0, 255, 255};
inline constexpr Farbe Schwarz{0, 0, 0};

// Clear, the three axes, every object, then the marks; later shapes cover earlier ones.
void NeuZeichnen(State& s);

void BildLoeschen(State& s);
void AchsenZeichnen(State& s);
// i is -3, -2 or -1: the X, Y or Z axis.
void AchseZeichnen(State& s, int16_t i);
void ObjekteZeichnen(State& s);
// Objects and points whose TextList row is ticked.
void AuswahlZeichnen(State& s);

// Hands the shapes drawn so far to the host.
void ZeichnungAbgeben(State& s);

// The axis end points at MaxBetrag, unrotated.
void AchsenSetzen(State& s);
// Fits the drawing window's coordinate system to MaxBetrag x Lupenfaktor with
// the origin in the middle and y up; does not redraw.
void Einpassen(State& s);

// Shared by the fit and the zoom. The extents the drawing window's present
// shape gives for MaxBetrag x lupenfaktor; false when the window is too small
// to fit into or the extent cannot be a coordinate system.
bool Ausdehnung(const State& s, double lupenfaktor, float& breite, float& hoehe,
                float& verhaeltnis);
// Fangweite and Buchstabengroesse from the shorter extent just set.
void FangweiteSetzen(State& s, float verhaeltnis);

}  // namespace nuk
