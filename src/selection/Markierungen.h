// Bringing marks, linkage and the two list windows in line after a change.
#pragma once

#include "model/Variablen.h"

namespace nuk {

void MarkierungenAbgleichen(State& s);

}  // namespace nuk
