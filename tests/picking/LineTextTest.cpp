#include <gtest/gtest.h>

#include "PickingTestData.h"
#include "picking/LineText.h"

namespace numora {

TEST(LineText, numbersAreTwoDigitsTwoSpacesApartWithTheBonusShownByTheFlags) {
    const PickedLine six{{3, 9, 17, 23, 40, 41, -1}, 7};
    const LotteryProfile showBonus = testing::lotteryProfile(6, 1, 49, 49, false, true);
    const LotteryProfile powerBall = testing::lotteryProfile(6, 1, 49, 49, true, false);
    const LotteryProfile both = testing::lotteryProfile(6, 1, 49, 49, true, true);
    const LotteryProfile bothWithoutBonus = testing::lotteryProfile(6, 1, 49, 0, true, true);
    const LotteryProfile neither = testing::lotteryProfile(6, 1, 49, 49);

    EXPECT_EQ(makeLineText(six, showBonus), "03  09  17  23  40  41  - 07");
    EXPECT_EQ(makeLineText(six, powerBall), "03  09  17  23  40  41  - 07");
    EXPECT_EQ(makeLineText(six, both), "03  09  17  23  40  41  - 07 - 07");
    EXPECT_EQ(makeLineText(six, bothWithoutBonus), "03  09  17  23  40  41 ");
    EXPECT_EQ(makeLineText(six, neither), "03  09  17  23  40  41 ");

    // Slots past the ball count, and empty slots, are not written.
    const LotteryProfile three = testing::lotteryProfile(3, 1, 49);
    const LotteryProfile seven = testing::lotteryProfile(7, 0, 49);
    EXPECT_EQ(makeLineText(PickedLine{{3, 17, 42, 5, 6, 7, 8}, -1}, three), "03  17  42 ");
    EXPECT_EQ(makeLineText(PickedLine{{0, 1, 2, -1, 4, -1, -1}, -1}, seven), "00  01  02  04 ");
}

TEST(LineText, aPickLineReadsBackIntoItsSlots) {
    const LotteryProfile showBonus = testing::lotteryProfile(6, 1, 49, 49, false, true);
    EXPECT_EQ(readLineText("03  09  17  23  40  41  - 07", showBonus), (PickedLine{{3, 9, 17, 23, 40, 41, -1}, 7}));

    const LotteryProfile both = testing::lotteryProfile(7, 1, 49, 49, true, true);
    EXPECT_EQ(readLineText("01  02  03  04  05  06  07  - 08 - 08", both), (PickedLine{{1, 2, 3, 4, 5, 6, 7}, 8}));

    // Without a shown bonus the last characters are not read.
    const LotteryProfile three = testing::lotteryProfile(3, 1, 49, 49);
    EXPECT_EQ(readLineText("03  17  42 ", three), (PickedLine{{3, 17, 42, -1, -1, -1, -1}, -1}));
}

TEST(LineText, readingIsLenientAndSkipsListLinesThatAreNotPicks) {
    const LotteryProfile powerBall = testing::lotteryProfile(6, 1, 49, 49, true, false);
    EXPECT_EQ(readLineText("Select PICK to calculate.", powerBall), std::nullopt);
    EXPECT_EQ(readLineText("Good Luck!", powerBall), std::nullopt);
    EXPECT_EQ(readLineText("", powerBall), std::nullopt);

    // Pieces that are not numbers read as 0; a short text leaves pieces empty.
    EXPECT_EQ(readLineText(" 7  x1  -3  1.  +5  ab", powerBall), (PickedLine{{7, 0, -3, 1, 5, 0, -1}, 0}));
    EXPECT_EQ(readLineText("9", powerBall), (PickedLine{{9, 0, 0, 0, 0, 0, -1}, 9}));
}

}  // namespace numora
