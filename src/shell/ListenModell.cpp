#include "shell/ListenModell.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmapCache>
#include <algorithm>
#include <cmath>

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

// A view lays out a list by asking for every row's index, twice.
QModelIndex ListenModell::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column != 0 || parent.isValid() || row >= liste_.anzahl()) return {};
    return createIndex(row, 0);
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
        case Qt::ToolTipRole:
            if (tipp)
                if (QString t = tipp(liste_.wert(index.row())); !t.isEmpty()) return t;
            return {};
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
    if (sammeln_ || resetOffen_ || umbau_ || zeile < -1 || zeile >= liste_.anzahl() ||
        zeile == liste_.aktuell())
        return;
    liste_.setAktuell(zeile);
}

Qt::ItemFlags ListenModell::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (mitHaken_) f |= Qt::ItemIsUserCheckable;
    return f;
}

void ListenModell::sammelnBeginnen() {
    if (sammeln_++ != 0) return;
    if (resetOffen_) {
        resetOffen_ = false;
        von_ = bis_ = -1;
        endResetModel();
    }
    beginResetModel();
}

void ListenModell::sammelnBeenden() {
    if (--sammeln_ != 0) return;
    endResetModel();
    emit cursorGeaendert(liste_.aktuell());
}

void ListenModell::stapelBeginnen() {
    stapel_ = true;
    aenderungen_ = 0;
}

void ListenModell::stapelZeigen() {
    // A rebuild in progress shows what it has so far, and goes on collecting after.
    if (sammeln_) {
        if (!pause_) {
            pause_ = true;
            endResetModel();
        }
        return;
    }
    ausgeben();
}

void ListenModell::ausgeben() {
    if (resetOffen_) {
        resetOffen_ = false;
        von_ = bis_ = -1;
        endResetModel();
        emit cursorGeaendert(liste_.aktuell());
    }
    if (von_ >= 0) {
        const int bis = std::min(bis_, liste_.anzahl() - 1);
        if (von_ <= bis) emit dataChanged(index(von_), index(bis));
        von_ = bis_ = -1;
    }
}

void ListenModell::stapelFortsetzen() {
    if (!pause_) return;
    pause_ = false;
    beginResetModel();
}

void ListenModell::stapelBeenden() {
    // A rebuild's reset ends with the rebuild.
    if (!sammeln_) ausgeben();
    stapel_ = false;
}

bool ListenModell::einzeln() {
    if (sammeln_ || resetOffen_) return false;
    if (!stapel_ || ++aenderungen_ <= Einzelne) return true;
    return false;
}

bool ListenModell::zeileAnkuendigen() {
    umbau_ = true;
    zeileOffen_ = einzeln();
    if (!zeileOffen_ && !sammeln_ && !resetOffen_) {
        // Rows shown row by row so far stay valid; from here on one reset.
        resetOffen_ = true;
        beginResetModel();
    }
    return zeileOffen_;
}

void ListenModell::vorEinfuegen(int zeile) {
    if (zeileAnkuendigen()) beginInsertRows({}, zeile, zeile);
}

void ListenModell::nachEinfuegen() {
    umbau_ = false;
    if (zeileOffen_) endInsertRows();
    zeileOffen_ = false;
}

void ListenModell::vorEntfernen(int zeile) {
    if (zeileAnkuendigen()) beginRemoveRows({}, zeile, zeile);
}

void ListenModell::nachEntfernen() {
    umbau_ = false;
    if (!zeileOffen_) return;
    zeileOffen_ = false;
    endRemoveRows();
    // The list drops its cursor with its row; the view moved to a neighbour.
    emit cursorGeaendert(liste_.aktuell());
}

void ListenModell::vorLeeren() {
    if (sammeln_ || resetOffen_) return;
    if (stapel_) {
        resetOffen_ = true;
        aenderungen_ = Einzelne;
    }
    beginResetModel();
}

void ListenModell::nachLeeren() {
    if (sammeln_ || resetOffen_) return;
    endResetModel();
}

void ListenModell::geaendert(int zeile) {
    if (sammeln_ || resetOffen_) return;
    if (einzeln()) {
        const QModelIndex i = index(zeile);
        emit dataChanged(i, i);
        return;
    }
    von_ = von_ < 0 ? zeile : std::min(von_, zeile);
    bis_ = std::max(bis_, zeile);
}

void ListenModell::aktuellGeaendert(int zeile) {
    if (!sammeln_ && !resetOffen_) emit cursorGeaendert(zeile);
}

void Listenansicht::mousePressEvent(QMouseEvent* e) {
    // A click on a row's box moves the cursor there too, before the box changes.
    const QModelIndex zeile = indexAt(e->position().toPoint());
    if (e->button() == Qt::LeftButton && zeile.isValid() && zeile != currentIndex())
        setCurrentIndex(zeile);
    QListView::mousePressEvent(e);
}

void Listenansicht::mouseReleaseEvent(QMouseEvent* e) {
    QListView::mouseReleaseEvent(e);
    if (mausLos) mausLos();
}

void Listenansicht::keyPressEvent(QKeyEvent* e) {
    const QString text = e->text();
    if (taste && text.size() == 1 && text[0].unicode() < 256)
        taste(static_cast<int16_t>(text[0].unicode()));
    QListView::keyPressEvent(e);
}

namespace {

// Latin-1 text without control characters but the tab: one font draws all
// of it, so its line has that font's height and ascent.
bool EinfacheZeile(const QString& text) {
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u != '\t' && (u < 0x20 || (u >= 0x7f && u < 0xa0) || u > 0xff)) return false;
    }
    return true;
}

}  // namespace

void Zeilenmaler::paint(QPainter* p, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget* w = opt.widget;
    const QStyle* st = w ? w->style() : QApplication::style();
    constexpr auto Anders = QStyleOptionViewItem::WrapText | QStyleOptionViewItem::HasDecoration;
    if (opt.direction != Qt::LeftToRight || (opt.features & Anders) ||
        (opt.state & QStyle::State_Editing) ||
        opt.displayAlignment != (Qt::AlignLeft | Qt::AlignVCenter) || !EinfacheZeile(opt.text)) {
        QStyledItemDelegate::paint(p, option, index);
        return;
    }
    // What follows is the style's own order: panel, box, text, focus frame.
    p->save();
    p->setClipRect(opt.rect);
    // Without its text the style places the box and the text's left edge,
    // top and height as with it; only the text's width is left to find.
    QStyleOptionViewItem ohne = opt;
    ohne.text.clear();
    const QRect box = st->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &ohne, w);
    QRect textRect = st->subElementRect(QStyle::SE_ItemViewItemText, &ohne, w);
    st->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, p, w);
    if (opt.features & QStyleOptionViewItem::HasCheckIndicator) {
        QStyleOptionViewItem o = opt;
        o.rect = box;
        o.state &= ~QStyle::State_HasFocus;
        o.state |= opt.checkState == Qt::Checked            ? QStyle::State_On
                   : opt.checkState == Qt::PartiallyChecked ? QStyle::State_NoChange
                                                            : QStyle::State_Off;
        // Drawn once per look and size into a picture of its own.
        const qreal dpr = p->device()->devicePixelRatio();
        const QString schluessel = QStringLiteral("nuk-box-%1-%2-%3-%4-%5-%6")
                                       .arg(uint(o.state))
                                       .arg(o.rect.width())
                                       .arg(o.rect.height())
                                       .arg(dpr)
                                       .arg(o.palette.cacheKey())
                                       .arg(quintptr(st));
        QPixmap bild;
        if (!QPixmapCache::find(schluessel, &bild)) {
            QImage b(o.rect.size() * dpr, QImage::Format_ARGB32_Premultiplied);
            b.setDevicePixelRatio(dpr);
            b.fill(Qt::transparent);
            QPainter q(&b);
            o.rect.moveTo(0, 0);
            st->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &o, &q, w);
            q.end();
            bild = QPixmap::fromImage(b);
            QPixmapCache::insert(schluessel, bild);
        }
        p->drawPixmap(box.topLeft(), bild);
    }
    if (!opt.text.isEmpty()) {
        QPalette::ColorGroup cg =
            opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
        if (cg == QPalette::Normal && !(opt.state & QStyle::State_Active)) cg = QPalette::Inactive;
        p->setPen(opt.palette.color(
            cg, opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        const int rand = st->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, w) + 1;
        const QFontMetricsF fm(opt.font);
        // The style's text box ends at the row's end or sooner, at the end of
        // a text that fits; either way a text is cut only when it is wider,
        // closing blanks included, than the room to the row's end.
        const qreal breite = fm.horizontalAdvance(opt.text);
        textRect.setRight(opt.rect.right());
        const QRect r = textRect.adjusted(rand, 0, -rand, 0);
        const qreal hoehe = std::ceil(fm.ascent() + fm.descent());
        const QPointF ort(r.left(), r.top() + (r.height() - int(hoehe)) / 2 + fm.ascent());
        p->setFont(opt.font);
        p->drawText(ort, breite > r.width() ? fm.elidedText(opt.text, opt.textElideMode, r.width())
                                            : opt.text);
    }
    if (opt.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect o;
        o.QStyleOption::operator=(opt);
        o.rect = st->subElementRect(QStyle::SE_ItemViewItemFocusRect, &opt, w);
        o.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
        const QPalette::ColorGroup cg =
            opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
        o.backgroundColor = opt.palette.color(
            cg, opt.state & QStyle::State_Selected ? QPalette::Highlight : QPalette::Window);
        st->drawPrimitive(QStyle::PE_FrameFocusRect, &o, p, w);
    }
    p->restore();
}

}  // namespace nuk::shell
