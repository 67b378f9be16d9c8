#pragma once

#include <QPixmap>
#include <QRect>
#include <QWidget>

#include <array>

#include "app/AppState.h"
#include "app/BallPictureNames.h"
#include "platform/DevicePaths.h"

namespace numora {

// Where the pictures go, in the display's own coordinates: the logo and the
// eight ball slots (index 0 is slot 1, index 7 the bonus slot). Only the
// top-left corners count: pictures are copied at their own size.
struct BallPlaceholders {
    QRect logo;
    std::array<QRect, kBallSlotCount> balls;
};

// The logo and the eight ball pictures of a pick. `ShowBall` loads a slot's
// picture from the data folder's "Balls" folder; a picture that is missing or
// cannot be decoded leaves the slot as it was. On a screen scaled above 1 it
// loads the picture's larger variant where there is one (see
// largerPictureBeside). Painting copies the logo and each loaded picture at its
// own size at its placeholder, over the white picture background.
class BallDisplay : public QWidget {
    Q_OBJECT

public:
    // The data folder and the current lottery (its bonus flags and second
    // drum) are read from the state at each call, so they follow the lottery
    // in use.
    BallDisplay(const AppState& state, const DevicePaths& paths, QWidget* parent = nullptr);

    // A row for a display `width` pixels wide: the logo centred at the top, the
    // seven main balls below it and the bonus ball a little apart at the end.
    static BallPlaceholders rowPlaceholders(int width);

    void setPlaceholders(const BallPlaceholders& placeholders);

    // Shows a number in slot 1 to 8; any other slot does nothing.
    void ShowBall(int slot, int number);
    // The empty ball in every slot.
    void clear();
    // The idle pictures in slots 1 to 7 and the empty ball in slot 8.
    void showIdle();
    // Rings the pictures of the marked slots (index 0 is slot 1), such as the
    // balls of a checked line that the draw holds; clear and showIdle take
    // the marks away.
    void setMarks(const std::array<bool, kBallSlotCount>& marks);
    const std::array<bool, kBallSlotCount>& marks() const { return marks_; }

    // The picture a slot holds; null before its first successful load.
    QPixmap picture(int slot) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const AppState& state_;
    const DevicePaths& paths_;
    BallPlaceholders placeholders_;
    QPixmap logo_;
    std::array<QPixmap, kBallSlotCount> pictures_;
    std::array<bool, kBallSlotCount> marks_{};
};

}  // namespace numora
