#include "selection/Suche.h"

#include <optional>

namespace nuk {

namespace {

template <class Tab>
int16_t suche(State& s, const ZeilenIndex& index, const Tab& tabelle, int von, int16_t zahl,
              int16_t zeile, const char* code) {
    const int16_t i = index.niedrigster(tabelle, von, zeile);
    if (i >= von && i <= zahl) return i;
    FehlerMelden(s, code);
    return -1;
}

// A row's key read as a 16-bit value; nothing when the row does not exist or
// its item value does not fit.
std::optional<int16_t> schluessel(const Liste& liste, int zeile) {
    if (zeile < 0 || zeile >= liste.anzahl()) return std::nullopt;
    const int32_t w = liste.wert(zeile);
    if (!IstZeilenschluessel(w)) return std::nullopt;
    return static_cast<int16_t>(w);
}

}  // namespace

int16_t SuchePunkt(State& s, int16_t zeile) {
    return suche(s, s.punktIndex, s.Punkte, 0, s.PunktZahl, zeile, "4.1v");
}

int16_t SucheDreieck(State& s, int16_t zeile) {
    return suche(s, s.dreieckIndex, s.Dreiecke, 1, s.DreieckZahl, zeile, "4.1t");
}

int16_t SucheViereck(State& s, int16_t zeile) {
    return suche(s, s.viereckIndex, s.Vierecke, 1, s.ViereckZahl, zeile, "4.1q");
}

int16_t SuchePolygon(State& s, int16_t zeile) {
    return suche(s, s.polygonIndex, s.Polygone, 1, s.PolygonZahl, zeile, "4.1p");
}

int16_t TextZeileVonAuswahl(State& s, int16_t auswahlZeile) {
    if (const auto key = schluessel(s.AuswahlList, auswahlZeile)) {
        const int t = s.TextList.hoechsteMitWert(*key);
        if (t >= 0) return static_cast<int16_t>(t);
    }
    FehlerMelden(s, "4.1x");
    return -1;
}

int16_t AuswahlZeileVonText(const State& s, int16_t textZeile) {
    const auto key = schluessel(s.TextList, textZeile);
    return key ? static_cast<int16_t>(s.AuswahlList.hoechsteMitWert(*key)) : int16_t{-1};
}

}  // namespace nuk
