// The pictures the program draws for itself: the image list of the toolbar, the
// two mode pointers and the tool window's background.
#pragma once

#include <QCursor>
#include <QImage>
#include <QList>
#include <QPixmap>

namespace nuk::shell {

// Six pictures: 1..3 the mode icons (32 x 32, 16 colours), 4..6 the faces of
// the toolbar buttons 1..3. Index 0 of the list is picture 1.
QList<QPixmap> Bildliste();

// Mode 1: a magnifier, two colours, its hot spot at (7, 8) in the middle of the lens.
QCursor LupenZeiger();
// Mode 2: a four-way arrow.
QCursor BewegungsZeiger();

// 32 x 32, 256 colours.
QImage WerkzeugHintergrund();

}  // namespace nuk::shell
