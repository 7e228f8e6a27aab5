#include "rwx/Regelpruefung.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "model/Text.h"

namespace nuk {

namespace {

using Vek = std::array<double, 3>;

Vek vek(const std::array<float, 3>& p) {
    return {p[0], p[1], p[2]};
}

double abstand2(const Vek& a, const Vek& b) {
    const double x = a[0] - b[0], y = a[1] - b[1], z = a[2] - b[2];
    return x * x + y * y + z * z;
}

bool gleicheUv(const std::array<float, 2>& a, const std::array<float, 2>& b) {
    const bool ohneA = std::isnan(a[0]), ohneB = std::isnan(b[0]);
    return ohneA == ohneB && (ohneA || a == b);
}

}  // namespace

void GeometrieRegeln(std::span<const std::array<float, 3>> punkte,
                     std::span<const int32_t> punktzeile, std::span<const std::array<float, 2>> uv,
                     const Regelstoff& r, std::vector<Modellbefund>& befunde) {
    const size_t n = punkte.size();
    if (r.ebene.size() != n || uv.size() != n) return;
    // The size of this geometry: the diagonal of its bounds.
    double groesse = 0;
    if (n > 0) {
        Vek lo = vek(punkte[0]), hi = lo;
        for (const auto& p : punkte)
            for (int a = 0; a < 3; ++a)
                lo[a] = std::min<double>(lo[a], p[a]), hi[a] = std::max<double>(hi[a], p[a]);
        groesse = std::sqrt(abstand2(lo, hi));
    }

    // Points in one place of one level share one number, so faces meet along
    // an edge even where the modeller split a point for its UV.
    // Sorted by level, place (as bits; -0 made 0) and number.
    struct Ort {
        std::array<uint32_t, 5> schluessel;
        bool operator<(const Ort& o) const { return schluessel < o.schluessel; }
    };
    std::vector<Ort> orte(n);
    for (size_t i = 0; i < n; ++i) {
        Ort& o = orte[i];
        o.schluessel[0] = r.ebene[i];
        for (int a = 0; a < 3; ++a) {
            const float v = punkte[i][a] == 0 ? 0.0f : punkte[i][a];
            std::memcpy(&o.schluessel[1 + a], &v, sizeof v);
        }
        o.schluessel[4] = static_cast<uint32_t>(i);
    }
    std::sort(orte.begin(), orte.end());
    auto gleicherOrt = [](const Ort& a, const Ort& b) {
        return std::equal(a.schluessel.begin(), a.schluessel.begin() + 4, b.schluessel.begin());
    };
    std::vector<uint32_t> folge(n), gleich(n);
    for (size_t k = 0; k < n; ++k) {
        const uint32_t i = folge[k] = orte[k].schluessel[4];
        gleich[i] = k > 0 && gleicherOrt(orte[k - 1], orte[k]) ? gleich[folge[k - 1]] : i;
    }
    // duplicate-vertex: a Vertex like an earlier one of its level, UV included.
    for (size_t k = 0; k < n;) {
        size_t e = k + 1;
        while (e < n && gleich[folge[e]] == gleich[folge[k]]) ++e;
        for (size_t a = k + 1; a < e; ++a) {
            const uint32_t i = folge[a];
            if (!r.vertex[i]) continue;
            for (size_t b = k; b < a; ++b) {
                const uint32_t j = folge[b];
                if (r.vertex[j] && gleicheUv(uv[i], uv[j])) {
                    befunde.push_back(
                        {punktzeile[i],
                         Einsetzen(Tr("Kern", "Punkt wie in Zeile %1 (gleiche Lage und UV)"),
                                   {std::to_string(punktzeile[j])}),
                         "duplicate-vertex"});
                    break;
                }
            }
        }
        k = e;
    }

    const size_t flaechen = r.zeile.size();
    std::vector<uint8_t> benutzt(n);
    struct Kante {
        uint32_t von, nach, flaeche;
    };
    std::vector<Kante> kanten;
    kanten.reserve(r.ecken.size());
    for (size_t f = 0; f < flaechen; ++f) {
        const uint32_t a = r.anfang[f], e = r.anfang[f + 1];
        const int32_t zeile = r.zeile[f];
        // A primitive's faces are built here, not by the modeller.
        const bool primitiv = r.art[f] & Regelstoff::Primitiv;
        for (uint32_t k = a; k < e; ++k) {
            benutzt[r.ecken[k]] = 1;
            const uint32_t p = gleich[r.ecken[k]], q = gleich[r.ecken[k + 1 < e ? k + 1 : a]];
            if (p != q && !primitiv) kanten.push_back({p, q, static_cast<uint32_t>(f)});
        }
        if (r.art[f] & Regelstoff::Textur)
            for (uint32_t k = a; k < e; ++k)
                if (std::isnan(uv[r.ecken[k]][0])) {
                    befunde.push_back(
                        {zeile,
                         Einsetzen(Tr("Kern",
                                      "Fläche mit Textur, aber ihr Punkt in Zeile %1 hat "
                                      "kein UV"),
                                   {std::to_string(punktzeile[r.ecken[k]])}),
                         "texture-without-uv"});
                    break;
                }
        if (primitiv || e - a < 3) continue;
        // The face's plane by Newell's method, through the mean of its corners.
        Vek normale{}, mitte{};
        double weite = 0;
        for (uint32_t k = a; k < e; ++k) {
            const Vek p = vek(punkte[r.ecken[k]]), q = vek(punkte[r.ecken[k + 1 < e ? k + 1 : a]]);
            normale[0] += (p[1] - q[1]) * (p[2] + q[2]);
            normale[1] += (p[2] - q[2]) * (p[0] + q[0]);
            normale[2] += (p[0] - q[0]) * (p[1] + q[1]);
            for (int i = 0; i < 3; ++i) mitte[i] += p[i];
            for (uint32_t l = k + 1; l < e; ++l)
                weite = std::max(weite, abstand2(p, vek(punkte[r.ecken[l]])));
        }
        weite = std::sqrt(weite);
        const double flaeche =
            std::sqrt(normale[0] * normale[0] + normale[1] * normale[1] + normale[2] * normale[2]) /
            2;
        bool verschieden = false;
        for (uint32_t k = a + 1; k < e && !verschieden; ++k) verschieden = r.ecken[k] != r.ecken[a];
        // No area: its corners at one place (measured by the model) or on
        // one line (measured by the face).
        if (weite <= 1e-6 * groesse || flaeche <= 1e-6 * weite * weite) {
            if (verschieden)
                befunde.push_back(
                    {zeile,
                     weite <= 1e-6 * groesse
                         ? Tr("Kern", "Fläche ohne Inhalt: ihre Ecken liegen an einer Stelle")
                         : Tr("Kern", "Fläche ohne Inhalt: ihre Ecken liegen auf einer Linie"),
                     "degenerate-face"});
            continue;
        }
        if (e - a < 4) continue;
        for (double& v : mitte) v /= e - a;
        double weitester = 0;
        for (uint32_t k = a; k < e; ++k) {
            const Vek p = vek(punkte[r.ecken[k]]);
            double d = 0;
            for (int i = 0; i < 3; ++i) d += (p[i] - mitte[i]) * normale[i];
            weitester = std::max(weitester, std::fabs(d) / (2 * flaeche));
        }
        // A deviation below what the file's numbers resolve at the model's
        // size is their rounding, not the modeller's doing.
        if (weitester > 1e-3 * weite && weitester > 1e-5 * groesse) {
            char prozent[32];
            std::snprintf(prozent, sizeof prozent, "%.2g", 100 * weitester / weite);
            befunde.push_back({zeile,
                               Einsetzen(Tr("Kern",
                                            "Fläche liegt nicht in einer Ebene: eine Ecke "
                                            "liegt %1 % ihrer Weite daneben"),
                                         {prozent}),
                               "non-planar-face"});
        }
    }

    // flipped-face: two faces along one edge in the same direction; the
    // later one is named, with the first one's line. The edges are bucketed
    // by their start, in face order; in a bucket each end's first face is noted.
    std::vector<uint32_t> anfang(n + 1, 0);
    for (const Kante& k : kanten) ++anfang[k.von + 1];
    for (size_t i = 1; i <= n; ++i) anfang[i] += anfang[i - 1];
    std::vector<Kante> eimer(kanten.size());
    {
        std::vector<uint32_t> stelle(anfang.begin(), anfang.end() - 1);
        for (const Kante& k : kanten) eimer[stelle[k.von]++] = k;
    }
    std::vector<uint32_t> gegen(flaechen, UINT32_MAX), zuletzt(n, UINT32_MAX), erste(n);
    for (uint32_t p = 0; p < n; ++p)
        for (uint32_t i = anfang[p]; i < anfang[p + 1]; ++i) {
            const Kante& k = eimer[i];
            if (zuletzt[k.nach] != p) {
                zuletzt[k.nach] = p;
                erste[k.nach] = k.flaeche;
            } else if (erste[k.nach] != k.flaeche) {
                gegen[k.flaeche] = std::min(gegen[k.flaeche], erste[k.nach]);
            }
        }
    for (size_t f = 0; f < flaechen; ++f)
        if (gegen[f] != UINT32_MAX)
            befunde.push_back({r.zeile[f],
                               Einsetzen(Tr("Kern",
                                            "Fläche zeigt anders herum als die in Zeile "
                                            "%1: eine gemeinsame Kante läuft in beiden "
                                            "gleich herum"),
                                         {std::to_string(r.zeile[gegen[f]])}),
                               "flipped-face"});

    // Looked up once: a model of bare points has as many findings as points.
    std::string unbenutzt;
    for (size_t i = 0; i < n; ++i)
        if (r.vertex[i] && !benutzt[i] &&
            std::find(r.verworfen.begin(), r.verworfen.end(), r.ebene[i]) == r.verworfen.end()) {
            if (unbenutzt.empty()) unbenutzt = Tr("Kern", "Punkt wird von keiner Fläche benutzt");
            befunde.push_back({punktzeile[i], unbenutzt, "unused-vertex"});
        }
}

}  // namespace nuk
