#include "shell/Hauptfenster.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QUrl>
#include <cmath>

#include "app/Anfang.h"
#include "app/Bearbeiten.h"
#include "app/NukView.h"
#include "app/ZeigFenster.h"
#include "model/Text.h"
#include "selection/Listenfenster.h"
#include "selection/Modul_Auswahl.h"
#include "shell/Bilder.h"
#include "shell/ListenModell.h"
#include "shell/Zeichenflaeche.h"

namespace nuk::shell {

namespace {

QString T(const char* text) {
    return QString::fromUtf8(text);
}

// A text of the window in the user's language; lupdate finds the calls as
// translate(kontext, text).
QString Ue(const char* kontext, const char* text) {
    return QCoreApplication::translate(kontext, text);
}

size_t Nr(Kind k) {
    return static_cast<size_t>(k);
}

// The tool window "Tools": no controls, only its picture as background.
class Werkzeug : public QWidget {
  public:
    explicit Werkzeug(QWidget* parent = nullptr) : QWidget(parent) {
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setBrush(QPalette::Window, QBrush(QPixmap::fromImage(WerkzeugHintergrund())));
        setPalette(p);
        setAccessibleName(Ue("Fenster", "Tools"));
    }
};

// name: the list's control name; titel: its window's caption, what a screen reader says.
Listenansicht* Listenfenster(ListenModell* modell, const QString& name, const QString& titel) {
    auto* v = new Listenansicht;
    v->setModel(modell);
    v->setUniformItemSizes(true);
    // RWX rows are plain Latin text: shaping them only adds kerning, and it
    // was most of the time a list took to paint its rows.
    QFont schrift = v->font();
    schrift.setStyleStrategy(QFont::PreferNoShaping);
    v->setFont(schrift);
    v->setItemDelegate(new Zeilenmaler(v));
    v->setSelectionMode(QAbstractItemView::SingleSelection);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setObjectName(name);
    v->setAccessibleName(titel);
    QObject::connect(modell, &ListenModell::cursorGeaendert, v, [v, modell](int zeile) {
        v->setCurrentIndex(zeile < 0 ? QModelIndex() : modell->index(zeile));
    });
    // The row the user moves to is the list's current row in the core too.
    QObject::connect(v->selectionModel(), &QItemSelectionModel::currentChanged, modell,
                     [modell](const QModelIndex& i) { modell->cursorSetzen(i.row()); });
    return v;
}

}  // namespace

Hauptfenster::Hauptfenster(const QString& programmOrdner, QWidget* parent)
    : QMainWindow(parent), s_(std::make_unique<State>(*this)), bild_(Bildliste()) {
    setObjectName(QStringLiteral("NukView"));
    setWindowTitle(QStringLiteral("NukViewer"));
    setWindowIcon(QIcon(bild_[1]));
    setAcceptDrops(true);

    mdi_ = new QMdiArea(this);
    mdi_->setBackground(palette().brush(QPalette::Dark));
    mdi_->setAccessibleName(Ue("Fenster", "Arbeitsbereich"));
    setCentralWidget(mdi_);
    // The client area is the viewport; it gets its new size after the area's own.
    mdi_->viewport()->installEventFilter(this);

    textModell_ = new ListenModell(s_->TextList, true, this);
    auswahlModell_ = new ListenModell(s_->AuswahlList, true, this);
    befehlsModell_ = new ListenModell(s_->BefehlsList, false, this);
    // A row's findings in the whole model, in both lists: a copy has its file row's key.
    for (ListenModell* m : {textModell_, auswahlModell_})
        m->tipp = [this](int32_t wert) {
            const auto b = s_->Befundtexte.find(wert);
            return b == s_->Befundtexte.end() ? QString() : QString::fromStdString(b->second);
        };
    for (ListenModell* m : {textModell_, auswahlModell_, befehlsModell_})
        m->kern = [this](const std::function<void()>& f) { kern(f); };

    flaeche_ = new Zeichenflaeche(*s_);
    flaeche_->kern = [this](const std::function<void()>& f) { kern(f); };

    Listenansicht* text = Listenfenster(textModell_, T("TextList"), Ue("Fenster", "FileText"));
    text->mausLos = [this] { kern([this] { TextPad::TextList_MouseUp(*s_); }); };
    text->taste = [this](int16_t c) { kern([this, c] { TextPad::TextList_KeyPress(*s_, c); }); };
    kindAnlegen(Kind::TextPad, text, T("FileText"), Ue("Fenster", "FileText"));
    Listenansicht* auswahl =
        Listenfenster(auswahlModell_, T("AuswahlList"), Ue("Fenster", "Auswahl"));
    auswahl->mausLos = [this] { kern([this] { Ausgewahl::AuswahlList_MouseUp(*s_); }); };
    kindAnlegen(Kind::Ausgewahl, auswahl, T("Auswahl"), Ue("Fenster", "Auswahl"));
    auto* werkzeug = new Werkzeug;
    werkzeug->setFixedSize(static_cast<int>(std::lround(1275 / twipsX())),
                           static_cast<int>(std::lround(30 / twipsY())));
    kindAnlegen(Kind::Fenster_b, werkzeug, T("Tools"), Ue("Fenster", "Tools"));
    kind(Kind::Fenster_b)->adjustSize();
    kindAnlegen(Kind::Ausgabe, flaeche_, T("NukViewer"), T("NukViewer"));
    kindAnlegen(Kind::BefehlsPad,
                Listenfenster(befehlsModell_, T("BefehlsList"), Ue("Fenster", "Befehle")),
                T("Befehle"), Ue("Fenster", "Befehle"));

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(10);
    timer1_->setSingleShot(true);
    connect(timer1_, &QTimer::timeout, this, &Hauptfenster::tick);

    bearbeitungen_ = new QUndoStack(this);
    connect(bearbeitungen_, &QUndoStack::cleanChanged, this,
            [this](bool sauber) { setWindowModified(!sauber); });

    menuesBauen();
    werkzeugleisteBauen();

    // The window manager's title bar comes on top of the frame.
    const QSize platz = screen()->availableGeometry().size() -
                        QSize(0, style()->pixelMetric(QStyle::PM_TitleBarHeight));
    resize(Startgroesse(platz, twipsX(), twipsY()));

    // The first arrangement and fit work from the size the frame will show with.
    layout()->activate();
    const std::string ordner = QFile::encodeName(programmOrdner).toStdString();
    dokument([&] { NukView::mdiForm_Initialize(*s_, ordner); });
    bereit_ = true;
}

Hauptfenster::~Hauptfenster() {
    beenden_ = true;
    // The models let go of the core's lists while the state still stands.
    for (ListenModell** m : {&textModell_, &auswahlModell_, &befehlsModell_}) {
        delete *m;
        *m = nullptr;
    }
}

QListView* Hauptfenster::liste(Kind k) const {
    return qobject_cast<QListView*>(kind(k)->widget());
}

QMdiSubWindow* Hauptfenster::kindAnlegen(Kind k, QWidget* inhalt, const QString& name,
                                         const QString& titel) {
    auto* sub = new QMdiSubWindow;
    sub->setWidget(inhalt);
    sub->setWindowTitle(titel);
    sub->setObjectName(name);
    sub->setWindowIcon(QIcon(bild_[static_cast<int>(Nr(k) % 3)]));
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    mdi_->addSubWindow(sub);
    sub->hide();
    sub->installEventFilter(this);
    kinder_[Nr(k)] = sub;
    return sub;
}

void Hauptfenster::menuesBauen() {
    QMenuBar* leiste = menuBar();
    auto eintrag = [this](QMenu* menue, const char* name, const char* text,
                          std::function<void()> handler, const char* taste = nullptr) {
        QAction* a = menue->addAction(Ue("Fenster", text));
        a->setObjectName(T(name));
        if (taste) a->setShortcut(QKeySequence(T(taste)));
        connect(a, &QAction::triggered, this, [this, h = std::move(handler)] { kern(h); });
        return a;
    };
    auto haken = [](QAction* a, bool an) {
        a->setCheckable(true);
        a->setChecked(an);
        return a;
    };
    State& s = *s_;

    QMenu* datei = leiste->addMenu(Ue("Fenster", "Datei"));
    datei->menuAction()->setObjectName(T("Menu(0)"));
    // Entries that rebuild the rows: the list views reset once at the end.
    // The keys a Linux desktop program has for these, beside the program's own.
    auto dokumentEintrag = [this](QMenu* menue, const char* name, const char* text,
                                  void (*handler)(State&), const char* taste) {
        QAction* a = menue->addAction(Ue("Fenster", text));
        a->setObjectName(T(name));
        a->setShortcut(QKeySequence(T(taste)));
        connect(a, &QAction::triggered, this, [this, handler] {
            if (aenderungenGeklaert()) dokument([this, handler] { handler(*s_); });
        });
    };
    dokumentEintrag(datei, "MachsNeu", QT_TRANSLATE_NOOP("Fenster", "Neu"), NukView::MachsNeu_Click,
                    "Ctrl+N");
    dokumentEintrag(datei, "Aktualisieren", QT_TRANSLATE_NOOP("Fenster", "Aktualisieren"),
                    NukView::Aktualisieren_Click, "F5");
    dokumentEintrag(datei, "Öffnen", QT_TRANSLATE_NOOP("Fenster", "Öffnen"), NukView::Oeffnen_Click,
                    "Ctrl+O");
    eintrag(
        datei, "Speichern", QT_TRANSLATE_NOOP("Fenster", "Speichern"),
        [&s] { NukView::Speichern_Click(s); }, "Ctrl+S");
    eintrag(
        datei, "SpeichernAls", QT_TRANSLATE_NOOP("Fenster", "Speichern als"),
        [&s] { NukView::SpeichernAls_Click(s); }, "Ctrl+Shift+S");
    QAction* beenden = datei->addAction(Ue("Fenster", "Beenden"));
    beenden->setObjectName(T("Beenden"));
    beenden->setShortcut(QKeySequence(T("Ctrl+Q")));
    connect(beenden, &QAction::triggered, this, &QWidget::close);

    QMenu* bearbeiten = leiste->addMenu(Ue("Fenster", "Bearbeiten"));
    bearbeiten->menuAction()->setObjectName(T("Menu(1)"));
    QAction* zurueck = bearbeiten->addAction(Ue("Fenster", "Rückgängig"));
    zurueck->setObjectName(T("Rueckgaengig"));
    zurueck->setShortcut(QKeySequence::Undo);
    zurueck->setEnabled(false);
    connect(zurueck, &QAction::triggered, bearbeitungen_, &QUndoStack::undo);
    connect(bearbeitungen_, &QUndoStack::canUndoChanged, zurueck, &QAction::setEnabled);
    QAction* wieder = bearbeiten->addAction(Ue("Fenster", "Wiederholen"));
    wieder->setObjectName(T("Wiederholen"));
    wieder->setShortcuts({QKeySequence(T("Ctrl+Y")), QKeySequence(T("Ctrl+Shift+Z"))});
    wieder->setEnabled(false);
    connect(wieder, &QAction::triggered, bearbeitungen_, &QUndoStack::redo);
    connect(bearbeitungen_, &QUndoStack::canRedoChanged, wieder, &QAction::setEnabled);
    bearbeiten->addSeparator();
    // An edit rebuilds the rows: the list views reset once at the end.
    auto bearbeitung = [this](QMenu* menue, const char* name, const char* text,
                              std::function<void()> handler, const char* taste) {
        QAction* a = menue->addAction(T(text));
        a->setObjectName(T(name));
        if (taste) a->setShortcut(QKeySequence(T(taste)));
        connect(a, &QAction::triggered, this, [this, h = std::move(handler)] { dokument(h); });
    };
    QMenu* hinzuf = bearbeiten->addMenu(Ue("Fenster", "Hinzufügen"));
    hinzuf->menuAction()->setObjectName(T("Hinzuf"));
    const char* hinz[] = {
        QT_TRANSLATE_NOOP("Fenster", "Punkt"),     QT_TRANSLATE_NOOP("Fenster", "Dreieck"),
        QT_TRANSLATE_NOOP("Fenster", "Viereck"),   QT_TRANSLATE_NOOP("Fenster", "Polygon"),
        QT_TRANSLATE_NOOP("Fenster", "Kommentar"), QT_TRANSLATE_NOOP("Fenster", "was anderes")};
    for (int16_t i = 0; i < 6; ++i)
        bearbeitung(
            hinzuf, ("Hinz(" + std::to_string(i) + ")").c_str(), hinz[i],
            [&s, i] { NukView::Hinz_Click(s, i); }, i == 5 ? "Shift+Ins" : nullptr);
    bearbeitung(
        bearbeiten, "Vera", QT_TRANSLATE_NOOP("Fenster", "Verändern"),
        [&s] { NukView::Vera_Click(s); }, "Ctrl+E");
    bearbeitung(
        bearbeiten, "Reverse", QT_TRANSLATE_NOOP("Fenster", "Reverse"),
        [&s] { NukView::Reverse_Click(s); }, "Ctrl+R");
    bearbeitung(
        bearbeiten, "MachsWeg", QT_TRANSLATE_NOOP("Fenster", "Löschen"),
        [&s] { NukView::MachsWeg_Click(s); }, "Del");

    QMenu* auswahl = leiste->addMenu(Ue("Fenster", "Auswahl"));
    auswahl->menuAction()->setObjectName(T("Menu(2)"));
    eintrag(
        auswahl, "Auswahl(0)", QT_TRANSLATE_NOOP("Fenster", "Neu"),
        [&s] { NukView::Auswahl_Click(s, 0); }, "Alt+Backspace");
    QMenu* punkte = auswahl->addMenu(Ue("Fenster", "Punkte"));
    punkte->menuAction()->setObjectName(T("Auswahl(1)"));
    const char* ausP[] = {QT_TRANSLATE_NOOP("Fenster", "egal ob Objekte markiert"),
                          QT_TRANSLATE_NOOP("Fenster", "von markierten Objekte"),
                          QT_TRANSLATE_NOOP("Fenster", "ohne Objekte")};
    for (size_t i = 0; i < 3; ++i) {
        ausP_[i] = eintrag(punkte, ("AusP(" + std::to_string(i) + ")").c_str(), ausP[i],
                           [&s, i] { NukView::AusP_Click(s, static_cast<int16_t>(i)); });
        // "ohne Objekte" is a command, not a rule.
        if (i < 2) haken(ausP_[i], s.Menu.AusP[i]);
    }
    QMenu* objekte = auswahl->addMenu(Ue("Fenster", "Objekte"));
    objekte->menuAction()->setObjectName(T("Auswahl(2)"));
    const char* markMal[] = {QT_TRANSLATE_NOOP("Fenster", "egal ob Punkte markiert"),
                             QT_TRANSLATE_NOOP("Fenster", "mit einem markierten Punkt"),
                             QT_TRANSLATE_NOOP("Fenster", "mit zwei markierten Punkt"),
                             QT_TRANSLATE_NOOP("Fenster", "mit drei markierten Punkt")};
    for (size_t i = 0; i < 4; ++i)
        markMal_[i] =
            haken(eintrag(objekte, ("MarkMal(" + std::to_string(i) + ")").c_str(), markMal[i],
                          [&s, i] { NukView::MarkMal_Click(s, static_cast<int16_t>(i)); }),
                  s.Menu.MarkMal[i]);
    eintrag(auswahl, "Auswahl(3)", QT_TRANSLATE_NOOP("Fenster", "Hierarchie"),
            [&s] { NukView::Auswahl_Click(s, 3); });
    eintrag(auswahl, "Auswahl(4)", QT_TRANSLATE_NOOP("Fenster", "Fehlerhaftes"),
            [&s] { NukView::Auswahl_Click(s, 4); });
    eintrag(auswahl, "Auswahl(5)", QT_TRANSLATE_NOOP("Fenster", "Geometrie"),
            [&s] { NukView::Auswahl_Click(s, 5); });

    QMenu* ansicht = leiste->addMenu(Ue("Fenster", "Ansicht"));
    ansicht->menuAction()->setObjectName(T("Menu(3)"));
    eintrag(ansicht, "Standard", QT_TRANSLATE_NOOP("Fenster", "Standard"),
            [&s] { NukView::Standard_Click(s); });
    QMenu* von = ansicht->addMenu(Ue("Fenster", "von"));
    von->menuAction()->setObjectName(T("Ansicht1"));
    const char* seiten[] = {
        QT_TRANSLATE_NOOP("Fenster", "vorn"),  QT_TRANSLATE_NOOP("Fenster", "hinten "),
        QT_TRANSLATE_NOOP("Fenster", "oben"),  QT_TRANSLATE_NOOP("Fenster", "unten"),
        QT_TRANSLATE_NOOP("Fenster", "links"), QT_TRANSLATE_NOOP("Fenster", "rechts")};
    for (int16_t i = 0; i < 6; ++i)
        eintrag(von, ("Ansicht(" + std::to_string(i) + ")").c_str(), seiten[i],
                [&s, i] { NukView::Ansicht_Click(s, i); });
    QMenu* fenster = ansicht->addMenu(Ue("Fenster", "Fenster"));
    fenster->menuAction()->setObjectName(T("Fenster"));
    const char* shows[] = {
        QT_TRANSLATE_NOOP("Fenster", "FileText"), QT_TRANSLATE_NOOP("Fenster", "Auswahl"),
        QT_TRANSLATE_NOOP("Fenster", "Werkzeug"), QT_TRANSLATE_NOOP("Fenster", "Hauptbild"),
        QT_TRANSLATE_NOOP("Fenster", "Befehlsliste")};
    for (int16_t i = 0; i < 5; ++i) {
        const auto k = static_cast<size_t>(i);
        shows_[k] = haken(eintrag(fenster, ("Shows(" + std::to_string(i) + ")").c_str(), shows[i],
                                  [&s, i] { NukView::Shows_Click(s, i); }),
                          s.Menu.Shows[k]);
    }
    shows_[2]->setEnabled(false);
    QMenu* angeordnet = ansicht->addMenu(Ue("Fenster", "       angeordnet"));
    angeordnet->menuAction()->setObjectName(T("FenAnGe"));
    const char* arten[] = {"", QT_TRANSLATE_NOOP("Fenster", "flach"),
                           QT_TRANSLATE_NOOP("Fenster", "schmal"),
                           QT_TRANSLATE_NOOP("Fenster", "manuell")};
    for (int16_t i = 1; i <= 3; ++i) {
        const auto k = static_cast<size_t>(i);
        fenAnGeO_[k] = haken(eintrag(angeordnet, ("FenAnGeO(" + std::to_string(i) + ")").c_str(),
                                     arten[i], [&s, i] { NukView::FenAnGeO_Click(s, i); }),
                             s.Menu.FenAnGeO[k]);
    }
    ganzesModell_ =
        haken(eintrag(ansicht, "GanzesModell", QT_TRANSLATE_NOOP("Fenster", "ganzes Modell"),
                      [&s] { NukView::GanzesModell_Click(s); }),
              s.Menu.GanzesModell);
    flaechen_ = haken(eintrag(ansicht, "Flaechen", QT_TRANSLATE_NOOP("Fenster", "Flächen"),
                              [&s] { NukView::Flaechen_Click(s); }),
                      s.Menu.Flaechen);
    rueckseiten_ = haken(eintrag(ansicht, "Rueckseiten", QT_TRANSLATE_NOOP("Fenster", "Rückseiten"),
                                 [&s] { NukView::Rueckseiten_Click(s); }),
                         s.Menu.Rueckseiten);
}

void Hauptfenster::werkzeugleisteBauen() {
    QToolBar* leiste = addToolBar(T("Toolbar1"));
    leiste->setObjectName(T("Toolbar1"));
    leiste->setMovable(false);
    leiste->setAccessibleName(Ue("Fenster", "Modus"));
    // The mode buttons are always there: exactly one of them is pressed.
    leiste->toggleViewAction()->setVisible(false);
    leiste->setIconSize(QSize(32, 32));
    const char* schluessel[] = {"", QT_TRANSLATE_NOOP("Fenster", "Lupe"),
                                QT_TRANSLATE_NOOP("Fenster", "Bewegungen"),
                                QT_TRANSLATE_NOOP("Fenster", "Auswahl")};
    for (size_t i = 1; i <= 3; ++i) {
        // Not exclusive: a click on the pressed button releases it, and the core presses it again.
        QAction* a =
            leiste->addAction(QIcon(bild_[static_cast<int>(i) + 2]), Ue("Fenster", schluessel[i]));
        a->setObjectName(T("Toolbar1_") + T(schluessel[i]));
        a->setToolTip(Ue("Fenster", schluessel[i]));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this] {
            kern([this] {
                for (size_t k = 1; k <= 3; ++k)
                    s_->Toolbar1.gedrueckt[k] = knoepfe_[k]->isChecked();
                NukView::Toolbar1_ButtonClick(*s_);
            });
        });
        knoepfe_[i] = a;
    }
}

void Hauptfenster::kern(const std::function<void()>& f) {
    const std::array<ListenModell*, 3> modelle{textModell_, auswahlModell_, befehlsModell_};
    if (tiefe_ == 0)
        for (ListenModell* m : modelle)
            if (m) m->stapelBeginnen();
    ++tiefe_;
    try {
        f();
    } catch (const std::exception&) {
        Melden(*s_, Tr("Kern", "Da stimmt was nicht"));
    }
    if (--tiefe_ == 0)
        for (ListenModell* m : modelle)
            if (m) m->stapelBeenden();
    spiegeln();
}

void Hauptfenster::dokument(const std::function<void()>& f) {
    textModell_->sammelnBeginnen();
    auswahlModell_->sammelnBeginnen();
    kern(f);
    textModell_->sammelnBeenden();
    auswahlModell_->sammelnBeenden();
}

void Hauptfenster::Fenster_b_Modus(int16_t m) {
    kern([&] { ModusSetzen(*s_, m); });
}

void Hauptfenster::spiegeln() {
    const State& s = *s_;
    // A new document starts a new history; a save marks where the file stands.
    if (s.Geladen != geladen_) {
        geladen_ = s.Geladen;
        bearbeitungen_->clear();
    }
    if (s.Gespeichert != gespeichert_) {
        gespeichert_ = s.Gespeichert;
        bearbeitungen_->setClean();
    }
    // The changed-document mark goes behind the file's name.
    QString titel = QString::fromUtf8(s.Caption);
    const qsizetype strich = titel.indexOf(T(" - "));
    titel.insert(strich < 0 ? titel.size() : strich, T("[*]"));
    setWindowTitle(titel);
    kind(Kind::Ausgabe)->setWindowTitle(QString::fromUtf8(s.Ausgabe.Caption));
    for (size_t i = 0; i < 5; ++i) shows_[i]->setChecked(s.Menu.Shows[i]);
    for (size_t i = 1; i <= 3; ++i) fenAnGeO_[i]->setChecked(s.Menu.FenAnGeO[i]);
    for (size_t i = 0; i < 3; ++i) ausP_[i]->setChecked(s.Menu.AusP[i]);
    for (size_t i = 0; i < 4; ++i) markMal_[i]->setChecked(s.Menu.MarkMal[i]);
    ganzesModell_->setChecked(s.Menu.GanzesModell);
    flaechen_->setChecked(s.Menu.Flaechen);
    rueckseiten_->setChecked(s.Menu.Rueckseiten);
    for (size_t i = 1; i <= 3; ++i) knoepfe_[i]->setChecked(s.Toolbar1.gedrueckt[i]);
    flaeche_->spiegeln();
    if (s.Timer1.Enabled) zeitgeberAn();
}

void Hauptfenster::zeitgeberAn() {
    if (timer1_ && !timer1_->isActive()) timer1_->start();
}

void Hauptfenster::tick() {
    // A tick that arrives while a message box of the core waits runs after it.
    if (tiefe_ > 0) {
        timer1_->start();
        return;
    }
    if (s_->Timer1.Enabled) kern([this] { NukView::Timer1_Timer(*s_); });
}

QSize Hauptfenster::Startgroesse(QSize platz, double twipsX, double twipsY) {
    constexpr int leisten = 100;                                    // menu bar and toolbar
    const int rand = static_cast<int>(std::lround(3800 / twipsX));  // beside the square
    int hoehe = std::max(static_cast<int>(6510 / twipsY), platz.height() * 3 / 4 - leisten);
    int breite = std::max(static_cast<int>(9480 / twipsX), hoehe + rand);
    if (hoehe + leisten > platz.height()) {
        // Too low a screen for the designed area: the square still fits the height.
        hoehe = platz.height() - leisten;
        breite = hoehe + rand;
    }
    return {std::min(breite, platz.width()), hoehe + leisten};
}

double Hauptfenster::twipsX() const {
    return 1440.0 / logicalDpiX();
}

double Hauptfenster::twipsY() const {
    return 1440.0 / logicalDpiY();
}

void Hauptfenster::zeigeMeldung(const Meldung& meldung) {
    // While the box waits, the lists show the changes made so far.
    for (ListenModell* m : {textModell_, auswahlModell_, befehlsModell_})
        if (m) m->stapelZeigen();
    if (meldungErsatz) {
        meldungErsatz(meldung);
    } else {
        QMessageBox box(QMessageBox::NoIcon,
                        meldung.titel.empty() ? T("NukViewer") : QString::fromUtf8(meldung.titel),
                        QString::fromUtf8(meldung.text), QMessageBox::Ok, this);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    for (ListenModell* m : {textModell_, auswahlModell_, befehlsModell_})
        if (m) m->stapelFortsetzen();
}

namespace {

// One edit: the rows before and after it. Pushed after the edit is done, so
// its first redo has nothing to do.
class Bearbeitung : public QUndoCommand {
  public:
    Bearbeitung(Hauptfenster& f, const std::string& was, Zeilenstand vorher, Zeilenstand nachher)
        : QUndoCommand(QString::fromUtf8(was)),
          f_(f),
          vorher_(std::move(vorher)),
          nachher_(std::move(nachher)) {}
    void undo() override { f_.standSetzen(vorher_); }
    void redo() override {
        if (!erstes_) f_.standSetzen(nachher_);
        erstes_ = false;
    }

  private:
    Hauptfenster& f_;
    Zeilenstand vorher_, nachher_;
    bool erstes_ = true;
};

}  // namespace

void Hauptfenster::bearbeitet(const std::string& was, Zeilenstand vorher, Zeilenstand nachher) {
    bearbeitungen_->push(new Bearbeitung(*this, was, std::move(vorher), std::move(nachher)));
}

void Hauptfenster::standSetzen(const Zeilenstand& z) {
    dokument([&] { StandSetzen(*s_, z); });
}

std::optional<std::string> Hauptfenster::zeileFragen(const std::string& titel,
                                                     const std::string& vorgabe) {
    if (zeileErsatz) return zeileErsatz(titel, vorgabe);
    QInputDialog d(this);
    d.setWindowTitle(QString::fromUtf8(titel));
    d.setLabelText(Ue("Fenster", "Zeile:"));
    d.setTextValue(QString::fromUtf8(vorgabe));
    d.setOkButtonText(Ue("Fenster", "OK"));
    d.setCancelButtonText(Ue("Fenster", "Abbrechen"));
    d.resize(std::max(d.sizeHint().width(), 420), d.sizeHint().height());
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    return d.textValue().toUtf8().toStdString();
}

bool Hauptfenster::frage(const Meldung& meldung) {
    if (frageErsatz) return frageErsatz(meldung);
    QMessageBox box(QMessageBox::Question,
                    meldung.titel.empty() ? T("NukViewer") : QString::fromUtf8(meldung.titel),
                    QString::fromUtf8(meldung.text), QMessageBox::Yes | QMessageBox::No, this);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Yes)->setText(Ue("Fenster", "Ja"));
    box.button(QMessageBox::No)->setText(Ue("Fenster", "Nein"));
    return box.exec() == QMessageBox::Yes;
}

bool Hauptfenster::aenderungenGeklaert() {
    if (bearbeitungen_->isClean()) return true;
    const State& s = *s_;
    const QString datei =
        s.CommonDialog1.FileName.empty()
            ? QCoreApplication::translate("Fenster", "Neu", "der Name eines Dokuments ohne Datei")
            : QString::fromUtf8(s.CommonDialog1.FileTitle);
    const QString text = Ue("Fenster", "Änderungen an %1 speichern?").arg(datei);
    int antwort = QMessageBox::Cancel;
    if (speichernFrageErsatz) {
        antwort = speichernFrageErsatz(text);
    } else {
        QMessageBox box(QMessageBox::Question, T("NukViewer"), text,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
        box.setTextFormat(Qt::PlainText);
        box.button(QMessageBox::Save)->setText(Ue("Fenster", "Speichern"));
        box.button(QMessageBox::Discard)->setText(Ue("Fenster", "Verwerfen"));
        box.button(QMessageBox::Cancel)->setText(Ue("Fenster", "Abbrechen"));
        box.setDefaultButton(QMessageBox::Save);
        antwort = box.exec();
    }
    if (antwort == QMessageBox::Discard) return true;
    if (antwort != QMessageBox::Save) return false;
    const uint32_t vorher = s.Gespeichert;
    kern([this] {
        if (s_->CommonDialog1.FileName.empty())
            NukView::SpeichernAls_Click(*s_);
        else
            NukView::Speichern_Click(*s_);
    });
    return s_->Gespeichert != vorher;
}

void Hauptfenster::zeichne(std::span<const Zeichenbefehl> befehle) {
    flaeche_->zeichne(befehle);
}

void Hauptfenster::zeichneNetz(const Farbe& farbe, std::span<const std::array<float, 2>> punkte,
                               std::span<const std::array<uint32_t, 2>> kanten) {
    flaeche_->zeichneNetz(farbe, punkte, kanten);
}

void Hauptfenster::zeichneFlaechen(const Flaechenbild& flaechen) {
    flaeche_->zeichneFlaechen(flaechen);
}

bool Hauptfenster::texturDa(std::string_view ordner, const std::string& name, bool maske) {
    return !flaeche_->texturbild(ordner, name, maske).isNull();
}

Fenstermass Hauptfenster::clientMass() const {
    // The viewport, once laid out; before the first show only the area knows its size.
    const QSize g = mdi_->contentsRect().size();
    return {static_cast<float>(g.height() * twipsY()), static_cast<float>(g.width() * twipsX())};
}

Lage Hauptfenster::fensterLage(Kind k) const {
    const QRect g = kind(k)->geometry();
    return {static_cast<float>(g.x() * twipsX()), static_cast<float>(g.y() * twipsY()),
            static_cast<float>(g.width() * twipsX()), static_cast<float>(g.height() * twipsY())};
}

void Hauptfenster::fensterLageSetzen(Kind k, const Lage& l) {
    auto px = [](double twips, double je) {
        // A window's place stays within what a screen can hold.
        const double p = std::clamp(twips / je, -1e5, 1e5);
        return static_cast<int>(std::lround(std::isfinite(p) ? p : 0));
    };
    kind(k)->setGeometry(px(l.Left, twipsX()), px(l.Top, twipsY()), px(l.Width, twipsX()),
                         px(l.Height, twipsY()));
}

void Hauptfenster::fensterZeigen(Kind k, bool sichtbar) {
    QMdiSubWindow* w = kind(k);
    if (!sichtbar) {
        w->hide();
        return;
    }
    w->show();
    w->raise();
}

Dateiwahl Hauptfenster::Wahl(const QString& pfad) {
    const QFileInfo info(pfad);
    return Dateiwahl{QFile::encodeName(info.absoluteFilePath()).toStdString(),
                     info.fileName().toUtf8().toStdString()};
}

void Hauptfenster::oeffnen(const QString& pfad) {
    if (aenderungenGeklaert()) dokument([&] { DateiOeffnen(*s_, Wahl(pfad)); });
}

namespace {

// The one RWX file a drag brings, or nothing.
QString rwxDatei(const QMimeData* daten) {
    if (!daten || !daten->hasUrls() || daten->urls().size() != 1) return {};
    const QUrl url = daten->urls().first();
    if (!url.isLocalFile()) return {};
    const QString pfad = url.toLocalFile();
    return QFileInfo(pfad).suffix().compare(T("rwx"), Qt::CaseInsensitive) == 0 ? pfad : QString();
}

}  // namespace

void Hauptfenster::dragEnterEvent(QDragEnterEvent* e) {
    if (!rwxDatei(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void Hauptfenster::dragMoveEvent(QDragMoveEvent* e) {
    if (!rwxDatei(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void Hauptfenster::dropEvent(QDropEvent* e) {
    const QString pfad = rwxDatei(e->mimeData());
    if (pfad.isEmpty()) return;
    e->acceptProposedAction();
    // After the drop has ended: reading may bring message boxes.
    QTimer::singleShot(0, this, [this, pfad] { oeffnen(pfad); });
}

std::optional<Dateiwahl> Hauptfenster::dateiDialog(Dialogart art) {
    if (dialogErsatz) return dialogErsatz(art);
    const bool oeffnen = art == Dialogart::Oeffnen;
    QFileDialog d(this, oeffnen ? Ue("Fenster", "Öffner") : Ue("Fenster", "Speichern als"));
    d.setObjectName(T("CommonDialog1"));
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setAcceptMode(oeffnen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    d.setFileMode(oeffnen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList filter{Ue("Fenster", "Rwx-Datei  (*.Rwx)"),
                             Ue("Fenster", "Alle und jede (*.*)")};
    d.setNameFilters(filter);
    // Qt folds the double blank of the first name; the box shows it as it stands.
    if (auto* box = d.findChild<QComboBox*>(T("fileTypeCombo")))
        for (int i = 0; i < box->count() && i < filter.size(); ++i) box->setItemText(i, filter[i]);
    // The names stay as shown; what they match is set here: RWX files in any
    // case of the extension, and every file, with a dot in its name or not.
    auto muster = [&d, filter](const QString& name) {
        if (auto* m = d.findChild<QFileSystemModel*>())
            m->setNameFilters(name == filter[0] ? QStringList{T("*.[Rr][Ww][Xx]")}
                                                : QStringList{T("*")});
    };
    connect(&d, &QFileDialog::filterSelected, &d, muster);
    muster(filter[0]);
    // Picking a filter in the save dialog would swap the extension of the name
    // typed; the name stays as the user wrote it.
    auto* name = d.findChild<QLineEdit*>(T("fileNameEdit"));
    auto* box = d.findChild<QComboBox*>(T("fileTypeCombo"));
    if (!oeffnen && name && box) {
        auto gemerkt = std::make_shared<QString>();
        connect(box, &QComboBox::currentIndexChanged, &d,
                [name, gemerkt] { *gemerkt = name->text(); });
        connect(&d, &QFileDialog::filterSelected, &d, [name, gemerkt] { name->setText(*gemerkt); });
    }
    if (!s_->CommonDialog1.FileName.empty())
        d.selectFile(QFile::decodeName(QByteArray::fromStdString(s_->CommonDialog1.FileName)));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
    return Wahl(d.selectedFiles().first());
}

QMenu* Hauptfenster::createPopupMenu() {
    return nullptr;
}

void Hauptfenster::closeEvent(QCloseEvent* e) {
    // Ends the program at once, no child window asked; unsaved changes are
    // asked about first, and cancelling keeps the program open.
    if (!beenden_ && !aenderungenGeklaert()) {
        e->ignore();
        return;
    }
    beenden_ = true;
    e->accept();
}

bool Hauptfenster::eventFilter(QObject* o, QEvent* e) {
    if (o == mdi_->viewport() && e->type() == QEvent::Resize && bereit_) {
        kern([this] { NukView::MDIForm_Resize(*s_); });
        return false;
    }
    if (e->type() == QEvent::Close && !beenden_) {
        for (size_t i = 0; i < 5; ++i) {
            if (o != kinder_[i]) continue;
            int16_t Cancel = Falsch;
            kern([&] { Form_Unload(*s_, static_cast<Kind>(i), Cancel); });
            if (Cancel) {
                e->ignore();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(o, e);
}

}  // namespace nuk::shell
