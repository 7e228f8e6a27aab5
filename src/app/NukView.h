// Handlers of the main window: start-up, the menus, the toolbar, resizing and
// the deferred refresh tick. Each only calls the operation that does the work.
#pragma once

#include <string>

#include "model/Variablen.h"

namespace nuk::NukView {

// Start-up, once; programmOrdner is the folder of the running program.
void mdiForm_Initialize(State& s, const std::string& programmOrdner);
void MDIForm_Resize(State& s);

void MachsNeu_Click(State& s);
void Aktualisieren_Click(State& s);
void Oeffnen_Click(State& s);
void Speichern_Click(State& s);
void SpeichernAls_Click(State& s);

void Hinz_Click(State& s, int16_t Index);
void Vera_Click(State& s);
void Reverse_Click(State& s);
void MachsWeg_Click(State& s);
void Auswahl_Click(State& s, int16_t Index);
// "Punkte": 0 / 1 choose whether corners of marked objects are derived, 2 marks
// the points no object uses.
void AusP_Click(State& s, int16_t Index);
// "Objekte": how many marked corners make an object derived (0: never).
void MarkMal_Click(State& s, int16_t Index);
void Standard_Click(State& s);
// "ganzes Modell": the whole model beneath the first clump, or not; refits and redraws.
void GanzesModell_Click(State& s);
// "Flächen" and "Rückseiten": the faces filled, and their backs in magenta.
void Flaechen_Click(State& s);
void Rueckseiten_Click(State& s);
void Ansicht_Click(State& s, int16_t Index);
void Shows_Click(State& s, int16_t Index);
void FenAnGeO_Click(State& s, int16_t Index);

// Reads the buttons' pressed states (the shell has set them from the click),
// switches to the pressed button other than the current mode, and leaves
// exactly one button pressed.
void Toolbar1_ButtonClick(State& s);

// One tick per enabling, however many enablings came before it.
void Timer1_Timer(State& s);

}  // namespace nuk::NukView
