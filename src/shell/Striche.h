// The drawing's one-pixel lines and dots, written straight into the picture's
// memory. A redraw of a large model is tens of millions of pixels, most of
// them the same pixel many times over in the same colour; the paint engine's
// span machinery costs several times as much per pixel.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace nuk::shell {

// A picture's memory: 32-bit pixels, `zeile` pixels from one row to the next.
struct Pixelfeld {
    uint32_t* pixel = nullptr;
    int64_t breite = 0, hoehe = 0, zeile = 0;
};

// Drawing units to pixels: x runs from `links` over `einheitenBreite` units
// across `breite` pixels, y likewise down.
struct Massstab {
    double links = 0, oben = 0, einheitenBreite = 1, einheitenHoehe = 1;
    double breite = 1, hoehe = 1;
    double x(float v) const { return (double{v} - links) * breite / einheitenBreite; }
    double y(float v) const { return (double{v} - oben) * hoehe / einheitenHoehe; }
    bool operator==(const Massstab&) const = default;
};

// Cuts the line (ax, ay)-(ex, ey) to the rectangle (Liang-Barsky), so that a
// far-off point never reaches a pixel index; false when nothing is left.
bool Kappen(double& ax, double& ay, double& ex, double& ey, double links, double oben,
            double rechts, double unten);

// Runs of lines and dots of one colour each, collected and then drawn at
// once. The pixels one run sets do not depend on the order of its lines,
// which lets the drawing skip what is already set and share the work between
// both cores. A run waits for the run after it: what that one draws again,
// in the same order (the marked objects over all objects), it covers pixel
// for pixel and need not be drawn before.
class Striche {
  public:
    Striche();
    ~Striche();

    // Ends the run and begins one of the colour; the run before the ended one
    // goes into the picture.
    void beginnen(uint32_t farbe, const Massstab& m, const Pixelfeld& bild);
    uint32_t farbe() const { return jetzt_.farbe; }
    bool leer() const { return frueher_.leer() && jetzt_.leer(); }
    const Massstab& massstab() const { return jetzt_.massstab; }

    // A line between two points in drawing units, end points included.
    void linie(float x1, float y1, float x2, float y2) {
        jetzt_.linien.push_back({x1, y1, x2, y2});
    }
    struct Linie {
        float x1, y1, x2, y2;
        // Left unwritten: room for many is made first, then each is written.
        Linie() {}
        Linie(float a, float b, float c, float d) : x1(a), y1(b), x2(c), y2(d) {}
        bool operator==(const Linie&) const = default;
    };
    // n lines at once, each written in its place by schreiben(i, linie).
    template <class F>
    void linien(size_t n, F schreiben) {
        auto& l = jetzt_.linien;
        const size_t alt = l.size();
        if (l.capacity() - alt < n) wachsen(l, alt + n);
        l.resize(alt + n);
        Linie* const neu = l.data() + alt;
        for (size_t i = 0; i < n; ++i) schreiben(i, neu[i]);
    }
    // The pixel (x, y); one outside the picture is left out.
    void punkt(int64_t x, int64_t y);

    // A line for each edge between the two points it names, drawn now over
    // the runs before; each point goes to its pixel once, not once for every
    // line at it. An edge naming no point draws nothing.
    void netz(uint32_t farbe, const Massstab& m, const Pixelfeld& bild,
              std::span<const std::array<float, 2>> punkte,
              std::span<const std::array<uint32_t, 2>> kanten);

    // Puts both runs into the picture.
    void zeichnen(const Pixelfeld& bild);

    // A line in pixels, cut to the picture, ready to walk.
    struct Strich {
        int64_t x, y, dx, dy;  // 16.16 fixed point; dy >= 0, so the line runs down the rows
        int64_t rest;          // pixels still to set, less one; -1 for nothing to draw
    };
    // Forgets both runs, for a picture drawn over whole.
    void verwerfen();

  private:
    struct Lauf {
        uint32_t farbe = 0;
        Massstab massstab;
        std::vector<Linie> linien;
        std::vector<std::array<int64_t, 2>> punkte;
        bool leer() const { return linien.empty() && punkte.empty(); }
    };
    class Helfer;

    // Room for n lines, from the spare when it has it: a redraw's tens of
    // megabytes, fresh from the system each time, cost a page fault per page.
    void wachsen(std::vector<Linie>& l, size_t n);
    // Keeps the larger of a drawn run's room and the spare's.
    void freigeben(std::vector<Linie>& l);
    std::vector<Linie> frei_;

    // Leaves out of the earlier run what the later one draws again.
    static void ohneWiederholte(Lauf& frueher, const Lauf& spaeter);
    void zeichnen(Lauf& lauf, const Pixelfeld& bild);
    // The lines von..bis of the source as bits of the core t.
    template <class Quelle>
    void setzen(int t, const Quelle& quelle, const Pixelfeld& bild, size_t von, size_t bis);
    // The tiles for the picture's size; a new size forgets the kept bits.
    void einrichten(const Pixelfeld& bild);
    // The n lines of the source and the dots into the picture in the colour,
    // with both cores from a few thousand lines on; the bits stay in the
    // first core's tiles.
    template <class Quelle>
    void allesZiehen(const Quelle& quelle, size_t n,
                     const std::vector<std::array<int64_t, 2>>& punkte, uint32_t farbe,
                     const Pixelfeld& bild);
    // The bits of the rows von..bis into the picture in the colour.
    static void auftragen(const std::vector<uint64_t>& kacheln, int64_t kb, uint32_t farbe,
                          const Pixelfeld& bild, int64_t von, int64_t bis);
    // Runs drawn before, with their bits: the same lines again in another
    // colour (marking or unmarking everything, a click in a list) cost only
    // the bits' way into the picture.
    struct Gemerkt {
        Massstab massstab;
        int64_t breite = 0, hoehe = 0;
        std::vector<Linie> linien;
        std::vector<std::array<int64_t, 2>> punkte;
        std::vector<uint64_t> kacheln;
    };
    bool ausDemGedaechtnis(Lauf& lauf, const Pixelfeld& bild);
    // The kept bits into the picture in the colour.
    void auftragenBeide(const std::vector<uint64_t>& kacheln, uint32_t farbe,
                        const Pixelfeld& bild);
    // The net drawn last, likewise: a redraw of an unturned view (a rubber
    // band, a tick) shows the same points again.
    struct GemerktesNetz {
        Massstab massstab;
        int64_t breite = 0, hoehe = 0;
        std::vector<std::array<float, 2>> punkte;
        std::vector<std::array<uint32_t, 2>> kanten;
        std::vector<uint64_t> kacheln;
    };
    GemerktesNetz netz_;
    std::vector<std::array<double, 2>> pixel_;  // the net's points in pixels
    void ziehen(int t, const Strich& s, int64_t w, int64_t h);
    void gehen(int t, const Strich& s, int64_t k0, int64_t k1);
    void spannenErneuern(int t);

    Lauf frueher_, jetzt_;
    // By core, of the lines it took: a bit for each pixel they set, in tiles
    // of 8 x 8 pixels, and a bit for each full tile, in blocks of 8 x 8
    // tiles. A line needs no steps through a full tile or block, and none at
    // all within the stretch of full tile columns of a row of blocks. The
    // picture is small beside the lines, so each core has all of it: a line
    // is prepared and drawn in one go, and the two come together at the end.
    // Each on cache lines of its own: both cores write theirs all the time.
    struct alignas(64) Teil {
        std::vector<uint64_t> kacheln, bloecke;
        // By row of blocks: first and last tile column.
        std::vector<std::array<int64_t, 2>> spannen;
        // First and last row, first and last tile column of a rectangle of full tiles.
        std::array<int64_t, 4> rechteck{};
        uint64_t* andere = nullptr;  // the other core's bloecke
        bool neueVolle = false;      // tiles full since spannen
        size_t gezogen = 0;          // lines drawn
    };
    std::array<Teil, 2> teile_;
    std::array<Gemerkt, 2> gemerkt_;  // the one drawn last first
    int64_t kachelnBreite_ = 0, kachelnHoehe_ = 0, bloeckeBreite_ = 0;
    std::unique_ptr<Helfer> helfer_;
};

}  // namespace nuk::shell
