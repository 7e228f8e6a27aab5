// The drawing window's client area: a persistent picture in the core's user
// coordinate system, the rubber band above it, and the mouse in drawing units.
#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <span>
#include <vector>

#include "model/Variablen.h"
#include "shell/Striche.h"

namespace nuk::shell {

class Zeichenflaeche : public QWidget {
    Q_OBJECT
  public:
    Zeichenflaeche(State& s, QWidget* parent = nullptr);

    // Paints the core's shapes into the picture; lines and dots of one colour
    // may wait for the next, for the paint or for bild(). The screen follows
    // at the next paint.
    void zeichne(std::span<const Zeichenbefehl> befehle);
    // A line for each edge between the points it names, over what came before.
    void zeichneNetz(const Farbe& farbe, std::span<const std::array<float, 2>> punkte,
                     std::span<const std::array<uint32_t, 2>> kanten);
    // The faces, over what came before, nearer over farther.
    void zeichneFlaechen(const Flaechenbild& flaechen);
    // Brings pointer and rubber band in line with the core.
    void spiegeln();

    // A texture or mask beside the model, as the faces find it (a null image: none).
    const QImage& texturbild(std::string_view ordner, const std::string& name, bool maske);
    // The picture with everything drawn so far.
    const QImage& bild();
    // Drawing units <-> pixels of the client area.
    QPointF nachPixel(float x, float y) const;
    QPointF nachEinheiten(QPointF pixel) const;

    // Every call into the core goes through this; the main window catches
    // failures there and mirrors the core's state afterwards.
    std::function<void(const std::function<void()>&)> kern = [](const auto& f) { f(); };

  protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    // Whole notches zoom at the pointer; finer wheels and touchpads add up to them.
    void wheelEvent(QWheelEvent*) override;

  private:
    void bildAnpassen();
    Massstab massstab() const;
    Pixelfeld feld();
    // Puts the gathered lines and dots into the picture.
    void fertigstellen();

    State& s_;
    QImage bild_;
    Striche striche_;
    std::vector<float> tiefe_;  // per pixel, for the faces
    std::map<std::string, QImage> texturen_;
    std::map<QString, std::map<QString, QString>> ordnerNamen_;  // lower case -> on disk
    uint32_t texturenGeladen_ = 0;         // the document read they were found for
    std::vector<QRectF> kaesten_;          // outlines of one colour, drawn together
    std::vector<uint16_t> kastenGesehen_;  // by pixel: the sizes of boxes drawn there
    std::array<Linienobjekt, 4> band_{};
    Mauszeiger zeiger_ = Mauszeiger::Vorgabe;
    bool nachDoppelklick_ = false;
    int rad_ = 0;  // wheel eighths of a degree not yet a whole notch (120)
};

}  // namespace nuk::shell
