// The wire-frame picture of the drawing window, drawn from Bildpunkte in the
// window's coordinate system.
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

}  // namespace nuk
