// The handlers of the two check-box lists: the file text (TextPad) and the
// selection (Ausgewahl). A tick runs its list's check handler at once, nested
// in whatever changed it, whether the user clicked or the program set it.
#pragma once

#include <cstdint>

#include "model/Variablen.h"

namespace nuk {

// Puts the two check handlers on TextList and AuswahlList.
void ListenVerbinden(State& s);

}  // namespace nuk

namespace nuk::TextPad {

// Keeps the row's copy in AuswahlList in step with its tick: a ticked row moves
// to the end as a ticked copy, an unticked one leaves at once.
void TextList_ItemCheck(State& s, int16_t Item);
// After the list has moved its cursor to the clicked row.
void TextList_MouseUp(State& s);
// A trace message with the typed character (Latin-1); the key then goes on to the list.
void TextList_KeyPress(State& s, int16_t KeyAscii);

}  // namespace nuk::TextPad

namespace nuk::Ausgewahl {

// Ticking a copy ticks its file row; unticking one leaves the file row marked.
void AuswahlList_ItemCheck(State& s, int16_t Item);
void AuswahlList_MouseUp(State& s);

}  // namespace nuk::Ausgewahl
