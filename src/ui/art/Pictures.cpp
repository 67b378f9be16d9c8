#include "ui/art/Pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "ui/art/ArtStyle.h"

namespace numora::art {

namespace {

constexpr char kLogoText[] = "Numora";

// One heart-shaped leaf pointing up from the origin.
QPainterPath leaf(qreal length) {
    QPainterPath path;
    path.moveTo(0, 0);
    path.cubicTo(-length * 0.9, -length * 0.35, -length * 0.75, -length * 1.1, -length * 0.28,
                 -length * 1.02);
    path.quadTo(0, -length * 0.98, 0, -length * 0.72);
    path.quadTo(0, -length * 0.98, length * 0.28, -length * 1.02);
    path.cubicTo(length * 0.75, -length * 1.1, length * 0.9, -length * 0.35, 0, 0);
    return path;
}

void paintLogo(QPainter& painter) {
    paintSphere(painter, {12.0, 17.0}, 9.0, Colors::blue(), 1.0);
    paintSphere(painter, {26.0, 11.0}, 8.0, Colors::red(), 1.0);
    paintSphere(painter, {36.5, 20.0}, 7.0, Colors::gold(), 1.0);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(22);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    painter.setFont(font);
    const QRectF textArea(48, 0, logoSize().width() - 48, logoSize().height() - 3);
    QLinearGradient ink(textArea.topLeft(), textArea.bottomLeft());
    ink.setColorAt(0.0, Colors::blue());
    ink.setColorAt(1.0, Colors::ink());
    painter.setPen(QPen(QBrush(ink), 1));
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(kLogoText));
    painter.setPen(QPen(Colors::gold(), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(50, logoSize().height() - 3.0),
                     QPointF(logoSize().width() - 8.0, logoSize().height() - 3.0));
}

void paintClover(QPainter& painter) {
    const QPointF centre(cloverSize().width() / 2.0, cloverSize().height() / 2.0 - 1.0);

    painter.setPen(QPen(Colors::green().darker(160), 2.0, Qt::SolidLine, Qt::RoundCap));
    QPainterPath stem;
    stem.moveTo(centre);
    stem.quadTo(centre + QPointF(3, 9), centre + QPointF(9, 15));
    painter.drawPath(stem);

    painter.setPen(QPen(Colors::green().darker(180), 1.0));
    for (int quarter = 0; quarter < 4; ++quarter) {
        painter.save();
        painter.translate(centre);
        painter.rotate(45 + 90 * quarter);
        QRadialGradient shade(QPointF(0, -9), 10);
        shade.setColorAt(0.0, Colors::green().lighter(150));
        shade.setColorAt(1.0, Colors::green());
        painter.setBrush(shade);
        painter.drawPath(leaf(14.0));
        painter.restore();
    }
    paintSphere(painter, centre, 2.2, Colors::gold(), 0.6);
}

}  // namespace

QPixmap logoPicture() { return paintedPixmap(logoSize(), paintLogo); }

QPixmap cloverPicture() { return paintedPixmap(cloverSize(), paintClover); }

}  // namespace numora::art
