#include "picking/PickListText.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

TEST(PickListText, welcomeLinesNameTheLotteryAndItsBallsWhenAsked) {
    const LotteryProfile daily{"Daily", 3, 0, 9, 0, false, false, false, false};
    const std::vector<std::string> welcome{"Select PICK to calculate your", "Daily", "predicted numbers",
                                           "or select a different lottery.", "Good Luck!"};
    EXPECT_EQ(welcomeLines(daily, false), welcome);
    std::vector<std::string> chosen = welcome;
    chosen.push_back("3 Balls, from 0 to 9");
    EXPECT_EQ(welcomeLines(daily, true), chosen);
}

TEST(PickListText, onlyLinesHoldingSelectMeanNoPicks) {
    EXPECT_TRUE(showsNoPicks("Select PICK to calculate."));
    EXPECT_TRUE(showsNoPicks("Select PICK to calculate your"));
    EXPECT_FALSE(showsNoPicks("03  09  17  23  40  41  - 07"));
    EXPECT_FALSE(showsNoPicks("select"));
    EXPECT_FALSE(showsNoPicks(""));
}

}  // namespace
}  // namespace numora
