#include "ui/controls/BallDisplay.h"

#include <QImageReader>
#include <QPainter>

#include <algorithm>

#include "ui/art/ArtStyle.h"
#include "ui/art/BallPictures.h"
#include "ui/art/Pictures.h"

namespace numora {

namespace {

constexpr int kRowMargin = 2;
constexpr int kBonusGap = 6;
constexpr int kLogoGap = 4;
constexpr int kLargestBallGap = 8;
// The ring around a marked ball.
constexpr qreal kMarkWidth = 2.0;

std::size_t indexOf(int slot) { return static_cast<std::size_t>(slot - kFirstBallSlot); }

QImage readPicture(const std::filesystem::path& file) {
    QImageReader reader(QString::fromStdString(file.string()));
    return reader.read();
}

// On a screen finer than the handheld's, the picture's larger variant when it
// has one; it is shown at the picture's size.
QImage readPictureFor(const std::filesystem::path& file, qreal screenRatio) {
    if (screenRatio > 1) {
        if (const auto larger = largerPictureBeside(file)) {
            QImage image = readPicture(*larger);
            image.setDevicePixelRatio(kLargerPictureScale);
            if (!image.isNull()) return image;
        }
    }
    return readPicture(file);
}

QRect pictureArea(QPoint corner, const QPixmap& picture) {
    return {corner, picture.deviceIndependentSize().toSize()};
}

}  // namespace

BallDisplay::BallDisplay(const AppState& state, const DevicePaths& paths, QWidget* parent)
    : QWidget(parent), state_(state), paths_(paths), logo_(art::logoPicture()) {
    setObjectName(QStringLiteral("ballDisplay"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

BallPlaceholders BallDisplay::rowPlaceholders(int width) {
    const int ball = art::kBallPictureSide;
    const int spare = width - 2 * kRowMargin - kBallSlotCount * ball - kBonusGap;
    const int gap = std::clamp(spare / (kBallSlotCount - 1), 1, kLargestBallGap);
    const int rowWidth = kBallSlotCount * ball + (kBallSlotCount - 1) * gap + kBonusGap;
    const QSize logo = art::logoSize();

    BallPlaceholders placeholders;
    placeholders.logo = QRect(QPoint((width - logo.width()) / 2, 0), logo);
    const int top = logo.height() + kLogoGap;
    int x = std::max(kRowMargin, (width - rowWidth) / 2);
    for (int slot = kFirstBallSlot; slot <= kBonusSlot; ++slot) {
        if (slot == kBonusSlot) x += kBonusGap;
        placeholders.balls[indexOf(slot)] = QRect(x, top, ball, ball);
        x += ball + gap;
    }
    return placeholders;
}

void BallDisplay::setPlaceholders(const BallPlaceholders& placeholders) {
    placeholders_ = placeholders;
    updateGeometry();
    update();
}

void BallDisplay::ShowBall(int slot, int number) {
    const auto devicePath = lotteryBallPicture(state_.dataFolder, slot, number, state_.current);
    if (!devicePath) return;
    const auto hostPath = paths_.toHost(*devicePath);
    if (!hostPath) return;
    const QImage image = readPictureFor(*hostPath, devicePixelRatioF());
    if (image.isNull()) return;
    QPixmap& picture = pictures_[indexOf(slot)];
    const QRect& area = placeholders_.balls[indexOf(slot)];
    const QRect oldArea = pictureArea(area.topLeft(), picture);
    picture = QPixmap::fromImage(image);
    update(area | oldArea | pictureArea(area.topLeft(), picture));
}

void BallDisplay::clear() {
    setMarks({});
    for (int slot = kFirstBallSlot; slot <= kBonusSlot; ++slot) ShowBall(slot, kEmptyBall);
}

void BallDisplay::showIdle() {
    setMarks({});
    for (int slot = kFirstBallSlot; slot <= kBonusSlot; ++slot)
        ShowBall(slot, idlePictureNumber(slot));
}

void BallDisplay::setMarks(const std::array<bool, kBallSlotCount>& marks) {
    if (marks == marks_) return;
    marks_ = marks;
    update();
}

QPixmap BallDisplay::picture(int slot) const {
    if (slot < kFirstBallSlot || slot > kBonusSlot) return QPixmap();
    return pictures_[indexOf(slot)];
}

QSize BallDisplay::sizeHint() const {
    QRect bounds = placeholders_.logo;
    for (const QRect& ball : placeholders_.balls) bounds |= ball;
    return QSize(bounds.right() + 1, bounds.bottom() + 1).expandedTo(QSize(0, 0));
}

void BallDisplay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A larger picture shown at a scale between its own and 1 is scaled down.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(rect(), art::Colors::paper());
    painter.drawPixmap(placeholders_.logo.topLeft(), logo_);
    for (std::size_t i = 0; i < pictures_.size(); ++i) {
        if (!pictures_[i].isNull()) painter.drawPixmap(placeholders_.balls[i].topLeft(), pictures_[i]);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(art::Colors::green(), kMarkWidth));
    painter.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        if (!marks_[i]) continue;
        const QRect ball = pictures_[i].isNull() ? placeholders_.balls[i]
                                                 : pictureArea(placeholders_.balls[i].topLeft(), pictures_[i]);
        painter.drawEllipse(QRectF(ball).adjusted(-1, -1, 1, 1));
    }
}

}  // namespace numora
