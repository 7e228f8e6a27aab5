// Showing and hiding the child windows in step with their "Fenster" entries.
#pragma once

#include "model/Variablen.h"

namespace nuk {

// Menu "Fenster": hides a shown window, shows a hidden one. The drawing is
// redrawn when it comes back; the command list brings the drawing along.
void ZeigFenster(State& s, int16_t Index);

// The close box of any child window: it only hides the window and sets Cancel,
// so the window and its rows survive.
void Form_Unload(State& s, Kind fenster, int16_t& Cancel);

}  // namespace nuk
