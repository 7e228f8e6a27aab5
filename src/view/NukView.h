// Handlers of the main window that belong to the view: the menu "Ansicht" and
// the deferred refresh tick.
#pragma once

#include "model/Variablen.h"

namespace nuk::NukView {

void Standard_Click(State& s);
void Ansicht_Click(State& s, int16_t Index);
// One tick per enabling, however many enablings came before it.
void Timer1_Timer(State& s);

}  // namespace nuk::NukView
