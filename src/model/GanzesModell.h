// The whole model of a file: every clump, transform, prototype and primitive
// placed in one world, as points, faces and edges, with what was found wrong.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nuk {

struct Modellbefund {
    int32_t zeile = 0;       // 1-based file line
    std::string text;        // UTF-8
    std::string_view regel;  // the id of its rule (model/Regeln.h)
    bool operator==(const Modellbefund&) const = default;
};

// A texture or mask a "Texture" line names, as written.
struct Texturangabe {
    int32_t zeile = 0;
    std::string name;  // Latin-1, as in the file
    bool maske = false;
    bool operator==(const Texturangabe&) const = default;
};

// What a face looks like, as the lines before it set it; the defaults are
// those of the peer loader three-rwx-loader.
struct Material {
    std::array<float, 3> farbe{0, 0, 0};
    float ambient = 0.69f, diffuse = 0.0f;
    float opacity = 1.0f;
    bool glatt = false;    // LightSampling Vertex: lit smoothly across shared points
    bool doppelt = false;  // MaterialMode Double: both sides are fronts
    int32_t textur = -1;   // into texturnamen; -1 without
    int32_t maske = -1;
    bool operator==(const Material&) const = default;
};

struct GanzesModell {
    std::vector<std::array<float, 3>> punkte;  // world space
    // The line that made each point: its Vertex, its primitive, or for a
    // prototype's copy the Vertex in the prototype.
    std::vector<int32_t> punktzeile;
    // Face f has the corners ecken[anfang[f]] .. ecken[anfang[f + 1] - 1],
    // indices into punkte; flaechenzeile[f] is the line that made it.
    std::vector<uint32_t> ecken;
    std::vector<uint32_t> anfang{0};
    std::vector<int32_t> flaechenzeile;
    // Per face its material; per point its UV (NaN without).
    std::vector<uint32_t> flaechenmaterial;
    std::vector<Material> materialien{Material{}};
    std::vector<std::array<float, 2>> punktUv;
    std::vector<std::string> texturnamen;  // as written (Latin-1)
    // Every edge of the faces once, the lower point index first.
    std::vector<std::array<uint32_t, 2>> kanten;
    int32_t clumps = 0;
    // min x, y, z, then max x, y, z of all points; all 0 without points.
    std::array<float, 6> umfang{};
    std::vector<Modellbefund> befunde;  // by line
    // With the rules: every texture and mask named, in line order.
    std::vector<Texturangabe> texturen;

    size_t flaechen() const { return anfang.size() - 1; }
    // The largest magnitude of any coordinate, the measure of MaxBetrag.
    float betrag() const {
        float b = 0;
        for (float v : umfang) b = v < 0 ? (-v > b ? -v : b) : (v > b ? v : b);
        return b;
    }
};

}  // namespace nuk
