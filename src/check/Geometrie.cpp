#include "check/Geometrie.h"

#include <algorithm>
#include <vector>

#include "model/Text.h"
#include "selection/BefehlsPad.h"
#include "selection/Ganzes.h"
#include "selection/Modul_Auswahl.h"

namespace nuk {

std::string GeometrieMeldung(const std::vector<Modellbefund>& befunde) {
    const size_t n = befunde.size();
    if (n == 0) return Tr("Kern", "Geometrie: alles in Ordnung");
    std::string text =
        Einsetzen(n == 1 ? Tr("Kern", "Geometrie: %1 Befund") : Tr("Kern", "Geometrie: %1 Befunde"),
                  {std::to_string(n)});
    // Ten are enough to begin with; the rows show every one.
    for (size_t i = 0; i < n && i < 10; ++i)
        text += "\n" + Einsetzen(Tr("Kern", "Zeile %1: %2"),
                                 {std::to_string(befunde[i].zeile), befunde[i].text});
    if (n > 10) text += "\n" + Einsetzen(Tr("Kern", "und %1 weitere"), {std::to_string(n - 10)});
    return text;
}

void GeometriePruefen(State& s) {
    AuswahlNeu(s);
    const bool ganz = s.Menu.GanzesModell;
    std::vector<Modellbefund> alle = s.Ganzes.befunde;
    // A texture the picture cannot find is a finding too.
    for (const Texturangabe& t : s.Ganzes.texturen)
        if (!s.host.texturDa(ModellOrdner(s), t.name, t.maske))
            alle.push_back({t.zeile,
                            Einsetzen(t.maske ? Tr("Kern", "Maske \"%1\" gibt es nicht")
                                              : Tr("Kern", "Textur \"%1\" gibt es nicht"),
                                      {Latin1ZuUtf8(t.name)}),
                            "texture-missing"});
    std::stable_sort(alle.begin(), alle.end(), [](const Modellbefund& a, const Modellbefund& b) {
        return a.zeile < b.zeile;
    });
    std::vector<Modellbefund> befunde;
    for (const Modellbefund& b : alle) {
        const int z = ZeileVonLinie(s, b.zeile);
        const bool imErsten = z >= 0 && z >= s.ErsterClumpVon && z <= s.ErsterClumpBis;
        if (!ganz && !imErsten) continue;
        befunde.push_back(b);
        if (z < 0 || s.TextList.haken(z)) continue;
        s.TextList.setText(z, FehlerKennung(z, s.TextList.text(z), 'g'));
        s.TextList.setHaken(z, true);
    }
    ZeilenAbgleichen(s);
    Melden(s, GeometrieMeldung(befunde));
}

}  // namespace nuk
