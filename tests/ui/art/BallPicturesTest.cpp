#include "ui/art/BallPictures.h"

#include <QImage>
#include <gtest/gtest.h>

#include <set>

namespace numora::art {
namespace {

QByteArray pixelsOf(const QImage& picture) {
    return QByteArray(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
}

TEST(BallPictures, everyBallHasItsOwnPictureOfThePlaceholderSize) {
    std::set<QByteArray> seen;
    for (int number = -1; number <= 99; ++number) {
        for (const bool powerBall : {false, true}) {
            if (powerBall && number < 0) continue;
            const QImage picture = paintBallPicture(number, powerBall);
            EXPECT_EQ(picture.size(), ballPictureSize());
            EXPECT_TRUE(seen.insert(pixelsOf(picture)).second) << number << " repeats another, PowerBall " << powerBall;
        }
    }
    EXPECT_EQ(paintBallPicture(100, false), paintBallPicture(-1, false));
}

TEST(BallPictures, idlePicturesDifferExactlyWhereTheirLettersDo) {
    for (int a = -8; a <= -2; ++a) {
        EXPECT_NE(paintBallPicture(a, false), paintBallPicture(-1, false));
        for (int b = -8; b <= -2; ++b) {
            const bool sameLetter = kIdleWord[-a - 2] == kIdleWord[-b - 2];
            EXPECT_EQ(paintBallPicture(a, false) == paintBallPicture(b, false), sameLetter) << a << " and " << b;
        }
    }
}

TEST(BallPictures, aSecondDrumsBallsAreTheirOwnAtBothSizesWhileItsEmptyBallIsTheUsualOne) {
    std::set<QByteArray> seen;
    for (int number = 0; number <= 99; ++number) {
        for (const bool powerBall : {false, true}) seen.insert(pixelsOf(paintBallPicture(number, powerBall)));
    }
    for (int number = 0; number <= 99; ++number) {
        const QImage picture = paintSecondDrumPicture(number);
        EXPECT_EQ(picture.size(), ballPictureSize());
        EXPECT_TRUE(seen.insert(pixelsOf(picture)).second) << number;
        EXPECT_EQ(paintSecondDrumPicture(number, 2).size(), ballPictureSize() * 2);
    }
    EXPECT_EQ(paintSecondDrumPicture(-1), paintBallPicture(-1, false));
}

}  // namespace
}  // namespace numora::art
