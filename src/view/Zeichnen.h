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
inline constexpr Farbe Grau{80, 80, 80};

// Clear, the whole model while ticked, the three axes, every object, then the
// marks; later shapes cover earlier ones.
void NeuZeichnen(State& s);

void BildLoeschen(State& s);
// Every edge of the whole model in grey, turned like the first clump, but
// those that GanzesModellAbgleichen found under the first clump's own lines.
void GanzesModellZeichnen(State& s);
// With "Flächen" ticked, the whole model's faces as the viewer sees them,
// beneath everything: the colour in force lit by a light from the eye
// (Ambient plus Diffuse times the cosine, flat or smooth as LightSampling
// says), with its opacity; a face seen from behind magenta with
// "Rückseiten" ticked (unless its material is double), else lit as a front.
void FlaechenZeichnen(State& s);
// After a new whole model or new tables: which of its edges join the very
// points an edge of the first clump's objects joins. Those lie beneath that
// blue or green line pixel for pixel and need not be drawn.
void GanzesModellAbgleichen(State& s);
void AchsenZeichnen(State& s);
// i is -3, -2 or -1: the X, Y or Z axis.
void AchseZeichnen(State& s, int16_t i);
void ObjekteZeichnen(State& s);
// Objects and points whose TextList row is ticked.
void AuswahlZeichnen(State& s);

// Hands the shapes drawn so far to the host.
void ZeichnungAbgeben(State& s);

// What the axes and the fit measure: MaxBetrag, or while the whole model is
// ticked and has points, the larger of it and the whole model's largest coordinate.
float Ausmass(const State& s);
// The axis end points at Ausmass, unrotated.
void AchsenSetzen(State& s);
// Fits the drawing window's coordinate system to Ausmass x Lupenfaktor with
// the origin in the middle and y up; does not redraw.
void Einpassen(State& s);

// Shared by the fit and the zoom. The extents the drawing window's present
// shape gives for Ausmass x lupenfaktor; false when the window is too small
// to fit into or the extent cannot be a coordinate system.
bool Ausdehnung(const State& s, double lupenfaktor, float& breite, float& hoehe,
                float& verhaeltnis);
// Fangweite and Buchstabengroesse from the shorter extent just set.
void FangweiteSetzen(State& s, float verhaeltnis);

}  // namespace nuk
