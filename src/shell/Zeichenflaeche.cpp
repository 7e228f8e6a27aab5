#include "shell/Zeichenflaeche.h"

#include <zip.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <memory>
#include <optional>

#include "app/Ausgabe.h"
#include "shell/Bilder.h"
#include "shell/Flaechen.h"

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

bool Endlich(QPointF p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// The rows and columns the paint engine's outline of a rectangle at least a
// pixel wide and high falls in, when the rectangle lies wholly in the
// picture: left, top, right, bottom. Any other is left to the paint engine.
std::optional<std::array<int64_t, 4>> Kasten(const Pixelfeld& f, const QRectF& r) {
    // Wholly inside, every edge is at least 0, so the rounding down is a cut.
    const double l = r.left(), o = r.top(), re = r.left() + r.width(), u = r.top() + r.height();
    if (!(r.width() >= 1 && r.height() >= 1 && l >= 0 && o >= 0 &&
          re < static_cast<double>(f.breite) && u < static_cast<double>(f.hoehe)))
        return std::nullopt;
    return std::array<int64_t, 4>{static_cast<int64_t>(l), static_cast<int64_t>(o),
                                  static_cast<int64_t>(re), static_cast<int64_t>(u)};
}

void Umranden(const Pixelfeld& f, const std::array<int64_t, 4>& k, uint32_t farbe) {
    const auto [links, oben, rechts, unten] = k;
    uint32_t* zeile = f.pixel + oben * f.zeile;
    std::fill(zeile + links, zeile + rechts + 1, farbe);
    for (int64_t y = oben + 1; y < unten; ++y) {
        zeile += f.zeile;
        zeile[links] = farbe;
        zeile[rechts] = farbe;
    }
    zeile = f.pixel + unten * f.zeile;
    std::fill(zeile + links, zeile + rechts + 1, farbe);
}

}  // namespace

Zeichenflaeche::Zeichenflaeche(State& s, QWidget* parent) : QWidget(parent), s_(s) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QCoreApplication::translate("Fenster", "Zeichnung"));
    setAccessibleDescription(
        QCoreApplication::translate("Fenster", "Drahtmodell des geöffneten Modells"));
    bildAnpassen();
}

Massstab Zeichenflaeche::massstab() const {
    const AusgabeFenster& a = s_.Ausgabe;
    return {.links = a.ScaleLeft,
            .oben = a.ScaleTop,
            .einheitenBreite = a.ScaleWidth,
            .einheitenHoehe = a.ScaleHeight,
            .breite = static_cast<double>(bild_.width()),
            .hoehe = static_cast<double>(bild_.height())};
}

QPointF Zeichenflaeche::nachPixel(float x, float y) const {
    const Massstab m = massstab();
    return {m.x(x), m.y(y)};
}

QPointF Zeichenflaeche::nachEinheiten(QPointF pixel) const {
    const AusgabeFenster& a = s_.Ausgabe;
    const double b = std::max(1, bild_.width()), h = std::max(1, bild_.height());
    return {a.ScaleLeft + pixel.x() * a.ScaleWidth / b, a.ScaleTop + pixel.y() * a.ScaleHeight / h};
}

void Zeichenflaeche::zeichne(std::span<const Zeichenbefehl> befehle) {
    const Massstab massstab = this->massstab();
    if (!(massstab == striche_.massstab())) striche_.beginnen(striche_.farbe(), massstab, feld());
    // Lines and dots gather in runs of one colour, outlines of rectangles of
    // one colour likewise; the rest needs the paint engine as it comes.
    std::optional<QPainter> p;
    auto maler = [&]() -> QPainter& {
        if (!p) p.emplace(&bild_).setRenderHint(QPainter::Antialiasing, false);
        return *p;
    };
    QRgb kastenfarbe = 0;
    auto kaestenZeichnen = [&] {
        if (kaesten_.empty()) return;
        const Pixelfeld f = feld();
        // Boxes of one size on the same pixels are drawn once: the boxes of a
        // million marked points fall on some ten thousand places. Their pixel
        // sizes differ by one at most from the first's; a bit for each of the nine.
        const bool viele = kaesten_.size() >= 4096;
        if (viele) kastenGesehen_.assign(static_cast<size_t>(f.breite * f.hoehe), 0);
        int64_t breite0 = -1, hoehe0 = -1;
        const auto rest = std::remove_if(kaesten_.begin(), kaesten_.end(), [&](const QRectF& r) {
            const auto k = Kasten(f, r);
            if (!k) return false;
            const auto [links, oben, rechts, unten] = *k;
            if (viele) {
                if (breite0 < 0) breite0 = rechts - links, hoehe0 = unten - oben;
                const int64_t db = rechts - links - breite0, dh = unten - oben - hoehe0;
                if (db >= -1 && db <= 1 && dh >= -1 && dh <= 1) {
                    uint16_t& gesehen =
                        kastenGesehen_[static_cast<size_t>(oben * f.breite + links)];
                    const auto bit = static_cast<uint16_t>(1 << ((db + 1) * 3 + dh + 1));
                    if (gesehen & bit) return true;
                    gesehen |= bit;
                }
            }
            Umranden(f, *k, kastenfarbe);
            return true;
        });
        if (rest != kaesten_.begin()) {
            maler().setPen(QPen(QColor(kastenfarbe), 0));
            maler().setBrush(Qt::NoBrush);
        }
        // One call each: in one call for all, the engine draws a rectangle of no
        // height differently.
        for (auto r = kaesten_.begin(); r != rest; ++r) maler().drawRect(*r);
        kaesten_.clear();
    };
    const QRectF rahmen = QRectF(bild_.rect()).adjusted(-4, -4, 4, 4);
    for (size_t i = 0; i < befehle.size(); ++i) {
        const Zeichenbefehl& b = befehle[i];
        const QRgb c = qRgb(b.farbe.rot, b.farbe.gruen, b.farbe.blau);
        if (b.art != Zeichenbefehl::Rechteck || c != kastenfarbe) kaestenZeichnen();
        if (b.art == Zeichenbefehl::Loeschen) {
            // What was gathered would be covered anyway.
            striche_.verwerfen();
            bild_.fill(c);
            continue;
        }
        const bool strich = b.art == Zeichenbefehl::Linie || b.art == Zeichenbefehl::Punkt;
        if (!strich) {
            fertigstellen();
        } else if (c != striche_.farbe()) {
            striche_.beginnen(c, massstab, feld());
        }
        const auto pixel = [&](float x, float y) { return QPointF(massstab.x(x), massstab.y(y)); };
        switch (b.art) {
            case Zeichenbefehl::Linie: {
                // A redraw is mostly long runs of lines in one colour: found
                // first, then taken over in one go.
                size_t ende = i + 1;
                while (ende < befehle.size() && befehle[ende].art == Zeichenbefehl::Linie &&
                       befehle[ende].farbe == b.farbe)
                    ++ende;
                striche_.linien(ende - i, [&](size_t k, Striche::Linie& l) {
                    const Zeichenbefehl& z = befehle[i + k];
                    l.x1 = z.x1;
                    l.y1 = z.y1;
                    l.x2 = z.x2;
                    l.y2 = z.y2;
                });
                i = ende - 1;
                break;
            }
            case Zeichenbefehl::Punkt: {
                // The pixel the paint engine would set for it.
                const QPointF a = pixel(b.x1, b.y1);
                if (Endlich(a) && rahmen.contains(a)) striche_.punkt(qRound(a.x()), qRound(a.y()));
                break;
            }
            case Zeichenbefehl::Rechteck: {
                const QPointF a = pixel(b.x1, b.y1), e = pixel(b.x2, b.y2);
                if (!Endlich(a) || !Endlich(e)) break;
                // Corners far outside are pulled in; the parts that show stay where they are.
                auto klemmen = [&](QPointF q) {
                    return QPointF(std::clamp(q.x(), rahmen.left(), rahmen.right()),
                                   std::clamp(q.y(), rahmen.top(), rahmen.bottom()));
                };
                kastenfarbe = c;
                // QRectF::normalized() by hand: its result, returned through
                // memory, would be read back whole right after its stores.
                const QPointF von = klemmen(a), bis = klemmen(e);
                double x = von.x(), y = von.y(), w = bis.x() - x, h = bis.y() - y;
                if (w < 0) x += w, w = -w;
                if (h < 0) y += h, h = -h;
                kaesten_.emplace_back(x, y, w, h);
                break;
            }
            case Zeichenbefehl::Kreis: {
                // The radius is measured along x, so the circle stays round.
                const QPointF a = pixel(b.x1, b.y1);
                const double r = std::fabs(b.x2 * bild_.width() / s_.Ausgabe.ScaleWidth);
                if (!Endlich(a) || !std::isfinite(r) || r > 1e6) break;
                if (!rahmen.intersects(QRectF(a.x() - r, a.y() - r, 2 * r, 2 * r))) break;
                maler().setPen(QPen(QColor(c), 0));
                maler().setBrush(Qt::NoBrush);
                maler().drawEllipse(a, r, r);
                break;
            }
            case Zeichenbefehl::Loeschen:
                break;
        }
    }
    kaestenZeichnen();
    update();
}

void Zeichenflaeche::zeichneNetz(const Farbe& farbe, std::span<const std::array<float, 2>> punkte,
                                 std::span<const std::array<uint32_t, 2>> kanten) {
    striche_.netz(qRgb(farbe.rot, farbe.gruen, farbe.blau), massstab(), feld(), punkte, kanten);
    update();
}

namespace {

// The first .bmp inside a zip archive, as worlds serve their masks.
QImage BildAusZip(const QString& datei) {
    int fehler = 0;
    std::unique_ptr<zip_t, void (*)(zip_t*)> z(
        zip_open(QFile::encodeName(datei).constData(), ZIP_RDONLY, &fehler), zip_discard);
    if (!z) return {};
    const zip_int64_t n = zip_get_num_entries(z.get(), 0);
    for (zip_int64_t i = 0; i < n; ++i) {
        const auto nummer = static_cast<zip_uint64_t>(i);
        const char* name = zip_get_name(z.get(), nummer, 0);
        zip_stat_t st;
        if (!name ||
            !QString::fromUtf8(name).endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive) ||
            zip_stat_index(z.get(), nummer, 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE) ||
            st.size > (zip_uint64_t{64} << 20))
            continue;
        std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> f(zip_fopen_index(z.get(), nummer, 0),
                                                            zip_fclose);
        QByteArray bytes(static_cast<qsizetype>(st.size), Qt::Uninitialized);
        if (!f || zip_fread(f.get(), bytes.data(), st.size) != static_cast<zip_int64_t>(st.size))
            continue;
        return QImage::fromData(bytes, "BMP");
    }
    return {};
}

}  // namespace

void Zeichenflaeche::zeichneFlaechen(const Flaechenbild& flaechen) {
    std::vector<Texel> texturen(flaechen.namen.size()), masken(flaechen.namen.size());
    std::vector<bool> gesucht(2 * flaechen.namen.size());
    auto holen = [&](std::span<const int32_t> nummern, std::vector<Texel>& bilder, bool maske) {
        for (int32_t n : nummern) {
            if (n < 0 || static_cast<size_t>(n) >= bilder.size()) continue;
            const size_t i = static_cast<size_t>(n);
            // Looked up once: a face without its image keeps its colour.
            if (gesucht[2 * i + maske]) continue;
            gesucht[2 * i + maske] = true;
            const QImage& b = texturbild(flaechen.ordner, flaechen.namen[i], maske);
            if (!b.isNull())
                bilder[i] = {reinterpret_cast<const uint32_t*>(b.constBits()), b.width(),
                             b.height(), b.bytesPerLine() / 4};
        }
    };
    holen(flaechen.textur, texturen, false);
    holen(flaechen.maske, masken, true);
    FlaechenFuellen(feld(), massstab(), flaechen, texturen, masken, tiefe_);
    update();
}

// The names world browsers take (a mask's .zip holding a .bmp), in any case,
// beside the model, in its textures folder or in ../textures.
const QImage& Zeichenflaeche::texturbild(std::string_view ordner, const std::string& name,
                                         bool maske) {
    // Each read of a document looks again: "Aktualisieren" finds an image
    // put beside the model meanwhile.
    if (texturenGeladen_ != s_.Geladen) {
        texturen_.clear();
        ordnerNamen_.clear();
        texturenGeladen_ = s_.Geladen;
    }
    const std::string schluessel = std::string(ordner) + '\n' + name + (maske ? "\nm" : "");
    const auto gemerkt = texturen_.find(schluessel);
    if (gemerkt != texturen_.end()) return gemerkt->second;
    QImage& bild = texturen_[schluessel];
    QStringList kandidaten;
    for (const std::string& k : TexturDateinamen(name, maske))
        kandidaten << QString::fromLatin1(k.data(), static_cast<qsizetype>(k.size()));
    const QString basis =
        QFile::decodeName(QByteArray(ordner.data(), static_cast<qsizetype>(ordner.size())));
    for (const QString& unter :
         {QString(), QStringLiteral("textures"), QStringLiteral("../textures")}) {
        const QString pfad =
            QDir::cleanPath(unter.isEmpty() ? basis : basis + QLatin1Char('/') + unter);
        auto [namen, neu] = ordnerNamen_.try_emplace(pfad);
        if (neu)
            for (const QString& e : QDir(pfad).entryList(QDir::Files))
                namen->second[e.toLower()] = e;
        for (const QString& k : kandidaten) {
            const auto treffer = namen->second.find(k.toLower());
            if (treffer == namen->second.end()) continue;
            const QString datei = pfad + QLatin1Char('/') + treffer->second;
            bild = treffer->second.endsWith(QStringLiteral(".zip"), Qt::CaseInsensitive)
                       ? BildAusZip(datei)
                       : QImage(datei);
            if (!bild.isNull()) {
                bild = bild.convertToFormat(QImage::Format_ARGB32);
                return bild;
            }
        }
    }
    return bild;
}

Pixelfeld Zeichenflaeche::feld() {
    return {reinterpret_cast<uint32_t*>(bild_.bits()), bild_.width(), bild_.height(),
            bild_.bytesPerLine() / 4};
}

void Zeichenflaeche::fertigstellen() {
    if (!striche_.leer()) striche_.zeichnen(feld());
}

const QImage& Zeichenflaeche::bild() {
    fertigstellen();
    return bild_;
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
    fertigstellen();
    QPainter p(this);
    p.drawImage(0, 0, bild_);
    // The rubber band floats above the picture and is never part of it.
    const QRectF rahmen = QRectF(bild_.rect()).adjusted(-4, -4, 4, 4);
    p.setPen(QPen(Qt::white, 0, Qt::DashLine));
    for (const Linienobjekt& l : band_) {
        if (!l.Visible) continue;
        QPointF a = nachPixel(l.X1, l.Y1), e = nachPixel(l.X2, l.Y2);
        double ax = a.x(), ay = a.y(), ex = e.x(), ey = e.y();
        if (Kappen(ax, ay, ex, ey, rahmen.left(), rahmen.top(), rahmen.right(), rahmen.bottom()))
            p.drawLine(QPointF(ax, ay), QPointF(ex, ey));
    }
}

void Zeichenflaeche::bildAnpassen() {
    const QSize neu = size().expandedTo(QSize(1, 1));
    if (bild_.size() == neu) return;
    fertigstellen();
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
