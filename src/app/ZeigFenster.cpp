#include "app/ZeigFenster.h"

#include "view/Zeichnen.h"

namespace nuk {

void ZeigFenster(State& s, int16_t Index) {
    if (Index < 0 || Index > 4) return;
    const auto i = static_cast<size_t>(Index);
    const Kind k = static_cast<Kind>(Index);
    if (s.Menu.Shows[i]) {
        s.Menu.Shows[i] = false;
        s.host.fensterZeigen(k, false);
        return;
    }
    s.Menu.Shows[i] = true;
    if (k == Kind::BefehlsPad) s.host.fensterZeigen(Kind::Ausgabe, true);
    s.host.fensterZeigen(k, true);
    if (k == Kind::Ausgabe) NeuZeichnen(s);
}

void Form_Unload(State& s, Kind fenster, int16_t& Cancel) {
    s.Menu.Shows[static_cast<size_t>(fenster)] = false;
    s.host.fensterZeigen(fenster, false);
    Cancel = Wahr;
}

}  // namespace nuk
