#include "model/Zeilenform.h"

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

}  // namespace nuk
