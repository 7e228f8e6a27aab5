#include "rwx/NukToRwx.h"

#include "model/Datei.h"
#include "model/Text.h"
#include "model/Zeilenform.h"
#include "rwx/ItemLeser.h"

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

std::string RwxText(const State& s) {
    return RwxText(s.TextList, s.Herkunft.bom);
}

bool RwxSchreiben(State& s, const std::string& pfad) {
    bool gut = false;
    try {
        gut = DateiErsetzen(pfad, RwxText(s), s.host.schreibweg());
    } catch (const std::exception&) {
        gut = false;
    }
    if (!gut) Melden(s, Tr("Kern", "Da stimmt was nicht"));
    s.Gespeichert += gut;
    return gut;
}

}  // namespace nuk
