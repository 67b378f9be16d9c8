#include "ui/art/StatsArt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

#include "ui/art/ArtStyle.h"
#include "ui/art/Icons.h"

namespace numora::art {

namespace {

constexpr char kHeaderText[] = "Draw Stats";

}  // namespace

QPixmap statsHeaderPicture() {
    const QSize size = statsHeaderSize();
    return paintedPixmap(size, [&](QPainter& painter) {
        QLinearGradient band(0, 0, size.width(), 0);
        band.setColorAt(0.0, Colors::blue());
        band.setColorAt(1.0, Colors::blue().lighter(170));
        painter.setPen(Qt::NoPen);
        painter.setBrush(band);
        painter.drawRoundedRect(QRectF(0.5, 2.5, size.width() - 1.0, size.height() - 5.0), 4, 4);

        const QColor balls[] = {Colors::red(), Colors::gold(), Colors::green()};
        qreal x = 12.0;
        for (const QColor& colour : balls) {
            paintSphere(painter, {x, size.height() / 2.0}, 8.0, colour, 0.8);
            x += 14.0;
        }
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(15);
        painter.setFont(font);
        painter.setPen(Colors::paper());
        painter.drawText(QRectF(x, 0, size.width() - x - 4, size.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromLatin1(kHeaderText));
    });
}

QPixmap statsPicture() {
    const QSize size = statsPictureSize();
    return paintedPixmap(size, [&](QPainter& painter) {
        const struct {
            qreal x;
            qreal top;
            QColor colour;
        } bars[] = {{3, 26, Colors::blue()}, {15, 14, Colors::red()}, {27, 20, Colors::gold()}};
        constexpr qreal kBarWidth = 11;
        const qreal floor = size.height() - 2.5;
        for (const auto& bar : bars) {
            painter.setPen(QPen(Colors::ink(), 1.0));
            painter.setBrush(bar.colour.lighter(135));
            painter.drawRect(QRectF(bar.x, bar.top, kBarWidth, floor - bar.top));
            paintSphere(painter, {bar.x + kBarWidth / 2, bar.top - 5.5}, 5.0, bar.colour, 0.8);
        }
        painter.setPen(QPen(Colors::ink(), 1.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(1, floor), QPointF(size.width() - 1, floor));
    });
}

QIcon closeToolbarIcon() {
    const QSize size = toolbarImageSize();
    return QIcon(paintedPixmap(size, [&](QPainter& painter) {
        const QRectF square(1.5, 1.0, size.width() - 3.0, size.height() - 2.0);
        painter.setPen(QPen(Colors::red().darker(170), 1.0));
        painter.setBrush(Colors::red());
        painter.drawRoundedRect(square, 2, 2);
        painter.setPen(QPen(Colors::paper(), 2.0, Qt::SolidLine, Qt::RoundCap));
        const QRectF cross = square.adjusted(3.5, 3.5, -3.5, -3.5);
        painter.drawLine(cross.topLeft(), cross.bottomRight());
        painter.drawLine(cross.topRight(), cross.bottomLeft());
    }));
}

}  // namespace numora::art
