#pragma once

#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <QPointF>
#include <QSize>

#include <functional>

namespace numora::art {

// The one palette every picture of the program is drawn from: a dark navy ink
// for outlines and text, and a few bright fills.
struct Colors {
    static QColor ink() { return QColor(0x1d, 0x2b, 0x4f); }
    static QColor paper() { return QColor(0xff, 0xff, 0xff); }
    static QColor blue() { return QColor(0x1e, 0x5b, 0xd8); }
    static QColor red() { return QColor(0xd6, 0x28, 0x28); }
    static QColor gold() { return QColor(0xf4, 0xb4, 0x00); }
    static QColor green() { return QColor(0x2e, 0x9e, 0x4f); }
    static QColor silver() { return QColor(0xc9, 0xcf, 0xd8); }
    static QColor pink() { return QColor(0xf2, 0x8b, 0xa8); }
    // The balls of a lottery's second drum (EuroMillions' stars, the Superzahl).
    static QColor secondDrum() { return QColor(0xf0, 0x8a, 0x00); }
};

// A glossy sphere: light from the upper left, a darker rim and a thin ink
// outline. Balls in the pictures, the icons and the logo all use it.
void paintSphere(QPainter& painter, QPointF centre, qreal radius, const QColor& base,
                 qreal outlineWidth);

// A transparent picture of `size` that `paint` draws on in the size's own
// units, with smooth edges. Its pixels match the sharpest screen's pixel
// ratio, so it shows crisp on a high-resolution or scaled desktop.
QPixmap paintedPixmap(QSize size, const std::function<void(QPainter&)>& paint);

}  // namespace numora::art
