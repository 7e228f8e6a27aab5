#include "model/Variablen.h"

#include <algorithm>

#include "model/Text.h"
#include "selection/Listenfenster.h"

namespace nuk {

Matrix Einheitsmatrix() {
    Matrix m;
    for (int i = 0; i < 3; ++i) m.m[i][i] = 1.0f;
    return m;
}

// The lists' check handlers belong to the windows the state stands for.
State::State(Host& h) : host(h) {
    ListenVerbinden(*this);
}

void Timer1An(State& s) {
    if (s.Timer1.Enabled) return;
    s.Timer1.Enabled = true;
    s.host.zeitgeberAn();
}

std::string_view ModellOrdner(const State& s) {
    const std::string& datei = s.CommonDialog1.FileName;
    const size_t schraeg = datei.rfind('/');
    if (schraeg == std::string::npos) return ".";
    // A file in the root keeps its folder "/", not an empty one.
    return std::string_view(datei).substr(0, std::max<size_t>(schraeg, 1));
}

void Melden(State& s, std::string text, std::string titel) {
    s.host.zeigeMeldung(Meldung{std::move(text), std::move(titel), s.TextList.anzahl()});
}

void FehlerMelden(State& s, std::string_view code) {
    Melden(s, Tr("Kern", "Dieser Fehler dürfte eigentlich niemals auftreten"),
           Einsetzen(Tr("Kern", "Fehler %1"), {code}));
}

}  // namespace nuk
