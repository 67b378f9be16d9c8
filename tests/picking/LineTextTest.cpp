#include <gtest/gtest.h>

#include "picking/LineText.h"

namespace numora {

namespace {

LotteryProfile profile(int balls, int bonus, bool powerBall, bool showBonus) {
    LotteryProfile made;
    made.balls = balls;
    made.bonus = bonus;
    made.powerBall = powerBall;
    made.showBonus = showBonus;
    return made;
}

PickedLine lineOf(std::array<int, 7> slots, int bonus) {
    PickedLine line;
    line.slots = slots;
    line.bonus = bonus;
    return line;
}

}  // namespace

TEST(LineText, numbersAreTwoDigitsTwoSpacesApartWithTheBonusShownByTheFlags) {
    const PickedLine six = lineOf({3, 9, 17, 23, 40, 41, -1}, 7);
    EXPECT_EQ(makeLineText(six, profile(6, 49, false, true)), "03  09  17  23  40  41  - 07");
    EXPECT_EQ(makeLineText(six, profile(6, 49, true, false)), "03  09  17  23  40  41  - 07");
    EXPECT_EQ(makeLineText(six, profile(6, 49, true, true)), "03  09  17  23  40  41  - 07 - 07");
    EXPECT_EQ(makeLineText(six, profile(6, 0, true, true)), "03  09  17  23  40  41 ");
    EXPECT_EQ(makeLineText(six, profile(6, 49, false, false)), "03  09  17  23  40  41 ");

    // Slots past the ball count, and empty slots, are not written.
    EXPECT_EQ(makeLineText(lineOf({3, 17, 42, 5, 6, 7, 8}, -1), profile(3, 0, false, false)), "03  17  42 ");
    EXPECT_EQ(makeLineText(lineOf({0, 1, 2, -1, 4, -1, -1}, -1), profile(7, 0, false, false)), "00  01  02  04 ");
}

TEST(LineText, aPickLineReadsBackIntoItsSlots) {
    const auto six = readLineText("03  09  17  23  40  41  - 07", profile(6, 49, false, true));
    ASSERT_TRUE(six.has_value());
    EXPECT_EQ(*six, lineOf({3, 9, 17, 23, 40, 41, -1}, 7));

    const auto seven = readLineText("01  02  03  04  05  06  07  - 08 - 08", profile(7, 49, true, true));
    ASSERT_TRUE(seven.has_value());
    EXPECT_EQ(*seven, lineOf({1, 2, 3, 4, 5, 6, 7}, 8));

    // Without a shown bonus the last characters are not read.
    const auto three = readLineText("03  17  42 ", profile(3, 49, false, false));
    ASSERT_TRUE(three.has_value());
    EXPECT_EQ(*three, lineOf({3, 17, 42, -1, -1, -1, -1}, -1));
}

TEST(LineText, readingIsLenientAndSkipsListLinesThatAreNotPicks) {
    const LotteryProfile lotto = profile(6, 49, true, false);
    EXPECT_EQ(readLineText("Select PICK to calculate.", lotto), std::nullopt);
    EXPECT_EQ(readLineText("Good Luck!", lotto), std::nullopt);
    EXPECT_EQ(readLineText("", lotto), std::nullopt);

    // Pieces that are not numbers read as 0; a short text leaves pieces empty.
    EXPECT_EQ(readLineText(" 7  x1  -3  1.  +5  ab", lotto), lineOf({7, 0, -3, 1, 5, 0, -1}, 0));
    EXPECT_EQ(readLineText("9", lotto), lineOf({9, 0, 0, 0, 0, 0, -1}, 9));
}

}  // namespace numora
