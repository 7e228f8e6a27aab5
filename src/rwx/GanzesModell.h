// The whole model: every clump, transform, prototype and primitive of a file,
// read as the world's RWX loaders read it, apart from the rows and the first
// clump's tables. What it finds wrong in the geometry it lists with the line.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nuk {

struct Modellbefund {
    int32_t zeile = 0;  // 1-based file line
    std::string text;   // UTF-8
    bool operator==(const Modellbefund&) const = default;
};

struct GanzesModell {
    std::vector<std::array<float, 3>> punkte;  // world space
    // Face f has the corners ecken[anfang[f]] .. ecken[anfang[f + 1] - 1],
    // indices into punkte; flaechenzeile[f] is the line that made it.
    std::vector<uint32_t> ecken;
    std::vector<uint32_t> anfang{0};
    std::vector<int32_t> flaechenzeile;
    // Every edge of the faces once, the lower point index first.
    std::vector<std::array<uint32_t, 2>> kanten;
    int32_t clumps = 0;
    // min x, y, z, then max x, y, z of all points; all 0 without points.
    std::array<float, 6> umfang{};
    std::vector<Modellbefund> befunde;  // by line

    size_t flaechen() const { return anfang.size() - 1; }
};

// The bounds of what one file may make, instances and primitives included:
// beyond them the model ends with a finding, so a few lines cannot ask for
// more memory than the machine has.
inline constexpr size_t MaxModellpunkte = 4'000'000;
inline constexpr size_t MaxModellecken = 16'000'000;

// One pass over the bytes, line by line: "#" begins a comment unless "#!"
// (whose line is read as a command), commas count as blanks, command words
// in any case. Each clump numbers its vertices from 1 and inherits the
// transform of its parent, which is restored at its end; prototypes are
// placed by the transform of their instance.
GanzesModell GanzesModellLesen(std::string_view daten);

}  // namespace nuk
