#include <gtest/gtest.h>

#include "draws/DrawStats.h"

namespace numora {

namespace {
DrawRecord draw(std::array<std::int32_t, 8> numbers) {
    DrawRecord record;
    for (int i = 0; i < DrawRecord::kNumberCount; ++i) record.number(i) = numbers[static_cast<std::size_t>(i)];
    return record;
}
}  // namespace

TEST(DrawStats, countsTheLotterysBallsAndBonusByNumberFromMinToMax) {
    LotteryProfile profile;  // 6 balls from 1 to 49
    EXPECT_EQ(countDrawNumbers({}, profile).rows.size(), 49u);
    EXPECT_EQ(countDrawNumbers({}, profile).rows.front(), (NumberFrequency{1, 0}));

    profile.balls = 5;
    profile.max = 39;
    profile.bonus = 42;
    const DrawList draws = {draw({7, 8, 9, 10, 11, 12, 13, 40}), draw({7, 7, 1, 2, 39, 0, 0, 12}),
                            draw({0, 40, 3, 4, 5, 6, 6, 7})};
    const DrawStatistics statistics = countDrawNumbers(draws, profile);
    EXPECT_EQ(statistics.records, 3);
    ASSERT_EQ(statistics.rows.size(), 39u);
    EXPECT_EQ(statistics.rows[6], (NumberFrequency{7, 4}));
    EXPECT_EQ(statistics.rows[11], (NumberFrequency{12, 1}));
    EXPECT_EQ(statistics.rows[12], (NumberFrequency{13, 0}));
    EXPECT_EQ(statistics.rows[38], (NumberFrequency{39, 1}));

    profile.bonus = 0;
    profile.min = 0;
    const DrawStatistics noBonus = countDrawNumbers(draws, profile);
    EXPECT_EQ(noBonus.rows.front(), (NumberFrequency{0, 1}));
    EXPECT_EQ(noBonus.rows[7], (NumberFrequency{7, 3}));
}

TEST(DrawStats, handEditedProfileCountsOnlyNumbersZeroToNinetyNine) {
    LotteryProfile profile;
    profile.min = -5;
    profile.max = 150;
    const DrawStatistics statistics = countDrawNumbers({draw({-1, 99, 120, 0, 5, 5, 5, 99})}, profile);
    ASSERT_EQ(statistics.rows.size(), 100u);
    EXPECT_EQ(statistics.rows.front(), (NumberFrequency{0, 1}));
    EXPECT_EQ(statistics.rows.back(), (NumberFrequency{99, 2}));
    profile.max = -2;
    EXPECT_EQ(countDrawNumbers({draw({1, 2, 3, 4, 5, 6, 7, 8})}, profile).records, 1);
}

}  // namespace numora
