#include "shell/ListenModell.h"

namespace nuk::shell {

ListenModell::ListenModell(Liste& liste, bool mitHaken, QObject* parent)
    : QAbstractListModel(parent), liste_(liste), mitHaken_(mitHaken) {
    liste_.setBeobachter(this);
}

ListenModell::~ListenModell() {
    liste_.setBeobachter(nullptr);
}

int ListenModell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : liste_.anzahl();
}

QVariant ListenModell::data(const QModelIndex& index, int role) const {
    // A view may paint in the middle of a rebuild, before it has heard of the reset.
    if (!index.isValid() || index.row() >= liste_.anzahl()) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return QString::fromLatin1(liste_.text(index.row()));
        case Qt::CheckStateRole:
            if (!mitHaken_) return {};
            return liste_.haken(index.row()) ? Qt::Checked : Qt::Unchecked;
        case Qt::UserRole:
            return liste_.wert(index.row());
        default:
            return {};
    }
}

bool ListenModell::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!mitHaken_ || role != Qt::CheckStateRole || !index.isValid() ||
        index.row() >= liste_.anzahl())
        return false;
    const int zeile = index.row();
    const bool haken = value.toInt() == Qt::Checked;
    kern([&] { liste_.setHaken(zeile, haken); });
    return true;
}

void ListenModell::cursorSetzen(int zeile) {
    // In the middle of a rebuild the view may still count the old rows.
    if (sammeln_ || zeile < -1 || zeile >= liste_.anzahl() || zeile == liste_.aktuell()) return;
    liste_.setAktuell(zeile);
}

Qt::ItemFlags ListenModell::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (mitHaken_) f |= Qt::ItemIsUserCheckable;
    return f;
}

void ListenModell::sammelnBeginnen() {
    if (sammeln_++ == 0) beginResetModel();
}

void ListenModell::sammelnBeenden() {
    if (--sammeln_ != 0) return;
    endResetModel();
    emit cursorGeaendert(liste_.aktuell());
}

void ListenModell::vorEinfuegen(int zeile) {
    if (!sammeln_) beginInsertRows({}, zeile, zeile);
}

void ListenModell::nachEinfuegen() {
    if (!sammeln_) endInsertRows();
}

void ListenModell::vorEntfernen(int zeile) {
    if (!sammeln_) beginRemoveRows({}, zeile, zeile);
}

void ListenModell::nachEntfernen() {
    if (!sammeln_) endRemoveRows();
}

void ListenModell::vorLeeren() {
    if (!sammeln_) beginResetModel();
}

void ListenModell::nachLeeren() {
    if (!sammeln_) endResetModel();
}

void ListenModell::geaendert(int zeile) {
    if (sammeln_) return;
    const QModelIndex i = index(zeile);
    emit dataChanged(i, i);
}

void ListenModell::aktuellGeaendert(int zeile) {
    if (!sammeln_) emit cursorGeaendert(zeile);
}

}  // namespace nuk::shell
