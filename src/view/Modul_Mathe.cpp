#include "view/Modul_Mathe.h"

#include <algorithm>
#include <cmath>

namespace nuk {

namespace {

// A product of two floats is exact in double; the sum goes to float at the end.
float Skalar(const std::array<float, 3>& r, double x, double y, double z) {
    return static_cast<float>(r[0] * x + r[1] * y + r[2] * z);
}

}  // namespace

Matrix Nullmatrix() {
    return Matrix{};
}

Punkt Vektor(double x, double y, double z) {
    Punkt v;
    v.X = static_cast<float>(x);
    v.Y = static_cast<float>(y);
    v.Z = static_cast<float>(z);
    return v;
}

Punkt MatrixMalVektor(const Matrix& m, const Punkt& v) {
    Punkt e;
    e.X = Skalar(m.m[0], v.X, v.Y, v.Z);
    e.Y = Skalar(m.m[1], v.X, v.Y, v.Z);
    e.Z = Skalar(m.m[2], v.X, v.Y, v.Z);
    e.Zeile = v.Zeile;
    return e;
}

Matrix MatrixMalMatrix(const Matrix& a, const Matrix& b) {
    Matrix e;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) e.m[i][j] = Skalar(a.m[i], b.m[0][j], b.m[1][j], b.m[2][j]);
    return e;
}

Matrix Transponieren(const Matrix& m) {
    Matrix e;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) e.m[i][j] = m.m[j][i];
    return e;
}

Punkt Kugelpunkt(float p, float q) {
    const double d = std::sqrt(double{p} * p + double{q} * q);
    if (d > 1) return Vektor(p / d, q / d, 0);
    return Vektor(p, q, std::sqrt(1 - d * d));
}

void KugelDrehen(State& s, const Punkt& a, const Punkt& b) {
    const float c = static_cast<float>(double{a.X} * b.X + double{a.Y} * b.Y + double{a.Z} * b.Z);
    if (std::fabs(c) >= 0.999f) return;
    const float w = static_cast<float>(std::sqrt(1 - double{c} * c));

    Matrix r1;
    r1.m[0] = {b.X, b.Y, b.Z};
    r1.m[1] = {static_cast<float>((double{b.Y} * a.Z - double{b.Z} * a.Y) / w),
               static_cast<float>((double{b.Z} * a.X - double{b.X} * a.Z) / w),
               static_cast<float>((double{b.X} * a.Y - double{b.Y} * a.X) / w)};
    r1.m[2] = {static_cast<float>((double{c} * b.X - a.X) / w),
               static_cast<float>((double{c} * b.Y - a.Y) / w),
               static_cast<float>((double{c} * b.Z - a.Z) / w)};

    const Punkt v = MatrixMalVektor(r1, a);
    Matrix r2;
    r2.m[0] = {v.X, 0, -v.Z};
    r2.m[1] = {0, 1, 0};
    r2.m[2] = {v.Z, 0, v.X};

    s.Drehung = MatrixMalMatrix(MatrixMalMatrix(Transponieren(r1), MatrixMalMatrix(r2, r1)),
                                s.StartDrehung);
}

void Projizieren(State& s) {
    const int bis = std::min<int>(s.PunktZahl, PunktTabelle::oben);
    for (int i = PunktTabelle::unten; i <= bis; ++i)
        s.Bildpunkte.setzen(i, MatrixMalVektor(s.Drehung, s.Punkte[i]));
}

}  // namespace nuk
