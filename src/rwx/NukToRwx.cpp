#include "rwx/NukToRwx.h"

#include "model/Anfang.h"
#include "model/Datei.h"
#include "model/Fehlschlag.h"
#include "rwx/RwxToNuk.h"

namespace nuk {

std::string RwxText(const Liste& TextList, bool bom) {
    size_t groesse = bom ? Bom.size() : 0;
    for (int i = 0; i < TextList.anzahl(); ++i) groesse += TextList.text(i).size() + 2;
    std::string text;
    text.reserve(groesse);
    if (bom) text.append(Bom);
    for (int i = 0; i < TextList.anzahl(); ++i)
        text.append(Dateitext(TextList.text(i))).append("\r\n");
    return text;
}

bool RwxSchreiben(State& s, const std::string& pfad) {
    bool gut = false;
    try {
        gut = DateiErsetzen(pfad, RwxText(s.TextList, s.Herkunft.bom));
    } catch (const std::exception&) {
        gut = false;
    }
    if (!gut) Melden(s, "Da stimmt was nicht");
    return gut;
}

const char* const NichtGanzGelesen =
    "Die Datei wurde nicht vollständig gelesen.\n"
    "Speichern würde den Rest der Datei löschen, also lass ich das.\n"
    "Mit \"Speichern als\" kommen die Zeilen unter einem anderen Namen auf die Platte.";

}  // namespace nuk

namespace nuk {

void SpeichernUnter(State& s) {
    try {
        const Dateidialog vorher = s.CommonDialog1;
        if (!DateiWaehlen(s, Dialogart::Speichern)) throw Fehlschlag("Dialog abgebrochen");
        if (!RwxSchreiben(s, s.CommonDialog1.FileName)) {
            // The document still belongs to the file it had.
            s.CommonDialog1 = vorher;
            return;
        }
        s.Herkunft.unvollstaendig = false;
        s.Caption = s.CommonDialog1.FileTitle + " - " + std::string(Programmtitel);
    } catch (const std::exception&) {
        Melden(s, "Eben nich");
    }
}

void DateiSpeichern(State& s) {
    if (s.Herkunft.unvollstaendig && !s.CommonDialog1.FileName.empty()) {
        Melden(s, NichtGanzGelesen);
        return;
    }
    RwxSchreiben(s, s.CommonDialog1.FileName);
}

}  // namespace nuk
