// Reading the whole model: every clump, transform, prototype and primitive of
// a file, as the world's RWX loaders read it, apart from the rows and the
// first clump's tables. What it finds wrong in the geometry it lists with the line.
#pragma once

#include <cstddef>
#include <string_view>

#include "model/GanzesModell.h"

namespace nuk {

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
//
// With regeln, the checker's rules are applied too: the geometry of each
// clump and each prototype's definition (once, however often it is placed),
// and the colours, primitives, textures and extensions of the lines.
GanzesModell GanzesModellLesen(std::string_view daten, bool regeln = false);

}  // namespace nuk
