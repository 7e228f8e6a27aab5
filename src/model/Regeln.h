// The rules a checked file is held to: each finding names one, and a project
// may switch any of them off.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace nuk {

enum class Schwere : uint8_t { Fehler, Warnung, Hinweis };

// "error", "warning", "note": as SARIF and the JSON output name them.
std::string_view SchwereName(Schwere s);

struct Regel {
    std::string_view id;
    Schwere schwere;
    std::string_view art;           // the finding's kind: reader, hierarchy, line, model, rule
    std::string_view beschreibung;  // one line, German
};

// The rule's description in the user's language.
std::string Beschreibung(const Regel& r);

// Every rule, in the order the README lists them.
std::span<const Regel> AlleRegeln();
// The rule of that id; null for none.
const Regel* RegelMit(std::string_view id);

}  // namespace nuk
