// What the windows show that the core decides: the drawing window's coordinate
// system, caption, pointer and rubber band, the toolbar's pressed buttons and
// the timer. The shell mirrors these after every call into the core.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/Host.h"

namespace nuk {

// One of the rubber band's four lines, floating above the picture.
struct Linienobjekt {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    bool Visible = false;
};

enum class Mauszeiger : uint8_t { Vorgabe, Pfeil, Lupe, Bewegungen };

struct AusgabeFenster {
    // The client area spans ScaleLeft .. ScaleLeft + ScaleWidth across and
    // ScaleTop (top edge) .. ScaleTop + ScaleHeight down; a fit makes
    // ScaleHeight negative so that y grows upward.
    float ScaleLeft = 0, ScaleTop = 0, ScaleWidth = 1, ScaleHeight = 1;
    std::string Caption = "NukViewer";
    Mauszeiger MousePointer = Mauszeiger::Vorgabe;
    Linienobjekt Line1, Line2, Line3, Line4;

    // Where the last line ended or the last dot was set.
    float CurrentX = 0, CurrentY = 0;
    // Shapes not yet handed to the host; reused so that a redraw allocates nothing.
    std::vector<Zeichenbefehl> puffer;
    // The whole model's points as drawn, reused likewise.
    std::vector<std::array<float, 2>> modellBild;
    // The whole model's edges that the first clump's picture does not cover.
    std::vector<std::array<uint32_t, 2>> modellKanten;
    // The faces as drawn: points turned with their depth, a colour per corner.
    std::vector<std::array<float, 3>> flaechenPunkte;
    std::vector<uint32_t> flaechenFarben;
    std::vector<int32_t> flaechenTextur, flaechenMaske;

    // The objects' outlines as last drawn and what they were drawn from: the
    // points' places, bit for bit, and the tables' counts and corners. A
    // redraw that changes only marks hands them over again as they are.
    struct Objektbild {
        std::vector<uint32_t> punkte;
        std::vector<int16_t> ecken;
        std::vector<Zeichenbefehl> befehle;
        float endeX = 0, endeY = 0;  // the current position after them
        bool gemerkt = false;        // befehle belong to these inputs
        bool mitschreiben = false;   // what goes to the host goes to befehle too
    } objekte;
};

struct Werkzeugleiste {
    std::array<bool, 4> gedrueckt{};  // buttons 1..3: "Lupe", "Bewegungen", "Auswahl"
};

struct Zeitgeber {
    bool Enabled = false;  // the shell runs a 10 ms one-shot while this is set
};

// The menu ticks that are state: which child windows are shown, the arrangement
// in force and the two linkage rules.
struct Menue {
    std::array<bool, 5> Shows{true, true, true, true, false};  // by Kind
    std::array<bool, 4> FenAnGeO{false, true, false, false};   // 1 "flach", 2 "schmal", 3 "manuell"
    std::array<bool, 3> AusP{false, true, false};
    std::array<bool, 4> MarkMal{false, true, false, false};
    bool GanzesModell = true;  // "Ansicht": "ganzes Modell"
    bool Flaechen = false;     // "Flächen": the faces filled
    bool Rueckseiten = true;   // "Rückseiten": a face seen from behind in magenta
};

// The file dialog keeps the document's file: the path to read and write, and
// the name alone for the caption (UTF-8).
struct Dateidialog {
    std::string FileName;
    std::string FileTitle;
};

// What the document knows of the file it came from, beyond its rows.
struct Dateiherkunft {
    // The read ended through its failure path: the rows are not the whole
    // file, so "Speichern" must not write them over it.
    bool unvollstaendig = false;
    // The file began with a UTF-8 byte-order mark; saving writes it back.
    bool bom = false;
};

}  // namespace nuk
