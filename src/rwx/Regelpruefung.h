// The checker's rules on the geometry of one clump's or prototype's own
// points and faces, as the reader collects them.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "model/GanzesModell.h"

namespace nuk {

// Own points and faces of a model or of a prototype's definition; a face's
// corners are indices of the points here, never of a copy's.
struct Regelstoff {
    // Per point: its level (each clump, prototype and the file have their
    // own), and whether a Vertex row made it.
    std::vector<uint32_t> ebene;
    std::vector<uint8_t> vertex;
    std::vector<uint32_t> ecken;
    std::vector<uint32_t> anfang{0};
    std::vector<int32_t> zeile;  // per face
    enum : uint8_t { Textur = 1, Primitiv = 2 };
    std::vector<uint8_t> art;  // per face
    // Levels with a face refused for its corners: their points are not
    // called unused on top of that.
    std::vector<uint32_t> verworfen;
};

// non-planar-face, degenerate-face, flipped-face, duplicate-vertex,
// unused-vertex and texture-without-uv, added to befunde (unsorted).
// The points with their lines and UV (NaN without), as the geometry holds them.
void GeometrieRegeln(std::span<const std::array<float, 3>> punkte,
                     std::span<const int32_t> punktzeile, std::span<const std::array<float, 2>> uv,
                     const Regelstoff& r, std::vector<Modellbefund>& befunde);

}  // namespace nuk
