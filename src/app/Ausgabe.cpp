#include "app/Ausgabe.h"

#include <cmath>

#include "selection/Modul_Auswahl.h"
#include "view/Bewegungen.h"

namespace nuk::Ausgabe {

void Form_MouseDown(State& s, int16_t Button, int16_t, float X, float Y) {
    AusgabeFenster& a = s.Ausgabe;
    s.Bewegt = Falsch;
    s.StartTaste = Button;
    s.StartX = X;
    a.Line1.X1 = X;
    a.Line1.Y1 = Y;
    a.Line1.X2 = X;
    s.StartY = Y;
    a.Line2.X1 = X;
    a.Line2.Y1 = Y;
    a.Line2.Y2 = Y;
    a.Line3.X2 = X;
    a.Line4.Y2 = Y;
    s.StartDrehung = s.Drehung;
}

void Form_MouseMove(State& s, int16_t Button, int16_t, float X, float Y) {
    StatusZeigen(s, X, Y);
    if (std::fabs(X - s.StartX) > s.Fangweite) s.Bewegt = Wahr;
    if (std::fabs(Y - s.StartY) > s.Fangweite) s.Bewegt = Wahr;

    AusgabeFenster& a = s.Ausgabe;
    switch (s.Modus) {
        case 1:
            if (Button > 0) Verschieben(s, X, Y, s.StartX, s.StartY);
            break;
        case 2:
            if (Button == 1) Drehen(s, X, Y, s.StartX, s.StartY);
            if (Button == 2) Verschieben(s, X, Y, s.StartX, s.StartY);
            break;
        case 3:
            if (Button > 0) {
                a.Line1.Visible = a.Line2.Visible = a.Line3.Visible = a.Line4.Visible = true;
                a.Line4.X1 = X;
                a.Line4.Y1 = Y;
                a.Line4.X2 = X;
                a.Line3.X1 = X;
                a.Line3.Y1 = Y;
                a.Line3.Y2 = Y;
                a.Line2.X2 = X;
                a.Line1.Y2 = Y;
            }
            break;
        default:
            break;
    }
}

void Form_MouseUp(State& s, int16_t, int16_t, float X, float Y) {
    if (s.Modus != 3) return;
    AusgabeFenster& a = s.Ausgabe;
    a.Line1.Visible = a.Line2.Visible = a.Line3.Visible = a.Line4.Visible = false;
    RechteckMarkieren(s, s.StartX, s.StartY, X, Y);
}

void Form_Click(State& s) {
    if (s.Modus == 1 && s.Bewegt == Falsch) {
        if (s.StartTaste == 1.0f) s.Lupenfaktor *= 0.9;
        if (s.StartTaste == 2.0f) s.Lupenfaktor *= 1.1;
        LupeAnPunkt(s, s.StartX, s.StartY);
    }
    if (s.Modus == 2) RechteckMarkieren(s, s.StartX, s.StartY, s.StartX, s.StartY);
}

void Form_DblClick(State& s) {
    if (s.Bewegt != Falsch || s.Modus != 1) return;
    if (s.StartTaste == 1.0f) s.Lupenfaktor *= 0.7;
    if (s.StartTaste == 2.0f) s.Lupenfaktor *= 1.4;
    LupeAnPunkt(s, s.StartX, s.StartY);
}

void Mausrad(State& s, int rasten, float X, float Y) {
    for (; rasten > 0; --rasten) {
        s.Lupenfaktor *= 0.9;
        LupeAnPunkt(s, X, Y);
    }
    for (; rasten < 0; ++rasten) {
        s.Lupenfaktor *= 1.1;
        LupeAnPunkt(s, X, Y);
    }
}

}  // namespace nuk::Ausgabe
