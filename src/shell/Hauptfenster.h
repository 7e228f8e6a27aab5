// The main window NukView: the frame with its menus, toolbar, timer, file
// dialog and the five child windows. It is the core's host and forwards every
// menu, toolbar and window event to the core's handler.
#pragma once

#include <QList>
#include <QMainWindow>
#include <QPixmap>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "model/Variablen.h"

class QAction;
class QListView;
class QMdiArea;
class QMdiSubWindow;
class QTimer;
class QUndoStack;

namespace nuk::shell {

class ListenModell;
class Zeichenflaeche;

class Hauptfenster : public QMainWindow, public Host {
    Q_OBJECT
  public:
    // programmOrdner: where the program and its befehle.txt live.
    explicit Hauptfenster(const QString& programmOrdner, QWidget* parent = nullptr);
    ~Hauptfenster() override;

    State& zustand() { return *s_; }
    QMdiSubWindow* kind(Kind k) const { return kinder_[static_cast<size_t>(k)]; }
    Zeichenflaeche* flaeche() const { return flaeche_; }
    QListView* liste(Kind k) const;
    const QList<QPixmap>& bildliste() const { return bild_; }

    // Runs f in the core: a failure that escapes it gets the program's
    // message, and the windows show the core's state afterwards.
    void kern(const std::function<void()>& f);

    // Opens the file as "Öffnen" does after the user chose it in the dialog:
    // named on the command line, or dropped on the window.
    void oeffnen(const QString& pfad);
    // The dialog's answer for a path: the absolute name, and the name alone.
    static Dateiwahl Wahl(const QString& pfad);

    // "Tools": hands a mode number to the mode switch.
    void Fenster_b_Modus(int16_t m);

    // Host
    void zeigeMeldung(const Meldung& meldung) override;
    void zeichne(std::span<const Zeichenbefehl> befehle) override;
    void zeichneNetz(const Farbe& farbe, std::span<const std::array<float, 2>> punkte,
                     std::span<const std::array<uint32_t, 2>> kanten) override;
    void zeichneFlaechen(const Flaechenbild& flaechen) override;
    bool texturDa(std::string_view ordner, const std::string& name, bool maske) override;
    Fenstermass clientMass() const override;
    Lage fensterLage(Kind k) const override;
    void fensterLageSetzen(Kind k, const Lage& lage) override;
    void fensterZeigen(Kind k, bool sichtbar) override;
    std::optional<Dateiwahl> dateiDialog(Dialogart art) override;

    // The frame's size at start: the designed client area of 9480 x 6510 twips,
    // on a larger screen more, so that the "flach" drawing square fits the
    // height; never more than platz, the room the screen has, and there still
    // one in which the square fits the height.
    static QSize Startgroesse(QSize platz, double twipsX, double twipsY);

    Schreibweg schreibweg() const override { return schreibwegErsatz; }
    void zeitgeberAn() override;
    std::optional<std::string> zeileFragen(const std::string& titel,
                                           const std::string& vorgabe) override;
    bool frage(const Meldung& meldung) override;
    void bearbeitet(const std::string& was, Zeilenstand vorher, Zeilenstand nachher) override;

    // The edits, for "Rückgängig" and "Wiederholen"; clean where the file was
    // loaded or last saved.
    QUndoStack* bearbeitungen() const { return bearbeitungen_; }
    // The rows of an edit or of its undo into the document.
    void standSetzen(const Zeilenstand& z);

    // Replaces the file dialog, for benchmarks that time the read and not the dialog.
    std::function<std::optional<Dateiwahl>(Dialogart)> dialogErsatz;
    // Replaces the message box, for benchmarks that time the program and not
    // the user who reads the message.
    std::function<void(const Meldung&)> meldungErsatz;
    // Replaces ::write when saving, for tests that fill the disk halfway.
    Schreibweg schreibwegErsatz = nullptr;
    // Replace the row dialog, the question and the question about unsaved
    // changes (its answer a QMessageBox::StandardButton), for tests offscreen.
    std::function<std::optional<std::string>(const std::string&, const std::string&)> zeileErsatz;
    std::function<bool(const Meldung&)> frageErsatz;
    std::function<int(const QString&)> speichernFrageErsatz;

    // No context menu: it would offer to hide the mode toolbar.
    QMenu* createPopupMenu() override;

  protected:
    void closeEvent(QCloseEvent* e) override;
    // A dragged .rwx file opens; anything else is refused.
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void menuesBauen();
    void werkzeugleisteBauen();
    QMdiSubWindow* kindAnlegen(Kind k, QWidget* inhalt, const QString& name, const QString& titel);
    // A change that rebuilds the rows: the list views reset once at the end.
    void dokument(const std::function<void()>& f);
    void spiegeln();
    // With unsaved changes, asks whether to save them first; false when the
    // user cancelled or the save failed, and what was asked for must not happen.
    bool aenderungenGeklaert();
    void tick();
    double twipsX() const;
    double twipsY() const;

    std::unique_ptr<State> s_;
    QMdiArea* mdi_ = nullptr;
    std::array<QMdiSubWindow*, 5> kinder_{};
    Zeichenflaeche* flaeche_ = nullptr;
    ListenModell* textModell_ = nullptr;
    ListenModell* auswahlModell_ = nullptr;
    ListenModell* befehlsModell_ = nullptr;
    QTimer* timer1_ = nullptr;
    QUndoStack* bearbeitungen_ = nullptr;
    uint32_t geladen_ = 0, gespeichert_ = 0;  // the core's counts last seen
    QList<QPixmap> bild_;

    std::array<QAction*, 5> shows_{};
    std::array<QAction*, 4> fenAnGeO_{};
    std::array<QAction*, 3> ausP_{};
    std::array<QAction*, 4> markMal_{};
    QAction* ganzesModell_ = nullptr;
    QAction* flaechen_ = nullptr;
    QAction* rueckseiten_ = nullptr;
    std::array<QAction*, 4> knoepfe_{};  // toolbar buttons 1..3

    int tiefe_ = 0;         // calls into the core in progress
    bool bereit_ = false;   // start-up done: resizes arrange the windows
    bool beenden_ = false;  // the frame is closing: child windows no longer refuse
};

}  // namespace nuk::shell
