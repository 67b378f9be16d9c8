#include <gtest/gtest.h>

#include "draws/DrawStats.h"

namespace numora {

TEST(DrawStats, countsTheLotterysBallsAndBonusFromMinToMaxButOnlyNumbersZeroToNinetyNine) {
    LotteryProfile profile{.name = "5 of 39", .balls = 5, .max = 39, .bonus = 42};
    const DrawList draws = {
        {0, 7, 8, 9, 10, 11, 12, 13, 40}, {0, 7, 7, 1, 2, 39, 0, 0, 12}, {0, 0, 40, 3, 4, 5, 6, 6, 7}};
    const DrawStatistics statistics = countDrawNumbers(draws, profile);
    EXPECT_EQ(statistics.records, 3);
    ASSERT_EQ(statistics.rows.size(), 39u);
    EXPECT_EQ(statistics.rows[6], (NumberFrequency{7, 4}));    // balls 1 to 5 and the bonus
    EXPECT_EQ(statistics.rows[11], (NumberFrequency{12, 1}));  // not ball 6 of a 5-ball lottery
    EXPECT_EQ(statistics.rows[38], (NumberFrequency{39, 1}));

    profile.bonus = 0;
    profile.min = 0;
    const DrawStatistics noBonus = countDrawNumbers(draws, profile);
    EXPECT_EQ(noBonus.rows.front(), (NumberFrequency{0, 1}));
    EXPECT_EQ(noBonus.rows[7], (NumberFrequency{7, 3}));

    // A hand-edited profile reaching past 0..99 counts only 0 to 99.
    const LotteryProfile wideProfile{.name = "Wide", .min = -5, .max = 150};
    const DrawStatistics wide = countDrawNumbers({{0, -1, 99, 120, 0, 5, 5, 5, 99}}, wideProfile);
    ASSERT_EQ(wide.rows.size(), 100u);
    EXPECT_EQ(wide.rows.front(), (NumberFrequency{0, 1}));
    EXPECT_EQ(wide.rows.back(), (NumberFrequency{99, 2}));
    EXPECT_EQ(countDrawNumbers({{0, 1, 2, 3, 4, 5, 6, 7, 8}}, {.name = "Empty", .max = -2}).records, 1);
}

}  // namespace numora
