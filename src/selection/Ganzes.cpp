#include "selection/Ganzes.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "rwx/Wortscanner.h"

namespace nuk {

int ZeileVonLinie(const State& s, int32_t linie) {
    const auto& q = s.Quellzeilen;
    if (q.empty() || linie < q.front() || linie > q.back()) return -1;
    const auto erste = std::lower_bound(q.begin(), q.end(), linie);
    const auto i = erste - q.begin();
    return static_cast<int>(erste != q.end() && *erste == linie ? i : i - 1);
}

void GanzesModellZuordnen(State& s, std::span<const int32_t> quellzeilen) {
    const int zeilen = s.TextList.anzahl();
    s.Quellzeilen.assign(
        quellzeilen.begin(),
        quellzeilen.begin() + static_cast<std::ptrdiff_t>(std::min(
                                  quellzeilen.size(), static_cast<size_t>(std::max(zeilen, 0)))));
    // By file line once, for the points' many look-ups: a million points
    // come from a few thousand lines.
    const int32_t letzte = s.Quellzeilen.empty() ? -1 : std::max(s.Quellzeilen.back(), 0);
    std::vector<int32_t> vonLinie(static_cast<size_t>(letzte + 1));
    for (int32_t linie = 0; linie <= letzte; ++linie)
        vonLinie[static_cast<size_t>(linie)] = ZeileVonLinie(s, linie);
    auto zeile = [&](int32_t linie) {
        return linie >= 0 && linie <= letzte ? vonLinie[static_cast<size_t>(linie)] : -1;
    };
    const GanzesModell& m = s.Ganzes;
    s.GanzesPunktZeile.resize(m.punktzeile.size());
    std::transform(m.punktzeile.begin(), m.punktzeile.end(), s.GanzesPunktZeile.begin(), zeile);
    s.GanzesFlaechenZeile.resize(m.flaechenzeile.size());
    std::transform(m.flaechenzeile.begin(), m.flaechenzeile.end(), s.GanzesFlaechenZeile.begin(),
                   zeile);

    s.ZeilenArt.assign(static_cast<size_t>(std::max(zeilen, 0)), 0);
    auto setzen = [&](int z, uint8_t art) {
        if (z >= 0 && z < zeilen) s.ZeilenArt[static_cast<size_t>(z)] |= art;
    };
    for (int32_t z : s.GanzesPunktZeile) setzen(z, State::GanzPunkt);
    for (int32_t z : s.GanzesFlaechenZeile) setzen(z, State::GanzFlaeche);
    for (int i = 1; i <= s.PunktZahl; ++i) setzen(s.Punkte[i].Zeile, State::ErsterClump);
    JedeObjektart(s, [&](const auto& tabelle, int zahl) {
        for (int i = 1; i <= zahl; ++i) setzen(tabelle[i].Zeile, State::ErsterClump);
    });

    auto fremd = [&](int32_t z) {
        return z >= 0 && z < zeilen && !(s.ZeilenArt[static_cast<size_t>(z)] & State::ErsterClump);
    };
    s.GanzesPunkte.clear();
    s.GanzesPunkte.reserve(s.GanzesPunktZeile.size());
    for (size_t i = 0; i < s.GanzesPunktZeile.size(); ++i)
        if (fremd(s.GanzesPunktZeile[i])) s.GanzesPunkte.push_back(static_cast<uint32_t>(i));
    s.GanzesFlaechen.clear();
    s.GanzesFlaechenJeZeile.clear();
    s.GanzesFlaechen.reserve(s.GanzesFlaechenZeile.size());
    std::vector<bool> gesehen(static_cast<size_t>(std::max(zeilen, 0)), false);
    for (size_t f = 0; f < s.GanzesFlaechenZeile.size(); ++f) {
        const int32_t z = s.GanzesFlaechenZeile[f];
        if (!fremd(z)) continue;
        s.GanzesFlaechen.push_back(static_cast<uint32_t>(f));
        if (gesehen[static_cast<size_t>(z)]) continue;
        gesehen[static_cast<size_t>(z)] = true;
        s.GanzesFlaechenJeZeile.push_back(static_cast<uint32_t>(f));
    }

    // The first clump's rows, by the labels the reader gave them.
    s.ErsterClumpVon = s.ErsterClumpBis = -1;
    for (int i = 0; i < zeilen; ++i) {
        const std::string& text = s.TextList.text(i);
        if (s.ErsterClumpVon < 0 && text.starts_with("Begin:")) s.ErsterClumpVon = i;
        if (s.ErsterClumpVon >= 0 && text.starts_with("End:")) {
            s.ErsterClumpBis = i;
            break;
        }
    }
    if (s.ErsterClumpVon >= 0 && s.ErsterClumpBis < 0) s.ErsterClumpBis = zeilen - 1;

    s.Befundtexte.clear();
    for (const Modellbefund& b : m.befunde) {
        const int z = zeile(b.zeile);
        if (z < 0) continue;
        std::string& text = s.Befundtexte[z];
        text += (text.empty() ? "" : "\n") + b.text;
    }
}

namespace {

// No record of the first clump stands for the row, and it is one of the
// whole model's: its points or faces, or an item outside the first clump
// (a face the whole model refused for its corners, say).
bool OhneDatensatz(const State& s, int zeile) {
    if (zeile < 0 || static_cast<size_t>(zeile) >= s.ZeilenArt.size()) return false;
    const uint8_t art = s.ZeilenArt[static_cast<size_t>(zeile)];
    if (art & State::ErsterClump) return false;
    return (art & (State::GanzPunkt | State::GanzFlaeche)) != 0 || zeile < s.ErsterClumpVon ||
           zeile > s.ErsterClumpBis;
}

}  // namespace

bool NurGanzesModell(const State& s, int zeile) {
    return GanzesMarkierbar(s) && OhneDatensatz(s, zeile);
}

void NurGanzesAbhaken(State& s) {
    const size_t n = std::min(s.ZeilenArt.size(), static_cast<size_t>(s.TextList.anzahl()));
    for (size_t z = 0; z < n; ++z) {
        const int zeile = static_cast<int>(z);
        if (!OhneDatensatz(s, zeile)) continue;
        // Rows the linkage pass would look up; the structure rows of other
        // clumps, say, keep their marks.
        const std::string_view wort = BefehlswortRoh(s.TextList.text(zeile));
        if ((s.ZeilenArt[z] & (State::GanzPunkt | State::GanzFlaeche)) || IstWort(wort, "vertex") ||
            IstWort(wort, "triangle") || IstWort(wort, "quad") || IstWort(wort, "polygon"))
            s.TextList.setHaken(zeile, false);
    }
}

}  // namespace nuk
