// The window program on the largest model, with the real picture: a rotation
// step of a drag (mouse event to painted window), opening a file through to
// the first painted picture with the lists filled, and a rubber band over all.
// The drawing is 800 x 800 pixels.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <optional>
#include <vector>

#include "Modellgenerator.h"
#include "app/NukView.h"
#include "shell/Hauptfenster.h"
#include "shell/Zeichenflaeche.h"

namespace {

using nuk::Kind;
using nuk::shell::Hauptfenster;

// A generated model on disk; a benchmark without it measures nothing.
void ablegen(const QString& pfad, const std::string& modell) {
    QFile d(pfad);
    if (!d.open(QIODevice::WriteOnly) ||
        d.write(modell.data(), static_cast<qint64>(modell.size())) !=
            static_cast<qint64>(modell.size()))
        std::abort();
}

struct Fenster {
    QTemporaryDir ordner;
    QString datei = ordner.filePath(QStringLiteral("gross.rwx"));
    Hauptfenster f{QCoreApplication::applicationDirPath()};

    // Without a file: the generated largest model.
    explicit Fenster(const QString& vorhanden = {}) {
        if (!vorhanden.isEmpty()) {
            datei = vorhanden;
        } else {
            ablegen(datei, nukbench::GrossesModell());
        }
        f.dialogErsatz = [this](nuk::Dialogart) {
            return nuk::Dateiwahl{QFile::encodeName(datei).toStdString(), "gross.rwx"};
        };
        f.resize(1400, 1000);
        f.show();
        // Left where it is put, the drawing gets an 800 x 800 client area.
        f.kern([&] { nuk::NukView::FenAnGeO_Click(f.zustand(), 3); });
        QMdiSubWindow* bild = f.kind(Kind::Ausgabe);
        bild->resize(bild->size() - f.flaeche()->size() + QSize(800, 800));
        QCoreApplication::processEvents();
    }

    void warten() {
        while (f.zustand().Timer1.Enabled) QCoreApplication::processEvents();
    }

    // What the event loop does next: one pass over everything left dirty. A
    // repaint() of each widget would paint some twice, as the first one
    // already brings the whole window up to date.
    void zeigen() {
        QEvent malen(QEvent::UpdateRequest);
        QApplication::sendEvent(&f, &malen);
    }

    void oeffnen() {
        // A real model may bring the reader's messages; each box is closed as it opens.
        QTimer schliesser;
        QObject::connect(&schliesser, &QTimer::timeout, [] {
            if (QWidget* box = QApplication::activeModalWidget()) box->close();
        });
        schliesser.start(1);
        f.findChild<QAction*>(QStringLiteral("Öffnen"))->trigger();
        QCoreApplication::processEvents();
    }
};

// Art 0: the first clump alone; 1: with the whole model beneath it, as the
// program starts; 2: and its faces filled.
void Drehschritt(benchmark::State& state, const QString& datei, int64_t art) {
    Fenster w(datei);
    if (art == 0) w.f.kern([&] { nuk::NukView::GanzesModell_Click(w.f.zustand()); });
    if (art == 2) w.f.kern([&] { nuk::NukView::Flaechen_Click(w.f.zustand()); });
    w.oeffnen();
    w.warten();
    nuk::shell::Zeichenflaeche* z = w.f.flaeche();
    if (z->size() != QSize(800, 800)) state.SkipWithError("drawing is not 800 x 800");
    const QPointF start(400, 400);
    QMouseEvent druck(QEvent::MouseButtonPress, start, z->mapToGlobal(start), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(z, &druck);
    int schritt = 0;
    for (auto _ : state) {
        // A slow drag to the right, a little below the start. A turn depends
        // only on the drag's direction from its start, so a drag straight away
        // from it would show one picture over and over; this one turns a little
        // further with every step.
        const QPointF p = start + QPointF(2 * (1 + schritt % 100), 10);
        ++schritt;
        QMouseEvent zug(QEvent::MouseMove, p, z->mapToGlobal(p), Qt::NoButton, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(z, &zug);
        z->repaint();
    }
}

// The generated model's faces join random corners: some 120000 edges of 300
// pixels on average, 37 million pixels a redraw.
// The argument as Drehschritt's art.
void BM_FensterDrehschritt(benchmark::State& state) {
    Drehschritt(state, {}, state.range(0));
}

// The largest real model at hand.
void BM_FensterDrehschrittKorpus(benchmark::State& state) {
    Drehschritt(state, QStringLiteral(NUK_CORPUS_DIR "/twisteros__che-zengarden.rwx"),
                state.range(0));
}

// A textured real model, its faces filled.
void BM_FensterDrehschrittNussknacker(benchmark::State& state) {
    Drehschritt(state, QStringLiteral(NUK_CORPUS_DIR "/sdl3dworld__sv-nutcracker5.rwx"), 2);
}

// Every real model opened to its first painted picture, the whole model
// included, without the time its message boxes wait; the figure is the
// slowest model's median.
void BM_FensterOeffnenKorpus(benchmark::State& state) {
    QStringList dateien;
    const QDir ordner(QStringLiteral(NUK_CORPUS_DIR));
    for (const QString& n : ordner.entryList({QStringLiteral("*.rwx")}, QDir::Files, QDir::Name))
        dateien << ordner.filePath(n);
    if (dateien.isEmpty()) {
        state.SkipWithError("kein Korpus");
        return;
    }
    QString aktuell;
    Fenster w(QStringLiteral("-"));
    w.f.dialogErsatz = [&](nuk::Dialogart) {
        return nuk::Dateiwahl{QFile::encodeName(aktuell).toStdString(), "m.rwx"};
    };
    // The reader's messages (che-zengarden has over a hundred) are the user's time.
    w.f.meldungErsatz = [](const nuk::Meldung&) {};
    std::vector<std::vector<double>> zeiten(static_cast<size_t>(dateien.size()));
    size_t i = 0;
    for (auto _ : state) {
        aktuell = dateien[static_cast<int>(i % zeiten.size())];
        const auto anfang = std::chrono::steady_clock::now();
        w.oeffnen();
        w.zeigen();
        const std::chrono::duration<double> dauer = std::chrono::steady_clock::now() - anfang;
        state.SetIterationTime(dauer.count());
        zeiten[i % zeiten.size()].push_back(dauer.count());
        ++i;
        w.warten();
    }
    double langsamste = 0;
    int welche = 0;
    for (size_t k = 0; k < zeiten.size(); ++k) {
        auto& z = zeiten[k];
        if (z.empty()) continue;
        std::nth_element(z.begin(), z.begin() + static_cast<long>(z.size() / 2), z.end());
        if (z[z.size() / 2] > langsamste)
            langsamste = z[z.size() / 2], welche = static_cast<int>(k);
    }
    state.counters["langsamste_ms"] = langsamste * 1000;
    state.counters["langsamste_nr"] = welche;
}

// ProtoModell() on disk, once per process.
const QString& protodatei() {
    static QTemporaryDir ordner;
    static const QString datei = [] {
        const QString pfad = ordner.filePath(QStringLiteral("proto.rwx"));
        ablegen(pfad, nukbench::ProtoModell());
        return pfad;
    }();
    return datei;
}

// A million points of the whole model through copies of a prototype, turned.
void BM_FensterDrehschrittProto(benchmark::State& state) {
    Drehschritt(state, protodatei(), true);
}

// Opening to the first painted picture, again and again; the first tick of
// each new document goes by outside the timing.
void OeffnenBisBild(benchmark::State& state, Fenster& w) {
    for (auto _ : state) {
        w.oeffnen();
        w.zeigen();
        state.PauseTiming();
        w.warten();
        state.ResumeTiming();
    }
}

void BM_FensterOeffnenBisBild(benchmark::State& state) {
    Fenster w;
    OeffnenBisBild(state, w);
    if (w.f.liste(Kind::TextPad)->model()->rowCount() != nukbench::Modellgroesse::Zeilen)
        state.SkipWithError("rows missing");
}

// The same to the first picture of the million points of ProtoModell().
void BM_FensterOeffnenBisBildProto(benchmark::State& state) {
    Fenster w(protodatei());
    OeffnenBisBild(state, w);
    if (w.f.zustand().Ganzes.punkte.size() !=
        static_cast<size_t>(nukbench::Protogroesse::Modellpunkte))
        state.SkipWithError("points missing");
}

// A rubber band in "Auswahl" mode from corner to corner of the drawing.
void band(Fenster& w, Qt::MouseButton knopf) {
    nuk::shell::Zeichenflaeche* z = w.f.flaeche();
    const QPointF a(1, 1), b(798, 798);
    QMouseEvent druck(QEvent::MouseButtonPress, a, z->mapToGlobal(a), knopf, knopf, Qt::NoModifier);
    QApplication::sendEvent(z, &druck);
    QMouseEvent zug(QEvent::MouseMove, b, z->mapToGlobal(b), Qt::NoButton, knopf, Qt::NoModifier);
    QApplication::sendEvent(z, &zug);
    QMouseEvent los(QEvent::MouseButtonRelease, b, z->mapToGlobal(b), knopf, Qt::NoButton,
                    Qt::NoModifier);
    QApplication::sendEvent(z, &los);
}

// A rubber band over the whole drawing, through the tick to the painted
// picture and lists; the right button takes the marks away again.
// datei: another model than the generated one, marked over every clump.
void FensterGummiband(benchmark::State& state, bool entmarkieren, const QString& datei = {}) {
    Fenster w(datei);
    w.oeffnen();
    w.warten();
    w.f.findChild<QAction*>(QStringLiteral("Toolbar1_Auswahl"))->trigger();
    int zeilen = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w.f.kern([&] { nuk::NukView::Auswahl_Click(w.f.zustand(), 0); });
        w.warten();
        if (entmarkieren) {
            band(w, Qt::LeftButton);
            w.warten();
        }
        state.ResumeTiming();
        band(w, entmarkieren ? Qt::RightButton : Qt::LeftButton);
        w.warten();
        w.zeigen();
        zeilen = w.f.liste(Kind::Ausgewahl)->model()->rowCount();
    }
    state.counters["Auswahlzeilen"] = zeilen;
}

// Everything marked, then one box in the file list clicked off and on in
// turn: the tick that follows, to the painted picture and lists.
void BM_FensterEinHaken(benchmark::State& state) {
    Fenster w;
    w.oeffnen();
    w.warten();
    w.f.findChild<QAction*>(QStringLiteral("Toolbar1_Auswahl"))->trigger();
    band(w, Qt::LeftButton);
    w.warten();
    QAbstractItemModel* liste = w.f.liste(Kind::TextPad)->model();
    const QModelIndex zeile = liste->index(w.f.zustand().Punkte[1].Zeile, 0);
    int zeilen = 0;
    for (auto _ : state) {
        const bool an = liste->data(zeile, Qt::CheckStateRole).toInt() == Qt::Checked;
        liste->setData(zeile, an ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
        w.warten();
        w.zeigen();
        zeilen = w.f.liste(Kind::Ausgewahl)->model()->rowCount();
    }
    state.counters["Auswahlzeilen"] = zeilen;
}

// An edit on the largest model, from the menu command to the painted picture
// and lists, and its undo likewise: "Verändern" puts a comment behind the
// current row (the model has the most rows a document may have, so none can
// be added), as every edit reads all rows again. The time is the pair's; the
// counters each one's.
void BM_FensterBearbeiten(benchmark::State& state) {
    Fenster w;
    w.oeffnen();
    w.warten();
    w.f.zeileErsatz = [](const std::string&, const std::string& vorgabe) {
        return std::optional<std::string>(vorgabe + " # neu");
    };
    // Any message box of the reader is closed as it opens, as in oeffnen().
    w.f.meldungErsatz = [](const nuk::Meldung&) {};
    w.f.kern([&] { w.f.zustand().TextList.setAktuell(3); });
    QAction* kommentar = w.f.findChild<QAction*>(QStringLiteral("Vera"));
    QAction* zurueck = w.f.findChild<QAction*>(QStringLiteral("Rueckgaengig"));
    using Uhr = std::chrono::steady_clock;
    auto schritt = [&](QAction* a) {
        const auto t0 = Uhr::now();
        a->trigger();
        w.warten();
        w.zeigen();
        return std::chrono::duration<double, std::milli>(Uhr::now() - t0).count();
    };
    double bearbeiten = 0, rueckgaengig = 0;
    for (auto _ : state) {
        bearbeiten += schritt(kommentar);
        rueckgaengig += schritt(zurueck);
    }
    state.counters["Bearbeiten_ms"] =
        benchmark::Counter(bearbeiten, benchmark::Counter::kAvgIterations);
    state.counters["Rueckgaengig_ms"] =
        benchmark::Counter(rueckgaengig, benchmark::Counter::kAvgIterations);
    if (!w.f.findChild<QAction*>(QStringLiteral("Wiederholen"))->isEnabled())
        state.SkipWithError("nothing was edited");
}

void BM_FensterGummiband(benchmark::State& state) {
    FensterGummiband(state, false);
}

void BM_FensterGummibandEntmarkieren(benchmark::State& state) {
    FensterGummiband(state, true);
}

// The largest real model, all of it: 21684 points of the whole model.
void BM_FensterGummibandKorpus(benchmark::State& state) {
    FensterGummiband(state, false, QStringLiteral(NUK_CORPUS_DIR "/twisteros__che-zengarden.rwx"));
}

// The million points of ProtoModell().
void BM_FensterGummibandProto(benchmark::State& state) {
    FensterGummiband(state, false, protodatei());
}

BENCHMARK(BM_FensterDrehschritt)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FensterDrehschrittKorpus)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FensterDrehschrittNussknacker)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FensterOeffnenKorpus)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(64 * 5);
BENCHMARK(BM_FensterDrehschrittProto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FensterOeffnenBisBild)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FensterOeffnenBisBildProto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FensterGummiband)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FensterGummibandEntmarkieren)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FensterGummibandKorpus)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FensterGummibandProto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FensterEinHaken)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FensterBearbeiten)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
