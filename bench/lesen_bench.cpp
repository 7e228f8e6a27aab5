// Reading and checking the largest model the tables take, in process and as a
// whole nukcheck run.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "Modellgenerator.h"
#include "Startgehilfe.h"
#include "app/Anfang.h"
#include "check/Fehler.h"
#include "model/Datei.h"
#include "rwx/GanzesModellLesen.h"
#include "rwx/RwxToNuk.h"
#include "selection/BefehlsPad.h"

namespace {

using nukbench::Modellgroesse;

// A state with the model read, and the host that saw the read.
struct Gelesen {
    nuk::AufzeichnenderHost host;
    std::unique_ptr<nuk::State> s = std::make_unique<nuk::State>(host);
    bool gelesen = false;

    Gelesen() {
        nuk::Zuruecksetzen(*s);
        gelesen = nuk::RwxLesenAus(*s, nukbench::GrossesModellEinmal());
    }
};

// A model on disk for the nukcheck runs, removed at exit.
class Modelldatei {
  public:
    explicit Modelldatei(const std::string& bytes) {
        std::string muster = (std::filesystem::temp_directory_path() / "nuk_bench_XXXXXX").string();
        const int fd = ::mkstemp(muster.data());
        if (fd < 0) return;
        ::close(fd);
        std::ofstream aus(muster, std::ios::binary | std::ios::trunc);
        aus.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        aus.close();
        pfad_ = muster;
        if (!aus) pfad_.clear();
    }
    ~Modelldatei() {
        if (!pfad_.empty()) std::remove(pfad_.c_str());
    }
    Modelldatei(const Modelldatei&) = delete;
    Modelldatei& operator=(const Modelldatei&) = delete;
    // Empty when it could not be written.
    const std::string& pfad() const { return pfad_; }

  private:
    std::string pfad_;
};

const Modelldatei& modelldatei() {
    static const Modelldatei datei(nukbench::GrossesModellEinmal());
    return datei;
}

// An object path as worlds serve it: the real models 150 times over, in
// folders two deep, removed at exit.
class Objektpfad {
  public:
    Objektpfad() {
        namespace fs = std::filesystem;
        std::string muster = (fs::temp_directory_path() / "nuk_objektpfad_XXXXXX").string();
        if (!::mkdtemp(muster.data())) return;
        pfad_ = muster;
        std::error_code fehler;
        for (int i = 0; i < 150 && !fehler; ++i) {
            const fs::path ordner = fs::path(pfad_) / ("welt" + std::to_string(i / 10)) /
                                    ("teil" + std::to_string(i % 10));
            fs::create_directories(ordner, fehler);
            for (const auto& e : fs::directory_iterator(NUK_CORPUS_DIR, fehler))
                if (e.path().extension() == ".rwx") {
                    fs::copy_file(e.path(), ordner / e.path().filename(), fehler);
                    ++dateien_;
                }
        }
        if (fehler) pfad_.clear();
    }
    ~Objektpfad() {
        std::error_code fehler;
        if (!pfad_.empty()) std::filesystem::remove_all(pfad_, fehler);
    }
    Objektpfad(const Objektpfad&) = delete;
    Objektpfad& operator=(const Objektpfad&) = delete;
    const std::string& pfad() const { return pfad_; }
    int dateien() const { return dateien_; }

  private:
    std::string pfad_;
    int dateien_ = 0;
};

void BM_RwxLesen(benchmark::State& state) {
    nuk::AufzeichnenderHost host;
    auto s = std::make_unique<nuk::State>(host);
    const std::string& bytes = nukbench::GrossesModellEinmal();
    for (auto _ : state) {
        nuk::Zuruecksetzen(*s);
        benchmark::DoNotOptimize(nuk::RwxLesenAus(*s, bytes));
    }
    if (!host.meldungen.empty()) state.SkipWithError("der Leser hat gemeldet");
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
    state.SetItemsProcessed(state.iterations() * Modellgroesse::Zeilen);
}

void BM_Hierarchie(benchmark::State& state) {
    const Gelesen g;
    for (auto _ : state) benchmark::DoNotOptimize(nuk::HierarchieUrteil(g.s->TextList));
    state.SetItemsProcessed(state.iterations() * g.s->TextList.anzahl());
}

void BM_Zeilenpruefung(benchmark::State& state) {
    Gelesen g;
    if (!nuk::BefehleLaden(*g.s, nukbench::ProgrammOrdner() + "befehle.txt")) {
        state.SkipWithError("befehle.txt nicht lesbar");
        return;
    }
    const nuk::Befehlssatz befehle(g.s->BefehlsList);
    for (auto _ : state) benchmark::DoNotOptimize(nuk::FehlerhafteZeilen(*g.s, befehle));
    state.SetItemsProcessed(state.iterations() * g.s->TextList.anzahl());
}

// The whole model of the largest real model (0), of the largest generated one
// (1) and of a million points through copies (2).
void BM_GanzesModell(benchmark::State& state) {
    std::string bytes;
    if (state.range(0) == 0) {
        if (!nuk::DateiLaden(NUK_CORPUS_DIR "/twisteros__che-zengarden.rwx", bytes)) {
            state.SkipWithError("Korpusdatei nicht lesbar");
            return;
        }
    } else if (state.range(0) == 1) {
        bytes = nukbench::GrossesModellEinmal();
    } else {
        bytes = nukbench::ProtoModell();
    }
    size_t punkte = 0;
    for (auto _ : state) {
        const nuk::GanzesModell m = nuk::GanzesModellLesen(bytes);
        punkte = m.punkte.size();
        benchmark::DoNotOptimize(m.kanten.data());
    }
    state.counters["punkte"] = static_cast<double>(punkte);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

// Forked at the start of main; see Startgehilfe.h for why.
nukbench::Startgehilfe* gehilfe = nullptr;

// Start-up, reading, checking and writing the dump, as a script sees it.
void BM_NukcheckDump(benchmark::State& state) {
    const std::string& datei = modelldatei().pfad();
    if (datei.empty()) {
        state.SkipWithError("Modelldatei nicht schreibbar");
        return;
    }
    if (!gehilfe || !gehilfe->bereit()) {
        state.SkipWithError("kein Startgehilfe");
        return;
    }
    const std::vector<std::string> aufruf = {nukbench::ProgrammOrdner() + "nukcheck", "--dump",
                                             datei};
    int64_t spitzeKb = 0;
    for (auto _ : state) {
        const nukbench::Startgehilfe::Lauf lauf = gehilfe->ausfuehren(aufruf);
        if (!lauf.gestartet) {
            state.SkipWithError("nukcheck nicht startbar");
            break;
        }
        if (!WIFEXITED(lauf.status) || WEXITSTATUS(lauf.status) != 0) {
            state.SkipWithError("nukcheck endete nicht mit 0");
            break;
        }
        state.SetIterationTime(lauf.sekunden);
        spitzeKb = lauf.spitzeKb;
    }
    state.counters["peak_rss_kb"] = static_cast<double>(spitzeKb);
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(nukbench::GrossesModellEinmal().size()));
}

// A whole nukcheck run as a script sees it, from start to exit; false after
// saying why it was no measurement.
bool nukcheckLaeufe(benchmark::State& state, const std::vector<std::string>& aufruf) {
    if (!gehilfe || !gehilfe->bereit()) {
        state.SkipWithError("kein Startgehilfe");
        return false;
    }
    int64_t spitzeKb = 0;
    for (auto _ : state) {
        const nukbench::Startgehilfe::Lauf lauf = gehilfe->ausfuehren(aufruf);
        // Real models have findings: 1 is an expected end.
        if (!lauf.gestartet || !WIFEXITED(lauf.status) || WEXITSTATUS(lauf.status) > 1) {
            state.SkipWithError("nukcheck lief nicht durch");
            return false;
        }
        state.SetIterationTime(lauf.sekunden);
        spitzeKb = lauf.spitzeKb;
    }
    state.counters["peak_rss_kb"] = static_cast<double>(spitzeKb);
    return true;
}

// The million points of ProtoModell(), with every rule.
void BM_NukcheckProto(benchmark::State& state) {
    static const Modelldatei datei(nukbench::ProtoModell());
    if (datei.pfad().empty()) {
        state.SkipWithError("Modelldatei nicht schreibbar");
        return;
    }
    nukcheckLaeufe(state, {nukbench::ProgrammOrdner() + "nukcheck", "--json", datei.pfad()});
}

// About 10,000 files of an object path, on both cores.
void BM_NukcheckObjektpfad(benchmark::State& state) {
    static const Objektpfad pfad;
    if (pfad.pfad().empty()) {
        state.SkipWithError("Objektpfad nicht schreibbar");
        return;
    }
    if (nukcheckLaeufe(state,
                       {nukbench::ProgrammOrdner() + "nukcheck", "--json", "-j", "2", pfad.pfad()}))
        state.counters["dateien"] = pfad.dateien();
}

// nukcheck over every real model, with the whole model, as a CI job runs it.
void BM_NukcheckKorpus(benchmark::State& state) {
    if (!gehilfe || !gehilfe->bereit()) {
        state.SkipWithError("kein Startgehilfe");
        return;
    }
    std::vector<std::string> aufruf = {nukbench::ProgrammOrdner() + "nukcheck"};
    for (const auto& e : std::filesystem::directory_iterator(NUK_CORPUS_DIR))
        if (e.path().extension() == ".rwx") aufruf.push_back(e.path().string());
    std::sort(aufruf.begin() + 1, aufruf.end());
    int64_t spitzeKb = 0;
    for (auto _ : state) {
        const nukbench::Startgehilfe::Lauf lauf = gehilfe->ausfuehren(aufruf);
        // The real models have findings: 1 is the expected end.
        if (!lauf.gestartet || !WIFEXITED(lauf.status) || WEXITSTATUS(lauf.status) > 1) {
            state.SkipWithError("nukcheck lief nicht durch");
            break;
        }
        state.SetIterationTime(lauf.sekunden);
        spitzeKb = lauf.spitzeKb;
    }
    state.counters["dateien"] = static_cast<double>(aufruf.size() - 1);
    state.counters["peak_rss_kb"] = static_cast<double>(spitzeKb);
}

BENCHMARK(BM_GanzesModell)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_NukcheckKorpus)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_NukcheckProto)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_NukcheckObjektpfad)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_RwxLesen)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Hierarchie)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Zeilenpruefung)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_NukcheckDump)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Figures on a model that did not read as intended would mean nothing.
bool modellPruefen() {
    const Gelesen g;
    const nuk::State& s = *g.s;
    bool gut = g.gelesen && g.host.meldungen.empty() &&
               s.TextList.anzahl() == Modellgroesse::Zeilen &&
               s.PunktZahl == Modellgroesse::Punkte && s.DreieckZahl == Modellgroesse::Dreiecke &&
               s.ViereckZahl == Modellgroesse::Vierecke && s.PolygonZahl == Modellgroesse::Polygone;
    for (const nuk::Meldung& m : g.host.meldungen)
        std::fprintf(stderr, "nuk_bench: Meldung in Zeile %d: %s\n", m.zeile, m.text.c_str());
    if (!gut) {
        std::fprintf(stderr,
                     "nuk_bench: Modell falsch gelesen: %d Zeilen, %d/%d/%d/%d Punkte/Dreiecke/"
                     "Vierecke/Polygone\n",
                     s.TextList.anzahl(), s.PunktZahl, s.DreieckZahl, s.ViereckZahl, s.PolygonZahl);
    }
    return gut;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef __GLIBC__
    // The heap as nukcheck keeps it (see there): a model read again and again
    // reuses its blocks instead of timing the kernel's fresh pages.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
#endif
    nukbench::Startgehilfe startgehilfe;
    gehilfe = &startgehilfe;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (!modellPruefen()) return 1;
    benchmark::AddCustomContext("modell_bytes",
                                std::to_string(nukbench::GrossesModellEinmal().size()));
    benchmark::AddCustomContext("modell_zeilen", std::to_string(Modellgroesse::Zeilen));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
