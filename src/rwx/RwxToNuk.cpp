#include "rwx/RwxToNuk.h"

#include <algorithm>
#include <cmath>

#include "model/Datei.h"
#include "model/Text.h"
#include "model/Zahlformat.h"
#include "model/Zeilenform.h"
#include "rwx/Wortscanner.h"

namespace nuk {

namespace {

// The value of the next word, as a float32 coordinate or a 16-bit number. Wert
// folds cases itself, so the word is taken as it stands.
float naechsteSingle(std::string_view text, int16_t& pos) {
    return AlsSingle(Wert(NaechstesWortRoh(text, pos)));
}

int16_t naechsterInteger(std::string_view text, int16_t& pos) {
    return AlsInteger(Wert(NaechstesWortRoh(text, pos)));
}

// The message of a full table: was is "10000 Punkte" and the like.
void grenzeMelden(State& s, const std::string& was, std::string titel) {
    Melden(s,
           Einsetzen(Tr("Kern", "Der 1.Clump enthält fast %1\nDas paßt mir aber garnicht"), {was}),
           std::move(titel));
}

}  // namespace

Punkt VertexLesen(State& s, std::string_view text, int16_t& pos, int16_t zeile) {
    if (s.PunktZahl <= 9998) {
        Punkt p;
        float* felder[] = {&p.X, &p.Y, &p.Z};
        for (float* f : felder) {
            *f = naechsteSingle(text, pos);
            if (std::fabs(*f) > s.MaxBetrag) s.MaxBetrag = std::fabs(*f);
        }
        p.Zeile = zeile;
        p.Markiert = 0;
        return p;
    }
    grenzeMelden(s, Tr("Kern", "10000 Punkte"), "vertex 1000");
    s.PunktZahl = 9900;
    return Punkt{};
}

Dreieck DreieckLesen(State& s, std::string_view text, int16_t& pos, int16_t zeile) {
    if (s.DreieckZahl <= 9998) {
        Dreieck d;
        d.P1 = naechsterInteger(text, pos);
        d.P2 = naechsterInteger(text, pos);
        d.P3 = naechsterInteger(text, pos);
        d.Zeile = zeile;
        return d;
    }
    grenzeMelden(s, Tr("Kern", "10000 Dreiecke"), Tr("Kern", "Dreieck 1000"));
    s.DreieckZahl = 9900;
    return Dreieck{};
}

Viereck ViereckLesen(State& s, std::string_view text, int16_t& pos, int16_t zeile) {
    if (s.ViereckZahl <= 9998) {
        Viereck v;
        v.P1 = naechsterInteger(text, pos);
        v.P2 = naechsterInteger(text, pos);
        v.P3 = naechsterInteger(text, pos);
        v.P4 = naechsterInteger(text, pos);
        v.Zeile = zeile;
        return v;
    }
    grenzeMelden(s, Tr("Kern", "10000 Vierecke"), "quad 1000");
    s.ViereckZahl = 9900;
    return Viereck{};
}

Polygon PolygonLesen(State& s, std::string_view text, int16_t& pos, int16_t zeile) {
    if (s.PolygonZahl <= 998) {
        Polygon p;
        int16_t n = naechsterInteger(text, pos);
        if (n > MaxEcken) n = MaxEcken;
        p.P[0] = n;
        for (int i = 1; i <= n; ++i) p.P[static_cast<size_t>(i)] = naechsterInteger(text, pos);
        p.Zeile = zeile;
        return p;
    }
    grenzeMelden(s, Tr("Kern", "1000 Polygone"), "Polygon 1000");
    s.PolygonZahl = 998;
    return Polygon{};
}

void ClumpBeginMerken(State& s, std::string& kennung, int16_t& Zustand) {
    Zustand = 2;
    kennung = "Begin:";
    Punkt p0 = s.Punkte[0];
    p0.Zeile = static_cast<int16_t>(s.TextList.anzahl());
    s.Punkte.setzen(0, p0);
}

void ClumpEndMerken(std::string& kennung, int16_t& Zustand) {
    Zustand = 3;
    kennung = "End:";
}

namespace {

// Raises the count, reads the record and stores it at the raised count (which
// the reader may have pulled back to its fall-back value). A record that fails
// leaves the count as it was.
template <class Tab, class Lesen>
void datensatzLesen(int16_t& zahl, Tab& tabelle, Lesen lesen) {
    const int16_t vorher = zahl;
    ++zahl;
    try {
        const auto satz = lesen();
        tabelle.setzen(zahl, satz);
    } catch (...) {
        zahl = vorher;
        throw;
    }
}

}  // namespace

void ZeileLesen(State& s, ItemLeser& datei, int16_t& Zustand) {
    std::string kennung = Zustand == 2 ? ":" : "";
    std::string& text = datei.item;
    datei.lesen(text);
    int16_t pos = 0;
    const std::string_view wort = NaechstesWortRoh(std::string_view(text), pos);
    const auto zeile = static_cast<int16_t>(s.TextList.anzahl());

    if (IstWort(wort, "modelbegin")) {
        if (Zustand == 0)
            Zustand = 1;
        else if (Zustand == 2)
            Melden(s, Tr("Kern", "ClumpEnd fehlt"));
        else
            Melden(s, "2 x ModelBegin", "???");
    } else if (IstWort(wort, "clumpbegin")) {
        if (Zustand == 0) {
            Melden(s, Tr("Kern", "ClumpBegin vor ModelBegin"), "???");
            ClumpBeginMerken(s, kennung, Zustand);
        } else if (Zustand == 1) {
            ClumpBeginMerken(s, kennung, Zustand);
        } else if (Zustand == 2) {
            Melden(s, Tr("Kern", "Programm works with only one Clump"));
            ClumpEndMerken(kennung, Zustand);
        }
    } else if (IstWort(wort, "clumpend")) {
        if (Zustand == 0 || Zustand == 1)
            Melden(s, Tr("Kern", "ClumpEnd zu früh"));
        else if (Zustand == 2)
            ClumpEndMerken(kennung, Zustand);
    } else if (Zustand == 2) {
        if (IstWort(wort, "vertex")) {
            Punkt gelesen;
            datensatzLesen(s.PunktZahl, s.Punkte, [&] {
                gelesen = VertexLesen(s, text, pos, zeile);
                return gelesen;
            });
            s.Bildpunkte.setzen(s.PunktZahl, gelesen);
            kennung = S(static_cast<int>(s.PunktZahl)) + ":";
        } else if (IstWort(wort, "triangle")) {
            datensatzLesen(s.DreieckZahl, s.Dreiecke,
                           [&] { return DreieckLesen(s, text, pos, zeile); });
        } else if (IstWort(wort, "quad")) {
            datensatzLesen(s.ViereckZahl, s.Vierecke,
                           [&] { return ViereckLesen(s, text, pos, zeile); });
        } else if (IstWort(wort, "polygon")) {
            datensatzLesen(s.PolygonZahl, s.Polygone,
                           [&] { return PolygonLesen(s, text, pos, zeile); });
        }
    }
    s.TextList.anhaengen(ZeilenText(kennung, text));
}

bool RwxLesenAus(State& s, std::string_view daten, std::vector<int32_t>* quellzeilen) {
    const std::string_view text = OhneBom(daten);
    s.Herkunft.bom = text.size() != daten.size();
    daten = text;
    s.MaxBetrag = -1000.0f;
    int16_t Zustand = 0;
    bool gelesen = true;
    try {
        ItemLeser datei(daten);
        // A guess at the rows, so that they are not moved while the list grows.
        s.TextList.reservieren(std::min<size_t>(Liste::MaxZeilen, daten.size() / 8 + 16));
        while (datei.weiter()) {
            if (quellzeilen) quellzeilen->push_back(datei.zeile());
            // A further item than the rows can hold ends the read before it is looked at.
            if (s.TextList.anzahl() >= Liste::MaxZeilen) throw Fehlschlag("zu viele Zeilen");
            ZeileLesen(s, datei, Zustand);
        }
    } catch (const std::exception&) {
        Melden(s, Tr("Kern", "Da stimmt was nicht"));
        gelesen = false;
    }
    // Numbered after a failure too, so that row look-ups work on what was read.
    ZeilenNummerieren(s);
    return gelesen;
}

bool RwxLesen(State& s, const std::string& pfad, std::vector<int32_t>* quellzeilen) {
    std::string daten;
    if (!DateiLaden(pfad, daten)) {
        Melden(s, Tr("Kern", "Da stimmt was nicht"));
        return false;
    }
    return RwxLesenAus(s, daten, quellzeilen);
}

}  // namespace nuk
