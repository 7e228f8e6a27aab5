#include "view/Bewegungen.h"

#include "view/Modul_Mathe.h"
#include "view/Zeichnen.h"

namespace nuk {

void Verschieben(State& s, float X, float Y, float StartX, float StartY) {
    AusgabeFenster& a = s.Ausgabe;
    a.ScaleLeft = static_cast<float>(double{StartX} + a.ScaleLeft - X);
    a.ScaleTop = static_cast<float>(double{StartY} + a.ScaleTop - Y);
    NeuZeichnen(s);
}

void Drehen(State& s, float X, float Y, float StartX, float StartY) {
    const Punkt a = Kugelpunkt(0, 0);
    const Punkt b = Kugelpunkt(StartX - X, StartY - Y);
    KugelDrehen(s, a, b);
    Projizieren(s);
    NeuZeichnen(s);
}

void LupeAnPunkt(State& s, float X, float Y) {
    float breite, hoehe, verhaeltnis;
    if (Ausdehnung(s, s.Lupenfaktor, breite, hoehe, verhaeltnis)) {
        AusgabeFenster& a = s.Ausgabe;
        const double fx = (double{X} - a.ScaleLeft) / a.ScaleWidth;
        const double fy = (double{a.ScaleTop} - Y) / a.ScaleHeight;
        a.ScaleWidth = breite;
        a.ScaleHeight = hoehe;
        a.ScaleLeft = static_cast<float>(X - fx * a.ScaleWidth);
        a.ScaleTop = static_cast<float>(Y + fy * a.ScaleHeight);
        FangweiteSetzen(s, verhaeltnis);
    }
    NeuZeichnen(s);
}

void Seitenansicht(State& s, int16_t Index) {
    // Rows r0 (screen x), r1 (screen y, up), r2 (depth toward the viewer).
    static constexpr float ansichten[6][3][3] = {
        {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},    // vorn
        {{-1, 0, 0}, {0, 1, 0}, {0, 0, -1}},  // hinten
        {{1, 0, 0}, {0, 0, -1}, {0, 1, 0}},   // oben
        {{1, 0, 0}, {0, 0, 1}, {0, -1, 0}},   // unten
        {{0, 0, 1}, {0, 1, 0}, {-1, 0, 0}},   // links
        {{0, 0, -1}, {0, 1, 0}, {1, 0, 0}},   // rechts
    };
    if (Index < 0 || Index > 5) return;
    s.Drehung = Nullmatrix();
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) s.Drehung.m[i][j] = ansichten[Index][i][j];
    s.StartDrehung = s.Drehung;
    Projizieren(s);
    NeuZeichnen(s);
}

}  // namespace nuk
