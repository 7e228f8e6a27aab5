// "Bearbeiten": rows added, changed, reversed and removed. Each edit makes the
// rows anew and reads them as "Aktualisieren" reads a file, keeping the view
// and the marks of the rows that stay; the host keeps the states for undo.
#pragma once

#include <cstdint>

#include "model/Variablen.h"

namespace nuk {

// The document's rows and marks as they stand.
Zeilenstand StandNehmen(const State& s);
// The rows become those of z, read as "Aktualisieren" reads a file, with the
// view as it is and z's marks ticked in their order. False when the read
// ended through its failure path.
bool StandSetzen(State& s, const Zeilenstand& z);

// "Hinzufügen": 0 "Punkt", 1 "Dreieck", 2 "Viereck", 3 "Polygon",
// 4 "Kommentar", 5 "was anderes".
void Hinzufuegen(State& s, int16_t index);
// "Verändern": the current row's text.
void Veraendern(State& s);
// "Reverse": the corners of every marked face in reverse order.
void Umkehren(State& s);
// "Löschen": every marked row; a point takes the faces of its clump that use
// it along, after a question, and the later corner numbers follow.
void Loeschen(State& s);

}  // namespace nuk
