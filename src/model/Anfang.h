// The row form of the document and the reset that starts every document.
#pragma once

#include <string>
#include <string_view>

#include "model/Variablen.h"

namespace nuk {

// A row is its label, a TAB, the marker ">" and the file text.
std::string ZeilenText(std::string_view kennung, std::string_view dateitext);
// 1-based position of the first ">", 0 when the row has none.
int MarkerPosition(std::string_view zeile);
// Everything after the first ">", or the whole row when it has none.
std::string_view Dateitext(std::string_view zeile);

// Item value of every TextList row := its index.
void ZeilenNummerieren(State& s);

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

// Places, shows and hides the child windows by the arrangement ticked in
// FenAnGeO, and ticks their Shows entries to match; the command list is always hidden.
void FensterAnordnen(State& s);

// The axis end points at MaxBetrag, unrotated.
void AchsenSetzen(State& s);
// Fits the drawing window's coordinate system to MaxBetrag x Lupenfaktor with
// the origin in the middle and y up; does not redraw.
void Einpassen(State& s);

// Shared by the fit and the zoom. The extents the drawing window's present
// shape gives for MaxBetrag x lupenfaktor; false when the window is too small
// to fit into or the extent cannot be a coordinate system.
bool Ausdehnung(const State& s, double lupenfaktor, float& breite, float& hoehe,
                float& verhaeltnis);
// Fangweite and Buchstabengroesse from the shorter extent just set.
void FangweiteSetzen(State& s, float verhaeltnis);

}  // namespace nuk
