#include "app/BallPictureNames.h"

#include <gtest/gtest.h>

#include <chrono>

#include "support/TestFiles.h"

namespace numora {
namespace {

constexpr const char* kDataFolder = "\\Program Files\\Numora";

std::string pictureFor(int slot, int number, BonusStyle bonus = {}) {
    return ballPictureForSlot(kDataFolder, slot, number, bonus).value_or("<none>");
}

TEST(BallPictureNames, mainBallsUseTheDecimalNumberWithoutLeadingZeros) {
    EXPECT_EQ(pictureFor(1, 5), "\\Program Files\\Numora\\Balls\\5.jpg");
    EXPECT_EQ(pictureFor(2, 49), "\\Program Files\\Numora\\Balls\\49.jpg");
    EXPECT_EQ(pictureFor(7, 0), "\\Program Files\\Numora\\Balls\\0.jpg");
    EXPECT_EQ(pictureFor(3, -1), "\\Program Files\\Numora\\Balls\\-1.jpg");
    EXPECT_EQ(pictureFor(4, -5), "\\Program Files\\Numora\\Balls\\-5.jpg");
}

TEST(BallPictureNames, bonusSlotOfALotteryWithoutBonusAlwaysShowsTheEmptyBall) {
    EXPECT_EQ(pictureFor(8, 12), "\\Program Files\\Numora\\Balls\\-1.jpg");
    EXPECT_EQ(pictureFor(8, -3), "\\Program Files\\Numora\\Balls\\-1.jpg");
}

TEST(BallPictureNames, shownBonusUsesThePlainPicture) {
    const BonusStyle shown{.powerBall = false, .showBonus = true};
    EXPECT_EQ(pictureFor(8, 12, shown), "\\Program Files\\Numora\\Balls\\12.jpg");
    EXPECT_EQ(pictureFor(8, -1, shown), "\\Program Files\\Numora\\Balls\\-1.jpg");
}

TEST(BallPictureNames, powerBallIsRedExceptWhenEmptyWhateverTheShownBonusFlag) {
    for (const bool showBonus : {false, true}) {
        const BonusStyle power{.powerBall = true, .showBonus = showBonus};
        EXPECT_EQ(pictureFor(8, 12, power), "\\Program Files\\Numora\\Balls\\R12.jpg");
        EXPECT_EQ(pictureFor(8, 0, power), "\\Program Files\\Numora\\Balls\\R0.jpg");
        EXPECT_EQ(pictureFor(8, -1, power), "\\Program Files\\Numora\\Balls\\-1.jpg");
    }
}

TEST(BallPictureNames, slotsOutsideOneToEightHaveNoPicture) {
    EXPECT_EQ(ballPictureForSlot(kDataFolder, 0, 5, {}), std::nullopt);
    EXPECT_EQ(ballPictureForSlot(kDataFolder, 9, 5, {}), std::nullopt);
    EXPECT_EQ(ballPictureForSlot(kDataFolder, -1, 5, {}), std::nullopt);
}

TEST(BallPictureNames, idleDisplayRunsFromMinusTwoToMinusEightThenTheEmptyBall) {
    EXPECT_EQ(idlePictureNumber(1), -2);
    EXPECT_EQ(idlePictureNumber(7), -8);
    EXPECT_EQ(idlePictureNumber(8), kEmptyBall);
}

TEST(BallPictureNames, extremeNumbersAreWrittenInFull) {
    EXPECT_EQ(ballPicturePath("\\D", -2147483647 - 1), "\\D\\Balls\\-2147483648.jpg");
    EXPECT_EQ(powerBallPicturePath("", 99), "\\Balls\\R99.jpg");
}

TEST(BallPictureNames, theLargerVariantIsNamedAsQtNamesItAndShowsOnlyWhileNotOlderThanThePicture) {
    EXPECT_EQ(largerPicturePath("\\Program Files\\Numora\\Balls\\R-1.jpg"),
              "\\Program Files\\Numora\\Balls\\R-1@2x.jpg");
    EXPECT_EQ(largerPicturePath("/home/a.b/Balls/7.jpg"), "/home/a.b/Balls/7@2x.jpg");
    EXPECT_EQ(largerPicturePath("/home/a.b/Balls/7"), "/home/a.b/Balls/7@2x");

    testing::ScratchFolder folder;
    const auto picture = folder / "7.jpg";
    const auto larger = folder / "7@2x.jpg";
    EXPECT_FALSE(largerPictureBeside(picture).has_value());
    testing::writeBytes(larger, "large");
    EXPECT_FALSE(largerPictureBeside(picture).has_value()) << "a variant without its picture";
    testing::writeBytes(picture, "small");
    EXPECT_EQ(largerPictureBeside(picture), larger) << "written together, in either order";

    const auto installed = std::filesystem::last_write_time(larger);
    std::filesystem::last_write_time(picture, installed + std::chrono::hours(1));
    EXPECT_FALSE(largerPictureBeside(picture).has_value()) << "the user's own picture, put in later";
    std::filesystem::last_write_time(larger, installed + std::chrono::hours(2));
    EXPECT_EQ(largerPictureBeside(picture), larger) << "and its own larger one after it";
}

}  // namespace
}  // namespace numora
