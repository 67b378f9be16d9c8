#include <gtest/gtest.h>

#include "PickingTestData.h"
#include "picking/LineText.h"
#include "picking/PickListText.h"

namespace numora {

using testing::lotteryProfile;

TEST(LineText, numbersAreTwoDigitsTwoSpacesApartWithTheBonusOncePerFlag) {
    const PickedLine six{{3, 9, 17, 23, 40, 41, -1}, 7};
    EXPECT_EQ(makeLineText(six, lotteryProfile(6, 1, 49, 49, false, true)), "03  09  17  23  40  41  - 07");
    EXPECT_EQ(makeLineText(six, lotteryProfile(6, 1, 49, 49, true, true)), "03  09  17  23  40  41  - 07 - 07");
    EXPECT_EQ(makeLineText(six, lotteryProfile(6, 1, 49, 0, true, true)), "03  09  17  23  40  41 ");
    // Slots past the ball count, and empty slots, are not written.
    EXPECT_EQ(makeLineText(PickedLine{{3, 17, 42, 5, 6, 7, 8}, 9}, lotteryProfile(3, 1, 49)), "03  17  42 ");
    EXPECT_EQ(makeLineText(PickedLine{{0, 1, 2, -1, 4, -1, -1}, 9}, lotteryProfile(7, 0, 49)), "00  01  02  04 ");
}

TEST(LineText, aPickLineReadsBackByCharacterPositions) {
    EXPECT_EQ(readLineText("03  09  17  23  40  41  - 07", lotteryProfile(6, 1, 49, 49, false, true)),
              (PickedLine{{3, 9, 17, 23, 40, 41, -1}, 7}));
    EXPECT_EQ(readLineText("03  17  42  - 07", lotteryProfile(3, 1, 49, 49)),  // no bonus shown
              (PickedLine{{3, 17, 42, -1, -1, -1, -1}}));
    // Pieces that are not numbers read as 0; a short text leaves pieces empty.
    const LotteryProfile powerBall = lotteryProfile(6, 1, 49, 49, true);
    EXPECT_EQ(readLineText(" 7  x1  -3  1.  +5  ab", powerBall), (PickedLine{{7, 0, -3, 1, 5, 0, -1}, 0}));
    EXPECT_EQ(readLineText("9", powerBall), (PickedLine{{9, 0, 0, 0, 0, 0, -1}, 9}));
    for (const char* text : {"Select PICK to calculate.", "Good Luck!", ""}) {
        EXPECT_EQ(readLineText(text, powerBall), std::nullopt) << text;
    }
}

TEST(PickListText, onlyLinesHoldingSelectMeanNoPicks) {
    for (const auto& [line, noPicks] : std::vector<std::pair<std::string, bool>>{
             {"Select PICK to calculate.", true}, {"03  09  17  23  40  41  - 07", false}, {"select", false}}) {
        EXPECT_EQ(showsNoPicks(line), noPicks) << line;
    }
}

}  // namespace numora
