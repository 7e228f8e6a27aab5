#include "model/Regeln.h"

#include <array>

#include "model/Text.h"

namespace nuk {

namespace {

constexpr std::array<Regel, 26> Alle = {{
    {"reader", Schwere::Fehler, "reader", vorgemerkt::Tr("Kern", "Meldung des Lesers des Viewers")},
    {"hierarchy", Schwere::Fehler, "hierarchy",
     vorgemerkt::Tr("Kern", "ModelBegin/ClumpBegin/ClumpEnd/ModelEnd fehlerhaft")},
    {"unknown-command", Schwere::Fehler, "line",
     vorgemerkt::Tr("Kern", "Zeile mit unbekanntem Befehlswort")},
    {"character", Schwere::Fehler, "line",
     vorgemerkt::Tr("Kern", "Zeile mit unzulässigem Zeichen")},
    {"corner-missing", Schwere::Fehler, "model",
     vorgemerkt::Tr("Kern", "Ecke, die der Clump nicht hat")},
    {"few-corners", Schwere::Fehler, "model",
     vorgemerkt::Tr("Kern", "Fläche mit weniger als drei verschiedenen Ecken")},
    {"polygon-count", Schwere::Fehler, "model",
     vorgemerkt::Tr("Kern", "Polygon, dessen Anzahl nicht zu den Ecken passt")},
    {"number-missing", Schwere::Fehler, "model",
     vorgemerkt::Tr("Kern", "Befehl mit zu wenigen Zahlen")},
    {"not-a-number", Schwere::Fehler, "model",
     vorgemerkt::Tr("Kern", "Wort, wo eine Zahl stehen muss")},
    {"unbalanced", Schwere::Fehler, "model",
     vorgemerkt::Tr("Kern", "Begin ohne End oder End ohne Begin")},
    {"proto-nesting", Schwere::Fehler, "model",
     vorgemerkt::Tr("Kern", "ProtoBegin in einem Clump oder Prototyp")},
    {"proto-name", Schwere::Fehler, "model", vorgemerkt::Tr("Kern", "Prototyp ohne Namen")},
    {"proto-undefined", Schwere::Fehler, "model",
     vorgemerkt::Tr("Kern", "Prototyp, der noch nicht definiert ist")},
    {"proto-recursion", Schwere::Fehler, "model",
     vorgemerkt::Tr("Kern", "Prototyp, der sich selbst aufruft")},
    {"model-too-large", Schwere::Fehler, "model",
     vorgemerkt::Tr("Kern", "Modell über 4.000.000 Punkte oder 16.000.000 Ecken")},
    {"non-planar-face", Schwere::Warnung, "rule",
     vorgemerkt::Tr("Kern", "Viereck oder Polygon, das nicht in einer Ebene liegt")},
    {"degenerate-face", Schwere::Warnung, "rule", vorgemerkt::Tr("Kern", "Fläche ohne Inhalt")},
    {"flipped-face", Schwere::Warnung, "rule",
     vorgemerkt::Tr("Kern", "Fläche, die anders herum zeigt als ihre Nachbarin")},
    {"duplicate-vertex", Schwere::Hinweis, "rule",
     vorgemerkt::Tr("Kern", "Punkt, den es im Clump schon gibt")},
    {"unused-vertex", Schwere::Hinweis, "rule",
     vorgemerkt::Tr("Kern", "Punkt, den keine Fläche benutzt")},
    {"bad-primitive", Schwere::Fehler, "rule",
     vorgemerkt::Tr("Kern", "Grundkörper ohne Radius, Höhe oder Seiten")},
    {"colour-range", Schwere::Warnung, "rule",
     vorgemerkt::Tr("Kern", "Farbwert außerhalb von 0 bis 1")},
    {"texture-without-uv", Schwere::Warnung, "rule",
     vorgemerkt::Tr("Kern", "Fläche mit Textur an einem Punkt ohne UV")},
    {"extension-without-bang", Schwere::Warnung, "rule",
     vorgemerkt::Tr("Kern", "Erweiterung ohne vorangestelltes #!")},
    {"texture-missing", Schwere::Fehler, "rule",
     vorgemerkt::Tr("Kern", "Textur oder Maske, die es nicht gibt")},
    {"texture-size", Schwere::Warnung, "rule",
     vorgemerkt::Tr("Kern", "Textur, deren Seite keine Zweierpotenz bis 512 ist")},
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

std::string Beschreibung(const Regel& r) {
    return Tr("Kern", r.beschreibung.data());
}

const Regel* RegelMit(std::string_view id) {
    for (const Regel& r : Alle)
        if (r.id == id) return &r;
    return nullptr;
}

}  // namespace nuk
