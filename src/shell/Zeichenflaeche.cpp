#include "shell/Zeichenflaeche.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <vector>

#include "app/Ausgabe.h"
#include "shell/Bilder.h"

namespace nuk::shell {

namespace {

int16_t Taste(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

int16_t Tasten(Qt::MouseButtons b) {
    return static_cast<int16_t>((b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) |
                                (b & Qt::MiddleButton ? 4 : 0));
}

int16_t Umschalt(Qt::KeyboardModifiers m) {
    return static_cast<int16_t>((m & Qt::ShiftModifier ? 1 : 0) |
                                (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0));
}

QColor Farbwert(Farbe f) {
    return QColor(f.rot, f.gruen, f.blau);
}

bool Endlich(QPointF p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Cuts a line to a frame somewhat larger than the picture (Liang-Barsky), so
// that a far-off point never reaches the rasteriser's fixed-point range.
bool Kappen(QPointF& a, QPointF& b, const QRectF& r) {
    if (!Endlich(a) || !Endlich(b)) return false;
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t1) return false;
            if (t > t0) t0 = t;
        } else {
            if (t < t0) return false;
            if (t < t1) t1 = t;
        }
    }
    const QPointF start = a;
    a = start + QPointF(dx * t0, dy * t0);
    b = start + QPointF(dx * t1, dy * t1);
    return true;
}

// One-pixel lines straight into the picture's memory, end points included. A
// redraw of a large model sets tens of millions of pixels, most of them many
// times over; the paint engine's span machinery costs several times as much
// per pixel. The lines of one colour may be drawn in any order, so they are
// drawn in bands of rows that stay in the cache, each line continuing where it
// left off in the band above. Every index is clamped: no coordinate can write
// outside the picture.
struct Strich {
    int64_t x, y, dx, dy;  // 16.16 fixed point; dy >= 0, so the line runs down the bands
    int64_t rest;          // pixels still to set, less one
};

Strich Vorbereiten(QPointF a, QPointF e) {
    Strich s{};
    const double dx = e.x() - a.x(), dy = e.y() - a.y();
    if (std::fabs(dx) >= std::fabs(dy)) {
        if (dx < 0) std::swap(a, e);
        const int64_t x0 = static_cast<int64_t>(std::floor(a.x()));
        const int64_t x1 = static_cast<int64_t>(std::floor(e.x()));
        const double steigung = dx != 0 ? dy / dx : 0;
        s = {x0 * 65536 + 32768, std::llround((a.y() + (x0 + 0.5 - a.x()) * steigung) * 65536),
             65536, std::llround(steigung * 65536), x1 - x0};
    } else {
        if (dy < 0) std::swap(a, e);
        const int64_t y0 = static_cast<int64_t>(std::floor(a.y()));
        const int64_t y1 = static_cast<int64_t>(std::floor(e.y()));
        const double steigung = dx / dy;
        s = {std::llround((a.x() + (y0 + 0.5 - a.y()) * steigung) * 65536), y0 * 65536 + 32768,
             std::llround(steigung * 65536), 65536, y1 - y0};
    }
    if (s.dy < 0) {
        // Walked from its other end; the pixels are the same.
        s.x += s.rest * s.dx;
        s.y += s.rest * s.dy;
        s.dx = -s.dx;
        s.dy = -s.dy;
    }
    return s;
}

class Striche {
  public:
    void neu(QRgb farbe) {
        farbe_ = farbe;
        striche_.clear();
    }
    QRgb farbe() const { return farbe_; }
    bool leer() const { return striche_.empty(); }
    void dazu(QPointF a, QPointF e) { striche_.push_back(Vorbereiten(a, e)); }

    void zeichnen(QImage& bild) {
        auto* pixel = reinterpret_cast<uint32_t*>(bild.bits());
        const auto zeile = static_cast<int64_t>(bild.bytesPerLine() / 4);
        const int64_t w = bild.width(), h = bild.height();
        const uint32_t farbe = farbe_;
        for (const Strich& s : striche_) {
            const int64_t n = s.rest;
            if (n < 0) continue;
            const int64_t xa = s.x >> 16, ya = s.y >> 16;
            const int64_t xe = (s.x + n * s.dx) >> 16, ye = (s.y + n * s.dy) >> 16;
            // Both ends inside means every pixel between is: the steps are even.
            const bool drin =
                xa >= 0 && xa < w && xe >= 0 && xe < w && ya >= 0 && ya < h && ye >= 0 && ye < h;
            if (!drin) {
                int64_t x = s.x, y = s.y;
                for (int64_t k = 0; k <= n; ++k, x += s.dx, y += s.dy)
                    pixel[std::clamp<int64_t>(y >> 16, 0, h - 1) * zeile +
                          std::clamp<int64_t>(x >> 16, 0, w - 1)] = farbe;
            } else if (s.dy == 65536) {
                uint32_t* p = pixel + ya * zeile;
                auto x = static_cast<int32_t>(s.x);
                const auto dx = static_cast<int32_t>(s.dx);
                for (int64_t k = 0; k <= n; ++k, x += dx, p += zeile) p[x >> 16] = farbe;
            } else {
                uint32_t* p = pixel + xa;
                auto y = static_cast<int32_t>(s.y);
                const auto dy = static_cast<int32_t>(s.dy);
                for (int64_t k = 0; k <= n; ++k, y += dy, p += s.dx >> 16)
                    p[(y >> 16) * zeile] = farbe;
            }
        }
        striche_.clear();
    }

  private:
    QRgb farbe_ = 0;
    std::vector<Strich> striche_;
};

}  // namespace

Zeichenflaeche::Zeichenflaeche(State& s, QWidget* parent) : QWidget(parent), s_(s) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Zeichnung"));
    setAccessibleDescription(QStringLiteral("Drahtmodell des geöffneten Modells"));
    bildAnpassen();
}

QPointF Zeichenflaeche::nachPixel(float x, float y) const {
    const AusgabeFenster& a = s_.Ausgabe;
    return {(double{x} - a.ScaleLeft) * bild_.width() / a.ScaleWidth,
            (double{y} - a.ScaleTop) * bild_.height() / a.ScaleHeight};
}

QPointF Zeichenflaeche::nachEinheiten(QPointF pixel) const {
    const AusgabeFenster& a = s_.Ausgabe;
    const double b = std::max(1, bild_.width()), h = std::max(1, bild_.height());
    return {a.ScaleLeft + pixel.x() * a.ScaleWidth / b, a.ScaleTop + pixel.y() * a.ScaleHeight / h};
}

void Zeichenflaeche::zeichne(std::span<const Zeichenbefehl> befehle) {
    QPainter p(&bild_);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRectF rahmen = QRectF(bild_.rect()).adjusted(-4, -4, 4, 4);
    // Lines are cut to the picture itself, a hair inside its far edges.
    const QRectF bildrand(0, 0, bild_.width() - 1e-3, bild_.height() - 1e-3);
    // Scratch kept between redraws, so that a redraw allocates nothing.
    static Striche striche;
    striche.neu(0);
    for (const Zeichenbefehl& b : befehle) {
        const QColor c = Farbwert(b.farbe);
        if (b.art != Zeichenbefehl::Linie || c.rgb() != striche.farbe()) {
            if (!striche.leer()) striche.zeichnen(bild_);
            striche.neu(c.rgb());
        }
        QPointF a = nachPixel(b.x1, b.y1);
        switch (b.art) {
            case Zeichenbefehl::Loeschen:
                bild_.fill(c);
                break;
            case Zeichenbefehl::Linie: {
                QPointF e = nachPixel(b.x2, b.y2);
                if (Kappen(a, e, bildrand)) striche.dazu(a, e);
                break;
            }
            case Zeichenbefehl::Rechteck: {
                const QPointF e = nachPixel(b.x2, b.y2);
                if (!Endlich(a) || !Endlich(e)) break;
                // Corners far outside are pulled in; the parts that show stay where they are.
                auto klemmen = [&](QPointF q) {
                    return QPointF(std::clamp(q.x(), rahmen.left(), rahmen.right()),
                                   std::clamp(q.y(), rahmen.top(), rahmen.bottom()));
                };
                p.setPen(QPen(c, 0));
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(klemmen(a), klemmen(e)).normalized());
                break;
            }
            case Zeichenbefehl::Punkt:
                if (Endlich(a) && rahmen.contains(a)) {
                    p.setPen(QPen(c, 0));
                    p.drawPoint(a);
                }
                break;
            case Zeichenbefehl::Kreis: {
                // The radius is measured along x, so the circle stays round.
                const double r = std::fabs(b.x2 * bild_.width() / s_.Ausgabe.ScaleWidth);
                if (!Endlich(a) || !std::isfinite(r) || r > 1e6) break;
                if (!rahmen.intersects(QRectF(a.x() - r, a.y() - r, 2 * r, 2 * r))) break;
                p.setPen(QPen(c, 0));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(a, r, r);
                break;
            }
        }
    }
    if (!striche.leer()) striche.zeichnen(bild_);
    update();
}

void Zeichenflaeche::spiegeln() {
    const AusgabeFenster& a = s_.Ausgabe;
    if (a.MousePointer != zeiger_) {
        zeiger_ = a.MousePointer;
        switch (zeiger_) {
            case Mauszeiger::Lupe:
                setCursor(LupenZeiger());
                break;
            case Mauszeiger::Bewegungen:
                setCursor(BewegungsZeiger());
                break;
            case Mauszeiger::Pfeil:
                setCursor(Qt::ArrowCursor);
                break;
            case Mauszeiger::Vorgabe:
                unsetCursor();
                break;
        }
    }
    const std::array<Linienobjekt, 4> band{a.Line1, a.Line2, a.Line3, a.Line4};
    auto gleich = [](const Linienobjekt& l, const Linienobjekt& m) {
        return l.Visible == m.Visible && l.X1 == m.X1 && l.Y1 == m.Y1 && l.X2 == m.X2 &&
               l.Y2 == m.Y2;
    };
    if (!std::equal(band.begin(), band.end(), band_.begin(), gleich)) {
        band_ = band;
        update();
    }
}

void Zeichenflaeche::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, bild_);
    // The rubber band floats above the picture and is never part of it.
    const QRectF rahmen = QRectF(bild_.rect()).adjusted(-4, -4, 4, 4);
    p.setPen(QPen(Qt::white, 0, Qt::DashLine));
    for (const Linienobjekt& l : band_) {
        if (!l.Visible) continue;
        QPointF a = nachPixel(l.X1, l.Y1), e = nachPixel(l.X2, l.Y2);
        if (Kappen(a, e, rahmen)) p.drawLine(a, e);
    }
}

void Zeichenflaeche::bildAnpassen() {
    const QSize neu = size().expandedTo(QSize(1, 1));
    if (bild_.size() == neu) return;
    // The picture keeps what it shows; new room is background until the next redraw.
    QImage bild(neu, QImage::Format_RGB32);
    bild.fill(Qt::black);
    if (!bild_.isNull()) {
        QPainter p(&bild);
        p.drawImage(0, 0, bild_);
    }
    bild_ = std::move(bild);
}

void Zeichenflaeche::resizeEvent(QResizeEvent*) {
    bildAnpassen();
}

void Zeichenflaeche::mousePressEvent(QMouseEvent* e) {
    const QPointF p = nachEinheiten(e->position());
    nachDoppelklick_ = false;
    kern([&] {
        Ausgabe::Form_MouseDown(s_, Taste(e->button()), Umschalt(e->modifiers()),
                                static_cast<float>(p.x()), static_cast<float>(p.y()));
    });
}

void Zeichenflaeche::wheelEvent(QWheelEvent* e) {
    rad_ += e->angleDelta().y();
    const int rasten = rad_ / 120;
    rad_ -= rasten * 120;
    e->accept();
    if (rasten == 0) return;
    const QPointF p = nachEinheiten(e->position());
    kern([&] {
        Ausgabe::Mausrad(s_, rasten, static_cast<float>(p.x()), static_cast<float>(p.y()));
    });
}

void Zeichenflaeche::mouseMoveEvent(QMouseEvent* e) {
    const QPointF p = nachEinheiten(e->position());
    kern([&] {
        Ausgabe::Form_MouseMove(s_, Tasten(e->buttons()), Umschalt(e->modifiers()),
                                static_cast<float>(p.x()), static_cast<float>(p.y()));
    });
}

void Zeichenflaeche::mouseReleaseEvent(QMouseEvent* e) {
    const QPointF p = nachEinheiten(e->position());
    // The release that ends a double-click is not a click of its own.
    const bool klick = !nachDoppelklick_;
    nachDoppelklick_ = false;
    kern([&] {
        Ausgabe::Form_MouseUp(s_, Taste(e->button()), Umschalt(e->modifiers()),
                              static_cast<float>(p.x()), static_cast<float>(p.y()));
        if (klick) Ausgabe::Form_Click(s_);
    });
}

void Zeichenflaeche::mouseDoubleClickEvent(QMouseEvent*) {
    nachDoppelklick_ = true;
    kern([&] { Ausgabe::Form_DblClick(s_); });
}

}  // namespace nuk::shell
