// The window program driven as a user drives it: menus, toolbar, dialogs and
// message boxes answered, mouse on the drawing, pixels of the picture.
#include <zip.h>

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QProcess>
#include <QScopeGuard>
#include <QSet>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <deque>
#include <functional>
#include <random>

#include "app/Anfang.h"
#include "model/Datei.h"
#include "shell/Aufruf.h"
#include "shell/Hauptfenster.h"
#include "shell/ListenModell.h"
#include "shell/Zeichenflaeche.h"

using nuk::Kind;
using nuk::shell::Hauptfenster;

namespace {

// Answers the modal windows the program opens, in the order they come.
class Antworten : public QObject {
  public:
    using Antwort = std::function<void(QWidget*)>;
    explicit Antworten(std::initializer_list<Antwort> antworten) : offen_(antworten) {
        connect(&takt_, &QTimer::timeout, this, [this] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w || w == letztes_ || offen_.empty()) return;
            letztes_ = w;
            Antwort a = offen_.front();
            offen_.pop_front();
            a(w);
        });
        takt_.start(5);
    }
    bool fertig() const { return offen_.empty(); }

  private:
    std::deque<Antwort> offen_;
    QTimer takt_;
    QPointer<QWidget> letztes_;
};

// Notes "title|text" of a message box and presses its only button.
Antworten::Antwort Meldung(QStringList& protokoll) {
    return [&protokoll](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box) return protokoll.append(QStringLiteral("keine Meldung"));
        protokoll.append(box->windowTitle() + "|" + box->text());
        if (box->buttons().size() == 1) box->button(QMessageBox::Ok)->click();
    };
}

// The file dialog's answer where the dialog itself is not under test: the
// real one reads its folder on a thread of its own and, on a loaded machine,
// may answer an accept with a box of its own.
std::function<std::optional<nuk::Dateiwahl>(nuk::Dialogart)> Waehlen(const QString& pfad) {
    return [pfad](nuk::Dialogart) {
        return std::optional(nuk::Dateiwahl{QFile::encodeName(pfad).toStdString(),
                                            QFileInfo(pfad).fileName().toStdString()});
    };
}

Antworten::Antwort Abbrechen() {
    return [](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); };
}

const QString Wuerfel = QStringLiteral(
    "ModelBegin\nClumpBegin\n"
    "Vertex -1 -1 -1\nVertex 1 -1 -1\nVertex 1 1 -1\nVertex -1 1 -1\n"
    "Vertex -1 -1 1\nVertex 1 -1 1\nVertex 1 1 1\nVertex -1 1 1\n"
    "Quad 1 2 3 4\nQuad 5 6 7 8\nQuad 1 2 6 5\nQuad 4 3 7 8\n"
    "ClumpEnd\nModelEnd\n");

bool Schreiben(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size();
}

QByteArray Lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(fehlt)");
}

// The box around every pixel of the colour.
QRect Umriss(const QImage& bild, QRgb farbe) {
    QRect r;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if ((bild.pixel(x, y) & 0xffffff) == (farbe & 0xffffff)) r |= QRect(x, y, 1, 1);
    return r;
}

const QRgb Blau = qRgb(0, 100, 255);

// The caption as the title bar shows it: the changed-document mark as "*".
QString Beschriftung(const QWidget& w) {
    return w.windowTitle().replace(QStringLiteral("[*]"),
                                   w.isWindowModified() ? QStringLiteral("*") : QString());
}

// A line as the plain walk sets it: cut to the picture (a hair inside the far
// edges), then a pixel per step along the longer axis and the nearest on the
// other, at the pixel's centre, in 16.16 fixed point.
void Strich(QImage& bild, const nuk::shell::Massstab& m, const std::array<float, 4>& l,
            QRgb farbe) {
    const double rechts = bild.width() - 1e-3, unten = bild.height() - 1e-3;
    double ax = m.x(l[0]), ay = m.y(l[1]), ex = m.x(l[2]), ey = m.y(l[3]);
    if (ax >= 0 && ax <= rechts && ex >= 0 && ex <= rechts && ay >= 0 && ay <= unten && ey >= 0 &&
        ey <= unten)
        ex = ax + (ex - ax), ey = ay + (ey - ay);  // what the cut leaves of it
    else if (!nuk::shell::Kappen(ax, ay, ex, ey, 0, 0, rechts, unten))
        return;
    if (std::floor(ax) == std::floor(ex) && std::floor(ay) == std::floor(ey))
        return bild.setPixel(static_cast<int>(ax), static_cast<int>(ay), farbe);  // within one
    const bool quer = std::fabs(ex - ax) >= std::fabs(ey - ay);
    if (!quer) std::swap(ax, ay), std::swap(ex, ey);  // walked along y: the axes swap
    if (ex < ax) std::swap(ax, ex), std::swap(ay, ey);
    const double steigung = ex != ax ? (ey - ay) / (ex - ax) : 0;
    const int64_t a0 = static_cast<int64_t>(std::floor(ax)),
                  a1 = static_cast<int64_t>(std::floor(ex));
    const int64_t b = std::llround((ay + (a0 + 0.5 - ax) * steigung) * 65536);
    const int64_t db = std::llround(steigung * 65536);
    for (int64_t k = 0; k <= a1 - a0; ++k) {
        const int64_t p = a0 + k, q = (b + k * db) >> 16;
        const int64_t px = quer ? p : q, py = quer ? q : p;
        bild.setPixel(std::clamp<int>(px, 0, bild.width() - 1),
                      std::clamp<int>(py, 0, bild.height() - 1), farbe);
    }
}

// What changes between a kept run and the next; Kante only in a net.
enum Aenderung { X, Y, Anzahl, Massstab, Versatz, Rand, Kante };

// The lines as a net: two points for each, and an edge between them.
struct Netz {
    std::vector<std::array<float, 2>> punkte;
    std::vector<std::array<uint32_t, 2>> kanten;
    explicit Netz(const std::vector<std::array<float, 4>>& linien) {
        for (const auto& [x1, y1, x2, y2] : linien) {
            kanten.push_back(
                {static_cast<uint32_t>(punkte.size()), static_cast<uint32_t>(punkte.size() + 1)});
            punkte.push_back({x1, y1});
            punkte.push_back({x2, y2});
        }
    }
};

nuk::shell::Pixelfeld Feld(QImage& bild) {
    return {reinterpret_cast<uint32_t*>(bild.bits()), bild.width(), bild.height(),
            bild.bytesPerLine() / 4};
}

}  // namespace

class HauptfensterTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Hauptfenster> fenster;
    std::unique_ptr<QTemporaryDir> temp;

    QAction* aktion(const char* name) {
        return fenster->findChild<QAction*>(QString::fromUtf8(name));
    }

    // "Öffnen" with the dialog answered by pfad; waits for the first tick.
    void oeffnen(const QString& pfad, QStringList& meldungen) {
        fenster->dialogErsatz = Waehlen(pfad);
        Antworten a{Meldung(meldungen), Meldung(meldungen)};
        aktion("Öffnen")->trigger();
        fenster->dialogErsatz = nullptr;
        QTRY_COMPARE(fenster->zustand().Modus, int16_t{2});
    }

  private slots:
    // The file dialog's history goes to a test folder, not the user's settings.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        temp = std::make_unique<QTemporaryDir>();
        fenster = std::make_unique<Hauptfenster>(QStringLiteral(NUK_BIN_DIR));
        // The same frame whatever screen the platform pretends to have.
        fenster->resize(1000, 720);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
    }
    void cleanup() {
        fenster.reset();
        temp.reset();
    }

    void startzustand() {
        nuk::State& s = fenster->zustand();
        QCOMPARE(Beschriftung(*fenster), QStringLiteral("Neu - NukViewer 4.8a"));
        QAbstractItemModel* rows = fenster->liste(Kind::TextPad)->model();
        QCOMPARE(rows->rowCount(), 7);
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(rows->index(i, 0).data(Qt::UserRole).toInt(), i);
            QCOMPARE(rows->index(i, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        }
        QCOMPARE(rows->index(1, 0).data().toString(), QStringLiteral("Begin:\t>ClumpBegin"));
        QCOMPARE(s.Modus, int16_t{2});
        QVERIFY(aktion("Toolbar1_Bewegungen")->isChecked());
        QVERIFY(!aktion("Toolbar1_Lupe")->isChecked() && !aktion("Toolbar1_Auswahl")->isChecked());
        QCOMPARE(aktion("Toolbar1_Lupe")->toolTip(), QStringLiteral("Lupe"));
        QCOMPARE(fenster->bildliste().size(), 6);
        QVERIFY(!fenster->kind(Kind::BefehlsPad)->isVisible());
        QVERIFY(fenster->liste(Kind::BefehlsPad)->model()->rowCount() > 10);
        for (Kind k : {Kind::TextPad, Kind::Ausgewahl, Kind::Fenster_b, Kind::Ausgabe})
            QVERIFY(fenster->kind(k)->isVisible());

        // Caption, tick, enabled, visible, shortcut of the entries that differ from plain.
        struct Eintrag {
            const char* name;
            const char* text;
            bool haken, an, sichtbar;
            const char* taste;
        };
        const Eintrag baum[] = {
            {"Menu(1)", "Bearbeiten", false, true, true, ""},
            {"Rueckgaengig", "Rückgängig", false, false, true, "Ctrl+Z"},
            {"Wiederholen", "Wiederholen", false, false, true, "Ctrl+Y"},
            {"Hinz(5)", "was anderes", false, true, true, "Shift+Ins"},
            {"Vera", "Verändern", false, true, true, "Ctrl+E"},
            {"Reverse", "Reverse", false, true, true, "Ctrl+R"},
            {"MachsWeg", "Löschen", false, true, true, "Del"},
            {"Auswahl(0)", "Neu", false, true, true, "Alt+Backspace"},
            {"AusP(1)", "von markierten Objekte", true, true, true, ""},
            {"MarkMal(1)", "mit einem markierten Punkt", true, true, true, ""},
            {"MarkMal(2)", "mit zwei markierten Punkt", false, true, true, ""},
            {"Ansicht(1)", "hinten ", false, true, true, ""},
            {"Shows(0)", "FileText", true, true, true, ""},
            {"Shows(2)", "Werkzeug", true, false, true, ""},
            {"Shows(4)", "Befehlsliste", false, true, true, ""},
            {"FenAnGe", "       angeordnet", false, true, true, ""},
            {"FenAnGeO(1)", "flach", true, true, true, ""},
            {"FenAnGeO(3)", "manuell", false, true, true, ""},
            {"GanzesModell", "ganzes Modell", true, true, true, ""},
            {"MachsNeu", "Neu", false, true, true, "Ctrl+N"},
            {"Öffnen", "Öffnen", false, true, true, "Ctrl+O"},
            {"Aktualisieren", "Aktualisieren", false, true, true, "F5"},
            {"Speichern", "Speichern", false, true, true, "Ctrl+S"},
            {"SpeichernAls", "Speichern als", false, true, true, "Ctrl+Shift+S"},
            {"Beenden", "Beenden", false, true, true, "Ctrl+Q"},
        };
        for (const Eintrag& e : baum) {
            QList<QAction*> treffer = fenster->findChildren<QAction*>(QString::fromUtf8(e.name));
            // "von" shares its control name with the first view entry's array.
            if (QString::fromUtf8(e.name) == "Ansicht(1)") treffer = {treffer.last()};
            QVERIFY2(!treffer.isEmpty(), e.name);
            QAction* a = treffer.first();
            QCOMPARE(a->text(), QString::fromUtf8(e.text));
            QCOMPARE(a->isChecked(), e.haken);
            QCOMPARE(a->isEnabled(), e.an);
            QCOMPARE(a->isVisible(), e.sichtbar);
            QCOMPARE(a->shortcut(), QKeySequence(QString::fromUtf8(e.taste)));
        }
    }

    // An edit marks the caption and goes back and forth with undo and redo;
    // closing with unsaved changes asks, and each answer does what it says.
    void bearbeitenUndSchliessen_data() {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<bool>("zu");
        QTest::addColumn<bool>("gespeichert");
        QTest::newRow("Speichern") << int{QMessageBox::Save} << true << true;
        QTest::newRow("Verwerfen") << int{QMessageBox::Discard} << true << false;
        QTest::newRow("Abbrechen") << int{QMessageBox::Cancel} << false << false;
    }
    void bearbeitenUndSchliessen() {
        QFETCH(int, antwort);
        QFETCH(bool, zu);
        QFETCH(bool, gespeichert);
        const QString pfad = temp->filePath("wuerfel.rwx");
        Schreiben(pfad, Wuerfel.toLatin1());
        QStringList meldungen;
        oeffnen(pfad, meldungen);
        fenster->zeileErsatz = [](const std::string&, const std::string& vorgabe) {
            return std::optional<std::string>(vorgabe + "neu");
        };
        QAbstractItemModel* zeilen = fenster->liste(Kind::TextPad)->model();
        const QString sauber = QStringLiteral("wuerfel.rwx - NukViewer 4.8a");
        const QString geaendert = QStringLiteral("wuerfel.rwx* - NukViewer 4.8a");
        QVERIFY(!aktion("Rueckgaengig")->isEnabled());
        aktion("Hinz(4)")->trigger();
        QCOMPARE(zeilen->rowCount(), 17);
        QCOMPARE(zeilen
                     ->match(zeilen->index(0, 0), Qt::DisplayRole, QStringLiteral("># neu"), 1,
                             Qt::MatchEndsWith)
                     .size(),
                 1);
        QCOMPARE(Beschriftung(*fenster), geaendert);
        QVERIFY(aktion("Rueckgaengig")->isEnabled() && !aktion("Wiederholen")->isEnabled());
        // By their keys where the user works: in the list of rows.
        QListView* liste = fenster->liste(Kind::TextPad);
        QApplication::setActiveWindow(fenster.get());
        liste->setFocus();
        QTest::keyClick(liste, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(zeilen->rowCount(), 16);
        QCOMPARE(Beschriftung(*fenster), sauber);
        QVERIFY(!aktion("Rueckgaengig")->isEnabled() && aktion("Wiederholen")->isEnabled());
        QTest::keyClick(liste, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(zeilen->rowCount(), 17);
        QCOMPARE(Beschriftung(*fenster), geaendert);
        // Saved, the mark goes; a further edit brings it back, to be asked about.
        aktion("Speichern")->trigger();
        QCOMPARE(Beschriftung(*fenster), sauber);
        aktion("Hinz(4)")->trigger();
        QCOMPARE(Beschriftung(*fenster), geaendert);
        QString gefragt;
        fenster->speichernFrageErsatz = [&](const QString& frage) {
            gefragt = frage;
            return antwort;
        };
        QCOMPARE(fenster->close(), zu);
        QCOMPARE(gefragt, QStringLiteral("Änderungen an wuerfel.rwx speichern?"));
        QCOMPARE(Lesen(pfad).count("# neu"), gespeichert ? 2 : 1);
        if (!zu) QCOMPARE(Beschriftung(*fenster), geaendert);
    }

    void oeffnenAbbrechenSpeichern() {
        Schreiben(temp->filePath("wuerfel.rwx"), Wuerfel.toLatin1());
        QStringList meldungen;
        oeffnen(temp->filePath("wuerfel.rwx"), meldungen);
        QCOMPARE(meldungen, QStringList());
        QCOMPARE(Beschriftung(*fenster), QStringLiteral("wuerfel.rwx - NukViewer 4.8a"));
        QCOMPARE(fenster->liste(Kind::TextPad)->model()->rowCount(), 16);

        // A cancelled dialog leaves the document as it was, its current row included.
        QListView* text = fenster->liste(Kind::TextPad);
        text->setCurrentIndex(text->model()->index(3, 0));
        QCOMPARE(fenster->zustand().TextList.aktuell(), 3);
        {
            Antworten a{Abbrechen(), Meldung(meldungen)};
            aktion("Öffnen")->trigger();
            QVERIFY(a.fertig());
        }
        QCOMPARE(meldungen, QStringList{"NukViewer|Eben nich"});
        QCOMPARE(text->model()->rowCount(), 16);
        QCOMPARE(text->currentIndex().row(), 3);
        QCOMPARE(fenster->zustand().TextList.aktuell(), 3);

        meldungen.clear();
        aktion("MachsNeu")->trigger();
        {
            Antworten a{Meldung(meldungen)};
            aktion("Speichern")->trigger();
        }
        QCOMPARE(meldungen, QStringList{"NukViewer|Da stimmt was nicht"});
        QCOMPARE(Beschriftung(*fenster), QStringLiteral("Neu - NukViewer 4.8a"));
    }

    // The first filter lists RWX files whatever the case of the extension; the
    // second every file, with a dot in its name or not.
    void dateifilter() {
        for (const char* name : {"a.rwx", "b.RWX", "c.Rwx", "d.txt", "ohnepunkt"})
            Schreiben(temp->filePath(name), Wuerfel.toLatin1());
        QStringList gesehen[2];
        auto ansehen = [&](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            const auto schliessen = qScopeGuard([d] { d->reject(); });
            auto* modell = d->findChild<QFileSystemModel*>();
            auto* auswahl = d->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            QVERIFY(modell && auswahl);
            QCOMPARE(auswahl->count(), 2);
            QCOMPARE(auswahl->itemText(0), QStringLiteral("Rwx-Datei  (*.Rwx)"));
            QCOMPARE(auswahl->itemText(1), QStringLiteral("Alle und jede (*.*)"));
            d->setDirectory(temp->path());
            for (int f = 0; f < 2; ++f) {
                // As the user picks the filter from the box.
                auswahl->setCurrentIndex(f);
                emit auswahl->activated(f);
                emit auswahl->textActivated(auswahl->itemText(f));
                const QModelIndex wurzel = modell->index(temp->path());
                const int erwartet = f == 0 ? 3 : 5;
                QVERIFY(
                    QTest::qWaitFor([&] { return modell->rowCount(wurzel) == erwartet; }, 5000));
                for (int i = 0; i < modell->rowCount(wurzel); ++i)
                    gesehen[f] << modell->index(i, 0, wurzel).data().toString();
                gesehen[f].sort();
            }
        };
        QStringList meldungen;
        Antworten a{ansehen, Meldung(meldungen)};
        aktion("Öffnen")->trigger();
        QCOMPARE(gesehen[0], QStringList({"a.rwx", "b.RWX", "c.Rwx"}));
        QCOMPARE(gesehen[1], QStringList({"a.rwx", "b.RWX", "c.Rwx", "d.txt", "ohnepunkt"}));
    }

    // Picking the other filter in the save dialog keeps the name the user typed.
    void speichernAlsBehaeltDenNamen() {
        const QString ziel = temp->filePath("neu.rwx");
        auto antworten = [&](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            auto schliessen = qScopeGuard([d] { d->reject(); });
            auto* auswahl = d->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(auswahl && name);
            d->setDirectory(temp->path());
            name->setText(QStringLiteral("neu.rwx"));
            auswahl->setCurrentIndex(1);
            emit auswahl->activated(1);
            emit auswahl->textActivated(auswahl->itemText(1));
            QCOMPARE(name->text(), QStringLiteral("neu.rwx"));
            schliessen.dismiss();
            QMetaObject::invokeMethod(d, "accept");
        };
        QStringList meldungen;
        {
            Antworten a{antworten, Meldung(meldungen)};
            aktion("SpeichernAls")->trigger();
        }
        QCOMPARE(meldungen, QStringList());
        QCOMPARE(Lesen(ziel),
                 QByteArray("ModelBegin\r\nClumpBegin\r\n\r\n\r\n\r\nClumpEnd\r\nModelEnd\r\n"));
        QCOMPARE(fenster->zustand().CommonDialog1.FileName, ziel.toStdString());
    }

    void werkzeugleiste() {
        nuk::State& s = fenster->zustand();
        struct Fall {
            const char* knopf;
            int16_t modus;
        };
        // Another button switches; the pressed one, clicked again, stays pressed.
        for (Fall f : {Fall{"Toolbar1_Lupe", 1}, Fall{"Toolbar1_Lupe", 1},
                       Fall{"Toolbar1_Auswahl", 3}, Fall{"Toolbar1_Bewegungen", 2}}) {
            aktion(f.knopf)->trigger();
            QCOMPARE(s.Modus, f.modus);
            int gedrueckt = 0;
            for (const char* k : {"Toolbar1_Lupe", "Toolbar1_Bewegungen", "Toolbar1_Auswahl"})
                gedrueckt += aktion(k)->isChecked();
            QCOMPARE(gedrueckt, 1);
            QVERIFY(aktion(f.knopf)->isChecked());
        }
        aktion("Toolbar1_Lupe")->trigger();
        QCOMPARE(fenster->flaeche()->cursor().hotSpot(), QPoint(7, 8));
    }

    void fensterZeigenUndSchliessen() {
        QMdiSubWindow* text = fenster->kind(Kind::TextPad);
        aktion("Shows(0)")->trigger();
        QVERIFY(!text->isVisible() && !aktion("Shows(0)")->isChecked());
        aktion("Shows(0)")->trigger();
        QVERIFY(text->isVisible() && aktion("Shows(0)")->isChecked());
        QCOMPARE(text->widget()->size(), text->contentsRect().size());

        // The close box only hides; the rows survive.
        QMdiSubWindow* auswahl = fenster->kind(Kind::Ausgewahl);
        QVERIFY(!auswahl->close());
        QVERIFY(!auswahl->isVisible() && !aktion("Shows(1)")->isChecked());
        aktion("Shows(1)")->trigger();
        QVERIFY(auswahl->isVisible());

        // The command list brings the drawing along without ticking it.
        aktion("Shows(3)")->trigger();
        QVERIFY(!fenster->kind(Kind::Ausgabe)->isVisible());
        aktion("Shows(4)")->trigger();
        QVERIFY(fenster->kind(Kind::BefehlsPad)->isVisible());
        QVERIFY(fenster->kind(Kind::Ausgabe)->isVisible() && !aktion("Shows(3)")->isChecked());

        // Closing the main window ends at once, child windows open or not.
        QVERIFY(fenster->close());
    }

    void anordnung() {
        const double twips = 1440.0 / fenster->logicalDpiX();
        auto lage = [&](Kind k) { return fenster->kind(k)->geometry(); };
        const int client = fenster->kind(Kind::Ausgabe)->parentWidget()->width();
        const int W = static_cast<int>(std::lround((client * twips - 3800) / twips));
        QVERIFY(std::abs(lage(Kind::Ausgabe).width() - W) <= 1);
        QCOMPARE(lage(Kind::Ausgabe).topLeft(), QPoint(0, 0));
        QCOMPARE(lage(Kind::Ausgabe).height(), lage(Kind::Ausgabe).width());
        QCOMPARE(lage(Kind::Fenster_b).topLeft(), QPoint(lage(Kind::Ausgabe).width(), 0));
        QCOMPARE(lage(Kind::TextPad).left(), lage(Kind::Ausgabe).width());
        QCOMPARE(lage(Kind::TextPad).top(), lage(Kind::Fenster_b).height());

        // "manuell": a resize moves nothing, but still hides the command list.
        aktion("FenAnGeO(3)")->trigger();
        aktion("Shows(4)")->trigger();
        const QRect vorher = lage(Kind::Ausgabe);
        fenster->resize(fenster->width() + 120, fenster->height() + 60);
        QTRY_VERIFY(!fenster->kind(Kind::BefehlsPad)->isVisible());
        QCOMPARE(lage(Kind::Ausgabe), vorher);
        QVERIFY(aktion("FenAnGeO(3)")->isChecked() && !aktion("FenAnGeO(1)")->isChecked());

        // "schmal" in a low frame: no room for the drawing, the lists take it all.
        aktion("FenAnGeO(2)")->trigger();
        fenster->resize(fenster->width(), 300);
        QTRY_VERIFY(!fenster->kind(Kind::Ausgabe)->isVisible());
        QVERIFY(!aktion("Shows(3)")->isChecked() && fenster->kind(Kind::TextPad)->isVisible());
        QCOMPARE(lage(Kind::TextPad).topLeft(), QPoint(0, 0));
    }

    // A left drag turns the model; the corners land where the core projects them.
    void ziehenDrehtLupeZoomt() {
        Schreiben(temp->filePath("wuerfel.rwx"), Wuerfel.toLatin1());
        QStringList meldungen;
        oeffnen(temp->filePath("wuerfel.rwx"), meldungen);
        nuk::shell::Zeichenflaeche* f = fenster->flaeche();
        nuk::State& s = fenster->zustand();
        const QRect vorher = Umriss(f->bild(), Blau);
        QVERIFY(vorher.width() > 50);

        const QPoint mitte = f->rect().center();
        auto senden = [&](QEvent::Type art, QPoint p, Qt::MouseButton knopf,
                          Qt::MouseButtons knoepfe) {
            QMouseEvent e(art, p, f->mapToGlobal(p), knopf, knoepfe, Qt::NoModifier);
            QApplication::sendEvent(f, &e);
        };
        senden(QEvent::MouseButtonPress, mitte, Qt::LeftButton, Qt::LeftButton);
        for (int dx = 10; dx <= 60; dx += 10)
            senden(QEvent::MouseMove, mitte + QPoint(dx, 0), Qt::NoButton, Qt::LeftButton);
        senden(QEvent::MouseButtonRelease, mitte + QPoint(60, 0), Qt::LeftButton, Qt::NoButton);
        QVERIFY(!(s.Drehung == nuk::Einheitsmatrix()));
        QVERIFY(Umriss(f->bild(), Blau) != vorher);
        int geprueft = 0;
        for (int i = 1; i <= 8; ++i) {
            const QPointF p = f->nachPixel(s.Bildpunkte[i].X, s.Bildpunkte[i].Y);
            if (!QRectF(f->bild().rect()).adjusted(1, 1, -1, -1).contains(p)) continue;
            bool blau = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    blau |= (f->bild().pixel(int(p.x()) + dx, int(p.y()) + dy) & 0xffffff) ==
                            (Blau & 0xffffff);
            QVERIFY2(blau, qPrintable(QString("Ecke %1").arg(i)));
            ++geprueft;
        }
        QVERIFY(geprueft >= 4);

        // A right drag pans: the picture follows the mouse, the turn stays.
        const nuk::Matrix drehung = s.Drehung;
        const QRect gedrehtesBild = Umriss(f->bild(), Blau);
        senden(QEvent::MouseButtonPress, mitte, Qt::RightButton, Qt::RightButton);
        senden(QEvent::MouseMove, mitte + QPoint(40, 20), Qt::NoButton, Qt::RightButton);
        senden(QEvent::MouseButtonRelease, mitte + QPoint(40, 20), Qt::RightButton, Qt::NoButton);
        QVERIFY(s.Drehung == drehung);
        const QPoint weg = Umriss(f->bild(), Blau).topLeft() - gedrehtesBild.topLeft();
        QVERIFY2((weg - QPoint(40, 20)).manhattanLength() <= 2,
                 qPrintable(QString("%1 %2").arg(weg.x()).arg(weg.y())));
        senden(QEvent::MouseButtonPress, mitte, Qt::RightButton, Qt::RightButton);
        senden(QEvent::MouseMove, mitte - QPoint(40, 20), Qt::NoButton, Qt::RightButton);
        senden(QEvent::MouseButtonRelease, mitte - QPoint(40, 20), Qt::RightButton, Qt::NoButton);
        QVERIFY((Umriss(f->bild(), Blau).topLeft() - gedrehtesBild.topLeft()).manhattanLength() <=
                2);

        // Lupe: a right click zooms out by 1.1 about the clicked point.
        aktion("Toolbar1_Lupe")->trigger();
        const QRect gedreht = Umriss(f->bild(), Blau);
        QTest::mouseClick(f, Qt::RightButton, {}, mitte);
        QCOMPARE(s.Lupenfaktor, 1.2 * 1.1);
        const QRect klein = Umriss(f->bild(), Blau);
        QVERIFY(std::abs(klein.width() / double(gedreht.width()) - 1 / 1.1) < 0.02);
        QVERIFY(std::abs(klein.height() / double(gedreht.height()) - 1 / 1.1) < 0.02);
    }

    // A rubber band in "Auswahl" mode over the whole cube: one tick brings the
    // selection list and the picture in line.
    void gummibandMarkiert() {
        Schreiben(temp->filePath("wuerfel.rwx"), Wuerfel.toLatin1());
        QStringList meldungen;
        oeffnen(temp->filePath("wuerfel.rwx"), meldungen);
        nuk::shell::Zeichenflaeche* f = fenster->flaeche();
        nuk::State& s = fenster->zustand();
        QSignalSpy ticks(fenster->findChild<QTimer*>(QStringLiteral("Timer1")), &QTimer::timeout);
        aktion("Toolbar1_Auswahl")->trigger();
        QTest::mousePress(f, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseMove(f, f->rect().center());
        QTest::mouseRelease(f, Qt::LeftButton, {}, f->rect().bottomRight() - QPoint(2, 2));
        QTRY_VERIFY(!s.Timer1.Enabled);
        QCOMPARE(ticks.count(), 1);

        QListView* auswahl = fenster->liste(Kind::Ausgewahl);
        QAbstractItemModel* m = auswahl->model();
        QCOMPARE(m->rowCount(), 12);  // 8 ticked points, then the 4 quads derived
        for (int i = 0; i < 12; ++i)
            QCOMPARE(m->index(i, 0).data(Qt::CheckStateRole).toInt(),
                     int(i < 8 ? Qt::Checked : Qt::Unchecked));
        QCOMPARE(m->index(8, 0).data().toString(), QStringLiteral(":\t>Quad 1 2 3 4"));
        QVERIFY(Umriss(f->bild(), qRgb(0, 255, 255)).width() > 50);

        // A derived quad ticked in the selection window turns green.
        const QRect box = auswahl->visualRect(m->index(8, 0));
        QTest::mouseClick(auswahl->viewport(), Qt::LeftButton, {},
                          QPoint(box.left() + 10, box.center().y()));
        QCOMPARE(m->index(11, 0).data().toString(), QStringLiteral(":\t>Quad 1 2 3 4"));
        // Both cursors on the file row and its new copy, not on the row the view
        // moved to when the old copy went.
        QCOMPARE(auswahl->currentIndex().row(), 11);
        QCOMPARE(fenster->liste(Kind::TextPad)->currentIndex().row(), 10);
        QTRY_VERIFY(!s.Timer1.Enabled);
        QVERIFY(Umriss(f->bild(), qRgb(0, 255, 0)).width() > 50);
        QCOMPARE(fenster->liste(Kind::TextPad)->model()->index(10, 0).data(Qt::CheckStateRole),
                 QVariant(Qt::Checked));

        // The timer counts from the first change, not from the end of a long handler.
        fenster->kern([&] {
            s.TextList.setHaken(10, false);
            QThread::msleep(20);
        });
        QCOMPARE(fenster->findChild<QTimer*>(QStringLiteral("Timer1"))->remainingTime(), 0);
        QTRY_VERIFY(!s.Timer1.Enabled);
    }

    // Bursts of more than a few dozen list changes reach the views as resets
    // and ranges; the model contract holds throughout, also while a message
    // box waits in the middle of a rebuild or a check.
    void grosseAenderungen() {
        QByteArray text = "ModelBegin\nClumpBegin\n";
        for (int i = 0; i < 100; ++i)
            text +=
                "Vertex " + QByteArray::number(i % 10) + " " + QByteArray::number(i / 10) + " 0\n";
        for (int i = 1; i <= 40; ++i)
            text +=
                "Triangle 1 " + QByteArray::number(i + 1) + " " + QByteArray::number(i + 2) + "\n";
        // A clump within the first one: the reader's message comes mid-rebuild.
        text += "ClumpBegin\nClumpEnd\n";
        for (int i = 0; i < 40; ++i) text += "ClumpBegin\nClumpEnd\n";
        text += "ModelEnd\n";
        Schreiben(temp->filePath("viele.rwx"), text);
        nuk::State& s = fenster->zustand();
        QListView* listen[] = {fenster->liste(Kind::TextPad), fenster->liste(Kind::Ausgewahl)};
        const nuk::Liste* kern[] = {&s.TextList, &s.AuswahlList};
        QAbstractItemModelTester pruefer0(listen[0]->model(),
                                          QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester pruefer1(listen[1]->model(),
                                          QAbstractItemModelTester::FailureReportingMode::QtTest);
        auto imGleichschritt = [&] {
            for (int l = 0; l < 2; ++l) {
                QAbstractItemModel* m = listen[l]->model();
                if (m->rowCount() != kern[l]->anzahl()) return false;
                for (int i = 0; i < m->rowCount(); ++i)
                    if ((m->index(i, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked) !=
                        kern[l]->haken(i))
                        return false;
            }
            return true;
        };
        QStringList meldungen;
        QList<bool> gleich;
        auto notieren = [&](QWidget* w) {
            gleich.append(listen[0]->model()->rowCount() == s.TextList.anzahl());
            Meldung(meldungen)(w);
        };
        {
            fenster->dialogErsatz = Waehlen(temp->filePath("viele.rwx"));
            Antworten a{notieren, notieren, notieren};
            aktion("Öffnen")->trigger();
            QTRY_VERIFY(!s.Timer1.Enabled);
        }
        QCOMPARE(s.PunktZahl, int16_t{100});
        QVERIFY(!meldungen.isEmpty());

        aktion("Toolbar1_Auswahl")->trigger();
        nuk::shell::Zeichenflaeche* f = fenster->flaeche();
        QTest::mousePress(f, Qt::LeftButton, {}, QPoint(1, 1));
        QTest::mouseMove(f, f->rect().center());
        QTest::mouseRelease(f, Qt::LeftButton, {}, f->rect().bottomRight() - QPoint(1, 1));
        QTRY_VERIFY(!s.Timer1.Enabled);
        QCOMPARE(s.AuswahlList.anzahl(), 140);  // the points, then the triangles
        QVERIFY(imGleichschritt());
        // One box off and on again: the tick moves the new copy before the
        // derived rows, row by row.
        const QModelIndex punkt5 = listen[0]->model()->index(s.Punkte[5].Zeile, 0);
        for (const Qt::CheckState haken : {Qt::Unchecked, Qt::Checked}) {
            listen[0]->model()->setData(punkt5, haken, Qt::CheckStateRole);
            QTRY_VERIFY(!s.Timer1.Enabled);
            QVERIFY(imGleichschritt());
        }
        QCOMPARE(s.AuswahlList.anzahl(), 140);
        QCOMPARE(s.AuswahlList.wert(99), int32_t{s.Punkte[5].Zeile});

        meldungen.clear();
        {
            Antworten a{[&](QWidget* w) {
                gleich.append(imGleichschritt());
                Meldung(meldungen)(w);
            }};
            aktion("Auswahl(3)")->trigger();
        }
        QCOMPARE(meldungen.size(), 1);
        QCOMPARE(s.AuswahlList.anzahl(), 85);  // every structure row, nested ones too
        QTRY_VERIFY(!s.Timer1.Enabled);
        QVERIFY(imGleichschritt());
        QVERIFY(!gleich.contains(false));
    }

    // Clicks on the rows move both cursors; a typed key gets its trace message
    // first; the menus' rules keep their ticks.
    void listenUndMenues() {
        nuk::State& s = fenster->zustand();
        QListView* text = fenster->liste(Kind::TextPad);
        QListView* auswahl = fenster->liste(Kind::Ausgewahl);
        QStringList meldungen;
        {
            Antworten a{Meldung(meldungen)};
            aktion("Auswahl(3)")->trigger();
        }
        QCOMPARE(meldungen, QStringList{"NukViewer|Hierarchie akzeptabel"});
        QCOMPARE(auswahl->model()->rowCount(), 4);
        QCOMPARE(text->currentIndex().row(), 6);
        QCOMPARE(auswahl->currentIndex().row(), 3);

        const QRect zeile1 = text->visualRect(text->model()->index(1, 0));
        QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, zeile1.center());
        QCOMPARE(s.AktZeile, int16_t{1});
        QCOMPARE(auswahl->currentIndex().row(), 1);
        const QRect zeile2 = text->visualRect(text->model()->index(2, 0));
        QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, zeile2.center());
        QVERIFY(!auswahl->currentIndex().isValid());
        QTest::mouseClick(auswahl->viewport(), Qt::LeftButton, {},
                          auswahl->visualRect(auswahl->model()->index(2, 0)).center());
        QCOMPARE(text->currentIndex().row(), 5);

        meldungen.clear();
        {
            Antworten a{Meldung(meldungen)};
            QTest::keyClick(text, Qt::Key_A);
        }
        QCOMPARE(meldungen, QStringList{"NukViewer|textlist_keypress   a"});

        // From any rule to another, exactly the one chosen keeps its tick.
        struct Regel {
            const char* name;
            int erste, letzte;
            std::vector<int> folge;
        };
        for (const Regel& r :
             {Regel{"FenAnGeO", 1, 3, {3, 1, 2, 1}}, Regel{"AusP", 0, 1, {0, 1, 0}},
              Regel{"MarkMal", 0, 3, {2, 0, 1, 3}}}) {
            for (int gewaehlt : r.folge) {
                auto name = [&](int i) { return QString("%1(%2)").arg(r.name).arg(i).toUtf8(); };
                aktion(name(gewaehlt).constData())->trigger();
                for (int i = r.erste; i <= r.letzte; ++i)
                    QVERIFY2(aktion(name(i).constData())->isChecked() == (i == gewaehlt),
                             name(i).constData());
            }
        }
        QCOMPARE(s.Schwelle, int16_t{3});
        QVERIFY(s.Timer1.Enabled);
    }

    // A file named on the command line or dropped on the window opens as
    // through the dialog; a dropped file of another kind is refused.
    void dateiVonAussen() {
        const QString datei = temp->filePath(QStringLiteral("wuerfel.rwx"));
        Schreiben(datei, Wuerfel.toLatin1());
        Schreiben(temp->filePath(QStringLiteral("notiz.txt")), "x");
        QStringList meldungen;
        fenster->oeffnen(datei);
        QCOMPARE(Beschriftung(*fenster), QStringLiteral("wuerfel.rwx - NukViewer 4.8a"));
        QCOMPARE(fenster->zustand().CommonDialog1.FileName, datei.toStdString());
        QCOMPARE(fenster->zustand().PunktZahl, int16_t{8});

        aktion("MachsNeu")->trigger();
        auto ziehen = [&](const QString& name) {
            QMimeData daten;
            daten.setUrls({QUrl::fromLocalFile(temp->filePath(name))});
            QWidget* ziel = fenster->liste(Kind::TextPad)->viewport();
            const QPoint p = ziel->rect().center();
            QDragEnterEvent hinein(p, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(fenster.get(), &hinein);
            if (!hinein.isAccepted()) return false;
            QDropEvent fallen(p, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(fenster.get(), &fallen);
            return fallen.isAccepted();
        };
        QVERIFY(!ziehen(QStringLiteral("notiz.txt")));
        Schreiben(temp->filePath(QStringLiteral("GROSS.RWX")), Wuerfel.toLatin1());
        for (const QString& name : {QStringLiteral("wuerfel.rwx"), QStringLiteral("GROSS.RWX")}) {
            aktion("MachsNeu")->trigger();
            QVERIFY(ziehen(name));
            QTRY_COMPARE(Beschriftung(*fenster), name + QStringLiteral(" - NukViewer 4.8a"));
            QCOMPARE(fenster->zustand().PunktZahl, int16_t{8});
        }
    }

    // The command line: a file, --help and --version without a window, and a
    // usage line for what is not known.
    void aufruf() {
        using nuk::shell::Aufruf;
        struct Fall {
            QStringList argumente;
            Aufruf::Art art;
            QString datei;
        };
        const Fall faelle[] = {
            {{}, Aufruf::Fenster, {}},
            {{"m.rwx"}, Aufruf::Fenster, "m.rwx"},
            {{"--", "-m.rwx"}, Aufruf::Fenster, "-m.rwx"},
            {{"-platform", "offscreen", "--version"}, Aufruf::Version, {}},
            {{"--bogus", "--help"}, Aufruf::Hilfe, {}},
            {{"--bogus"}, Aufruf::Falsch, {}},
            {{"a.rwx", "b.rwx"}, Aufruf::Falsch, {}},
        };
        for (const Fall& f : faelle) {
            const Aufruf a = nuk::shell::AufrufLesen(f.argumente);
            QCOMPARE(a.art, f.art);
            QCOMPARE(a.datei, f.datei);
        }
        QProcess p;
        p.start(QStringLiteral(NUK_BIN_DIR "/nukview"), {QStringLiteral("--version")});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.readAllStandardOutput(), QByteArray("nukview (NukViewer 4.8a)\n"));
        QCOMPARE(p.exitCode(), 0);
        p.start(QStringLiteral(NUK_BIN_DIR "/nukview"), {QStringLiteral("--bogus")});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(p.readAllStandardError().contains("Aufruf: nukview [DATEI]"));
        // The file named after Qt's own options, opened once the window stands.
        const QString datei = temp->filePath(QStringLiteral("wuerfel.rwx"));
        Schreiben(datei, Wuerfel.toLatin1());
        p.start(QStringLiteral(NUK_BIN_DIR "/nukview_start"),
                {QStringLiteral("-platform"), QStringLiteral("offscreen"), datei});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), 0);
        const QList<QByteArray> zeilen = p.readAllStandardOutput().split('\n');
        QCOMPARE(zeilen.value(0), QByteArray("wuerfel.rwx - NukViewer 4.8a"));
        QCOMPARE(zeilen.value(1), QByteArray("16 Zeilen"));
        QCOMPARE(zeilen.value(4), QByteArray(" 1:\t>Vertex -1 -1 -1"));
    }

    // The language follows the first of LC_ALL, LC_MESSAGES and LANG that is
    // set: English for English, German for every other, C included.
    void sprache_data() {
        QTest::addColumn<QStringList>("umgebung");
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QByteArray>("ansicht");
        QTest::addColumn<QByteArray>("titel");
        const QByteArray datei = "Datei: Neu|Aktualisieren|Öffnen|Speichern|Speichern als|Beenden",
                         ansicht =
                             "Ansicht: Standard|von|Fenster|       angeordnet|ganzes "
                             "Modell|Flächen|Rückseiten";
        const QByteArray file = "File: New|Reload|Open...|Save|Save As...|Quit",
                         view = "View: Default|From|Windows|Arranged|Whole Model|Faces|Back Faces";
        QTest::newRow("C") << QStringList{"LANG=C.UTF-8"} << datei << ansicht
                           << QByteArray("Neu - NukViewer 4.8a");
        QTest::newRow("POSIX") << QStringList{"LANG=POSIX"} << datei << ansicht
                               << QByteArray("Neu - NukViewer 4.8a");
        QTest::newRow("deutsch") << QStringList{"LANG=de_DE.UTF-8"} << datei << ansicht
                                 << QByteArray("Neu - NukViewer 4.8a");
        QTest::newRow("englisch") << QStringList{"LANG=en_US.UTF-8"} << file << view
                                  << QByteArray("Untitled - NukViewer 4.8a");
        QTest::newRow("britisch") << QStringList{"LANG=en_GB"} << file << view
                                  << QByteArray("Untitled - NukViewer 4.8a");
        QTest::newRow("LC_ALL vor LANG") << QStringList{"LC_ALL=C", "LANG=en_US.UTF-8"} << datei
                                         << ansicht << QByteArray("Neu - NukViewer 4.8a");
        QTest::newRow("LC_MESSAGES vor LANG")
            << QStringList{"LC_MESSAGES=en_US.UTF-8", "LANG=de_DE.UTF-8"} << file << view
            << QByteArray("Untitled - NukViewer 4.8a");
    }
    void sprache() {
        QFETCH(QStringList, umgebung);
        QFETCH(QByteArray, datei);
        QFETCH(QByteArray, ansicht);
        QFETCH(QByteArray, titel);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"}) env.remove(name);
        for (const QString& paar : umgebung)
            env.insert(paar.section('=', 0, 0), paar.section('=', 1));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(NUK_BIN_DIR "/nukview_start"),
                {QStringLiteral("-platform"), QStringLiteral("offscreen")});
        QVERIFY(p.waitForFinished(20000));
        const QList<QByteArray> zeilen = p.readAllStandardOutput().split('\n');
        QVERIFY2(zeilen.contains(datei), zeilen.join('\n').constData());
        QVERIFY2(zeilen.contains(ansicht), zeilen.join('\n').constData());
        // The core's texts too: the caption of a new document.
        QCOMPARE(zeilen.value(0), titel);
    }

    // A wheel notch zooms at the pointer as a click in "Lupe" does, in any
    // mode; half notches add up.
    void mausrad() {
        Schreiben(temp->filePath("wuerfel.rwx"), Wuerfel.toLatin1());
        QStringList meldungen;
        oeffnen(temp->filePath("wuerfel.rwx"), meldungen);
        nuk::shell::Zeichenflaeche* f = fenster->flaeche();
        nuk::State& s = fenster->zustand();
        const QPoint p(f->width() / 3, f->height() / 4);
        const QPointF vorher = f->nachEinheiten(p);
        auto rad = [&](int achtel) {
            QWheelEvent e(p, f->mapToGlobal(p), {}, {0, achtel}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
            QApplication::sendEvent(f, &e);
        };
        rad(60);
        QCOMPARE(s.Lupenfaktor, 1.2);
        rad(60);
        QCOMPARE(s.Lupenfaktor, 1.2 * 0.9);
        QCOMPARE(s.Modus, int16_t{2});
        const QPointF nachher = f->nachEinheiten(p);
        QVERIFY(std::abs(nachher.x() - vorher.x()) < 1e-3 &&
                std::abs(nachher.y() - vorher.y()) < 1e-3);
        rad(-240);
        QVERIFY(std::abs(s.Lupenfaktor - 1.2 * 0.9 * 1.1 * 1.1) < 1e-12);
    }

    // Faces filled as a world shows them: a pixel inside a face has its
    // colour lit by a light from the eye, a back magenta (or lit, with
    // "Rückseiten" off), the nearer face whatever the order, a see-through
    // one blended over what lies behind.
    void flaechen_data() {
        QTest::addColumn<QString>("innen");
        QTest::addColumn<bool>("rueckseiten");
        QTest::addColumn<QRgb>("farbe");
        const QString vorn = "Vertex -1 -1 Z\nVertex 1 -1 Z\nVertex 1 1 Z\nVertex -1 1 Z\n";
        auto quad = [&](const char* z, const char* ecken) {
            return QString(vorn).replace("Z", z) + "Quad " + ecken + "\n";
        };
        const QString rot = "Color 1 0 0\nSurface .4 .5 0\n";
        QTest::newRow("zum Auge hin") << rot + quad("0", "1 2 3 4") << true << qRgb(230, 0, 0);
        QTest::newRow("um 60 Grad gedreht")
            << rot + "Rotate 0 1 0 60\n" + quad("0", "1 2 3 4") << true << qRgb(166, 0, 0);
        QTest::newRow("von hinten") << rot + quad("0", "1 4 3 2") << true << qRgb(255, 0, 255);
        // Each corner of the front shares it with a top or bottom face at a
        // right angle: smooth, the light there comes at 45 degrees.
        QTest::newRow("glatt über geteilte Punkte")
            << rot +
                   "LightSampling Vertex\nVertex -1 -1 -1\nVertex 1 -1 -1\nVertex 1 1 -1\n"
                   "Vertex -1 1 -1\n" +
                   QString(vorn).replace("Z", "1") + "Quad 5 6 7 8\nQuad 1 2 6 5\nQuad 4 3 7 8\n"
            << true << qRgb(192, 0, 0);
        QTest::newRow("von hinten, doppelseitig")
            << rot + "MaterialMode double\n" + quad("0", "1 4 3 2") << true << qRgb(230, 0, 0);
        QTest::newRow("von hinten, ohne Rückseiten")
            << rot + quad("0", "1 4 3 2") << false << qRgb(230, 0, 0);
        const QString blau =
            "ClumpBegin\nColor 0 0 1\nSurface 1 0 0\n" + quad("0", "1 2 3 4") + "ClumpEnd\n";
        const QString naeher = "ClumpBegin\n" + rot + quad(".5", "1 2 3 4") + "ClumpEnd\n";
        QTest::newRow("die nähere zuerst") << naeher + blau << true << qRgb(230, 0, 0);
        QTest::newRow("die nähere zuletzt") << blau + naeher << true << qRgb(230, 0, 0);
        QTest::newRow("zu einem Viertel deckend über Blau")
            << blau + "ClumpBegin\nColor 1 0 0\nSurface 1 0 0\nOpacity .25\n" +
                   quad(".5", "1 2 3 4") + "ClumpEnd\n"
            << true << qRgb(64, 0, 191);
    }
    void flaechen() {
        QFETCH(QString, innen);
        QFETCH(bool, rueckseiten);
        QFETCH(QRgb, farbe);
        const QString datei = temp->filePath("flaechen.rwx");
        Schreiben(datei, ("ModelBegin\nClumpBegin\n" + innen + "ClumpEnd\nModelEnd\n").toLatin1());
        QStringList meldungen;
        oeffnen(datei, meldungen);
        nuk::shell::Zeichenflaeche* f = fenster->flaeche();
        // Inside every face, away from the axes and the edges.
        const QPoint p = f->nachPixel(.3f, .4f).toPoint();
        QCOMPARE(f->bild().pixel(p) & 0xffffff, qRgb(0, 0, 0) & 0xffffff);
        QVERIFY(!aktion("Flaechen")->isChecked() && aktion("Rueckseiten")->isChecked());
        aktion("Flaechen")->trigger();
        if (!rueckseiten) aktion("Rueckseiten")->trigger();
        // Every pixel of a quarter of the face, none left out.
        const QRect viertel =
            QRectF(f->nachPixel(.15f, .15f), f->nachPixel(.45f, .9f)).normalized().toRect();
        for (int y = viertel.top(); y <= viertel.bottom(); ++y)
            for (int x = viertel.left(); x <= viertel.right(); ++x) {
                const QRgb ist = f->bild().pixel(x, y);
                if (std::abs(qRed(ist) - qRed(farbe)) > 1 ||
                    std::abs(qGreen(ist) - qGreen(farbe)) > 1 ||
                    std::abs(qBlue(ist) - qBlue(farbe)) > 1)
                    QFAIL(qPrintable(
                        QStringLiteral("%1 at %2, %3").arg(ist & 0xffffff, 0, 16).arg(x).arg(y)));
            }
        aktion("Flaechen")->trigger();
        QCOMPARE(f->bild().pixel(p) & 0xffffff, qRgb(0, 0, 0) & 0xffffff);
    }

    // A texture's texels on the quarters of a quad (UV 0 0 at the image's
    // top-left), times the colour; a mask's black leaves the face out; a
    // texture not found leaves the face its colour.
    void flaechenMitTextur() {
        QImage textur(2, 2, QImage::Format_RGB32);
        const QRgb texel[2][2] = {{qRgb(255, 0, 0), qRgb(0, 255, 0)},
                                  {qRgb(0, 0, 255), qRgb(255, 255, 0)}};
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 2; ++x) textur.setPixel(x, y, texel[y][x]);
        QVERIFY(textur.save(temp->filePath("Holz.PNG")));
        QDir(temp->path()).mkdir("textures");
        QImage maske(2, 2, QImage::Format_RGB32);
        maske.fill(qRgb(255, 255, 255));
        maske.setPixel(0, 0, qRgb(0, 0, 0));
        QVERIFY(maske.save(temp->filePath("textures/maske.bmp")));
        const QString quad =
            "Vertex -1 -1 0 UV 0 1\nVertex 1 -1 0 UV 1 1\nVertex 1 1 0 UV 1 0\nVertex -1 1 0 UV 0 "
            "0\n"
            "Quad 1 2 3 4\n";
        const QPointF viertel[2][2] = {{{-.5, .5}, {.5, .5}}, {{-.5, -.5}, {.5, -.5}}};
        auto zeigen = [&](const QString& textur) {
            const QString datei = temp->filePath("textur.rwx");
            Schreiben(datei, ("ModelBegin\nClumpBegin\nColor .2 .4 .6\nSurface 1 0 0\n" + textur +
                              "\n" + quad + "ClumpEnd\nModelEnd\n")
                                 .toLatin1());
            QStringList meldungen;
            oeffnen(datei, meldungen);
            if (!aktion("Flaechen")->isChecked()) aktion("Flaechen")->trigger();
            QList<QRgb> farben;
            for (const auto& reihe : viertel)
                for (const QPointF& p : reihe)
                    farben << (fenster->flaeche()->bild().pixel(
                                   fenster->flaeche()->nachPixel(p.x(), p.y()).toPoint()) &
                               0xffffff);
            return farben;
        };
        auto mal = [](QRgb t) {
            return qRgb(qRound(qRed(t) * .2), qRound(qGreen(t) * .4), qRound(qBlue(t) * .6)) &
                   0xffffff;
        };
        const QList<QRgb> mitTextur = zeigen("Texture HOLZ.png");
        QCOMPARE(mitTextur, (QList<QRgb>{mal(texel[0][0]), mal(texel[0][1]), mal(texel[1][0]),
                                         mal(texel[1][1])}));
        const QList<QRgb> maskiert = zeigen("Texture HOLZ.png mask Maske");
        QCOMPARE(maskiert, (QList<QRgb>{0, mal(texel[0][1]), mal(texel[1][0]), mal(texel[1][1])}));
        // The same mask as worlds serve it, a .bmp inside a .zip.
        {
            QByteArray bmp;
            QBuffer puffer(&bmp);
            QVERIFY(puffer.open(QIODevice::WriteOnly) && maske.save(&puffer, "BMP"));
            int fehler = 0;
            zip_t* z = zip_open(QFile::encodeName(temp->filePath("textures/sieb.zip")).constData(),
                                ZIP_CREATE | ZIP_TRUNCATE, &fehler);
            QVERIFY(z);
            zip_file_add(z, "sieb.bmp", zip_source_buffer(z, bmp.constData(), bmp.size(), 0), 0);
            QCOMPARE(zip_close(z), 0);
        }
        QCOMPARE(zeigen("Texture HOLZ.png mask sieb"), maskiert);
        const QRgb farbe = qRgb(51, 102, 153) & 0xffffff;
        QCOMPARE(zeigen("Texture fehlt"), (QList<QRgb>{farbe, farbe, farbe, farbe}));
        // "Geometrie" names it, no box before.
        QStringList meldungen;
        Antworten a{Meldung(meldungen)};
        aktion("Auswahl(5)")->trigger();
        QTRY_VERIFY(a.fertig());
        QCOMPARE(meldungen, QStringList{"NukViewer|Geometrie: 1 Befund\nZeile 5: Textur \"fehlt\" "
                                        "gibt es nicht"});
    }

    // A real model with its textures beside it, drawn in two bands: its
    // coat is red and its face many colours, as the images are.
    void flaechenNussknacker() {
        QStringList meldungen;
        oeffnen(QStringLiteral(NUK_CORPUS_DIR "/sdl3dworld__sv-nutcracker5.rwx"), meldungen);
        aktion("Flaechen")->trigger();
        const QImage& bild = fenster->flaeche()->bild();
        int rot = 0;
        QSet<QRgb> farben;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) {
                const QRgb c = bild.pixel(x, y);
                farben.insert(c);
                rot += qRed(c) > 150 && qGreen(c) < 60 && qBlue(c) < 60;
            }
        // Some 4700 red pixels; twice as many when a band draws the other's rows.
        QVERIFY2(rot > 3500 && rot < 6000, qPrintable(QString::number(rot)));
        QVERIFY2(farben.size() > 1000, qPrintable(QString::number(farben.size())));
    }

    // A model whose first clump holds no point shows whole, in grey, where its
    // edges project; unticked, nothing of it.
    void ganzesModell() {
        QStringList meldungen;
        oeffnen(QStringLiteral(NUK_CORPUS_DIR "/sdl3dworld__sv-nutcracker1.rwx"), meldungen);
        nuk::State& s = fenster->zustand();
        QCOMPARE(s.PunktZahl, int16_t{0});
        nuk::shell::Zeichenflaeche* f = fenster->flaeche();
        const QRgb grau = qRgb(80, 80, 80);
        const QRect umriss = Umriss(f->bild(), grau);
        const auto& u = s.Ganzes.umfang;  // unturned: x across, y up
        const QRectF soll = QRectF(f->nachPixel(u[0], u[4]), f->nachPixel(u[3], u[1])).normalized();
        QVERIFY2(std::abs(umriss.left() - soll.left()) <= 2 &&
                     std::abs(umriss.top() - soll.top()) <= 2 &&
                     std::abs(umriss.right() - soll.right()) <= 2 &&
                     std::abs(umriss.bottom() - soll.bottom()) <= 2,
                 qPrintable(QString("%1 %2 %3 %4")
                                .arg(umriss.left())
                                .arg(umriss.top())
                                .arg(umriss.right())
                                .arg(umriss.bottom())));
        QVERIFY(umriss.height() > 100);
        QVERIFY(aktion("GanzesModell")->isChecked());
        aktion("GanzesModell")->trigger();
        QVERIFY(!aktion("GanzesModell")->isChecked());
        QVERIFY(Umriss(f->bild(), grau).isEmpty());
    }

    // On a model whose first clump is empty, a rubber band marks the rows of
    // the points of every clump and boxes them; "Geometrie" ticks the row of
    // a finding, says it, and the row shows it as its tool tip in both lists.
    void ganzesModellMarkierenUndGeometrie() {
        QStringList meldungen;
        oeffnen(QStringLiteral(NUK_CORPUS_DIR "/sdl3dworld__sv-nutcracker1.rwx"), meldungen);
        nuk::State& s = fenster->zustand();
        nuk::shell::Zeichenflaeche* f = fenster->flaeche();
        aktion("Toolbar1_Auswahl")->trigger();
        QTest::mousePress(f, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseMove(f, f->rect().center());
        QTest::mouseRelease(f, Qt::LeftButton, {}, f->rect().bottomRight() - QPoint(2, 2));
        QTRY_VERIFY(!s.Timer1.Enabled);
        QCOMPARE(s.PunktZahl, int16_t{0});
        QVERIFY(fenster->liste(Kind::Ausgewahl)->model()->rowCount() > 500);
        QVERIFY(Umriss(f->bild(), qRgb(0, 255, 255)).height() > 100);

        const QString datei = temp->filePath(QStringLiteral("ecke.rwx"));
        Schreiben(datei, Wuerfel.toLatin1().replace("ClumpEnd", "Triangle 1 2 99\nClumpEnd"));
        oeffnen(datei, meldungen);
        meldungen.clear();
        Antworten a{Meldung(meldungen)};
        aktion("Auswahl(5)")->trigger();
        QTRY_VERIFY(a.fertig());
        const QString befund = QStringLiteral("Ecke 99 gibt es hier nicht (8 Punkte)");
        QCOMPARE(meldungen, QStringList{"NukViewer|Geometrie: 1 Befund\nZeile 15: " + befund});
        QAbstractItemModel* text = fenster->liste(Kind::TextPad)->model();
        QCOMPARE(text->index(14, 0).data(Qt::CheckStateRole), QVariant(Qt::Checked));
        QCOMPARE(text->index(14, 0).data(Qt::ToolTipRole).toString(), befund);
        QCOMPARE(text->index(13, 0).data(Qt::ToolTipRole), QVariant());
        QTRY_VERIFY(!s.Timer1.Enabled);
        QCOMPARE(fenster->liste(Kind::Ausgewahl)->model()->index(0, 0).data(Qt::ToolTipRole),
                 QVariant(befund));
    }

    // A run of many lines skips what is already set and shares the work
    // between both cores, and leaves out what the next run draws again; the
    // picture is that of each line walked on its own, step by step.
    void einLaufWieEinzelneStriche_data() {
        QTest::addColumn<int>("breite");
        QTest::addColumn<int>("hoehe");
        QTest::addColumn<int>("linien");
        QTest::addColumn<bool>("yNachOben");
        QTest::addColumn<bool>("block");
        QTest::addColumn<bool>("netz");
        QTest::newRow("ein voller Block") << 403 << 301 << 4096 << false << true << false;
        QTest::newRow("ein Pixel") << 1 << 1 << 3000 << false << true << false;
        QTest::newRow("schmal, y nach oben") << 13 << 300 << 5000 << true << true << false;
        QTest::newRow("duenn") << 640 << 480 << 2600 << true << false << false;
        QTest::newRow("21 Zeilen, beide Kerne") << 24 << 21 << 3000 << false << false << false;
        QTest::newRow("als Netz") << 403 << 301 << 4096 << false << true << true;
        QTest::newRow("duenn, als Netz") << 640 << 480 << 2600 << true << false << true;
    }
    void einLaufWieEinzelneStriche() {
        QFETCH(int, breite);
        QFETCH(int, hoehe);
        QFETCH(int, linien);
        QFETCH(bool, yNachOben);
        QFETCH(bool, block);
        QFETCH(bool, netz);
        using nuk::shell::Massstab;
        const double b = breite, h = hoehe;
        const Massstab m = yNachOben ? Massstab{-1, 1, 2, -2, b, h} : Massstab{0, 0, b, h, b, h};
        auto feld = Feld;
        QImage lauf(breite, hoehe, QImage::Format_RGB32), einzeln = lauf;
        lauf.fill(Qt::black);
        einzeln.fill(Qt::black);
        nuk::shell::Striche alle;
        alle.beginnen(Blau, m, feld(lauf));
        std::vector<std::array<float, 4>> gezogen;
        std::mt19937 zufall(static_cast<unsigned>(breite * 7919 + linien));
        auto anteil = [&] { return (zufall() % 4096) / 4096.0; };
        // Pixels to units; ends also on pixel edges and centres.
        auto einheit = [&](double px, double py) {
            if (zufall() % 3 == 0) px = std::round(px * 2) / 2, py = std::round(py * 2) / 2;
            return std::array<float, 2>{static_cast<float>(m.links + px * m.einheitenBreite / b),
                                        static_cast<float>(m.oben + py * m.einheitenHoehe / h)};
        };
        for (int i = 0; i < linien; ++i) {
            // Seven lines of eight fill the block at (64, 64)-(191, 127): a
            // whole row of it, or one within. The others cross the picture
            // from beyond its edges, through the full block and the empty
            // parts; some are shorter than a pixel.
            std::array<float, 2> a, e;
            auto irgendwo = [&] {
                return einheit(b * (1.5 * anteil() - 0.25), h * (1.5 * anteil() - 0.25));
            };
            if (i % 8 == 7 || !block) {
                a = irgendwo();
                // A third of a pixel across, or across and down.
                const auto drittel = static_cast<float>(m.einheitenBreite / b / 3);
                const float runter = i % 10 == 5 ? static_cast<float>(m.einheitenHoehe / h / 3) : 0;
                e = i % 5 == 0 ? std::array{a[0] + drittel, a[1] + runter} : irgendwo();
            } else if (i % 2 == 0) {
                const double y = 64.5 + (i / 2) % 64;
                a = einheit(64.25, y), e = einheit(191.75, y);
            } else {
                a = einheit(64 + 128 * anteil(), 64 + 64 * anteil());
                e = einheit(64 + 128 * anteil(), 64 + 64 * anteil());
            }
            const auto [x1, y1] = a;
            const auto [x2, y2] = e;
            if (i % 7 == 0) {
                const int x = static_cast<int>(zufall() % 40) - 5, y = i % (hoehe + 4) - 2;
                alle.punkt(x, y);
                if (x >= 0 && x < breite && y >= 0 && y < hoehe) einzeln.setPixel(x, y, Blau);
            } else {
                if (!netz) alle.linie(x1, y1, x2, y2);
                gezogen.push_back({x1, y1, x2, y2});
                Strich(einzeln, m, gezogen.back(), Blau);
            }
        }
        auto alsNetz = [&](QRgb farbe, const std::vector<std::array<float, 4>>& linien) {
            const Netz n(linien);
            alle.netz(farbe, m, feld(lauf), n.punkte, n.kanten);
        };
        if (netz) alsNetz(Blau, gezogen);
        // Every third line again in green, as marked objects over all, and
        // one in between that was not there.
        alle.beginnen(qRgb(0, 255, 0), m, feld(lauf));
        for (size_t i = 0; i < gezogen.size(); i += 3) {
            auto [x1, y1, x2, y2] = gezogen[i];
            if (i == gezogen.size() / 2) x2 += static_cast<float>(m.einheitenBreite / 7);
            alle.linie(x1, y1, x2, y2);
            Strich(einzeln, m, {x1, y1, x2, y2}, qRgb(0, 255, 0));
        }
        alle.zeichnen(feld(lauf));
        QCOMPARE(lauf, einzeln);
        QVERIFY(Umriss(lauf, qRgb(0, 255, 0)).isValid());
        // The lines again in red but one that stayed blue, all in yellow, then
        // all in green: the last time from the bits the yellow run kept.
        for (const QRgb farbe : {qRgb(255, 0, 0), qRgb(255, 255, 0), qRgb(0, 255, 0)}) {
            auto linien = gezogen;
            if (farbe == qRgb(255, 0, 0)) linien.erase(linien.begin() + 1);
            if (netz) {
                alsNetz(farbe, linien);
                continue;
            }
            alle.beginnen(farbe, m, feld(lauf));
            for (const auto& [x1, y1, x2, y2] : linien) alle.linie(x1, y1, x2, y2);
            alle.zeichnen(feld(lauf));
        }
        for (const auto& l : gezogen) Strich(einzeln, m, l, qRgb(0, 255, 0));
        QCOMPARE(lauf, einzeln);
    }

    // A run drawn again from the bits it kept is the picture of what is drawn
    // now: any change of a line, of their number, of the scale or the offset
    // draws anew, below and above the size where the second core helps.
    void gemerkterLaufWieNeu_data() {
        QTest::addColumn<int>("linien");
        QTest::addColumn<int>("aenderung");
        QTest::addColumn<bool>("netz");
        QTest::newRow("x") << 3000 << int{X} << false;
        QTest::newRow("y") << 3000 << int{Y} << false;
        QTest::newRow("Anzahl") << 3000 << int{Anzahl} << false;
        QTest::newRow("Massstab") << 3000 << int{Massstab} << false;
        QTest::newRow("Versatz") << 3000 << int{Versatz} << false;
        QTest::newRow("unter dem zweiten Kern") << 2000 << int{X} << false;
        QTest::newRow("Linien auf dem Rand") << 2048 << int{Rand} << false;
        QTest::newRow("Netz: y") << 3000 << int{Y} << true;
        QTest::newRow("Netz: Anzahl") << 3000 << int{Anzahl} << true;
        QTest::newRow("Netz: Versatz") << 3000 << int{Versatz} << true;
        QTest::newRow("Netz: eine Kante") << 3000 << int{Kante} << true;
        QTest::newRow("Netz: eine Kante, ein Kern") << 1000 << int{Kante} << true;
    }
    void gemerkterLaufWieNeu() {
        QFETCH(int, linien);
        QFETCH(int, aenderung);
        QFETCH(bool, netz);
        const int breite = 320, hoehe = 240;
        nuk::shell::Massstab m{-1, 1, 2, -2, breite, hoehe};
        std::mt19937 zufall(5);
        // All in the upper left quarter but the last two, whose changes show.
        auto wo = [&] { return static_cast<float>(zufall() % 1024) / 1024; };
        std::vector<std::array<float, 4>> gezogen(static_cast<size_t>(linien));
        for (auto& l : gezogen) l = {-wo(), wo(), -wo(), wo()};
        gezogen[gezogen.size() - 2] = {0.2f, -0.2f, 0.8f, -0.7f};
        gezogen.back() = {0.3f, 0.3f, 0.9f, 0.8f};
        QImage bild(breite, hoehe, QImage::Format_RGB32);
        nuk::shell::Striche striche;
        // A net's edge may join the ends of two lines: the last but one's
        // start to the last one's end.
        bool querKante = false;
        auto malen = [&] {
            bild.fill(Qt::black);
            if (netz) {
                Netz n(gezogen);
                if (querKante) n.kanten[n.kanten.size() - 2][1] = n.kanten.back()[1];
                return striche.netz(Blau, m, Feld(bild), n.punkte, n.kanten);
            }
            striche.beginnen(Blau, m, Feld(bild));
            for (const auto& [x1, y1, x2, y2] : gezogen) striche.linie(x1, y1, x2, y2);
            striche.zeichnen(Feld(bild));
        };
        malen();
        malen();
        const auto vorher = gezogen;
        const nuk::shell::Massstab mVorher = m;
        auto& l = gezogen[gezogen.size() - 2];
        switch (aenderung) {
            case X:
                l[2] = 0.5f;
                break;
            case Y:
                l[3] = -0.3f;
                break;
            case Anzahl:
                gezogen.pop_back();
                break;
            case Massstab:
                m.einheitenBreite *= 0.8, m.einheitenHoehe *= 0.8;
                break;
            case Versatz:
                m.links += 0.25;
                break;
            case Kante:
                querKante = true;
                break;
            default:
                // Exactly on each edge: the right and lower ones lie just outside.
                gezogen[0] = {-1, 1, -1, -1};
                gezogen[1] = {1, 1, 1, -1};
                gezogen[2] = {-1, 1, 1, 1};
                gezogen[3] = {-1, -1, 1, -1};
                break;
        }
        malen();
        QImage soll(breite, hoehe, QImage::Format_RGB32);
        soll.fill(Qt::black);
        if (querKante) l = {l[0], l[1], gezogen.back()[2], gezogen.back()[3]};
        for (const auto& g : gezogen) Strich(soll, m, g, Blau);
        QCOMPARE(bild, soll);
        // And back: what is kept now is the changed picture.
        gezogen = vorher, m = mVorher, querKante = false;
        malen();
        soll.fill(Qt::black);
        for (const auto& g : gezogen) Strich(soll, m, g, Blau);
        QCOMPARE(bild, soll);
    }

    // A dot sets the pixel the paint engine sets for it, also on a pixel's
    // edge, and none beyond the picture; the outlines of rectangles, drawn
    // together, are those the paint engine draws one by one.
    void formenWieDerMaler() {
        nuk::shell::Zeichenflaeche* f = fenster->flaeche();
        nuk::AusgabeFenster& a = fenster->zustand().Ausgabe;
        const float w = static_cast<float>(f->bild().width());
        const float h = static_cast<float>(f->bild().height());
        a.ScaleLeft = a.ScaleTop = 0;
        a.ScaleWidth = w;
        a.ScaleHeight = h;
        QImage soll = f->bild().copy();
        QPainter maler(&soll);
        maler.setPen(QPen(QColor(Blau), 0));
        std::vector<nuk::Zeichenbefehl> befehle;
        for (const auto& [x, y] : std::vector<std::array<float, 2>>{{10, 10},
                                                                    {10.5f, 20.5f},
                                                                    {30.49f, 40.51f},
                                                                    {-0.5f, 5},
                                                                    {-0.51f, 7},
                                                                    {w - 0.5f, 9},
                                                                    {w - 0.51f, 11},
                                                                    {12, h - 0.5f},
                                                                    {14, -3.4f},
                                                                    {w + 3, 12}}) {
            befehle.push_back({nuk::Zeichenbefehl::Punkt, {0, 100, 255}, x, y, 0, 0});
            maler.drawPoint(f->nachPixel(x, y));
        }
        maler.setPen(QPen(QColor(0, 255, 255), 0));
        for (const auto& [x, y] : std::vector<std::array<float, 2>>{
                 {40, 40}, {40.5f, 60.25f}, {-2.5f, 80}, {w - 1.5f, 90}, {100.75f, h - 0.5f}}) {
            befehle.push_back({nuk::Zeichenbefehl::Rechteck,
                               {0, 255, 255},
                               x - 3.3f,
                               y - 3.3f,
                               x + 3.3f,
                               y + 3.3f});
            maler.drawRect(
                QRectF(f->nachPixel(x - 3.3f, y - 3.3f), f->nachPixel(x + 3.3f, y + 3.3f)));
        }
        // Outlines anywhere in the picture or a little beyond its edges, some
        // thinner than a pixel, some just short of a whole pixel.
        std::mt19937 zufall(11);
        for (int i = 0; i < 300; ++i) {
            float x = static_cast<float>(zufall() % 1000) / 1000 * (w - 24) - 3;
            float y = static_cast<float>(zufall() % 1000) / 1000 * (h - 24) - 3;
            const float b = static_cast<float>(zufall() % 2000) / 100, g = b * (i % 3);
            if (i % 5 == 0) x = std::nextafter(std::round(x), -1e9f), y = std::round(y);
            befehle.push_back({nuk::Zeichenbefehl::Rechteck, {0, 255, 255}, x, y, x + b, y + g});
            maler.drawRect(QRectF(f->nachPixel(x, y), f->nachPixel(x + b, y + g)).normalized());
        }
        // Thousands of boxes of one size at a few dozen places, a fraction of a
        // pixel apart: those on the same pixels are drawn once.
        for (int i = 0; i < 5000; ++i) {
            const float x = 20 + 17 * static_cast<float>(i % 40) + static_cast<float>(i % 7) / 8;
            const float y = 30 + 5 * static_cast<float>(i % 23) + static_cast<float>(i % 5) / 6;
            befehle.push_back(
                {nuk::Zeichenbefehl::Rechteck, {0, 255, 255}, x, y, x + 6.6f, y + 6.6f});
            maler.drawRect(QRectF(f->nachPixel(x, y), f->nachPixel(x + 6.6f, y + 6.6f)));
        }
        // Ending exactly on the picture's right or lower edge.
        for (const auto& [x, y] : std::vector<std::array<float, 2>>{{w, 106}, {108, h}}) {
            befehle.push_back({nuk::Zeichenbefehl::Rechteck, {0, 255, 255}, x - 8, 100, x, y});
            maler.drawRect(QRectF(f->nachPixel(x - 8, 100), f->nachPixel(x, y)));
        }
        maler.setPen(QPen(QColor(255, 0, 0), 0));
        befehle.push_back({nuk::Zeichenbefehl::Rechteck, {255, 0, 0}, 150, 150, 160, 170});
        maler.drawRect(QRectF(f->nachPixel(150, 150), f->nachPixel(160, 170)));
        maler.end();
        f->zeichne(befehle);
        QCOMPARE(f->bild(), soll);
    }

    // List rows look as the style's own delegate paints them, in every state.
    void zeilenWieDerStil() {
        nuk::State& s = fenster->zustand();
        fenster->kern([&] {
            for (const char* t : {"Begin:\t>ClumpBegin", "Quad 1 2 3 4",
                                  "kurz \t                                        ",
                                  ":\t>Vertex 1.2345678 2.3456789 3.4567891 UV 0.5 0.25 #Kommentar",
                                  "Umlaute \xe4\xf6\xfc\xdf ende", "", "\x01 steuer"})
                s.AuswahlList.setHaken(s.AuswahlList.anhaengen(t), s.AuswahlList.anzahl() % 2);
        });
        struct Ansicht : QListView {
            using QListView::initViewItemOption;
        } v;
        QListView* liste = fenster->liste(Kind::Ausgewahl);
        v.setModel(liste->model());
        v.setFont(liste->font());
        v.resize(260, 300);
        const nuk::shell::Zeilenmaler maler;
        const QStyledItemDelegate stil;
        auto malen = [&](const QAbstractItemDelegate& d, const QStyleOptionViewItem& o) {
            QImage bild(v.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
            bild.fill(v.palette().color(QPalette::Base));
            QPainter p(&bild);
            d.paint(&p, o, v.model()->index(o.index.row(), 0));
            return bild;
        };
        for (int i = 0; i < v.model()->rowCount(); ++i)
            for (int zustand = 0; zustand < 16; ++zustand) {
                QStyleOptionViewItem o;
                v.initViewItemOption(&o);
                o.index = v.model()->index(i, 0);
                o.rect = v.visualRect(o.index);
                // As wide as the first row's text, as in a list of uniform rows: longer ones end in
                // "…".
                if (zustand & 8) o.rect.setWidth(120);
                o.state.setFlag(QStyle::State_Selected, zustand & 1);
                o.state.setFlag(QStyle::State_HasFocus, zustand & 2);
                o.state.setFlag(QStyle::State_Active, zustand & 4);
                QVERIFY2(malen(maler, o) == malen(stil, o),
                         qPrintable(QString::number(i * 16 + zustand)));
            }
    }

    // A tick or text the core changes reaches an attached view as dataChanged of
    // its rows: alone for a few, as one range for a burst.
    void listenmodellMeldetAenderungen() {
        nuk::State& s = fenster->zustand();
        QAbstractItemModel* m = fenster->liste(Kind::TextPad)->model();
        QSignalSpy spion(m, &QAbstractItemModel::dataChanged);
        struct Fall {
            const char* name;
            std::function<void()> aendern;
            int von, bis;
        };
        const Fall faelle[] = {
            {"Haken", [&] { s.TextList.setHaken(2, true); }, 2, 2},
            {"Text", [&] { s.TextList.setText(4, ":\t># anders"); }, 4, 4},
            {"viele Haken",
             [&] {
                 for (int n = 0; n < 70; ++n) s.TextList.setHaken(n % 2 ? 5 : 3, n % 4 < 2);
             },
             3, 5},
        };
        for (const Fall& f : faelle) {
            spion.clear();
            fenster->kern(f.aendern);
            QVERIFY2(!spion.isEmpty(), f.name);
            int von = m->rowCount(), bis = -1;
            for (const QList<QVariant>& signal : spion) {
                von = std::min(von, signal[0].toModelIndex().row());
                bis = std::max(bis, signal[1].toModelIndex().row());
            }
            QCOMPARE(von, f.von);
            QCOMPARE(bis, f.bis);
        }
        QCOMPARE(m->index(4, 0).data().toString(), QStringLiteral(":\t># anders"));
    }

    // The frame fits the room the screen has, with the drawing square's rule.
    void startgroesse() {
        struct Fall {
            QSize platz;
            double twips;
            QSize groesse;
        };
        // 15 twips a pixel: the designed client area is 632 x 434.
        const Fall faelle[] = {
            {{1920, 1050}, 15, {940, 787}},  // the square fits the height: 940 - 253 = 687
            {{1280, 900}, 15, {828, 675}},
            {{640, 430}, 15, {583, 430}},  // QT_SCALE_FACTOR=2 on 1280 x 900
            {{1280, 430}, 7.5, {837, 430}},
            {{600, 1050}, 15, {600, 787}},  // narrow and tall: the width gives way
        };
        for (const Fall& f : faelle) {
            const QSize g = Hauptfenster::Startgroesse(f.platz, f.twips, f.twips);
            QCOMPARE(g, f.groesse);
            QVERIFY(g.width() <= f.platz.width() && g.height() <= f.platz.height());
        }
    }

    // A read that broke off: "Speichern" refuses with its message and the file
    // stays as it was; "Speichern als" writes the rows elsewhere.
    void abgebrochenesLesenWirdNichtGespeichert() {
        QByteArray gross = "ModelBegin\nClumpBegin\nVertex 1 2 3\n";
        for (int i = 0; i < 40000; ++i) gross += "# Zeile\n";
        gross += "ClumpEnd\nModelEnd\n";
        const QString datei = temp->filePath("gross.rwx");
        Schreiben(datei, gross);
        QStringList meldungen;
        oeffnen(datei, meldungen);
        QCOMPARE(meldungen, QStringList{"NukViewer|Da stimmt was nicht"});
        QCOMPARE(Beschriftung(*fenster), QStringLiteral("gross.rwx - NukViewer 4.8a"));
        meldungen.clear();
        {
            Antworten a{Meldung(meldungen)};
            aktion("Speichern")->trigger();
            QVERIFY(a.fertig());
        }
        QCOMPARE(meldungen, QStringList{"NukViewer|" + QString::fromUtf8(nuk::NichtGanzGelesen)});
        QCOMPARE(Lesen(datei), gross);
        {
            fenster->dialogErsatz = Waehlen(temp->filePath("teil.rwx"));
            aktion("SpeichernAls")->trigger();
        }
        QCOMPARE(Beschriftung(*fenster), QStringLiteral("teil.rwx - NukViewer 4.8a"));
        QCOMPARE(Lesen(temp->filePath("teil.rwx")).count("\r\n"), 32767);
        QCOMPARE(Lesen(datei), gross);
    }

    // "Speichern" onto a folder, a place that cannot be written and a full
    // disk: the program's message, and the file on disk stays as it was.
    void speicherfehler() {
        const QString datei = temp->filePath("m.rwx");
        const QByteArray alt = Wuerfel.toLatin1();
        Schreiben(datei, alt);
        QDir().mkdir(temp->filePath("ordner.rwx"));
        QStringList meldungen;
        oeffnen(datei, meldungen);
        static size_t frei;
        frei = 40;
        auto voll = [](int fd, const void* puffer, size_t n) -> ssize_t {
            if (frei == 0) return errno = ENOSPC, -1;
            const size_t teil = std::min(n, frei);
            frei -= teil;
            return ::write(fd, puffer, teil);
        };
        struct Fall {
            QString ziel;
            nuk::Schreibweg weg;
        };
        for (const Fall& fall :
             {Fall{temp->filePath("ordner.rwx"), nullptr},
              Fall{QStringLiteral("/proc/nuk-test.rwx"), nullptr}, Fall{datei, +voll}}) {
            fenster->zustand().CommonDialog1.FileName = fall.ziel.toStdString();
            fenster->schreibwegErsatz = fall.weg;
            meldungen.clear();
            {
                Antworten a{Meldung(meldungen)};
                aktion("Speichern")->trigger();
            }
            QCOMPARE(meldungen, QStringList{"NukViewer|Da stimmt was nicht"});
            QCOMPARE(Lesen(datei), alt);
            QCOMPARE(QDir(temp->path()).entryList(QDir::Files), QStringList{"m.rwx"});
        }
        // And a save that can go through writes every row, CR LF each.
        fenster->schreibwegErsatz = nullptr;
        fenster->zustand().CommonDialog1.FileName = datei.toStdString();
        aktion("Speichern")->trigger();
        QCOMPARE(Lesen(datei), QByteArray(alt).replace("\n", "\r\n"));
    }
};

QTEST_MAIN(HauptfensterTest)
#include "Hauptfenster_test.moc"
