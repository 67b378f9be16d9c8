#include "ui/art/IconGlyphs.h"

#include <QFont>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include "ui/art/ArtStyle.h"

namespace numora::art::glyphs {

namespace {

QPen inkPen(qreal width = 1.0) {
    return QPen(Colors::ink(), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A thick arrow from `from` to `to`, filled and outlined.
void arrow(QPainter& p, QPointF from, QPointF to, const QColor& fill) {
    const QLineF axis(from, to);
    const qreal length = axis.length();
    const qreal shaft = 1.6;
    const qreal head = 3.6;
    const qreal headLength = 3.8;
    QPolygonF shape;
    shape << QPointF(0, -shaft) << QPointF(length - headLength, -shaft)
          << QPointF(length - headLength, -head) << QPointF(length, 0)
          << QPointF(length - headLength, head) << QPointF(length - headLength, shaft)
          << QPointF(0, shaft);
    p.save();
    p.translate(from);
    p.rotate(-axis.angle());
    p.setPen(inkPen(0.9));
    p.setBrush(fill);
    p.drawPolygon(shape);
    p.restore();
}

// A sheet with a folded corner; lines of "numbers" on it.
void page(QPainter& p, QRectF area) {
    const qreal fold = 3.5;
    QPolygonF sheet;
    sheet << area.topLeft() << QPointF(area.right() - fold, area.top())
          << QPointF(area.right(), area.top() + fold) << area.bottomRight() << area.bottomLeft();
    p.setPen(inkPen());
    p.setBrush(Colors::paper());
    p.drawPolygon(sheet);
    p.setPen(QPen(Colors::silver().darker(130), 1.0));
    for (qreal y = area.top() + 3.5; y < area.bottom() - 1; y += 2.5)
        p.drawLine(QPointF(area.left() + 2, y), QPointF(area.right() - 2.5, y));
}

// A small spreadsheet: a coloured heading row over a grid.
void table(QPainter& p, QRectF area) {
    p.setPen(inkPen());
    p.setBrush(Colors::paper());
    p.drawRect(area);
    p.setPen(Qt::NoPen);
    p.setBrush(Colors::blue().lighter(150));
    p.drawRect(QRectF(area.left() + 0.5, area.top() + 0.5, area.width() - 1, 2.5));
    p.setPen(QPen(Colors::ink(), 0.6));
    for (qreal x = area.left() + area.width() / 3; x < area.right() - 1; x += area.width() / 3)
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    for (qreal y = area.top() + 3; y < area.bottom() - 1; y += 2.5)
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
}

void sparkle(QPainter& p, QPointF centre, qreal size) {
    QPainterPath star;
    star.moveTo(centre.x(), centre.y() - size);
    star.quadTo(centre, QPointF(centre.x() + size, centre.y()));
    star.quadTo(centre, QPointF(centre.x(), centre.y() + size));
    star.quadTo(centre, QPointF(centre.x() - size, centre.y()));
    star.quadTo(centre, QPointF(centre.x(), centre.y() - size));
    p.setPen(QPen(Colors::gold().darker(170), 0.7));
    p.setBrush(Colors::gold());
    p.drawPath(star);
}

}  // namespace

void lotteryBalls(QPainter& p) {
    paintSphere(p, {8.0, 5.2}, 4.6, Colors::red(), 0.9);
    paintSphere(p, {4.8, 10.8}, 4.6, Colors::blue(), 0.9);
    paintSphere(p, {11.2, 10.8}, 4.6, Colors::gold(), 0.9);
}

void pick(QPainter& p) {
    paintSphere(p, {7.0, 9.0}, 6.0, Colors::blue(), 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Colors::paper());
    p.drawEllipse(QPointF(7.0, 9.0), 2.6, 2.6);
    sparkle(p, {12.8, 3.2}, 3.2);
}

void pastDraws(QPainter& p) {
    const QRectF sheet(1.5, 2.5, 13, 12);
    p.setPen(inkPen());
    p.setBrush(Colors::paper());
    p.drawRoundedRect(sheet, 1.2, 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(Colors::red());
    p.drawRect(QRectF(2.0, 3.0, 12, 3));
    p.setPen(inkPen(1.2));
    p.drawLine(QPointF(5, 1), QPointF(5, 4));
    p.drawLine(QPointF(11, 1), QPointF(11, 4));
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            const bool drawn = (row * 4 + column) % 5 == 1;
            p.setBrush(drawn ? Colors::gold() : Colors::blue().lighter(140));
            p.drawRect(QRectF(3.0 + column * 2.6, 7.4 + row * 2.3, 1.8, 1.6));
        }
    }
}

void drawStats(QPainter& p) {
    const struct {
        qreal x;
        qreal top;
        QColor fill;
    } bars[] = {{2.5, 8.5, Colors::blue()}, {6.5, 4.5, Colors::gold()}, {10.5, 1.5, Colors::red()}};
    p.setPen(inkPen(0.9));
    for (const auto& bar : bars) {
        p.setBrush(bar.fill);
        p.drawRect(QRectF(bar.x, bar.top, 3, 14 - bar.top));
    }
    p.setPen(inkPen());
    p.drawLine(QPointF(1, 14.5), QPointF(15, 14.5));
}

void exportPicks(QPainter& p) {
    page(p, QRectF(1.5, 1.5, 9.5, 13));
    arrow(p, {7.5, 10.5}, {15.5, 10.5}, Colors::green());
}

void lotteryProfile(QPainter& p) {
    paintSphere(p, {6.2, 9.8}, 5.4, Colors::blue(), 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Colors::paper());
    p.drawEllipse(QPointF(6.2, 9.8), 2.3, 2.3);
    p.save();
    p.translate(11.4, 5.4);
    p.rotate(45);
    p.setPen(inkPen(0.8));
    p.setBrush(Colors::gold());
    p.drawRect(QRectF(-1.6, -4.5, 3.2, 7.5));
    p.setBrush(Colors::pink());
    p.drawRect(QRectF(-1.6, -6.0, 3.2, 1.5));
    QPolygonF tip;
    tip << QPointF(-1.6, 3.0) << QPointF(1.6, 3.0) << QPointF(0, 5.6);
    p.setBrush(QColor(0xf3, 0xd9, 0xb1));
    p.drawPolygon(tip);
    p.restore();
}

void erasePicks(QPainter& p) {
    p.save();
    p.translate(8.0, 8.0);
    p.rotate(-35);
    p.setPen(inkPen());
    p.setBrush(Colors::pink());
    p.drawRoundedRect(QRectF(-6.5, -3.0, 7.0, 6.0), 1.2, 1.2);
    p.setBrush(Colors::blue().lighter(160));
    p.drawRoundedRect(QRectF(0.5, -3.0, 6.0, 6.0), 1.2, 1.2);
    p.restore();
    p.setPen(QPen(Colors::silver().darker(140), 1.0, Qt::DotLine));
    p.drawLine(QPointF(1.5, 14.5), QPointF(9.5, 14.5));
}

void importDraws(QPainter& p) {
    table(p, QRectF(1.5, 6.5, 13, 8));
    arrow(p, {8.0, 0.5}, {8.0, 9.5}, Colors::blue());
}

void exportDraws(QPainter& p) {
    table(p, QRectF(1.5, 6.5, 13, 8));
    arrow(p, {8.0, 10.0}, {8.0, 0.3}, Colors::green());
}

void browse(QPainter& p) {
    p.setPen(inkPen());
    p.setBrush(Colors::gold().darker(115));
    QPolygonF back;
    back << QPointF(1.5, 3.5) << QPointF(6.0, 3.5) << QPointF(7.5, 5.0) << QPointF(13.5, 5.0)
         << QPointF(13.5, 13.5) << QPointF(1.5, 13.5);
    p.drawPolygon(back);
    p.setBrush(Colors::gold());
    QPolygonF front;
    front << QPointF(3.5, 7.5) << QPointF(15.5, 7.5) << QPointF(13.5, 13.5)
          << QPointF(1.5, 13.5);
    p.drawPolygon(front);
}

void sound(QPainter& p) {
    p.setPen(inkPen());
    p.setBrush(Colors::blue());
    QPolygonF speaker;
    speaker << QPointF(1.5, 5.5) << QPointF(4.5, 5.5) << QPointF(8.5, 1.5)
            << QPointF(8.5, 14.5) << QPointF(4.5, 10.5) << QPointF(1.5, 10.5);
    p.drawPolygon(speaker);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Colors::green(), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(6.5, 4.5, 6, 7), -50 * 16, 100 * 16);
    p.drawArc(QRectF(6.0, 1.5, 9, 13), -50 * 16, 100 * 16);
}

void advanced(QPainter& p) {
    const QPointF centre(8.0, 8.0);
    QPainterPath cog;
    constexpr int kTeeth = 8;
    for (int i = 0; i < 2 * kTeeth; ++i) {
        const qreal radius = i % 2 == 0 ? 7.2 : 5.4;
        for (const qreal offset : {-0.22, 0.22}) {
            const qreal angle = (i + 0.5) * M_PI / kTeeth + offset;
            const QPointF point = centre + QPointF(radius * qCos(angle), radius * qSin(angle));
            if (cog.elementCount() == 0)
                cog.moveTo(point);
            else
                cog.lineTo(point);
        }
    }
    cog.closeSubpath();
    cog.addEllipse(centre, 2.2, 2.2);
    p.setPen(inkPen(0.9));
    p.setBrush(Colors::silver());
    p.drawPath(cog);
}

void help(QPainter& p) {
    paintSphere(p, {8.0, 8.0}, 7.0, Colors::blue(), 1.0);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(Colors::paper());
    p.drawText(QRectF(1, 1.2, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
}

}  // namespace numora::art::glyphs
