// One rotation step of a drag on the largest model: the core's share of a
// frame (turn, project, redraw into a surface that keeps nothing).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "Modellgenerator.h"
#include "app/Anfang.h"
#include "app/Ausgabe.h"
#include "rwx/RwxToNuk.h"
#include "view/Bewegungen.h"
#include "view/Zeichnen.h"

namespace {

// Takes every shape and throws it away, as a display would after drawing it.
class LeereFlaeche : public nuk::Host {
  public:
    void zeigeMeldung(const nuk::Meldung&) override {}
    void zeichne(std::span<const nuk::Zeichenbefehl> befehle) override {
        benchmark::DoNotOptimize(befehle.data());
        formen += befehle.size();
    }
    nuk::Fenstermass ausgabeMass() const override { return {12000, 12000}; }
    size_t formen = 0;
};

struct Ansicht {
    LeereFlaeche host;
    std::unique_ptr<nuk::State> s = std::make_unique<nuk::State>(host);

    explicit Ansicht(bool punkteMarkiert) {
        nuk::Zuruecksetzen(*s);
        nuk::RwxLesenAus(*s, nukbench::GrossesModell());
        nuk::AchsenSetzen(*s);
        nuk::Einpassen(*s);
        if (punkteMarkiert)
            for (int i = 1; i <= s->PunktZahl; ++i) s->TextList.setHaken(s->Punkte[i].Zeile, true);
        s->Modus = 2;
        nuk::Ausgabe::Form_MouseDown(*s, 1, 0, 0, 0);
    }
};

void Drehschritt(benchmark::State& state, bool punkteMarkiert) {
    Ansicht a(punkteMarkiert);
    const float weg = a.s->Ausgabe.ScaleWidth / 200;
    int schritt = 0;
    for (auto _ : state) {
        // A slow drag to the right and back, a little below the start. A turn
        // depends only on the drag's direction from its start: this one turns
        // a little further with every step, so no step shows the last picture.
        const float x = weg * static_cast<float>(1 + (schritt++ % 100));
        nuk::Drehen(*a.s, x, weg * 5, a.s->StartX, a.s->StartY);
    }
    state.counters["Formen"] = static_cast<double>(a.host.formen) / static_cast<double>(schritt);
    if (a.host.formen == 0) state.SkipWithError("nothing drawn");
}

void BM_Drehschritt(benchmark::State& state) {
    Drehschritt(state, false);
}
void BM_DrehschrittPunkteMarkiert(benchmark::State& state) {
    Drehschritt(state, true);
}

BENCHMARK(BM_Drehschritt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrehschrittPunkteMarkiert)->Unit(benchmark::kMillisecond);

}  // namespace
