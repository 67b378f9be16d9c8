#pragma once

#include <QImage>
#include <QSize>

namespace numora::art {

// Every ball picture is painted at the size of the display's placeholders:
// 28 by 28 pixels, so eight balls with small gaps fit across a 240-pixel-wide
// screen. Pictures are copied unscaled, so this is also their size on screen.
inline constexpr int kBallPictureSide = 28;
inline QSize ballPictureSize() { return {kBallPictureSide, kBallPictureSide}; }

// The word the idle display spells across slots 1 to 7 (pictures -2 to -8).
inline constexpr char kIdleWord[] = "WELCOME";

// Paints the picture of a ball on the white picture background:
// 0 to 99 a blue ball with its number, with `powerBall` a red one; -1 the empty
// ball; -2 to -8 the golden letters of the idle word. Any other number gives
// the empty ball. With `scale` 2 the same picture in twice the pixels each way,
// for a high-resolution screen.
QImage paintBallPicture(int number, bool powerBall, int scale = 1);
// The same for a ball of a lottery's second drum: 0 to 99 a ball of the
// second drum's colour with its number.
QImage paintSecondDrumPicture(int number, int scale = 1);

}  // namespace numora::art
