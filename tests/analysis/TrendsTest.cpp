#include <gtest/gtest.h>

#include "AnalysisTestData.h"
#include "analysis/Trends.h"

namespace numora {
namespace {

using testing::drawOf;

// Three balls from 1 to 9 and a PowerBall from 1 to 5.
const LotteryProfile kSmall{"Small", 3, 1, 9, 5, false, false, true, false};
// The latest draw last; the second has no bonus.
const DrawList kDraws{drawOf(0, {1, 2, 3}, 4), drawOf(1, {1, 4, 5}, 0), drawOf(2, {2, 4, 6}, 4),
                      drawOf(3, {1, 7, 8}, 2)};

std::vector<int> counts(const TrendSet& set) {
    std::vector<int> all;
    for (const NumberTrend& trend : set.numbers) all.push_back(trend.count);
    return all;
}

std::vector<int> numbers(const std::vector<NumberTrend>& trends) {
    std::vector<int> all;
    for (const NumberTrend& trend : trends) all.push_back(trend.number);
    return all;
}

TEST(Trends, countsTheLastDrawsWithTheExpectedShareAndTheBonusApart) {
    const Trends lastTwo = countTrends(kDraws, kSmall, 2);
    EXPECT_EQ(lastTwo.drawsCounted, 2u);
    EXPECT_EQ(lastTwo.drawsKept, 4u);
    EXPECT_EQ(counts(lastTwo.main), (std::vector<int>{1, 1, 0, 1, 0, 1, 1, 1, 0}));
    EXPECT_EQ(lastTwo.main.ballsCounted, 6);
    EXPECT_DOUBLE_EQ(lastTwo.main.expected, 6.0 / 9.0);
    EXPECT_EQ(counts(lastTwo.bonus), (std::vector<int>{0, 1, 0, 1, 0}));
    EXPECT_DOUBLE_EQ(lastTwo.bonus.expected, 2.0 / 5.0);

    // Draws since seen look at every draw, however few are counted.
    std::vector<std::optional<int>> since;
    for (const NumberTrend& trend : lastTwo.main.numbers) since.push_back(trend.drawsSinceSeen);
    EXPECT_EQ(since, (std::vector<std::optional<int>>{0, 1, 3, 1, 2, 1, 0, 0, std::nullopt}));
    EXPECT_EQ(lastTwo.bonus.numbers[3], (NumberTrend{4, 1, 1}));
    EXPECT_EQ(lastTwo.bonus.numbers[0], (NumberTrend{1, 0, std::nullopt}));

    // All draws: the draw without a bonus adds main balls only.
    for (const auto last : {std::optional<std::size_t>{}, std::optional<std::size_t>{10}}) {
        const Trends all = countTrends(kDraws, kSmall, last);
        EXPECT_EQ(all.drawsCounted, 4u);
        EXPECT_EQ(counts(all.main), (std::vector<int>{3, 2, 1, 2, 1, 1, 1, 1, 0}));
        EXPECT_DOUBLE_EQ(all.main.expected, 12.0 / 9.0);
        EXPECT_DOUBLE_EQ(all.bonus.expected, 3.0 / 5.0);
    }

    // No bonus, no bonus rows; a bonus range from 0 starts at 1, as 0 means none.
    EXPECT_TRUE(countTrends(kDraws, testing::kPick3, std::nullopt).bonus.numbers.empty());
    const LotteryProfile fromZero{"Zero", 3, 0, 9, 5, false, false, true, false};
    EXPECT_EQ(countTrends(kDraws, fromZero, std::nullopt).bonus.numbers.front().number, 1);
    EXPECT_EQ(countTrends(kDraws, fromZero, std::nullopt).main.numbers.front().number, 0);
}

TEST(Trends, sortByCountOrDrawsSinceSeenKeepsTiesInNumberOrder) {
    std::vector<NumberTrend> trends = countTrends(kDraws, kSmall, std::nullopt).main.numbers;
    sortTrends(trends, TrendOrder::Count);
    EXPECT_EQ(numbers(trends), (std::vector<int>{1, 2, 4, 3, 5, 6, 7, 8, 9}));
    sortTrends(trends, TrendOrder::DrawsSinceSeen);
    EXPECT_EQ(numbers(trends), (std::vector<int>{9, 3, 5, 2, 4, 6, 1, 7, 8}));
    sortTrends(trends, TrendOrder::Number);
    EXPECT_EQ(numbers(trends), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

}  // namespace
}  // namespace numora
