// Rotation and parallel projection. Every product sums its three terms in
// double and rounds to float once.
#pragma once

#include "model/Variablen.h"

namespace nuk {

Matrix Nullmatrix();
Punkt Vektor(double x, double y, double z);
// Keeps v's Zeile; Markiert is 0.
Punkt MatrixMalVektor(const Matrix& m, const Punkt& v);
Matrix MatrixMalMatrix(const Matrix& a, const Matrix& b);
Matrix Transponieren(const Matrix& m);

// Trackball point for a displacement in drawing units: on the unit sphere when
// it is no longer than 1, else on its equator in the displacement's direction.
Punkt Kugelpunkt(float p, float q);
// Drehung := the turn carrying b onto a, applied after StartDrehung. Nearly
// equal or opposite vectors leave Drehung as it is.
void KugelDrehen(State& s, const Punkt& a, const Punkt& b);
// Bildpunkte(-4 .. PunktZahl) := Drehung applied to Punkte.
void Projizieren(State& s);

}  // namespace nuk
