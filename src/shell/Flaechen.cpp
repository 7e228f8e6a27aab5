#include "shell/Flaechen.h"

#include <algorithm>
#include <bit>
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

// What lies in front, by squares of 8, 32 and 128 pixels: the farthest depth
// of a square all of whose pixels are covered (else -inf). A triangle that
// comes no nearer within a square is hidden there: faces drawn nearest
// first, most of a crowded model is passed over in whole squares.
struct Verdeckt {
    static constexpr int Stufen = 3;
    static constexpr int64_t Seite[Stufen] = {8, 32, 128};
    int64_t breite[Stufen];
    std::vector<float> fern[Stufen];
    std::vector<uint8_t> neu;  // small squares drawn into since the last look
    std::vector<uint32_t> neueListe;

    Verdeckt(int64_t b, int64_t h) {
        for (int l = 0; l < Stufen; ++l) {
            breite[l] = (b + Seite[l] - 1) / Seite[l];
            fern[l].assign(static_cast<size_t>(breite[l] * ((h + Seite[l] - 1) / Seite[l])),
                           -std::numeric_limits<float>::infinity());
        }
        neu.resize(fern[0].size());
    }

    float bei(int l, int64_t x, int64_t y) const {
        return fern[l][static_cast<size_t>(y * breite[l] + x)];
    }

    void markieren(int64_t x, int64_t y) {
        const auto q = static_cast<uint32_t>(y * breite[0] + x);
        if (!neu[q]) neueListe.push_back(q);
        neu[q] = 1;
    }

    // The squares drawn into, and those around them, looked at again.
    void auffrischen(const Pixelfeld& bild, const float* tiefe) {
        std::vector<uint32_t> geaendert;
        geaendert.swap(neueListe);
        for (uint32_t q : geaendert) {
            neu[q] = 0;
            const int64_t x0 = q % breite[0] * Seite[0], y0 = q / breite[0] * Seite[0];
            float f = std::numeric_limits<float>::infinity();
            for (int64_t y = y0; y < std::min(y0 + Seite[0], bild.hoehe); ++y)
                for (int64_t x = x0; x < std::min(x0 + Seite[0], bild.breite); ++x)
                    f = std::min(f, tiefe[static_cast<size_t>(y * bild.breite + x)]);
            fern[0][q] = f;
        }
        for (int l = 1; l < Stufen; ++l) {
            const int64_t n = Seite[l] / Seite[l - 1];
            for (uint32_t& q : geaendert)
                q = static_cast<uint32_t>(q / breite[l - 1] / n * breite[l] +
                                          q % breite[l - 1] / n);
            std::sort(geaendert.begin(), geaendert.end());
            geaendert.erase(std::unique(geaendert.begin(), geaendert.end()), geaendert.end());
            const int64_t hoehe = static_cast<int64_t>(fern[l - 1].size()) / breite[l - 1];
            for (uint32_t q : geaendert) {
                float f = std::numeric_limits<float>::infinity();
                const int64_t qx = q % breite[l] * n, qy = q / breite[l] * n;
                for (int64_t y = qy; y < std::min(qy + n, hoehe); ++y)
                    for (int64_t x = qx; x < std::min(qx + n, breite[l - 1]); ++x)
                        f = std::min(f, bei(l - 1, x, y));
                fern[l][q] = f;
            }
        }
        // The list's room is kept for the next squares.
        geaendert.clear();
        neueListe.swap(geaendert);
    }
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
    const double dz_0 = a.z - dz_x * (a.x - 0.5) - dz_y * (a.y - 0.5);  // at pixel (0, 0)
    // The 8 x 8 square (qx, qy): row by row, which pixels are inside and nearer
    // first, then those drawn.
    auto pixel = [&](int64_t qx, int64_t qy) {
        constexpr int64_t S = Verdeckt::Seite[0];
        const int64_t erstes = std::max(x0, qx * S), letztes = std::min(x1, qx * S + S - 1);
        bool gemalt = false;
        for (int64_t py = std::max(y0, qy * S); py <= std::min(y1, qy * S + S - 1); ++py) {
            const double x = static_cast<double>(erstes) + 0.5, y = static_cast<double>(py) + 0.5;
            // Weights of a, b and c at the row's first pixel: each the area
            // opposite it, over the whole; along the row they change by a step.
            const double wa = ((b.x - x) * (c.y - y) - (b.y - y) * (c.x - x)) * s;
            const double wb = ((c.x - x) * (a.y - y) - (c.y - y) * (a.x - x)) * s;
            const double z0 =
                dz_0 + dz_x * static_cast<double>(erstes) + dz_y * static_cast<double>(py);
            float* tz = tiefe + py * bild.breite + erstes;
            uint32_t treffer = 0;
            for (int64_t i = 0; i <= letztes - erstes; ++i) {
                const double ia = wa + static_cast<double>(i) * dwa_x,
                             ib = wb + static_cast<double>(i) * dwb_x;
                const auto z = static_cast<float>(z0 + static_cast<double>(i) * dz_x);
                treffer |=
                    static_cast<uint32_t>((ia >= 0) & (ib >= 0) & (1 - ia - ib >= 0) & (z > tz[i]))
                    << i;
            }
            uint32_t* zeile = bild.pixel + py * bild.zeile + erstes;
            for (; treffer; treffer &= treffer - 1) {
                const int i = std::countr_zero(treffer);
                const double ia = wa + i * dwa_x, ib = wb + i * dwb_x, ic = 1 - ia - ib;
                const double u = ia * a.u + ib * b.u + ic * c.u, v = ia * a.v + ib * b.v + ic * c.v;
                if (maske && (texel(*maske, u, v) & 0xFFFFFFu) == 0) continue;
                double farbe[3];
                for (int k = 0; k < 3; ++k) {
                    const int schub = 16 - 8 * k;
                    farbe[k] = ia * kanal(a.farbe, schub) + ib * kanal(b.farbe, schub) +
                               ic * kanal(c.farbe, schub);
                }
                if (textur) {
                    const uint32_t t = texel(*textur, u, v);
                    for (int k = 0; k < 3; ++k) farbe[k] *= kanal(t, 16 - 8 * k) / 255;
                }
                uint32_t& ziel = zeile[i];
                if constexpr (Deckend) {
                    tz[i] = static_cast<float>(z0 + i * dz_x);
                    gemalt = true;
                } else {
                    const double alpha = kanal(a.farbe, 24) / 255;
                    for (int k = 0; k < 3; ++k)
                        farbe[k] = farbe[k] * alpha + kanal(ziel, 16 - 8 * k) * (1 - alpha);
                }
                ziel = 0xFF000000u;
                for (int k = 0; k < 3; ++k)
                    ziel |= static_cast<uint32_t>(std::clamp(farbe[k], 0.0, 255.0) + 0.5)
                            << (16 - 8 * k);
            }
        }
        if (gemalt && verdeckt) verdeckt->markieren(qx, qy);
    };
    // From the largest squares down to the pixels, through those neither hidden
    // nor outside.
    auto quadrat = [&](auto& selbst, int l, int64_t qx, int64_t qy) -> void {
        const int64_t S = Verdeckt::Seite[l];
        if (verdeckt && verdeckt->bei(l, qx, qy) >= naechsteIn(qx * S, qy * S, S)) return;
        if (aussen(qx * S, qy * S, S)) return;
        if (l == 0) return pixel(qx, qy);
        const int64_t T = Verdeckt::Seite[l - 1], n = S / T;
        for (int64_t y = std::max(y0 / T, qy * n); y <= std::min(y1 / T, qy * n + n - 1); ++y)
            for (int64_t x = std::max(x0 / T, qx * n); x <= std::min(x1 / T, qx * n + n - 1); ++x)
                selbst(selbst, l - 1, x, y);
    };
    constexpr int64_t B = Verdeckt::Seite[Verdeckt::Stufen - 1];
    for (int64_t by = y0 / B; by <= y1 / B; ++by)
        for (int64_t bx = x0 / B; bx <= x1 / B; ++bx)
            quadrat(quadrat, Verdeckt::Stufen - 1, bx, by);
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
    // The opaque faces' triangles nearest first, each by the depth of its
    // middle, so that what they hide is passed over; the picture is the same
    // in any order.
    struct Dreieck {
        float tiefe;
        size_t flaeche;
        uint32_t ecke;
    };
    std::vector<Dreieck> deckend;
    std::vector<size_t> durchsichtig;
    for (size_t f = 0; f < zahl; ++f) {
        if (flaechen.anfang[f + 1] <= flaechen.anfang[f]) continue;
        if (flaechen.farben[flaechen.anfang[f]] >> 24 != 0xFF) {
            durchsichtig.push_back(f);
            continue;
        }
        const uint32_t a = flaechen.anfang[f];
        for (uint32_t k = a + 1; k + 1 < flaechen.anfang[f + 1]; ++k)
            deckend.push_back(
                {-(flaechen.punkte[flaechen.ecken[a]][2] + flaechen.punkte[flaechen.ecken[k]][2] +
                   flaechen.punkte[flaechen.ecken[k + 1]][2]),
                 f, k});
    }
    std::stable_sort(deckend.begin(), deckend.end(),
                     [](const auto& p, const auto& q) { return p.tiefe < q.tiefe; });
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
        // Face f's triangle of its first corner and corners k and k + 1.
        auto fuellen = [&](size_t f, uint32_t k, auto deckt) {
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
            dreieck<decltype(deckt)::value>(teil, tz, ecke(flaechen.anfang[f]), ecke(k),
                                            ecke(k + 1), textur, maske,
                                            deckt ? &verdeckt : nullptr);
        };
        size_t seitdem = 0;
        for (const auto& d : deckend) {
            fuellen(d.flaeche, d.ecke, std::true_type{});
            // Looking costs a pass over the squares drawn into: not after every triangle.
            if (++seitdem >= 16) {
                verdeckt.auffrischen(teil, tz);
                seitdem = 0;
            }
        }
        for (size_t f : durchsichtig)
            for (uint32_t k = flaechen.anfang[f] + 1; k + 1 < flaechen.anfang[f + 1]; ++k)
                fuellen(f, k, std::false_type{});
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
