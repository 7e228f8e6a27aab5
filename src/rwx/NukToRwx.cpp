#include "rwx/NukToRwx.h"

#include "model/Anfang.h"
#include "model/Datei.h"
#include "model/Fehlschlag.h"

namespace nuk {

std::string RwxText(const Liste& TextList) {
    size_t groesse = 0;
    for (int i = 0; i < TextList.anzahl(); ++i) groesse += TextList.text(i).size() + 2;
    std::string text;
    text.reserve(groesse);
    for (int i = 0; i < TextList.anzahl(); ++i)
        text.append(Dateitext(TextList.text(i))).append("\r\n");
    return text;
}

void RwxSchreiben(State& s, const std::string& pfad) {
    bool gut = false;
    try {
        gut = DateiErsetzen(pfad, RwxText(s.TextList));
    } catch (const std::exception&) {
        gut = false;
    }
    if (!gut) Melden(s, "Da stimmt was nicht");
}

}  // namespace nuk

namespace nuk {

void SpeichernUnter(State& s) {
    try {
        if (!DateiWaehlen(s, Dialogart::Speichern)) throw Fehlschlag("Dialog abgebrochen");
        RwxSchreiben(s, s.CommonDialog1.FileName);
    } catch (const std::exception&) {
        Melden(s, "Eben nich");
    }
}

void DateiSpeichern(State& s) {
    RwxSchreiben(s, s.CommonDialog1.FileName);
}

}  // namespace nuk
