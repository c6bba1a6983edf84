// The program's picture: a red pennant on a pole. Drawn, so it is sharp at
// any size and needs no image plug-in.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace pennant {

// The picture `size` device-independent pixels square, for that pixel ratio.
QPixmap pennantPicture(int size, qreal devicePixelRatio = 1.0);
QIcon pennantIcon();

}  // namespace pennant
