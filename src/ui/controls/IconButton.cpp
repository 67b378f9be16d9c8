#include "ui/controls/IconButton.h"

#include <QCursor>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "ui/art/Icons.h"

namespace numora {

namespace {

constexpr int kIconMargin = 3;
constexpr int kFocusInset = 3;
constexpr int kCaptionLimit = 255;
constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap;
constexpr int kHintPaddingX = 12;
constexpr int kHintPaddingY = 8;

}  // namespace

IconButton::IconButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent), hoverWatch_(new QTimer(this)) {
    setMouseTracking(true);
    hoverWatch_->setObjectName(QStringLiteral("hoverWatch"));
    hoverWatch_->setInterval(kHoverWatchMs);
    connect(hoverWatch_, &QTimer::timeout, this, &IconButton::watchPointer);
    SetDefaultColors(false);
}

int IconButton::SetIcon(int iconNumber, int width, int height) {
    icon_ = art::iconByNumber(iconNumber);
    iconSize_ = QSize(width, height);
    updateGeometry();
    update();
    return kDone;
}

int IconButton::SetColor(int slot, const QColor& color, bool repaint) {
    if (slot < 0 || slot >= kColorSlotCount) return kBadColorSlot;
    colors_[static_cast<std::size_t>(slot)] = color;
    repaintIf(repaint);
    return kDone;
}

int IconButton::SetAlign(int placement, bool repaint) {
    if (placement < kIconLeft || placement > kIconRight) return kBadPlacement;
    placement_ = placement;
    updateGeometry();
    repaintIf(repaint);
    return kDone;
}

int IconButton::SetFlat(bool flat, bool repaint) {
    flat_ = flat;
    if (!flat_) endHover();
    repaintIf(repaint);
    return kDone;
}

int IconButton::SetDefaultColors(bool repaint) {
    const QColor face = palette().color(QPalette::Button);
    const QColor text = palette().color(QPalette::ButtonText);
    for (int slot = 0; slot < kColorSlotCount; ++slot)
        colors_[static_cast<std::size_t>(slot)] = slot % 2 == 0 ? face : text;
    repaintIf(repaint);
    return kDone;
}

QColor IconButton::color(int slot) const {
    if (slot < 0 || slot >= kColorSlotCount) return QColor();
    return colors_[static_cast<std::size_t>(slot)];
}

QSize IconButton::sizeHint() const {
    const QFontMetrics metrics(font());
    const QString caption = text().left(kCaptionLimit);
    QSize content(caption.isEmpty() ? 0 : metrics.horizontalAdvance(caption),
                  caption.isEmpty() ? 0 : metrics.height());
    if (!icon_.isNull()) {
        if (placement_ == kIconAbove)
            content = QSize(std::max(content.width(), iconSize_.width()),
                            content.height() + iconSize_.height() + kIconMargin);
        else
            content = QSize(content.width() + iconSize_.width() + 2 * kIconMargin,
                            std::max(content.height(), iconSize_.height()));
    }
    return content + QSize(kHintPaddingX, kHintPaddingY);
}

// Captions wrap at word breaks, so the longest word is the narrowest caption.
QSize IconButton::minimumSizeHint() const {
    const QFontMetrics metrics(font());
    int widestWord = 0;
    for (const QString& word : text().left(kCaptionLimit).split(QLatin1Char(' ')))
        widestWord = std::max(widestWord, metrics.horizontalAdvance(word));
    const bool beside = !icon_.isNull() && placement_ != kIconAbove;
    const int width = beside ? widestWord + iconSize_.width() + 2 * kIconMargin
                             : std::max(widestWord, icon_.isNull() ? 0 : iconSize_.width());
    return {width + kHintPaddingX, sizeHint().height()};
}

void IconButton::repaintIf(bool repaint) {
    if (repaint) update();
}

// ---- hover tracking -------------------------------------------------------

void IconButton::mouseMoveEvent(QMouseEvent* event) {
    pointerMoved(event->buttons() != Qt::NoButton, event->position().toPoint());
    QPushButton::mouseMoveEvent(event);
}

void IconButton::enterEvent(QEnterEvent* event) {
    pointerMoved(event->buttons() != Qt::NoButton, event->position().toPoint());
    QPushButton::enterEvent(event);
}

void IconButton::pointerMoved(bool stylusDown, QPoint position) {
    if ((stylusDown && !hover_) || !flat_) return;
    if (!rect().contains(position) || hover_) return;
    hover_ = true;
    update();
    hoverWatch_->start();
}

void IconButton::watchPointer() {
    if (!rect().contains(mapFromGlobal(QCursor::pos()))) endHover();
}

void IconButton::endHover() {
    hoverWatch_->stop();
    if (!hover_) return;
    hover_ = false;
    update();
}

void IconButton::leaveEvent(QEvent* event) {
    endHover();
    QPushButton::leaveEvent(event);
}

void IconButton::focusOutEvent(QFocusEvent* event) {
    endHover();
    QPushButton::focusOutEvent(event);
}

void IconButton::changeEvent(QEvent* event) {
    if ((event->type() == QEvent::ActivationChange && !isActiveWindow()) ||
        (event->type() == QEvent::EnabledChange && !isEnabled()))
        endHover();
    QPushButton::changeEvent(event);
}

// ---- drawing --------------------------------------------------------------

void IconButton::drawBackground(QPainter& painter, const QRect& area, const DrawState& state) {
    const int slot = state.lit() ? kLitBackground : state.focused ? kFocusBackground : kRestBackground;
    painter.fillRect(area, color(slot));
}

void IconButton::drawBorder(QPainter& painter, const QRect& area, const DrawState& state) {
    if (!state.pressed && flat_ && !state.hover) return;
    // A two-line edge: the outer line in the highlight and shadow colours, a
    // softer inner line that deepens it.
    const QPalette& colours = palette();
    const bool raised = !state.pressed;
    const auto frame = [&painter](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    };
    const QColor highlight = colours.color(QPalette::Light);
    const QColor shadow = colours.color(QPalette::Dark);
    frame(area, raised ? highlight : shadow, raised ? shadow : highlight);
    const QColor softLight = colours.color(QPalette::Midlight);
    const QColor deepShadow = colours.color(QPalette::Shadow);
    frame(area.adjusted(1, 1, -1, -1), raised ? softLight : deepShadow,
          raised ? deepShadow : softLight);
}

QRect IconButton::placeIcon(QRect& captionArea, const QRect& area, bool hasCaption) const {
    const int w = iconSize_.width();
    const int h = iconSize_.height();
    const int centredX = area.left() + (area.width() - w) / 2;
    const int centredY = area.top() + (area.height() - h) / 2;
    switch (placement_) {
    case kIconAbove:
        if (!hasCaption) return {centredX, centredY, w, h};
        captionArea.setTop(captionArea.top() + h);
        return {centredX, kIconMargin, w, h};
    case kIconRight:
        if (!hasCaption) return {centredX, area.top(), w, h};
        captionArea = QRect(QPoint(kIconMargin, captionArea.top()),
                            QPoint(area.width() - w - kIconMargin - 1, captionArea.bottom()));
        return {area.left() + area.width() - w - kIconMargin, centredY, w, h};
    default:
        if (!hasCaption) return {centredX, centredY, w, h};
        captionArea.setLeft(captionArea.left() + w + kIconMargin);
        return {area.left() + kIconMargin, centredY, w, h};
    }
}

void IconButton::drawCaption(QPainter& painter, QRect captionArea, const QString& caption,
                             const DrawState& state) {
    if (state.pressed) captionArea.translate(1, 1);
    QRect block = painter.fontMetrics().boundingRect(captionArea, kTextFlags, caption);
    block.moveCenter(captionArea.center());
    if (state.disabled) {
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(block.translated(1, 1), kTextFlags, caption);
        painter.setPen(palette().color(QPalette::Dark));
    } else {
        painter.setPen(color(state.lit() ? kLitText : kRestText));
    }
    painter.drawText(block, kTextFlags, caption);
}

void IconButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    const DrawState state{.pressed = isDown(),
                          .focused = hasFocus(),
                          .disabled = !isEnabled(),
                          .hover = hover_};
    QRect area = rect();
    if (!flat_ && (state.focused || isDefault())) {
        painter.setPen(Qt::black);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        area.adjust(1, 1, -1, -1);
    }
    drawBackground(painter, area, state);
    drawBorder(painter, area, state);

    const QString caption = text().left(kCaptionLimit);
    QRect captionArea = area;
    if (!icon_.isNull()) {
        QRect iconArea = placeIcon(captionArea, area, !caption.isEmpty());
        if (state.pressed) iconArea.translate(1, 1);
        icon_.paint(&painter, iconArea, Qt::AlignCenter,
                    state.disabled ? QIcon::Disabled : QIcon::Normal);
    }
    if (!caption.isEmpty()) drawCaption(painter, captionArea, caption, state);

    if (!flat_ && state.focused) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(kFocusInset, kFocusInset, -kFocusInset - 1,
                                       -kFocusInset - 1));
    }
}

}  // namespace numora
