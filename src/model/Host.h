// The core's one way out: the shell implements it with Qt, tests and nukcheck
// with the recording host below.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace nuk {

// A modal message box with an OK button only.
struct Meldung {
    std::string text;   // UTF-8
    std::string titel;  // empty: no title of its own (the application's title shows)
    int zeile = -1;     // rows in TextList when it was shown: the row the reader was at
    bool operator==(const Meldung&) const = default;
};

struct Farbe {
    uint8_t rot = 0, gruen = 0, blau = 0;
    bool operator==(const Farbe&) const = default;
};

// One shape on the drawing window, in its user coordinate system. Outlines
// only, drawn with the window's default pen.
struct Zeichenbefehl {
    enum Art : uint8_t {
        Loeschen,  // fill the whole picture with the colour
        Linie,     // (x1, y1) to (x2, y2)
        Rechteck,  // outline with the corners (x1, y1) and (x2, y2)
        Punkt,     // a single dot at (x1, y1)
        Kreis,     // centre (x1, y1), radius x2
    };
    Art art = Loeschen;
    Farbe farbe;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const Zeichenbefehl&) const = default;
};

// Outer size of a window in twips (1440 per inch), frame and title bar included.
struct Fenstermass {
    float Height = 0, Width = 0;
};

class Host {
  public:
    virtual ~Host() = default;
    // Returns when the user has closed the box.
    virtual void zeigeMeldung(const Meldung& meldung) = 0;
    // Shapes for the drawing window's persistent picture, in drawing order, in
    // the coordinate system the window has when the call is made. A redraw
    // arrives in a few large batches.
    virtual void zeichne(std::span<const Zeichenbefehl>) {}
    // The drawing window's outer size; a host without one answers 0 x 0.
    virtual Fenstermass ausgabeMass() const { return {}; }
};

class AufzeichnenderHost : public Host {
  public:
    void zeigeMeldung(const Meldung& meldung) override { meldungen.push_back(meldung); }
    void zeichne(std::span<const Zeichenbefehl> befehle) override {
        zeichnungen.insert(zeichnungen.end(), befehle.begin(), befehle.end());
    }
    Fenstermass ausgabeMass() const override { return mass; }

    std::vector<Meldung> meldungen;
    std::vector<Zeichenbefehl> zeichnungen;
    Fenstermass mass;
};

}  // namespace nuk
