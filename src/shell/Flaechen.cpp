#include "shell/Flaechen.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <thread>

namespace nuk::shell {

namespace {

struct Ecke {
    double x, y;
    float z;
    uint32_t farbe;
    float u, v;
};

// The texel at (u, v), the image repeating both ways.
uint32_t texel(const Texel& t, double u, double v) {
    auto stelle = [](double w, int64_t n) {
        const double f = std::floor(w * static_cast<double>(n));
        if (!std::isfinite(f)) return int64_t{0};
        const auto i = static_cast<int64_t>(std::fmod(f, static_cast<double>(n)));
        return i < 0 ? i + n : i;
    };
    return t.pixel[stelle(v, t.hoehe) * t.zeile + stelle(u, t.breite)];
}

// What lies in front, by tiles of 16 x 16 pixels and blocks of 8 x 8 tiles:
// the farthest depth of a tile all of whose pixels are covered (else -inf),
// the least of these in a block. A triangle whose nearest corner lies no
// nearer is hidden there: faces drawn nearest first, most of a crowded
// model is passed over in whole blocks.
struct Verdeckt {
    static constexpr int64_t Kachel = 16, Block = 8;
    int64_t breite = 0, hoehe = 0, bloeckeBreite = 0;
    std::vector<float> fern, blockFern;
    std::vector<uint8_t> neu;  // tiles drawn into since the last look

    Verdeckt(int64_t b, int64_t h)
        : breite((b + Kachel - 1) / Kachel),
          hoehe((h + Kachel - 1) / Kachel),
          bloeckeBreite((breite + Block - 1) / Block),
          fern(static_cast<size_t>(breite * hoehe), -std::numeric_limits<float>::infinity()),
          blockFern(static_cast<size_t>(bloeckeBreite * ((hoehe + Block - 1) / Block)),
                    -std::numeric_limits<float>::infinity()),
          neu(fern.size()) {}

    // The tiles drawn into, looked at again.
    void markieren(int64_t kachel) {
        uint8_t& n = neu[static_cast<size_t>(kachel)];
        if (!n) neueListe.push_back(static_cast<uint32_t>(kachel));
        n = 1;
    }

    // The tiles drawn into, and their blocks, looked at again.
    void auffrischen(const Pixelfeld& bild, const float* tiefe) {
        std::vector<uint32_t> bloecke;
        for (uint32_t t : neueListe) {
            neu[t] = 0;
            const int64_t x0 = t % breite * Kachel, y0 = t / breite * Kachel;
            float f = std::numeric_limits<float>::infinity();
            for (int64_t y = y0; y < std::min(y0 + Kachel, bild.hoehe); ++y)
                for (int64_t x = x0; x < std::min(x0 + Kachel, bild.breite); ++x)
                    f = std::min(f, tiefe[static_cast<size_t>(y * bild.breite + x)]);
            fern[t] = f;
            bloecke.push_back(
                static_cast<uint32_t>(t / breite / Block * bloeckeBreite + t % breite / Block));
        }
        neueListe.clear();
        std::sort(bloecke.begin(), bloecke.end());
        bloecke.erase(std::unique(bloecke.begin(), bloecke.end()), bloecke.end());
        for (uint32_t bl : bloecke) {
            float f = std::numeric_limits<float>::infinity();
            const int64_t bx = bl % bloeckeBreite * Block, by = bl / bloeckeBreite * Block;
            for (int64_t y = by; y < std::min(by + Block, hoehe); ++y)
                for (int64_t x = bx; x < std::min(bx + Block, breite); ++x)
                    f = std::min(f, fern[static_cast<size_t>(y * breite + x)]);
            blockFern[bl] = f;
        }
    }
    std::vector<uint32_t> neueListe;
};

// One triangle into the picture. Edge functions at the pixel centres; the
// sign of the area makes either winding inside.
template <bool Deckend>
void dreieck(const Pixelfeld& bild, float* tiefe, const Ecke& a, const Ecke& b, const Ecke& c,
             const Texel* textur, const Texel* maske, Verdeckt* verdeckt) {
    const double flaeche = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    if (!(std::fabs(flaeche) > 0) || !std::isfinite(flaeche)) return;
    const double lo_x = std::max(0.0, std::floor(std::min({a.x, b.x, c.x}))),
                 hi_x = std::min<double>(bild.breite - 1, std::ceil(std::max({a.x, b.x, c.x}))),
                 lo_y = std::max(0.0, std::floor(std::min({a.y, b.y, c.y}))),
                 hi_y = std::min<double>(bild.hoehe - 1, std::ceil(std::max({a.y, b.y, c.y})));
    if (!(lo_x <= hi_x && lo_y <= hi_y)) return;
    const double s = 1 / flaeche;
    auto kanal = [](uint32_t f, int k) { return static_cast<double>((f >> k) & 0xFF); };
    const float naechste = std::max({a.z, b.z, c.z});
    // The depth's plane, for the nearest it comes within a rectangle.
    const double dwa_x = (b.y - c.y) * s, dwa_y = (c.x - b.x) * s;
    const double dwb_x = (c.y - a.y) * s, dwb_y = (a.x - c.x) * s;
    const double dz_x = (a.z - c.z) * dwa_x + (double{b.z} - c.z) * dwb_x,
                 dz_y = (a.z - c.z) * dwa_y + (double{b.z} - c.z) * dwb_y;
    auto naechsteIn = [&](int64_t links, int64_t oben, int64_t seite) {
        const double mx = static_cast<double>(links) + seite / 2.0,
                     my = static_cast<double>(oben) + seite / 2.0;
        const double z = a.z + dz_x * (mx - a.x) + dz_y * (my - a.y) +
                         (std::fabs(dz_x) + std::fabs(dz_y)) * (seite / 2.0);
        // A hair nearer than reckoned, so rounding never hides a pixel.
        return std::min<double>(naechste, z + 1e-4 * (1 + std::fabs(z)));
    };
    const auto x0 = static_cast<int64_t>(lo_x), x1 = static_cast<int64_t>(hi_x),
               y0 = static_cast<int64_t>(lo_y), y1 = static_cast<int64_t>(hi_y);
    constexpr int64_t K = Verdeckt::Kachel, B = Verdeckt::Kachel * Verdeckt::Block;
    // A square outside one of the edges holds none of the triangle.
    // The weights as planes: wa(x, y) = wa0 + dwa_x x + dwa_y y, and so on.
    const double wa0 = (b.x * c.y - b.y * c.x) * s, wb0 = (c.x * a.y - c.y * a.x) * s;
    const double dwc_x = -dwa_x - dwb_x, dwc_y = -dwa_y - dwb_y, wc0 = 1 - wa0 - wb0;
    auto aussen = [&](int64_t links, int64_t oben, int64_t seite) {
        const double l = static_cast<double>(links), o = static_cast<double>(oben);
        const double r = l + static_cast<double>(seite), u = o + static_cast<double>(seite);
        // A weight is below 0 all over the square when it is at the corner
        // where it is largest.
        auto weg = [&](double w0, double dx, double dy) {
            return w0 + dx * (dx > 0 ? r : l) + dy * (dy > 0 ? u : o) < 0;
        };
        return weg(wa0, dwa_x, dwa_y) || weg(wb0, dwb_x, dwb_y) || weg(wc0, dwc_x, dwc_y);
    };
    // Block by block, then tile by tile in what is left.
    for (int64_t by = y0 / B; by <= y1 / B; ++by)
        for (int64_t bx = x0 / B; bx <= x1 / B; ++bx) {
            if (verdeckt &&
                verdeckt->blockFern[static_cast<size_t>(by * verdeckt->bloeckeBreite + bx)] >=
                    naechsteIn(bx * B, by * B, B))
                continue;
            if (aussen(bx * B, by * B, B)) continue;
            for (int64_t ky = std::max(y0 / K, by * (B / K));
                 ky <= std::min(y1 / K, by * (B / K) + B / K - 1); ++ky)
                for (int64_t kx = std::max(x0 / K, bx * (B / K));
                     kx <= std::min(x1 / K, bx * (B / K) + B / K - 1); ++kx) {
                    if (verdeckt &&
                        verdeckt->fern[static_cast<size_t>(ky * verdeckt->breite + kx)] >=
                            naechsteIn(kx * K, ky * K, K))
                        continue;
                    if (aussen(kx * K, ky * K, K)) continue;
                    bool gemalt = false;
                    for (int64_t py = std::max(y0, ky * K); py <= std::min(y1, ky * K + K - 1);
                         ++py) {
                        const double y = static_cast<double>(py) + 0.5;
                        uint32_t* zeile = bild.pixel + py * bild.zeile;
                        float* tz = tiefe + py * bild.breite;
                        const int64_t erstes = std::max(x0, kx * K);
                        const double x = static_cast<double>(erstes) + 0.5;
                        // Weights of a, b and c: each the area opposite it, over the
                        // whole; along the row they change by a constant step.
                        double wa = ((b.x - x) * (c.y - y) - (b.y - y) * (c.x - x)) * s - dwa_x;
                        double wb = ((c.x - x) * (a.y - y) - (c.y - y) * (a.x - x)) * s - dwb_x;
                        for (int64_t px = erstes; px <= std::min(x1, kx * K + K - 1); ++px) {
                            wa += dwa_x;
                            wb += dwb_x;
                            const double wc = 1 - wa - wb;
                            if (wa < 0 || wb < 0 || wc < 0) continue;
                            const float z = static_cast<float>(wa * a.z + wb * b.z + wc * c.z);
                            if (!(z > tz[px])) continue;
                            const double u = wa * a.u + wb * b.u + wc * c.u,
                                         v = wa * a.v + wb * b.v + wc * c.v;
                            if (maske && (texel(*maske, u, v) & 0xFFFFFFu) == 0) continue;
                            double farbe[3];
                            for (int k = 0; k < 3; ++k) {
                                const int schub = 16 - 8 * k;
                                farbe[k] = wa * kanal(a.farbe, schub) + wb * kanal(b.farbe, schub) +
                                           wc * kanal(c.farbe, schub);
                            }
                            if (textur) {
                                const uint32_t t = texel(*textur, u, v);
                                for (int k = 0; k < 3; ++k) farbe[k] *= kanal(t, 16 - 8 * k) / 255;
                            }
                            uint32_t& ziel = zeile[px];
                            if constexpr (Deckend) {
                                tz[px] = z;
                                gemalt = true;
                            } else {
                                const double alpha = kanal(a.farbe, 24) / 255;
                                for (int k = 0; k < 3; ++k)
                                    farbe[k] =
                                        farbe[k] * alpha + kanal(ziel, 16 - 8 * k) * (1 - alpha);
                            }
                            ziel = 0xFF000000u;
                            for (int k = 0; k < 3; ++k)
                                ziel |= static_cast<uint32_t>(
                                            std::clamp(std::lround(farbe[k]), 0L, 255L))
                                        << (16 - 8 * k);
                        }
                    }
                    if (gemalt && verdeckt) verdeckt->markieren(ky * verdeckt->breite + kx);
                }
        }
}

}  // namespace

void FlaechenFuellen(const Pixelfeld& bild, const Massstab& massstab,
                     const nuk::Flaechenbild& flaechen, std::span<const Texel> texturen,
                     std::span<const Texel> masken, std::vector<float>& tiefe) {
    if (bild.breite <= 0 || bild.hoehe <= 0) return;
    tiefe.assign(static_cast<size_t>(bild.breite * bild.hoehe),
                 -std::numeric_limits<float>::infinity());
    std::vector<Ecke> ecken(flaechen.punkte.size());
    for (size_t i = 0; i < ecken.size(); ++i) {
        const auto& p = flaechen.punkte[i];
        const bool uv = i < flaechen.uv.size() && !std::isnan(flaechen.uv[i][0]);
        ecken[i] = {massstab.x(p[0]),           massstab.y(p[1]),          p[2], 0,
                    uv ? flaechen.uv[i][0] : 0, uv ? flaechen.uv[i][1] : 0};
    }
    const size_t zahl = flaechen.anfang.size() - 1;
    // The opaque faces nearest first, by the depth of their middles, so that what
    // they hide is passed over; the picture is the same in any order.
    std::vector<std::pair<float, size_t>> deckend;
    std::vector<size_t> durchsichtig;
    for (size_t f = 0; f < zahl; ++f) {
        if (flaechen.anfang[f + 1] <= flaechen.anfang[f]) continue;
        if (flaechen.farben[flaechen.anfang[f]] >> 24 != 0xFF) {
            durchsichtig.push_back(f);
            continue;
        }
        float summe = 0;
        for (uint32_t k = flaechen.anfang[f]; k < flaechen.anfang[f + 1]; ++k)
            summe += flaechen.punkte[flaechen.ecken[k]][2];
        deckend.emplace_back(
            -summe / static_cast<float>(flaechen.anfang[f + 1] - flaechen.anfang[f]), f);
    }
    std::stable_sort(deckend.begin(), deckend.end(),
                     [](const auto& p, const auto& q) { return p.first < q.first; });
    // The see-through ones from far to near, by the depth of their middles.
    auto mitte = [&](size_t f) {
        double z = 0;
        for (uint32_t k = flaechen.anfang[f]; k < flaechen.anfang[f + 1]; ++k)
            z += flaechen.punkte[flaechen.ecken[k]][2];
        return z / (flaechen.anfang[f + 1] - flaechen.anfang[f]);
    };
    std::stable_sort(durchsichtig.begin(), durchsichtig.end(),
                     [&](size_t p, size_t q) { return mitte(p) < mitte(q); });

    // The rows from oben to unten: a band of the picture on its own.
    auto band = [&](int64_t oben, int64_t unten) {
        const Pixelfeld teil{bild.pixel + oben * bild.zeile, bild.breite, unten - oben, bild.zeile};
        float* tz = tiefe.data() + oben * bild.breite;
        Verdeckt verdeckt(teil.breite, teil.hoehe);
        auto fuellen = [&](size_t f, auto deckt) {
            const uint32_t a = flaechen.anfang[f], e = flaechen.anfang[f + 1];
            if (e - a < 3) return;
            auto ecke = [&](uint32_t k) {
                Ecke c = ecken[flaechen.ecken[k]];
                c.y -= static_cast<double>(oben);
                c.farbe = flaechen.farben[k];
                return c;
            };
            auto bildVon = [&](std::span<const int32_t> nummern, std::span<const Texel> bilder) {
                const int32_t n = f < nummern.size() ? nummern[f] : -1;
                return n >= 0 && static_cast<size_t>(n) < bilder.size() && bilder[n].pixel
                           ? &bilder[static_cast<size_t>(n)]
                           : nullptr;
            };
            const Texel* textur = bildVon(flaechen.textur, texturen);
            const Texel* maske = bildVon(flaechen.maske, masken);
            const Ecke erste = ecke(a);
            for (uint32_t k = a + 1; k + 1 < e; ++k)
                dreieck<decltype(deckt)::value>(teil, tz, erste, ecke(k), ecke(k + 1), textur,
                                                maske, deckt ? &verdeckt : nullptr);
        };
        size_t seitdem = 0;
        for (const auto& [_, f] : deckend) {
            fuellen(f, std::true_type{});
            // Looking costs a pass over the tiles drawn into: not after every face.
            if (++seitdem >= 16) {
                verdeckt.auffrischen(teil, tz);
                seitdem = 0;
            }
        }
        for (size_t f : durchsichtig) fuellen(f, std::false_type{});
    };
    // Many faces: the upper half on a second core.
    if (zahl >= 1000 && bild.hoehe >= 64 && std::thread::hardware_concurrency() > 1) {
        const int64_t mitteZeile = bild.hoehe / 2;
        std::thread oben([&] { band(0, mitteZeile); });
        band(mitteZeile, bild.hoehe);
        oben.join();
    } else {
        band(0, bild.hoehe);
    }
}

}  // namespace nuk::shell
