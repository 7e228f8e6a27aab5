// Marking on the largest model, as the user meets it: a rubber band over every
// point with the tick that follows it, and the two checks of the menu
// "Auswahl". The model is read once; every iteration starts from no marks.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "Modellgenerator.h"
#include "app/Anfang.h"
#include "app/NukView.h"
#include "rwx/RwxToNuk.h"
#include "selection/BefehlsPad.h"
#include "selection/Modul_Auswahl.h"

namespace {

using nukbench::Modellgroesse;

// Takes every shape and throws it away, as a display would after drawing it;
// counts the messages, since the checks answer with one.
class LeereFlaeche : public nuk::Host {
  public:
    void zeigeMeldung(const nuk::Meldung&) override { ++meldungen; }
    void zeichne(std::span<const nuk::Zeichenbefehl> befehle) override {
        benchmark::DoNotOptimize(befehle.data());
        formen += befehle.size();
    }
    nuk::Fenstermass ausgabeMass() const override { return {12000, 12000}; }
    size_t formen = 0;
    size_t meldungen = 0;
};

// The viewer after start-up and opening the model, its first tick done.
struct Sitzung {
    LeereFlaeche host;
    std::unique_ptr<nuk::State> s = std::make_unique<nuk::State>(host);
    std::vector<std::string> urtexte;  // the rows as read, for undoing relabels

    Sitzung() {
        nuk::NukView::mdiForm_Initialize(*s, nukbench::ProgrammOrdner());
        nuk::Zuruecksetzen(*s);
        nuk::RwxLesenAus(*s, nukbench::GrossesModellEinmal());
        nuk::NachDemLaden(*s);
        nuk::NukView::Timer1_Timer(*s);
        for (int i = 0; i < s->TextList.anzahl(); ++i) urtexte.push_back(s->TextList.text(i));
    }

    bool vollstaendig() const {
        return s->TextList.anzahl() == Modellgroesse::Zeilen &&
               s->PunktZahl == Modellgroesse::Punkte;
    }

    // No marks, no selection, the rows as read, and the tick that settles it.
    void leeren(bool mitTick) {
        for (int i = 0; i < s->TextList.anzahl(); ++i)
            if (s->TextList.text(i) != urtexte[static_cast<size_t>(i)])
                s->TextList.setText(i, urtexte[static_cast<size_t>(i)]);
        nuk::AuswahlNeu(*s);
        if (mitTick) nuk::NukView::Timer1_Timer(*s);
    }

    int haken() const {
        int n = 0;
        for (int i = 0; i < s->TextList.anzahl(); ++i) n += s->TextList.haken(i) ? 1 : 0;
        return n;
    }
};

// entmarkieren: the right button over every marked point, which empties the
// selection list row by row.
void BM_RechteckUeberAllePunkteUndTick(benchmark::State& state, bool entmarkieren) {
    Sitzung z;
    nuk::State& s = *z.s;
    if (!z.vollstaendig()) {
        state.SkipWithError("Modell nicht vollständig gelesen");
        return;
    }
    nuk::ModusSetzen(s, 3);
    // The band from corner to corner of all projected points, with room to spare,
    // so that the strict comparison takes the outermost ones too.
    float xMin = std::numeric_limits<float>::max(), xMax = -xMin;
    float yMin = xMin, yMax = -xMin;
    for (int i = 1; i <= s.PunktZahl; ++i) {
        xMin = std::min(xMin, s.Bildpunkte[i].X);
        xMax = std::max(xMax, s.Bildpunkte[i].X);
        yMin = std::min(yMin, s.Bildpunkte[i].Y);
        yMax = std::max(yMax, s.Bildpunkte[i].Y);
    }
    const float rand = std::max(xMax - xMin, yMax - yMin) / 50 + std::fabs(s.Fangweite);
    const float x1 = xMin - rand, x2 = xMax + rand;
    // Dragged from the top left down, as y grows upwards in the picture.
    const float y1 = yMax + rand, y2 = yMin - rand;

    int auswahlZeilen = 0, haken = 0;
    size_t formen = 0;
    for (auto _ : state) {
        state.PauseTiming();
        z.leeren(true);
        s.StartTaste = 1;
        if (entmarkieren) {
            nuk::RechteckMarkieren(s, x1, y1, x2, y2);
            nuk::NukView::Timer1_Timer(s);
            s.StartTaste = 2;
        }
        formen = z.host.formen;
        state.ResumeTiming();
        nuk::RechteckMarkieren(s, x1, y1, x2, y2);
        nuk::NukView::Timer1_Timer(s);
        state.PauseTiming();
        formen = z.host.formen - formen;
        auswahlZeilen = s.AuswahlList.anzahl();
        haken = z.haken();
        state.ResumeTiming();
    }
    state.counters["Auswahlzeilen"] = auswahlZeilen;
    state.counters["Haken"] = haken;
    state.counters["Formen"] = static_cast<double>(formen);
    if (haken != (entmarkieren ? 0 : Modellgroesse::Punkte))
        state.SkipWithError("nicht jeder Punkt getroffen");
}

enum class Befehle { Datei, NurModelbegin };

void BM_Fehlerhaftes(benchmark::State& state, Befehle befehle, bool mitTick) {
    Sitzung z;
    nuk::State& s = *z.s;
    if (!z.vollstaendig()) {
        state.SkipWithError("Modell nicht vollständig gelesen");
        return;
    }
    if (befehle == Befehle::Datei) {
        if (!nuk::BefehleLaden(s, nukbench::ProgrammOrdner() + "befehle.txt")) {
            state.SkipWithError("befehle.txt nicht lesbar");
            return;
        }
    } else {
        // Every row but the first is then faulty: the most relabelling and ticking.
        s.BefehlsList.leeren();
        s.BefehlsList.anhaengen("modelbegin");
        s.BefehleGeladen = nuk::Wahr;
    }

    int auswahlZeilen = 0, haken = 0;
    for (auto _ : state) {
        state.PauseTiming();
        z.leeren(true);
        state.ResumeTiming();
        nuk::NukView::Auswahl_Click(s, 4);
        if (mitTick) nuk::NukView::Timer1_Timer(s);
        state.PauseTiming();
        auswahlZeilen = s.AuswahlList.anzahl();
        haken = z.haken();
        state.ResumeTiming();
    }
    state.counters["Auswahlzeilen"] = auswahlZeilen;
    state.counters["Haken"] = haken;
    if (z.host.meldungen != 0) state.SkipWithError("unerwartete Meldung");
}

// Named apart from BM_Hierarchie, which times the verdict alone without the menu.
void BM_HierarchieMenue(benchmark::State& state) {
    Sitzung z;
    nuk::State& s = *z.s;
    if (!z.vollstaendig()) {
        state.SkipWithError("Modell nicht vollständig gelesen");
        return;
    }
    const size_t meldungenVorher = z.host.meldungen;
    int auswahlZeilen = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // The check redraws nothing, so the marks need no tick to settle.
        z.leeren(false);
        state.ResumeTiming();
        nuk::NukView::Auswahl_Click(s, 3);
        state.PauseTiming();
        auswahlZeilen = s.AuswahlList.anzahl();
        state.ResumeTiming();
    }
    state.counters["Auswahlzeilen"] = auswahlZeilen;
    const auto meldungen = z.host.meldungen - meldungenVorher;
    if (meldungen != static_cast<size_t>(state.iterations()))
        state.SkipWithError("nicht genau eine Meldung je Prüfung");
}

BENCHMARK_CAPTURE(BM_RechteckUeberAllePunkteUndTick, markieren, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RechteckUeberAllePunkteUndTick, entmarkieren, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Fehlerhaftes, Modell, Befehle::Datei, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Fehlerhaftes, ModellMitTick, Befehle::Datei, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Fehlerhaftes, NurModelbegin, Befehle::NurModelbegin, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Fehlerhaftes, NurModelbeginMitTick, Befehle::NurModelbegin, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HierarchieMenue)->Unit(benchmark::kMillisecond);

}  // namespace
