// The one document model and the settings several modules share. Everything
// lives in one State object; the application owns one, every test makes its own.
#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/Fehlschlag.h"
#include "model/Fenster.h"
#include "model/GanzesModell.h"
#include "model/Host.h"
#include "model/Liste.h"

namespace nuk {

// Booleans kept in 16-bit fields.
constexpr int16_t Wahr = -1;
constexpr int16_t Falsch = 0;

struct Punkt {
    float X = 0, Y = 0, Z = 0;
    int16_t Zeile = 0;
    int16_t Markiert = 0;
    bool operator==(const Punkt&) const = default;
};

struct Dreieck {
    int16_t P1 = 0, P2 = 0, P3 = 0;
    int16_t Zeile = 0;
    int16_t Anzahl = 0;
    bool operator==(const Dreieck&) const = default;
};

struct Viereck {
    int16_t P1 = 0, P2 = 0, P3 = 0, P4 = 0;
    int16_t Zeile = 0;
    int16_t Anzahl = 0;
    bool operator==(const Viereck&) const = default;
};

constexpr int MaxEcken = 50;

struct Polygon {
    std::array<int16_t, MaxEcken + 1> P{};  // P[0] is the corner count
    int16_t Zeile = 0;
    int16_t Anzahl = 0;
    bool operator==(const Polygon&) const = default;
};

// How many corners a polygon has that can be read, whatever its count says.
inline int Eckenzahl(const Polygon& p) {
    return p.P[0] < 0 ? 0 : p.P[0] > MaxEcken ? MaxEcken : p.P[0];
}

// The corners an object names, in their order: every place that walks an
// object's corners goes through these, so the polygon's count has one rule.
inline std::array<int16_t, 3> Ecken(const Dreieck& d) {
    return {d.P1, d.P2, d.P3};
}
inline std::array<int16_t, 4> Ecken(const Viereck& v) {
    return {v.P1, v.P2, v.P3, v.P4};
}
inline std::span<const int16_t> Ecken(const Polygon& p) {
    return {p.P.data() + 1, static_cast<size_t>(Eckenzahl(p))};
}

// 3x3 rotation of float32, stored by rows.
struct Matrix {
    std::array<std::array<float, 3>, 3> m{};
    bool operator==(const Matrix&) const = default;
};

Matrix Einheitsmatrix();

// A fixed table indexed from its lower bound. Every access is bounds-checked,
// so a bad index from a file ends in the failure path instead of memory damage.
// Writes go through setzen(), which counts the writes that change a record's
// row, so the row look-ups know when to rebuild their index (and the linkage
// counters, which keep the row, cost them nothing).
template <class T, int Unten, int Oben>
class Tabelle {
  public:
    static constexpr int unten = Unten;
    static constexpr int oben = Oben;
    static constexpr bool gueltig(int i) { return i >= Unten && i <= Oben; }

    const T& operator[](int i) const { return daten_[stelle(i)]; }
    // Entries von..bis in one piece, for walks over many.
    std::span<const T> bereich(int von, int bis) const {
        if (bis < von) return {};
        stelle(bis);
        return {&daten_[stelle(von)], static_cast<size_t>(bis - von + 1)};
    }
    void setzen(int i, const T& wert) {
        T& satz = daten_[stelle(i)];
        if (satz.Zeile != wert.Zeile) ++zeilenVersion_;
        satz = wert;
    }
    uint64_t zeilenVersion() const { return zeilenVersion_; }

  private:
    static size_t stelle(int i) {
        if (!gueltig(i)) {
#ifdef NUK_GRENZEN_ABBRUCH
            // The fuzzer's build: no path of the program should get here at all.
            std::abort();
#endif
            throw Fehlschlag("Tabellenindex außerhalb der Grenzen");
        }
        return static_cast<size_t>(i - Unten);
    }
    std::array<T, Oben - Unten + 1> daten_{};
    uint64_t zeilenVersion_ = 0;
};

using PunktTabelle = Tabelle<Punkt, -4, 10010>;
using DreieckTabelle = Tabelle<Dreieck, 0, 10010>;
using ViereckTabelle = Tabelle<Viereck, 0, 10010>;
using PolygonTabelle = Tabelle<Polygon, 0, 1010>;

// Index from a record's row to the lowest table index holding that row,
// rebuilt when a record's row has changed since it was built.
class ZeilenIndex {
  public:
    template <class Tab>
    int16_t niedrigster(const Tab& tabelle, int von, int16_t zeile) const {
        if (gebaut_ != tabelle.zeilenVersion() + 1) {
            aufbauen(von, Tab::oben, [&](int i) { return tabelle[i].Zeile; });
            gebaut_ = tabelle.zeilenVersion() + 1;
        }
        return erster_[static_cast<size_t>(zeile + 32768)];
    }

  private:
    template <class F>
    void aufbauen(int von, int bis, F zeileVon) const {
        erster_.assign(65536, -1);
        for (int i = bis; i >= von; --i)
            erster_[static_cast<size_t>(zeileVon(i) + 32768)] = static_cast<int16_t>(i);
    }
    mutable std::vector<int16_t> erster_;
    mutable uint64_t gebaut_ = 0;  // the table's row version + 1; 0 = never built
};

struct State {
    explicit State(Host& host);
    // The lists' handlers hold on to this object.
    State(const State&) = delete;
    State& operator=(const State&) = delete;

    Host& host;

    PunktTabelle Punkte;
    PunktTabelle Bildpunkte;
    DreieckTabelle Dreiecke;
    ViereckTabelle Vierecke;
    PolygonTabelle Polygone;

    int16_t PunktZahl = 0;
    int16_t DreieckZahl = 0;
    int16_t ViereckZahl = 0;
    int16_t PolygonZahl = 0;

    std::string AppPfad;
    float MaxBetrag = 0;
    double Lupenfaktor = 0;
    int16_t Modus = 0;
    int16_t Schwelle = 0;
    int16_t AktZeile = 0;
    int16_t BefehleGeladen = Falsch;
    float StartX = 0, StartY = 0;
    float StartTaste = 0;
    int16_t Bewegt = Falsch;
    float Fangweite = 0;
    float Buchstabengroesse = 0;
    Matrix Drehung;
    Matrix StartDrehung;

    std::string Caption = "NukViewer";  // the main window's
    AusgabeFenster Ausgabe;
    Werkzeugleiste Toolbar1;
    Zeitgeber Timer1;
    Menue Menu;
    Dateidialog CommonDialog1;
    Dateiherkunft Herkunft;  // of the rows in TextList
    // The file read the way other RWX loaders read it: every clump, drawn
    // beneath the first clump's picture while Menu.GanzesModell is ticked.
    GanzesModell Ganzes;
    // The TextList row of each of its points and faces (the first row of the
    // line that made it; -1 beyond the rows), and what each row stands for.
    std::vector<int32_t> GanzesPunktZeile, GanzesFlaechenZeile;
    enum : uint8_t { GanzPunkt = 1, GanzFlaeche = 2, ErsterClump = 4 };
    std::vector<uint8_t> ZeilenArt;  // by TextList row
    // The points and faces whose row is none of the first clump's records:
    // what marking adds to the first clump's. A model all in its first
    // clump has none.
    std::vector<uint32_t> GanzesPunkte, GanzesFlaechen;
    // Of those, the first face of each row: the copies of a prototype's face
    // have its row and their corners the rows of its corners, so the rules
    // need look at it once.
    std::vector<uint32_t> GanzesFlaechenJeZeile;
    std::vector<int32_t> Quellzeilen;              // the file line each row begins on
    int ErsterClumpVon = -1, ErsterClumpBis = -1;  // its "Begin:" and "End:" rows
    std::map<int, std::string> Befundtexte;        // the model's findings by row, UTF-8
    // Counts of documents loaded ("Neu", "Öffnen", "Aktualisieren") and of
    // rows written: the shell's undo and changed-document mark follow them.
    uint32_t Geladen = 0, Gespeichert = 0;

    Liste TextList;
    Liste AuswahlList;
    Liste BefehlsList{std::numeric_limits<int>::max()};

    // Caches of the row look-ups; they never change an answer.
    ZeilenIndex punktIndex, dreieckIndex, viereckIndex, polygonIndex;
};

// "ganzes Modell" is ticked and the model has points: picking, the read-out,
// the rules and the marks take in every clump, not only the first.
inline bool GanzesMarkierbar(const State& s) {
    return s.Menu.GanzesModell && !s.Ganzes.punkte.empty();
}

// f(tabelle, zahl) for the triangles, the quads and the polygons, in that order.
template <class S, class F>
void JedeObjektart(S& s, F f) {
    f(s.Dreiecke, s.DreieckZahl);
    f(s.Vierecke, s.ViereckZahl);
    f(s.Polygone, s.PolygonZahl);
}

// Shows a message box through the host, noting how many rows there are now.
void Melden(State& s, std::string text, std::string titel = {});

// Switches Timer1 on; one that is on already keeps its count.
void Timer1An(State& s);
// The folder of the document's file, where its textures are sought.
std::string_view ModellOrdner(const State& s);

// The coded message of a look-up that finds nothing.
void FehlerMelden(State& s, std::string_view code);

}  // namespace nuk
