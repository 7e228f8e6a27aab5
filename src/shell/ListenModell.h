// Shows one of the core's lists in a Qt list view. Clicking a box calls the
// core; the view follows the core's changes through the list's observer.
#pragma once

#include <QAbstractListModel>
#include <functional>

#include "model/Liste.h"

namespace nuk::shell {

class ListenModell : public QAbstractListModel, private Liste::Beobachter {
    Q_OBJECT
  public:
    ListenModell(Liste& liste, bool mitHaken, QObject* parent = nullptr);
    ~ListenModell() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // While a whole document is rebuilt, one reset instead of a signal per row.
    void sammelnBeginnen();
    void sammelnBeenden();

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

    Liste& liste_;
    bool mitHaken_;
    int sammeln_ = 0;
};

}  // namespace nuk::shell
