// Start-up's document and the life cycle of the one document: the reset, the
// rows of a new document, "Neu", "Öffnen", "Aktualisieren", "Speichern",
// "Speichern als", the sequence after every load, and the window arrangement.
#pragma once

#include <optional>
#include <string_view>

#include "model/Variablen.h"

namespace nuk {

// The program's name and version, as every document caption ends.
inline constexpr std::string_view Programmtitel = "NukViewer 4.8a";

void ListenLeeren(State& s);
void Zuruecksetzen(State& s);
// The seven rows of a new document, numbered.
void NeueZeilen(State& s);
// Menu "Neu" and start-up: an empty file name and the seven rows.
void NeuesDokument(State& s);
// The file dialog; the file chosen becomes the document's. False when cancelled,
// and the document's file stays as it was.
bool DateiWaehlen(State& s, Dialogart art);
// After every new, opened or reread document: arrange, caption, axes, fit,
// the timer, and the picture.
void NachDemLaden(State& s);

// A file's bytes into rows, tables and the whole model, as every read takes
// them; false when the read ended through its failure path.
bool DatenLesen(State& s, std::string_view daten);

// Menu "Öffnen": the open dialog, then the file it names replaces the
// document. Cancelling shows "Eben nich" and leaves the document as it is.
// Given a file (named on the command line, dropped on the window), that file
// without the dialog, read just as if the user had chosen it there.
void DateiOeffnen(State& s, std::optional<Dateiwahl> datei = std::nullopt);
// Menu "Aktualisieren": the dialog's current file read again.
void DateiNeuLaden(State& s);

// What "Speichern" shows instead of writing a file that was not read to its end.
extern const char* const NichtGanzGelesen;

// Menu "Speichern als": the save dialog; the name chosen becomes the document's
// file and caption once the rows are written there.
void SpeichernUnter(State& s);
// Menu "Speichern": the document's file, without a dialog; refused while the
// rows are not the whole file.
void DateiSpeichern(State& s);

// Places, shows and hides the child windows by the arrangement ticked in
// FenAnGeO, and ticks their Shows entries to match; the command list is always hidden.
void FensterAnordnen(State& s);

}  // namespace nuk
