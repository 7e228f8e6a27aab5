// The hierarchy verdict, and the precondition of "Hinzufügen".
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "model/Variablen.h"

namespace nuk {

// False, with a message, while there are no points for a new object to use.
bool PunkteDa(State& s);

// True for the four words whose nesting the hierarchy check judges, in any
// case of A..Z.
bool IstStrukturwort(std::string_view wort);

struct Urteil {
    std::string text;  // the one message of the check, UTF-8
    bool fehlerhaft = false;
    int eintrag = -1;  // the entry the message names, -1 when it names none
};

// Judges the structure entries in their order; eintrag(i) gives entry i's row text.
Urteil HierarchieBeurteilen(int anzahl, const std::function<std::string_view(int)>& eintrag);

// The verdict on the structure rows of a list as they stand; eintrag is the
// list row the message names.
Urteil HierarchieUrteil(const Liste& liste);

// Menu "Hierarchie": ticks the structure rows, lists them in file order in
// AuswahlList, and shows the one verdict on their nesting.
void HierarchiePruefen(State& s);

}  // namespace nuk
