#include "app/BallPictureNames.h"

#include <gtest/gtest.h>

#include <chrono>

#include "support/TestFiles.h"

namespace numora {
namespace {

TEST(BallPictureNames, eachSlotShowsItsNumbersPictureAndTheBonusSlotFollowsTheLotterysFlags) {
    const BonusStyle none;
    const BonusStyle shown{.powerBall = false, .showBonus = true};
    const BonusStyle power{.powerBall = true, .showBonus = true};
    const struct {
        int slot;
        int number;
        BonusStyle bonus;
        const char* picture;
    } cases[] = {
        {1, 5, none, "5.jpg"}, {7, 0, none, "0.jpg"}, {3, -1, none, "-1.jpg"}, {4, -5, none, "-5.jpg"},
        {8, 12, none, "-1.jpg"},  // a lottery without a bonus always shows the empty ball
        {8, 12, shown, "12.jpg"}, {8, -1, shown, "-1.jpg"},
        {8, 12, power, "R12.jpg"}, {8, 0, power, "R0.jpg"}, {8, -1, power, "-1.jpg"},
        {8, 12, {.powerBall = true}, "R12.jpg"},
    };
    for (const auto& [slot, number, bonus, picture] : cases) {
        EXPECT_EQ(ballPictureForSlot("\\Program Files\\Numora", slot, number, bonus),
                  std::string("\\Program Files\\Numora\\Balls\\") + picture)
            << slot << " " << number;
    }
    for (const int slot : {0, 9, -1}) EXPECT_EQ(ballPictureForSlot("\\D", slot, 5, {}), std::nullopt) << slot;
    EXPECT_EQ(idlePictureNumber(1), -2);
    EXPECT_EQ(idlePictureNumber(7), -8);
    EXPECT_EQ(idlePictureNumber(8), kEmptyBall);
    EXPECT_EQ(ballPicturePath("\\D", -2147483647 - 1), "\\D\\Balls\\-2147483648.jpg");
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

TEST(BallPictureNames, theSlotsOfASecondDrumShowItsOwnPicturesAndEveryOtherSlotAsBefore) {
    const LotteryProfile euro{.name = "Euro", .balls = 5, .max = 50, .bonus = 0, .drum2 = 2, .drum2Min = 1,
                              .drum2Max = 12};
    LotteryProfile superzahl{.name = "6aus49", .balls = 6, .max = 49, .showBonus = true, .drum2 = 1, .drum2Min = 0,
                             .drum2Max = 9};
    const struct {
        const LotteryProfile& lottery;
        int slot;
        int number;
        const char* picture;
    } cases[] = {
        {euro, 5, 7, "7.jpg"},       {euro, 6, 7, "S7.jpg"},      {euro, 7, 12, "S12.jpg"},
        {euro, 6, -1, "-1.jpg"},     {euro, 7, -8, "-8.jpg"},     {euro, 8, 7, "-1.jpg"},
        {superzahl, 7, 0, "S0.jpg"}, {superzahl, 6, 0, "0.jpg"},  {superzahl, 8, 3, "3.jpg"},
    };
    for (const auto& [lottery, slot, number, picture] : cases) {
        EXPECT_EQ(lotteryBallPicture("\\D", slot, number, lottery), std::string("\\D\\Balls\\") + picture)
            << lottery.name << " " << slot << " " << number;
    }
    // Without a second drum, as the flags alone decide.
    superzahl.drum2 = 0;
    superzahl.powerBall = true;
    for (int slot = 0; slot <= 9; ++slot) {
        EXPECT_EQ(lotteryBallPicture("\\D", slot, 12, superzahl),
                  ballPictureForSlot("\\D", slot, 12, {.powerBall = true, .showBonus = true}))
            << slot;
    }
}

}  // namespace
}  // namespace numora
