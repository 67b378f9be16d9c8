#include "ui/art/BallPictures.h"

#include <QFont>
#include <QPainter>
#include <QString>

#include "app/BallPictureNames.h"
#include "ui/art/ArtStyle.h"

namespace numora::art {

namespace {

constexpr qreal kSphereRadius = 12.8;
constexpr qreal kDiscRadius = 7.6;

bool isIdlePicture(int number) { return number <= -2 && number >= kLastIdlePicture; }

QString labelOf(int number) {
    if (isIdlePicture(number)) return QString(QChar::fromLatin1(kIdleWord[-number - 2]));
    return QString::number(number);
}

// `numbered` is the colour of a numbered ball.
QColor baseColour(int number, const QColor& numbered) {
    if (isIdlePicture(number)) return Colors::gold();
    if (number < kLowestBallNumber || number > kHighestBallNumber) return Colors::silver();
    return numbered;
}

void paintLabel(QPainter& painter, QPointF centre, const QString& label) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Colors::paper());
    painter.drawEllipse(centre, kDiscRadius, kDiscRadius);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(label.size() > 1 ? 9 : 11);
    font.setLetterSpacing(QFont::AbsoluteSpacing, label.size() > 1 ? -0.6 : 0.0);
    painter.setFont(font);
    painter.setPen(Colors::ink());
    const QRectF disc(centre.x() - kDiscRadius, centre.y() - kDiscRadius, 2 * kDiscRadius,
                      2 * kDiscRadius);
    painter.drawText(disc.translated(0.3, 0.4), Qt::AlignCenter, label);
}

QImage paintBall(int number, const QColor& numbered, int scale) {
    QImage image(ballPictureSize() * scale, QImage::Format_RGB32);
    // The painter then draws in the picture's own units.
    image.setDevicePixelRatio(scale);
    image.fill(Colors::paper());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QPointF centre(kBallPictureSide / 2.0, kBallPictureSide / 2.0 - 0.3);

    // A soft shadow under the ball.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 28));
    painter.drawEllipse(QPointF(centre.x() + 0.6, centre.y() + 1.0), kSphereRadius,
                        kSphereRadius);

    const bool hasLabel = number != kEmptyBall &&
                          (isIdlePicture(number) ||
                           (number >= kLowestBallNumber && number <= kHighestBallNumber));
    paintSphere(painter, centre, kSphereRadius, baseColour(number, numbered), 1.0);
    if (hasLabel) paintLabel(painter, centre, labelOf(number));
    return image;
}

}  // namespace

QImage paintBallPicture(int number, bool powerBall, int scale) {
    return paintBall(number, powerBall ? Colors::red() : Colors::blue(), scale);
}

QImage paintSecondDrumPicture(int number, int scale) { return paintBall(number, Colors::secondDrum(), scale); }

}  // namespace numora::art
