#include "shell/Bilder.h"

#include <QBitmap>
#include <QPainter>
#include <QPainterPath>

namespace nuk::shell {

namespace {

// Light grey is the image list's mask colour, so no picture uses it for content.
const QColor Maske(192, 192, 192);

void Lupe(QPainter& p, QColor glas, QColor griff) {
    p.setPen(QPen(griff, 3));
    p.drawLine(QPointF(12, 13), QPointF(27, 28));
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(glas);
    p.drawEllipse(QPointF(7, 8), 6, 6);
}

void Kreuzpfeil(QPainter& p, QColor farbe) {
    p.setPen(QPen(farbe, 2));
    p.drawLine(QPointF(16, 3), QPointF(16, 29));
    p.drawLine(QPointF(3, 16), QPointF(29, 16));
    p.setBrush(farbe);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({{16, 1}, {11, 7}, {21, 7}}));
    p.drawPolygon(QPolygonF({{16, 31}, {11, 25}, {21, 25}}));
    p.drawPolygon(QPolygonF({{1, 16}, {7, 11}, {7, 21}}));
    p.drawPolygon(QPolygonF({{31, 16}, {25, 11}, {25, 21}}));
}

void Pfeil(QPainter& p, QColor farbe) {
    QPainterPath pfad;
    pfad.addPolygon(QPolygonF({{6, 3}, {6, 26}, {12, 20}, {17, 29}, {21, 27}, {16, 18}, {24, 18}}));
    pfad.closeSubpath();
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(farbe);
    p.drawPath(pfad);
}

QPixmap Bild(int art, bool schaltflaeche) {
    QPixmap bild(32, 32);
    bild.fill(schaltflaeche ? Maske : QColor(Qt::white));
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    switch (art) {
        case 1:
            Lupe(p, QColor(0, 255, 255), QColor(128, 0, 0));
            break;
        case 2:
            Kreuzpfeil(p, QColor(0, 0, 128));
            break;
        default:
            Pfeil(p, QColor(255, 255, 0));
            break;
    }
    return bild;
}

}  // namespace

QList<QPixmap> Bildliste() {
    QList<QPixmap> liste;
    for (int i = 1; i <= 3; ++i) liste.append(Bild(i, false));
    for (int i = 1; i <= 3; ++i) {
        QPixmap face = Bild(i, true);
        face.setMask(face.createMaskFromColor(Maske));
        liste.append(face);
    }
    return liste;
}

QCursor LupenZeiger() {
    // Two colours: black outline and glass, white where the cursor is see-through inside.
    QBitmap form(32, 32), maske(32, 32);
    form.fill(Qt::color0);
    maske.fill(Qt::color0);
    for (QBitmap* b : {&form, &maske}) {
        QPainter p(b);
        p.setPen(QPen(Qt::color1, b == &maske ? 4 : 2));
        p.setBrush(b == &maske ? Qt::color1 : Qt::color0);
        p.drawEllipse(QPointF(7, 8), 6, 6);
        p.setPen(QPen(Qt::color1, b == &maske ? 5 : 3));
        p.drawLine(QPointF(12, 13), QPointF(24, 25));
    }
    return QCursor(form, maske, 7, 8);
}

QCursor BewegungsZeiger() {
    QPixmap bild(32, 32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    Kreuzpfeil(p, Qt::white);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(14.5, 14.5, 3, 3));
    return QCursor(bild, 16, 16);
}

QImage WerkzeugHintergrund() {
    QImage bild(32, 32, QImage::Format_Indexed8);
    bild.setColorCount(256);
    for (int i = 0; i < 256; ++i) bild.setColor(i, qRgb(i, 128 + i / 2, 255 - i));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) bild.setPixel(x, y, static_cast<uint>((x + y) * 4));
    return bild;
}

}  // namespace nuk::shell
