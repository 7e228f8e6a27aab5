// Shared by the core tests: a fresh state with a recording host, and reading
// text straight into it.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "model/Anfang.h"
#include "model/Variablen.h"
#include "rwx/RwxToNuk.h"

namespace nuk {

inline void PrintTo(const Meldung& m, std::ostream* os) {
    *os << "{\"" << m.text << "\", \"" << m.titel << "\", " << m.zeile << "}";
}

inline void PrintTo(const Zeichenbefehl& b, std::ostream* os) {
    *os << "{" << int(b.art) << ", (" << int(b.farbe.rot) << "," << int(b.farbe.gruen) << ","
        << int(b.farbe.blau) << "), " << b.x1 << ", " << b.y1 << ", " << b.x2 << ", " << b.y2
        << "}";
}

}  // namespace nuk

namespace nuk::test {

struct Dokument {
    AufzeichnenderHost host;
    std::unique_ptr<State> s = std::make_unique<State>(host);

    Dokument() { Zuruecksetzen(*s); }

    // Reset, then read the bytes as a file.
    bool lesen(std::string_view daten) {
        Zuruecksetzen(*s);
        host.meldungen.clear();
        return RwxLesenAus(*s, daten);
    }

    std::vector<std::string> zeilen() const {
        std::vector<std::string> z;
        for (int i = 0; i < s->TextList.anzahl(); ++i) z.push_back(s->TextList.text(i));
        return z;
    }

    std::vector<std::string> meldungstexte() const {
        std::vector<std::string> t;
        for (const Meldung& m : host.meldungen) t.push_back(m.text);
        return t;
    }
};

// Lines joined with LF, each ended.
inline std::string datei(std::initializer_list<std::string_view> zeilen) {
    std::string d;
    for (auto z : zeilen) d.append(z).append("\n");
    return d;
}

}  // namespace nuk::test
