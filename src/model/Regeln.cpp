#include "model/Regeln.h"

#include <array>

namespace nuk {

namespace {

constexpr std::array<Regel, 26> Alle = {{
    {"reader", Schwere::Fehler, "reader", "Meldung des Lesers des Viewers"},
    {"hierarchy", Schwere::Fehler, "hierarchy",
     "ModelBegin/ClumpBegin/ClumpEnd/ModelEnd fehlerhaft"},
    {"unknown-command", Schwere::Fehler, "line", "Zeile mit unbekanntem Befehlswort"},
    {"character", Schwere::Fehler, "line", "Zeile mit unzulässigem Zeichen"},
    {"corner-missing", Schwere::Fehler, "model", "Ecke, die der Clump nicht hat"},
    {"few-corners", Schwere::Fehler, "model", "Fläche mit weniger als drei verschiedenen Ecken"},
    {"polygon-count", Schwere::Fehler, "model", "Polygon, dessen Anzahl nicht zu den Ecken passt"},
    {"number-missing", Schwere::Fehler, "model", "Befehl mit zu wenigen Zahlen"},
    {"not-a-number", Schwere::Fehler, "model", "Wort, wo eine Zahl stehen muss"},
    {"unbalanced", Schwere::Fehler, "model", "Begin ohne End oder End ohne Begin"},
    {"proto-nesting", Schwere::Fehler, "model", "ProtoBegin in einem Clump oder Prototyp"},
    {"proto-name", Schwere::Fehler, "model", "Prototyp ohne Namen"},
    {"proto-undefined", Schwere::Fehler, "model", "Prototyp, der noch nicht definiert ist"},
    {"proto-recursion", Schwere::Fehler, "model", "Prototyp, der sich selbst aufruft"},
    {"model-too-large", Schwere::Fehler, "model",
     "Modell über 4.000.000 Punkte oder 16.000.000 Ecken"},
    {"non-planar-face", Schwere::Warnung, "rule",
     "Viereck oder Polygon, das nicht in einer Ebene liegt"},
    {"degenerate-face", Schwere::Warnung, "rule", "Fläche ohne Inhalt"},
    {"flipped-face", Schwere::Warnung, "rule", "Fläche, die anders herum zeigt als ihre Nachbarin"},
    {"duplicate-vertex", Schwere::Hinweis, "rule", "Punkt, den es im Clump schon gibt"},
    {"unused-vertex", Schwere::Hinweis, "rule", "Punkt, den keine Fläche benutzt"},
    {"bad-primitive", Schwere::Fehler, "rule", "Grundkörper ohne Radius, Höhe oder Seiten"},
    {"colour-range", Schwere::Warnung, "rule", "Farbwert außerhalb von 0 bis 1"},
    {"texture-without-uv", Schwere::Warnung, "rule", "Fläche mit Textur an einem Punkt ohne UV"},
    {"extension-without-bang", Schwere::Warnung, "rule", "Erweiterung ohne vorangestelltes #!"},
    {"texture-missing", Schwere::Fehler, "rule", "Textur oder Maske, die es nicht gibt"},
    {"texture-size", Schwere::Warnung, "rule",
     "Textur, deren Seite keine Zweierpotenz bis 512 ist"},
}};

}  // namespace

std::string_view SchwereName(Schwere s) {
    switch (s) {
        case Schwere::Fehler:
            return "error";
        case Schwere::Warnung:
            return "warning";
        case Schwere::Hinweis:
            return "note";
    }
    return "error";
}

std::span<const Regel> AlleRegeln() {
    return Alle;
}

const Regel* RegelMit(std::string_view id) {
    for (const Regel& r : Alle)
        if (r.id == id) return &r;
    return nullptr;
}

}  // namespace nuk
