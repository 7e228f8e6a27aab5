// The window program on the largest model, with the real picture: a rotation
// step of a drag (mouse event to painted window) and opening a file through to
// the first painted picture with the lists filled. The drawing is 800 x 800 pixels.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QListView>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>

#include "Modellgenerator.h"
#include "shell/Hauptfenster.h"
#include "shell/Zeichenflaeche.h"
#include "view/NukView.h"

namespace {

using nuk::Kind;
using nuk::shell::Hauptfenster;

struct Fenster {
    QTemporaryDir ordner;
    QString datei = ordner.filePath(QStringLiteral("gross.rwx"));
    Hauptfenster f{QCoreApplication::applicationDirPath()};

    // Without a file: the generated largest model.
    explicit Fenster(const QString& vorhanden = {}) {
        if (!vorhanden.isEmpty()) {
            datei = vorhanden;
        } else {
            QFile d(datei);
            const std::string modell = nukbench::GrossesModell();
            if (!d.open(QIODevice::WriteOnly) ||
                d.write(modell.data(), static_cast<qint64>(modell.size())) !=
                    static_cast<qint64>(modell.size()))
                std::abort();
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

void Drehschritt(benchmark::State& state, const QString& datei) {
    Fenster w(datei);
    w.oeffnen();
    while (w.f.zustand().Timer1.Enabled) QCoreApplication::processEvents();
    nuk::shell::Zeichenflaeche* z = w.f.flaeche();
    if (z->size() != QSize(800, 800)) state.SkipWithError("drawing is not 800 x 800");
    const QPointF start(400, 400);
    QMouseEvent druck(QEvent::MouseButtonPress, start, z->mapToGlobal(start), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(z, &druck);
    int schritt = 0;
    for (auto _ : state) {
        // A slow drag to the right and back, as a hand would do it.
        const QPointF p = start + QPointF(2 * (1 + schritt % 100), (1 + schritt % 100) / 2.0);
        ++schritt;
        QMouseEvent zug(QEvent::MouseMove, p, z->mapToGlobal(p), Qt::NoButton, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(z, &zug);
        z->repaint();
    }
}

// The generated model's faces join random corners: some 120000 edges of 300
// pixels on average, 37 million pixels a redraw.
void BM_FensterDrehschritt(benchmark::State& state) {
    Drehschritt(state, {});
}

// The largest real model at hand.
void BM_FensterDrehschrittKorpus(benchmark::State& state) {
    Drehschritt(state, QStringLiteral(NUK_CORPUS_DIR "/twisteros__che-zengarden.rwx"));
}

void BM_FensterOeffnenBisBild(benchmark::State& state) {
    Fenster w;
    for (auto _ : state) {
        w.oeffnen();
        w.f.flaeche()->repaint();
        w.f.liste(Kind::TextPad)->repaint();
        state.PauseTiming();
        // The first tick of the new document goes by outside the timing.
        while (w.f.zustand().Timer1.Enabled) QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    if (w.f.liste(Kind::TextPad)->model()->rowCount() != nukbench::Modellgroesse::Zeilen)
        state.SkipWithError("rows missing");
}

BENCHMARK(BM_FensterDrehschritt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FensterDrehschrittKorpus)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FensterOeffnenBisBild)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
