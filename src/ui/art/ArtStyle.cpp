#include "ui/art/ArtStyle.h"

#include <QGuiApplication>
#include <QRadialGradient>

namespace numora::art {

void paintSphere(QPainter& painter, QPointF centre, qreal radius, const QColor& base,
                 qreal outlineWidth) {
    const QPointF light = centre + QPointF(-radius * 0.38, -radius * 0.42);
    QRadialGradient gradient(centre, radius, light);
    gradient.setColorAt(0.0, base.lighter(175));
    gradient.setColorAt(0.45, base);
    gradient.setColorAt(1.0, base.darker(165));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(gradient);
    painter.setPen(outlineWidth > 0 ? QPen(base.darker(260), outlineWidth) : Qt::NoPen);
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

QPixmap paintedPixmap(QSize size, const std::function<void(QPainter&)>& paint) {
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paint(painter);
    return pixmap;
}

}  // namespace numora::art
