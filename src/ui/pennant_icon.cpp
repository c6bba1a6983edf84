#include "ui/pennant_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pennant {

QPixmap pennantPicture(int size, qreal devicePixelRatio) {
    QPixmap pixmap(QSize(size, size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);

    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);  // drawn on a 64 x 64 grid

    // The pole, with a gold knob.
    QLinearGradient pole(10, 0, 15, 0);
    pole.setColorAt(0, QColor(0x6b, 0x45, 0x23));
    pole.setColorAt(0.5, QColor(0xb0, 0x7c, 0x48));
    pole.setColorAt(1, QColor(0x5a, 0x3a, 0x1d));
    p.setPen(Qt::NoPen);
    p.setBrush(pole);
    p.drawRoundedRect(QRectF(10, 8, 5, 53), 1.5, 1.5);
    p.setBrush(QColor(0xe8, 0xb9, 0x2e));
    p.drawEllipse(QPointF(12.5, 7), 4, 4);

    // The pennant: a long triangle with a slight wave.
    QPainterPath flag;
    flag.moveTo(15, 11);
    flag.cubicTo(30, 14, 44, 20, 60, 22);
    flag.cubicTo(44, 25, 30, 31, 15, 37);
    flag.closeSubpath();
    QLinearGradient cloth(15, 11, 15, 37);
    cloth.setColorAt(0, QColor(0xe0, 0x2b, 0x2b));
    cloth.setColorAt(1, QColor(0xa8, 0x12, 0x16));
    p.setBrush(cloth);
    p.setPen(QPen(QColor(0x70, 0x0c, 0x0e), 1));
    p.drawPath(flag);

    // A white stripe along the pennant.
    QPainterPath stripe;
    stripe.moveTo(15, 21);
    stripe.cubicTo(30, 22, 44, 22, 56, 22);
    stripe.cubicTo(44, 23, 30, 25, 15, 27);
    stripe.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xf6, 0xe0));
    p.drawPath(stripe);
    return pixmap;
}

QIcon pennantIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(pennantPicture(size));
    return icon;
}

}  // namespace pennant
