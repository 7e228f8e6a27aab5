// Filling the whole model's faces into the picture, nearer over farther.
#pragma once

#include <vector>

#include "model/Host.h"
#include "shell/Striche.h"

namespace nuk::shell {

// Each face as a fan of triangles from its first corner. A pixel belongs to
// a triangle when its centre lies inside or on its edge; the colours of the
// corners are blended across it. Opaque faces first, each pixel keeping the
// nearest; then the see-through ones from far to near over what is nearer
// than them. tiefe is the depth per pixel, kept between calls.
//
// texturen and masken hold, per name of flaechen.namen, its image (no
// pixels: not found, or not used as such); U runs across, V down, both
// repeating.
struct Texel {
    const uint32_t* pixel = nullptr;
    int64_t breite = 0, hoehe = 0, zeile = 0;
};
void FlaechenFuellen(const Pixelfeld& bild, const Massstab& massstab,
                     const nuk::Flaechenbild& flaechen, std::span<const Texel> texturen,
                     std::span<const Texel> masken, std::vector<float>& tiefe);

}  // namespace nuk::shell
