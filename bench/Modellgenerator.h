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

// The folder of the running program, with a trailing slash: befehle.txt and
// nukcheck sit there.
std::string ProgrammOrdner();

}  // namespace nukbench
