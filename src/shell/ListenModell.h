// Shows one of the core's lists in a Qt list view. Clicking a box calls the
// core; the view follows the core's changes through the list's observer.
#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <QStyledItemDelegate>
#include <functional>

#include "model/Liste.h"

namespace nuk::shell {

class ListenModell : public QAbstractListModel, private Liste::Beobachter {
    Q_OBJECT
  public:
    ListenModell(Liste& liste, bool mitHaken, QObject* parent = nullptr);
    ~ListenModell() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    QModelIndex index(int row, int column = 0, const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // A row's tool tip, by its item value; none where it answers empty.
    std::function<QString(int32_t)> tipp;

    // While a whole document is rebuilt, one reset instead of a signal per row.
    void sammelnBeginnen();
    void sammelnBeenden();

    // One call into the core: the first changes reach the view row by row,
    // a burst beyond that as one reset (rows) or one range (texts and ticks).
    void stapelBeginnen();
    // Shows what has piled up while a message box waits in the call;
    // stapelFortsetzen after the box.
    void stapelZeigen();
    void stapelFortsetzen();
    void stapelBeenden();

    // The user moved the view's current row (-1: none).
    void cursorSetzen(int zeile);

    // A tick the user makes goes to the core through this: the main window
    // catches failures there and shows the core's state afterwards.
    std::function<void(const std::function<void()>&)> kern = [](const auto& f) { f(); };

  signals:
    // The core moved the list's current row (-1: none).
    void cursorGeaendert(int zeile);

  private:
    void vorEinfuegen(int zeile) override;
    void nachEinfuegen() override;
    void vorEntfernen(int zeile) override;
    void nachEntfernen() override;
    void vorLeeren() override;
    void nachLeeren() override;
    void geaendert(int zeile) override;
    void aktuellGeaendert(int zeile) override;

    // True when the change may reach the view by itself.
    bool einzeln();
    // Before a row is added or removed: true when it may be announced alone.
    bool zeileAnkuendigen();
    // Shows the reset or range a burst has piled up.
    void ausgeben();

    Liste& liste_;
    bool mitHaken_;
    int sammeln_ = 0;
    bool pause_ = false;  // a rebuild's reset is closed while a message box waits

    static constexpr int Einzelne = 64;
    bool stapel_ = false;
    int aenderungen_ = 0;
    bool resetOffen_ = false;  // a burst has begun a reset that the stack's end closes
    bool zeileOffen_ = false;  // an insert or remove was announced row by row
    // Rows are being added or removed: the view moves its cursor off a removed
    // row by itself, which is not the user's doing and must not reach the list.
    bool umbau_ = false;
    int von_ = -1, bis_ = -1;  // rows whose text or tick changed, not yet shown
};

// Paints a row as the style's item delegate does, pixel for pixel, but lays
// its text out less often: to measure and to draw it, and to cut a text that
// is too wide, where the style also lays it out for the row's size and its
// line. That was most of the time a list took to paint. Rows it cannot be
// sure of (other scripts, alignments or directions, icons, wrapping) go the
// style's way.
class Zeilenmaler : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

// A list window's view: it hands the mouse release, after it has moved its
// cursor, and typed characters, before it acts on them, to the core.
class Listenansicht : public QListView {
  public:
    using QListView::QListView;

    std::function<void()> mausLos;
    std::function<void(int16_t)> taste;  // the character, Latin-1

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

}  // namespace nuk::shell
