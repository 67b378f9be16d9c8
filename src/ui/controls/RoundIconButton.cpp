#include "ui/controls/RoundIconButton.h"

#include <QPainter>

namespace numora {

RoundIconButton::RoundIconButton(const QString& caption, QWidget* parent)
    : IconButton(caption, parent) {}

int RoundIconButton::SetRounded(bool rounded, bool repaint) {
    rounded_ = rounded;
    if (repaint) update();
    return kDone;
}

void RoundIconButton::drawBorder(QPainter&, const QRect&, const DrawState&) {}

void RoundIconButton::drawBackground(QPainter& painter, const QRect& area,
                                     const DrawState& state) {
    if (!state.lit()) {
        IconButton::drawBackground(painter, area, state);
        return;
    }
    painter.save();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(color(kLitBackground));
    const QRectF box = QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5);
    if (rounded_) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawRoundedRect(box, kCornerDiameter / 2.0, kCornerDiameter / 2.0);
    } else {
        painter.drawRect(box);
    }
    painter.restore();
}

}  // namespace numora
