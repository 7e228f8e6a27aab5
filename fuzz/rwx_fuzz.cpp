// Arbitrary bytes as a model file: read, check, look up, draw, save, read again.
// Any broken promise traps, so libFuzzer keeps the input.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "app/Anfang.h"
#include "app/Ausgabe.h"
#include "app/NukView.h"
#include "check/Fehler.h"
#include "rwx/GanzesModellLesen.h"
#include "rwx/NukToRwx.h"
#include "rwx/RwxToNuk.h"
#include "selection/BefehlsPad.h"
#include "selection/Ganzes.h"
#include "selection/Modul_Auswahl.h"
#include "selection/Suche.h"
#include "view/Bewegungen.h"
#include "view/Zeichnen.h"

namespace {

using namespace nuk;

// Keeps the messages, counts the shapes; a real display would draw them.
class Flaeche : public Host {
  public:
    void zeigeMeldung(const Meldung& m) override { meldungen.push_back(m); }
    void zeichne(std::span<const Zeichenbefehl> befehle) override { formen += befehle.size(); }
    Fenstermass ausgabeMass() const override { return {5000, 6810}; }
    std::vector<Meldung> meldungen;
    size_t formen = 0;
};

void verlangt(bool bedingung, const char* was) {
    if (bedingung) return;
    std::fprintf(stderr, "verletzt: %s\n", was);
    std::abort();
}

// A fresh document in the same memory every run: the tables are large, and
// mapping them anew each time would cost more than the run itself.
class Dokument {
  public:
    Dokument() : s(new (speicher()) State(host)) {}
    ~Dokument() { s->~State(); }
    Dokument(const Dokument&) = delete;
    Dokument& operator=(const Dokument&) = delete;

    Flaeche host;
    State* const s;

  private:
    alignas(State) static inline unsigned char speicher_[2][sizeof(State)];
    static inline int naechster_ = 0;
    // Two documents are alive at once: the first read and the second.
    unsigned char* speicher() { return speicher_[naechster_++ % 2]; }
};

std::vector<std::string> zeilen(const State& s) {
    std::vector<std::string> z;
    for (int i = 0; i < s.TextList.anzahl(); ++i) z.push_back(s.TextList.text(i));
    return z;
}

void stimmig(const State& s) {
    const int n = s.TextList.anzahl();
    verlangt(n <= Liste::MaxZeilen, "höchstens 32767 Zeilen");
    for (int i = 0; i < n; ++i) verlangt(s.TextList.wert(i) == i, "Zeilen nummeriert");
    verlangt(s.PunktZahl >= 0 && s.PunktZahl <= 9998, "PunktZahl");
    verlangt(s.DreieckZahl >= 0 && s.DreieckZahl <= 9998, "DreieckZahl");
    verlangt(s.ViereckZahl >= 0 && s.ViereckZahl <= 9998, "ViereckZahl");
    verlangt(s.PolygonZahl >= 0 && s.PolygonZahl <= 998, "PolygonZahl");
    auto zeileGilt = [n](int z) { return z >= 0 && z < n; };
    for (int i = 1; i <= s.PunktZahl; ++i) verlangt(zeileGilt(s.Punkte[i].Zeile), "Punktzeile");
    for (int i = 1; i <= s.DreieckZahl; ++i)
        verlangt(zeileGilt(s.Dreiecke[i].Zeile), "Dreieckzeile");
    for (int i = 1; i <= s.ViereckZahl; ++i)
        verlangt(zeileGilt(s.Vierecke[i].Zeile), "Viereckzeile");
    for (int i = 1; i <= s.PolygonZahl; ++i) {
        verlangt(zeileGilt(s.Polygone[i].Zeile), "Polygonzeile");
        verlangt(s.Polygone[i].P[0] <= MaxEcken, "höchstens 50 Ecken");
    }
}

// Every copy in the selection list stands for one file row, and no row twice.
void auswahlStimmig(const State& s) {
    std::vector<bool> gelistet(static_cast<size_t>(s.TextList.anzahl()), false);
    for (int a = 0; a < s.AuswahlList.anzahl(); ++a) {
        const int32_t t = s.AuswahlList.wert(a);
        verlangt(t >= 0 && t < s.TextList.anzahl(), "Kopie einer Dateizeile");
        verlangt(!gelistet[static_cast<size_t>(t)], "Dateizeile höchstens einmal gelistet");
        gelistet[static_cast<size_t>(t)] = true;
    }
}

void pruefen(State& s) {
    HierarchieUrteil(s.TextList);
    NukView::Auswahl_Click(s, 3);
    auswahlStimmig(s);
    s.BefehlsList.leeren();
    for (const char* w : {"", "modelbegin", "modelend", "clumpbegin", "clumpend", "vertex",
                          "triangle", "quad", "polygon", "color"})
        s.BefehlsList.anhaengen(w);
    s.BefehleGeladen = Wahr;
    const std::vector<int> fehlerhaft = FehlerhafteZeilen(s, Befehlssatz(s.BefehlsList));
    NukView::Auswahl_Click(s, 4);
    std::vector<int> getickt;
    for (int i = 0; i < s.TextList.anzahl(); ++i)
        if (s.TextList.haken(i)) getickt.push_back(i);
    verlangt(getickt == fehlerhaft, "die fehlerhaften Zeilen markiert");
    NukView::Auswahl_Click(s, 5);
    for (int i = 0; i < s.TextList.anzahl(); ++i)
        verlangt(!s.TextList.haken(i) || s.Befundtexte.count(i), "Geometrie markiert Befunde");
    auswahlStimmig(s);
    // The linkage pass under every threshold, with unused points marked too.
    for (int16_t schwelle = 0; schwelle <= 3; ++schwelle) {
        NukView::MarkMal_Click(s, schwelle);
        NukView::AusP_Click(s, schwelle % 2 == 0 ? 1 : 0);
        if (schwelle == 2) NukView::AusP_Click(s, 2);
        NukView::Timer1_Timer(s);
        auswahlStimmig(s);
    }
}

void nachschlagen(State& s) {
    // The first rows are where a model's records are; the index makes each cheap.
    const int n = std::min(s.TextList.anzahl(), 300);
    for (int i = 0; i < n; ++i) {
        const auto z = static_cast<int16_t>(i);
        const int16_t p = SuchePunkt(s, z);
        verlangt(p == -1 || s.Punkte[p].Zeile == z, "SuchePunkt");
        const int16_t d = SucheDreieck(s, z);
        verlangt(d == -1 || s.Dreiecke[d].Zeile == z, "SucheDreieck");
        const int16_t v = SucheViereck(s, z);
        verlangt(v == -1 || s.Vierecke[v].Zeile == z, "SucheViereck");
        const int16_t g = SuchePolygon(s, z);
        verlangt(g == -1 || s.Polygone[g].Zeile == z, "SuchePolygon");
        AuswahlZeileVonText(s, z);
    }
    s.AktZeile = static_cast<int16_t>(s.TextList.anzahl() - 1);
    ZeilenAbgleichen(s);
}

void zeichnen(State& s) {
    AchsenSetzen(s);
    Einpassen(s);
    NeuZeichnen(s);
    ModusSetzen(s, 2);
    Ausgabe::Form_MouseDown(s, 1, 0, 0, 0);
    Ausgabe::Form_MouseMove(s, 1, 0, 0.3f * s.Ausgabe.ScaleWidth, 0.1f);
    Ausgabe::Form_Click(s);
    ModusSetzen(s, 3);
    Ausgabe::Form_MouseDown(s, 1, 0, s.Ausgabe.ScaleLeft, s.Ausgabe.ScaleTop);
    Ausgabe::Form_MouseMove(s, 1, 0, 0, 0);
    Ausgabe::Form_MouseUp(s, 1, 0, 0, 0);
    NukView::Timer1_Timer(s);
    StatusZeigen(s, 0, 0);
    NukView::GanzesModell_Click(s);  // takes away what only the whole model holds
    NukView::Timer1_Timer(s);
    NukView::GanzesModell_Click(s);
    NukView::Ansicht_Click(s, 2);
    ModusSetzen(s, 1);
    Ausgabe::Form_MouseDown(s, 2, 0, 0.5f, 0.5f);
    Ausgabe::Form_Click(s);
    Ausgabe::Form_DblClick(s);
    NukView::Standard_Click(s);
    NukView::Timer1_Timer(s);
    AuswahlNeu(s);
}

// The whole model's promises: corners and edges name points that exist, each
// face has its line, findings come in line order within the file.
GanzesModell ganzesModell(std::string_view bytes) {
    GanzesModell m = GanzesModellLesen(bytes);
    const size_t punkte = m.punkte.size();
    verlangt(m.anfang.front() == 0 && m.anfang.back() == m.ecken.size(),
             "Flächen decken die Ecken");
    verlangt(std::is_sorted(m.anfang.begin(), m.anfang.end()), "Flächen aufsteigend");
    verlangt(m.flaechenzeile.size() == m.flaechen(), "jede Fläche hat ihre Zeile");
    verlangt(m.punktzeile.size() == punkte, "jeder Punkt hat seine Zeile");
    for (uint32_t k : m.ecken) verlangt(k < punkte, "Ecke im Modell");
    for (const auto& [p, q] : m.kanten) verlangt(p < q && q < punkte, "Kante im Modell");
    verlangt(punkte <= MaxModellpunkte && m.ecken.size() <= MaxModellecken, "Grenzen gehalten");
    const auto zeilen = static_cast<int32_t>(std::count(bytes.begin(), bytes.end(), '\n') +
                                             std::count(bytes.begin(), bytes.end(), '\r') + 1);
    int32_t vorige = 1;
    for (const Modellbefund& b : m.befunde) {
        verlangt(b.zeile >= vorige && b.zeile <= zeilen, "Befunde nach Zeilen");
        vorige = b.zeile;
    }
    for (float v : m.umfang) verlangt(std::isfinite(v), "Umfang endlich");
    return m;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    Dokument erst;
    Zuruecksetzen(*erst.s);
    std::vector<int32_t> quellzeilen;
    RwxLesenAus(*erst.s, bytes, &quellzeilen);
    // The picture draws it beneath the first clump, and marks reach it by rows.
    erst.s->Ganzes = ganzesModell(bytes);
    GanzesModellZuordnen(*erst.s, quellzeilen);
    GanzesModellAbgleichen(*erst.s);
    stimmig(*erst.s);
    const std::vector<std::string> gelesen = zeilen(*erst.s);
    const std::string gespeichert = RwxText(*erst.s);  // as "Speichern" writes it

    pruefen(*erst.s);
    nachschlagen(*erst.s);
    zeichnen(*erst.s);
    stimmig(*erst.s);

    Dokument wieder;
    Zuruecksetzen(*wieder.s);
    RwxLesenAus(*wieder.s, gespeichert);
    stimmig(*wieder.s);
    // Quotation marks are dropped on reading, so the commas they held split the second time.
    if (bytes.find('"') == std::string_view::npos)
        verlangt(zeilen(*wieder.s) == gelesen, "gespeicherte Zeilen lesen sich gleich");
    return 0;
}
