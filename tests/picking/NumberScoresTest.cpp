#include <gtest/gtest.h>

#include "picking/NumberScores.h"

namespace numora {

TEST(NumberScores, scoresCountEveryFieldInRangeAndHowLongAgoItWasDrawn) {
    // 5: first and last draw; 7: last only; 9: first only, and as the bonus;
    // 11: never. 0, 50 and the extremes are outside 1 to 49.
    const DrawList draws{{0, 5, 9, 50, 0, 0, 0, 0, 9}, {0, 20, 21, 2147483647, 0, 0, 0, 0, -2147483647 - 1},
                         {0, 5, 7, 30, 0, 0, 0, 0, 0}};
    NumberScores scores;
    buildNumberScores(draws, 1, 49, scores);

    EXPECT_EQ((std::array{scores.count[7], scores.recency[7], scores.score[7]}), (std::array{1, 1, 0}));
    EXPECT_EQ((std::array{scores.count[5], scores.recency[5], scores.score[5]}), (std::array{2, 1, 1}));
    EXPECT_EQ((std::array{scores.count[9], scores.recency[9], scores.score[9]}), (std::array{2, 3, 3}));
    EXPECT_EQ((std::array{scores.count[11], scores.recency[11], scores.score[11]}), (std::array{0, 4, 2}));
    EXPECT_EQ((std::array{scores.count[0], scores.recency[0], scores.score[0]}), (std::array{0, 0, 0}));
    EXPECT_EQ(scores.count[50], 0);
}

}  // namespace numora
