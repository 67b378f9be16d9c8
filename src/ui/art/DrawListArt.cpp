#include "ui/art/DrawListArt.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include "draws/DrawListText.h"
#include "settings/BallSlots.h"
#include "ui/art/ArtStyle.h"

namespace numora::art {

namespace {

constexpr QPointF kCentre(8.0, 8.0);
constexpr qreal kBallRadius = 7.3;
constexpr qreal kFaceRadius = 4.4;

// A ball with a white face that carries a mark, as drawn balls are printed.
QPixmap markedBall(const QColor& colour, const QString& mark) {
    return paintedPixmap(headingIconSize(), [&](QPainter& painter) {
        paintSphere(painter, kCentre, kBallRadius, colour, 0.8);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Colors::paper());
        painter.drawEllipse(kCentre, kFaceRadius, kFaceRadius);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(8);
        painter.setFont(font);
        painter.setPen(Colors::ink());
        painter.drawText(
            QRectF(kCentre.x() - kFaceRadius, kCentre.y() - kFaceRadius, 2 * kFaceRadius, 2 * kFaceRadius),
            Qt::AlignCenter, mark);
    });
}

QPixmap starBall() {
    return paintedPixmap(headingIconSize(), [](QPainter& painter) {
        paintSphere(painter, kCentre, kBallRadius, Colors::gold(), 0.8);
        QPainterPath star;
        constexpr int kPoints = 5;
        for (int i = 0; i < 2 * kPoints; ++i) {
            const qreal radius = i % 2 == 0 ? 4.6 : 1.9;
            const QLineF ray = QLineF::fromPolar(radius, 90.0 + i * 180.0 / kPoints).translated(kCentre);
            if (i == 0)
                star.moveTo(ray.p2());
            else
                star.lineTo(ray.p2());
        }
        star.closeSubpath();
        painter.setPen(QPen(Colors::gold().darker(200), 0.6));
        painter.setBrush(Colors::paper());
        painter.drawPath(star);
    });
}

QPixmap calendarPage() {
    return paintedPixmap(headingIconSize(), [](QPainter& painter) {
        painter.setPen(QPen(Colors::ink(), 1.0));
        painter.setBrush(Colors::paper());
        painter.drawRoundedRect(QRectF(1.5, 2.5, 13, 12), 1.2, 1.2);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Colors::blue());
        painter.drawRect(QRectF(2.0, 3.0, 12, 3.2));
        painter.setBrush(Colors::ink());
        for (const qreal x : {4.5, 10.5}) painter.drawRect(QRectF(x, 1.0, 1.2, 3.0));
        painter.setBrush(Colors::red());
        painter.drawRect(QRectF(9.4, 10.0, 2.8, 2.6));
        painter.setBrush(Colors::silver().darker(115));
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 4; ++column)
                if (!(row == 1 && column == 3))
                    painter.drawRect(QRectF(3.0 + column * 2.8, 7.4 + row * 2.8, 1.8, 1.8));
    });
}

}  // namespace

QPixmap drawHeadingIcon(int column, const LotteryProfile& lottery) {
    if (column >= 0 && column < kDrawBonusColumn) {
        const int ball = column + 1;
        if (slotDrum(lottery, ball) == SlotDrum::Second)
            return markedBall(Colors::secondDrum(), QString::number(ball - lottery.balls));
        return markedBall(Colors::blue(), QString::number(ball));
    }
    if (column == kDrawBonusColumn)
        return lottery.powerBall ? markedBall(Colors::red(), QStringLiteral("P")) : starBall();
    if (column == kDrawDateColumn) return calendarPage();
    return {};
}

}  // namespace numora::art
