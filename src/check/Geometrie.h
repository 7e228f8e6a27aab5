// "Geometrie": the whole model's findings, marked on their rows.
#pragma once

#include <string>

#include "model/Variablen.h"

namespace nuk {

// Clears all marks, ticks and labels ("g") the row of every finding of the
// whole model (with "ganzes Modell" unticked: of those within the first
// clump), aligns the cursors and says in one message what was found.
void GeometriePruefen(State& s);

// That message, for the findings in question.
std::string GeometrieMeldung(const std::vector<Modellbefund>& befunde);

}  // namespace nuk
