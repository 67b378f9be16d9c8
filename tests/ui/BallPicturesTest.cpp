#include "ui/art/BallPictures.h"

#include <QImage>
#include <gtest/gtest.h>

#include <set>

namespace numora::art {
namespace {

// Mostly red, mostly blue or mostly gold: the hue at a point of the ball's
// body, left of the number disc.
int bodyHue(const QImage& picture) { return picture.pixelColor(6, 14).hue(); }

TEST(BallPictures, everyPictureHasThePlaceholderSize) {
    for (const int number : {-8, -2, -1, 0, 7, 99})
        EXPECT_EQ(paintBallPicture(number, false).size(), ballPictureSize()) << number;
    EXPECT_EQ(paintBallPicture(12, true).size(), ballPictureSize());
    EXPECT_EQ(ballPictureSize(), QSize(28, 28));
}

TEST(BallPictures, powerBallsAreRedAndMainBallsBlue) {
    const QImage main = paintBallPicture(12, false);
    const QImage power = paintBallPicture(12, true);
    EXPECT_GT(bodyHue(main), 200);
    EXPECT_LT(bodyHue(main), 250);
    EXPECT_TRUE(bodyHue(power) < 15 || bodyHue(power) > 345) << bodyHue(power);
}

QByteArray pixelsOf(const QImage& picture) {
    return QByteArray(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
}

TEST(BallPictures, everyNumberLooksDifferent) {
    std::set<QByteArray> seen;
    for (int number = -1; number <= 99; ++number) {
        EXPECT_TRUE(seen.insert(pixelsOf(paintBallPicture(number, false))).second)
            << "ball " << number << " repeats another";
        if (number >= 0) {
            EXPECT_TRUE(seen.insert(pixelsOf(paintBallPicture(number, true))).second)
                << "PowerBall " << number << " repeats another";
        }
    }
}

TEST(BallPictures, idlePicturesDifferExactlyWhereTheirLettersDo) {
    for (int a = -8; a <= -2; ++a) {
        EXPECT_NE(paintBallPicture(a, false), paintBallPicture(-1, false));
        for (int b = -8; b <= -2; ++b) {
            const bool sameLetter = kIdleWord[-a - 2] == kIdleWord[-b - 2];
            EXPECT_EQ(paintBallPicture(a, false) == paintBallPicture(b, false), sameLetter)
                << a << " and " << b;
        }
    }
}

TEST(BallPictures, emptyBallHasNoNumberDisc) {
    const QImage empty = paintBallPicture(-1, false);
    const QColor centre = empty.pixelColor(14, 14);
    EXPECT_LT(centre.saturation(), 40);
    EXPECT_LT(centre.value(), 250);  // the grey ball, not a white disc
    EXPECT_EQ(paintBallPicture(100, false), empty);
}

TEST(BallPictures, idleWordFillsTheSevenIdleSlots) {
    EXPECT_EQ(std::char_traits<char>::length(kIdleWord), 7u);
}

}  // namespace
}  // namespace numora::art
