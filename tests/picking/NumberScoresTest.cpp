#include <gtest/gtest.h>

#include "picking/NumberScores.h"

namespace numora {

namespace {

DrawRecord draw(std::array<int, 8> numbers) {
    DrawRecord record;
    for (int field = 0; field < DrawRecord::kNumberCount; ++field) record.number(field) = numbers[field];
    return record;
}

}  // namespace

TEST(NumberScores, threeDrawsScoreByCountAndHowLongAgo) {
    // 5: first and last draw; 7: last only; 9: first only; 11: never; 44 as a bonus.
    const DrawList draws{draw({5, 9, 12, 13, 14, 15, 0, 44}), draw({20, 21, 22, 23, 24, 25, 0, 0}),
                         draw({5, 7, 30, 31, 32, 33, 0, 0})};
    NumberScores scores;
    buildNumberScores(draws, 1, 49, scores);

    EXPECT_EQ(scores.count[7], 1);
    EXPECT_EQ(scores.recency[7], 1);
    EXPECT_EQ(scores.score[7], 0);
    EXPECT_EQ(scores.count[5], 2);
    EXPECT_EQ(scores.recency[5], 1);
    EXPECT_EQ(scores.score[5], 1);
    EXPECT_EQ(scores.count[9], 1);
    EXPECT_EQ(scores.recency[9], 3);
    EXPECT_EQ(scores.score[9], 2);
    EXPECT_EQ(scores.count[11], 0);
    EXPECT_EQ(scores.recency[11], 4);
    EXPECT_EQ(scores.score[11], 2);
    EXPECT_EQ(scores.count[44], 1);
    EXPECT_EQ(scores.recency[44], 3);
}

TEST(NumberScores, fieldsOutsideTheRangeAreNotCounted) {
    const DrawList draws{draw({1, 2, 3, -1, -1, 50, 2147483647, 0}), draw({1, 1, 3, 3, 3, 0, 0, -2147483647 - 1})};
    NumberScores scores;
    buildNumberScores(draws, 1, 49, scores);

    EXPECT_EQ(scores.count[0], 0);
    EXPECT_EQ(scores.score[0], 0);
    EXPECT_EQ(scores.count[50], 0);
    EXPECT_EQ(scores.score[50], 0);
    EXPECT_EQ(scores.count[1], 3);
    EXPECT_EQ(scores.count[3], 4);
    EXPECT_EQ(scores.score[3], 4 + 1 - 2);
    EXPECT_EQ(scores.score[2], 1 + 2 - 2);
}

TEST(NumberScores, withoutDrawsEveryNumberHasRecencyOne) {
    NumberScores scores;
    buildNumberScores(DrawList{}, 0, 9, scores);
    EXPECT_EQ(scores.recency[0], 1);
    EXPECT_EQ(scores.score[9], -1);
    EXPECT_EQ(scores.score[10], 0);
}

}  // namespace numora
