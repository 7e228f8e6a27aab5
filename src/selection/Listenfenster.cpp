#include "selection/Listenfenster.h"

#include "model/Text.h"
#include "selection/Markierungen.h"
#include "selection/Modul_Auswahl.h"
#include "selection/Suche.h"

namespace nuk {

void ListenVerbinden(State& s) {
    s.TextList.setPruefHandler([&s](int16_t i) { TextPad::TextList_ItemCheck(s, i); });
    s.AuswahlList.setPruefHandler([&s](int16_t i) { Ausgewahl::AuswahlList_ItemCheck(s, i); });
}

}  // namespace nuk

namespace nuk::TextPad {

void TextList_ItemCheck(State& s, int16_t Item) {
    if (Item < 0) return;
    s.AktZeile = Item;
    const int16_t kopie = AuswahlZeileVonText(s, Item);
    if (kopie >= 0) s.AuswahlList.entfernen(kopie);
    if (s.TextList.haken(Item)) {
        const int kopieNeu = ZeileAufnehmen(s, Item);
        if (kopieNeu >= 0) s.AuswahlList.setHaken(kopieNeu, true);
    }
    Timer1An(s);
}

void TextList_MouseUp(State& s) {
    s.AktZeile = static_cast<int16_t>(s.TextList.aktuell());
    ZeilenAbgleichen(s);
}

void TextList_KeyPress(State& s, int16_t KeyAscii) {
    const char zeichen = static_cast<char>(static_cast<unsigned char>(KeyAscii));
    Melden(s, "textlist_keypress   " + Latin1ZuUtf8(std::string_view(&zeichen, 1)));
}

}  // namespace nuk::TextPad

namespace nuk::Ausgewahl {

void AuswahlList_ItemCheck(State& s, int16_t Item) {
    if (Item >= 0) {
        const int16_t a = TextZeileVonAuswahl(s, Item);
        s.AktZeile = a;
        if (a >= 0 && s.AuswahlList.haken(Item)) s.TextList.setHaken(a, true);
    }
    Timer1An(s);
}

void AuswahlList_MouseUp(State& s) {
    const int zeile = s.AuswahlList.aktuell();
    if (zeile >= 0) s.AktZeile = TextZeileVonAuswahl(s, static_cast<int16_t>(zeile));
    ZeilenAbgleichen(s);
}

}  // namespace nuk::Ausgewahl
