// Shared by the core tests: a fresh state with a recording host, and reading
// text straight into it.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/Anfang.h"
#include "app/NukView.h"
#include "model/Datei.h"
#include "model/Variablen.h"
#include "model/Zeilenform.h"
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

class TempOrdner {
  public:
    TempOrdner() {
        pfad_ = std::filesystem::temp_directory_path() /
                ("nuk-test-" + std::to_string(::getpid()) + "-" + std::to_string(zaehler_++));
        std::filesystem::create_directories(pfad_);
    }
    ~TempOrdner() { std::filesystem::remove_all(pfad_); }
    std::string operator/(const std::string& name) const { return (pfad_ / name).string(); }
    std::vector<std::string> inhalt() const {
        std::vector<std::string> namen;
        for (const auto& e : std::filesystem::directory_iterator(pfad_))
            namen.push_back(e.path().filename());
        std::sort(namen.begin(), namen.end());
        return namen;
    }

  private:
    std::filesystem::path pfad_;
    static inline int zaehler_ = 0;
};

inline std::string laden(const std::string& pfad) {
    std::string d;
    EXPECT_TRUE(DateiLaden(pfad, d)) << pfad;
    return d;
}

// Runs f in a child process as an ordinary user, where file permissions hold
// even when the tests run as root; true when f returned true there.
inline bool AlsNutzer(const std::function<bool()>& f) {
    const pid_t kind = ::fork();
    if (kind == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
        ::_exit(f() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Rows: 2..6 points 1..5 (5 unused), 7 triangle, 8 quad, 9 a polygon with point 2 twice.
inline const std::string Modell =
    datei({"ModelBegin", "ClumpBegin", "VERTEX 0 0 0", "Vertex 1 0 0", "vertex 0 1 0",
           "Vertex 1 1 0", "Vertex 2 2 0", "Triangle 1 2 3", "Quad 1 2 4 3", "Polygon 4 2 4 2 3",
           "ClumpEnd", "ModelEnd"});

// The selection list as (file row, ticked).
using Auswahl = std::vector<std::pair<int, bool>>;

inline Auswahl auswahl(const State& s) {
    Auswahl a;
    for (int i = 0; i < s.AuswahlList.anzahl(); ++i)
        a.emplace_back(s.AuswahlList.wert(i), s.AuswahlList.haken(i));
    return a;
}

struct Modelldokument : Dokument {
    Modelldokument() {
        lesen(Modell);
        s->Schwelle = 1;
    }
    void tick() { NukView::Timer1_Timer(*s); }
};

}  // namespace nuk::test
