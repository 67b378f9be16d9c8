#pragma once

#include "ui/controls/IconButton.h"

namespace numora {

// An icon button that never draws an edge and, while lit, shows a rounded box
// outlined in black (a plain box when rounded is off).
class RoundIconButton : public IconButton {
    Q_OBJECT

public:
    static constexpr int kCornerDiameter = 8;

    explicit RoundIconButton(const QString& caption = QString(), QWidget* parent = nullptr);

    int SetRounded(bool rounded, bool repaint);

protected:
    void drawBorder(QPainter& painter, const QRect& area, const DrawState& state) override;
    void drawBackground(QPainter& painter, const QRect& area, const DrawState& state) override;

private:
    bool rounded_ = false;
};

}  // namespace numora
