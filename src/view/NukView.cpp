#include "view/NukView.h"

#include "model/Anfang.h"
#include "selection/Markierungen.h"
#include "selection/Modul_Auswahl.h"
#include "view/Bewegungen.h"
#include "view/Modul_Mathe.h"
#include "view/Zeichnen.h"

namespace nuk::NukView {

void Standard_Click(State& s) {
    s.StartDrehung = Einheitsmatrix();
    s.Drehung = Einheitsmatrix();
    s.MaxBetrag = 1.0f;
    s.Lupenfaktor = 1.2;
    Projizieren(s);
    Einpassen(s);
    NeuZeichnen(s);
}

void Ansicht_Click(State& s, int16_t Index) {
    Seitenansicht(s, Index);
}

void Timer1_Timer(State& s) {
    s.Timer1.Enabled = false;
    MarkierungenAbgleichen(s);
    if (s.Modus < 0) ModusSetzen(s, 2);
    NeuZeichnen(s);
}

}  // namespace nuk::NukView
