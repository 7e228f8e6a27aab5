// Generated models for the benchmarks.
#pragma once

#include <string>

namespace nukbench {

// What GrossesModell() holds, so a benchmark can check the read against it.
struct Modellgroesse {
    static constexpr int Punkte = 9998;
    static constexpr int Dreiecke = 9998;
    static constexpr int Vierecke = 9998;
    static constexpr int Polygone = 998;
    static constexpr int Ecken = 50;  // corners of every polygon
    static constexpr int Zeilen = 32767;
};

// The largest model the reader's tables and rows take: one clump with every
// table full, padded with colour and surface lines up to the last row. Lines
// end in CR LF, as the files the program meets mostly do; no commas and no
// quotation marks, so every line is one item. The same bytes on every call.
std::string GrossesModell();

// GrossesModell() made once per process.
const std::string& GrossesModellEinmal();

// What ProtoModell() makes of its prototype.
struct Protogroesse {
    static constexpr int Seite = 50;  // points along each side of the grid
    static constexpr int Punkte = Seite * Seite;
    static constexpr int Gruppen = 20;  // clumps of copies
    static constexpr int JeGruppe = 20;
    static constexpr int Kopien = Gruppen * JeGruppe;
    static constexpr int Modellpunkte = Kopien * Punkte + 4;  // and the first clump's plate
};

// About a million points of the whole model made through copies: a wavy grid
// of Protogroesse::Punkte points (quads, every fifth cell two triangles)
// defined once as a prototype and placed Kopien times, each in its clump
// turned about y and tilted, in clumps of JeGruppe moved apart. The first
// clump is a plate of four points beneath them. Lines end in CR LF; the
// same bytes on every call.
std::string ProtoModell();

// The folder of the running program, with a trailing slash: befehle.txt and
// nukcheck sit there.
std::string ProgrammOrdner();

}  // namespace nukbench
