#include "check/Fehler.h"

#include <vector>

#include "model/Text.h"
#include "rwx/Wortscanner.h"
#include "selection/Modul_Auswahl.h"

namespace nuk {

bool PunkteDa(State& s) {
    if (s.PunktZahl != 0) return true;
    Melden(s, Tr("Kern", "Creieren Sie bitte erst mal ein paar Punkte"), Tr("Kern", "So nich!!"));
    return false;
}

bool IstStrukturwort(std::string_view wort) {
    return IstWort(wort, "modelbegin") || IstWort(wort, "modelend") ||
           IstWort(wort, "clumpbegin") || IstWort(wort, "clumpend");
}

Urteil HierarchieBeurteilen(int anzahl, const std::function<std::string_view(int)>& eintrag) {
    // The row the verdict names comes last, on a line of its own.
    auto fehler = [&](const std::string& grund, int i = -1) {
        if (i < 0)
            return Urteil{
                Einsetzen(Tr("Kern", "Hierarchie wurde als fehlerhaft eingestuft,\nda %1"),
                          {grund}),
                true, i};
        return Urteil{
            Einsetzen(Tr("Kern", "Hierarchie wurde als fehlerhaft eingestuft,\nda %1\nZeile %2"),
                      {grund, Latin1ZuUtf8(eintrag(i))}),
            true, i};
    };
    auto wortVon = [&](int i) { return i < anzahl ? Befehlswort(eintrag(i)) : std::string(); };

    if (wortVon(0) != "modelbegin")
        return fehler(Tr("Kern", "erste Hiro-Anweisung ungleich ModelBegin"));
    if (wortVon(anzahl - 1) != "modelend")
        return fehler(Tr("Kern", "letzte Hiro-Anweisung ungleich ModelEnd"));
    int tiefe = 0;
    for (int i = 1; i <= anzahl - 2; ++i) {
        const std::string wort = wortVon(i);
        if (wort == "modelbegin") return fehler(Tr("Kern", "ModelBegin mehrfach"), i);
        if (wort == "modelend") return fehler(Tr("Kern", "ModelEnd mehrfach"), i);
        if (wort == "clumpbegin") ++tiefe;
        if (wort == "clumpend" && --tiefe < 0)
            return fehler(Tr("Kern", "ClumpEnd ohne ClumpBegin"), i);
    }
    if (tiefe > 0) return fehler(Tr("Kern", "mehr ClumpBegin als ClumpEnd"));
    return Urteil{Tr("Kern", "Hierarchie akzeptabel"), false, -1};
}

Urteil HierarchieUrteil(const Liste& liste) {
    std::vector<int> zeilen;
    for (int i = 0; i < liste.anzahl(); ++i)
        if (IstStrukturwort(BefehlswortRoh(liste.text(i)))) zeilen.push_back(i);
    Urteil u = HierarchieBeurteilen(static_cast<int>(zeilen.size()), [&](int i) {
        return std::string_view(liste.text(zeilen[static_cast<size_t>(i)]));
    });
    if (u.eintrag >= 0) u.eintrag = zeilen[static_cast<size_t>(u.eintrag)];
    return u;
}

void HierarchiePruefen(State& s) {
    AuswahlNeu(s);
    for (int i = 0; i < s.TextList.anzahl(); ++i)
        if (IstStrukturwort(BefehlswortRoh(s.TextList.text(i)))) s.TextList.setHaken(i, true);
    // Whatever the tick handlers listed, the selection is the structure rows in file order.
    s.AuswahlList.leeren();
    for (int i = 0; i < s.TextList.anzahl(); ++i) {
        if (!s.TextList.haken(i)) continue;
        const int neu = s.AuswahlList.anhaengen(s.TextList.text(i), s.TextList.wert(i));
        s.AuswahlList.setHaken(neu, true);
    }
    const Liste& a = s.AuswahlList;
    Melden(s, HierarchieBeurteilen(a.anzahl(), [&a](int i) {
                  return std::string_view(a.text(i));
              }).text);
    ZeilenAbgleichen(s);
}

}  // namespace nuk
