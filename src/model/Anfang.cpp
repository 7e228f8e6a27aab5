#include "model/Anfang.h"

namespace nuk {

std::string ZeilenText(std::string_view kennung, std::string_view dateitext) {
    std::string z;
    z.reserve(kennung.size() + 2 + dateitext.size());
    z.append(kennung).append("\t>").append(dateitext);
    return z;
}

int MarkerPosition(std::string_view zeile) {
    const size_t p = zeile.find('>');
    return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

std::string_view Dateitext(std::string_view zeile) {
    return zeile.substr(static_cast<size_t>(MarkerPosition(zeile)));
}

void ZeilenNummerieren(State& s) {
    s.TextList.nummerieren();
}

void ListenLeeren(State& s) {
    s.PunktZahl = 0;
    s.DreieckZahl = 0;
    s.ViereckZahl = 0;
    s.PolygonZahl = 0;
    s.TextList.leeren();
    s.AuswahlList.leeren();
}

void Zuruecksetzen(State& s) {
    s.StartDrehung = Einheitsmatrix();
    s.Drehung = Einheitsmatrix();
    s.MaxBetrag = 1.0f;
    s.Lupenfaktor = 1.2;
    s.Modus = -1;
    ListenLeeren(s);
    Punkt p0 = s.Punkte[0];
    p0.Zeile = 1;  // the "Begin:" row of a new document
    s.Punkte.setzen(0, p0);
}

void NeueZeilen(State& s) {
    ListenLeeren(s);
    static constexpr std::string_view zeilen[][2] = {
        {"", "ModelBegin"}, {"Begin:", "ClumpBegin"}, {":", ""},        {":", ""},
        {":", ""},          {"End:", "ClumpEnd"},     {"", "ModelEnd"},
    };
    for (const auto& z : zeilen) s.TextList.anhaengen(ZeilenText(z[0], z[1]));
    ZeilenNummerieren(s);
}

}  // namespace nuk
