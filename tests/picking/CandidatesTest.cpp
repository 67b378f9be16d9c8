#include <gtest/gtest.h>

#include <algorithm>

#include "picking/Candidates.h"

namespace numora {

TEST(Candidates, withoutRepeatTheSevenNumbersDifferEvenInTheSmallestRange) {
    CrtRandom random(7);
    for (int round = 0; round < 200; ++round) {
        Candidate drawn;
        drawCandidate(random, 1, 7, false, drawn);
        std::array<int, 7> sorted = drawn.numbers;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, (std::array<int, 7>{1, 2, 3, 4, 5, 6, 7}));
    }
}

TEST(Candidates, withRepeatNumbersMayRepeat) {
    CrtRandom random(7);
    Candidate drawn;
    drawCandidate(random, 0, 3, true, drawn);
    std::array<int, 7> sorted = drawn.numbers;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_NE(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
    EXPECT_GE(sorted.front(), 0);
    EXPECT_LE(sorted.back(), 3);
}

TEST(Candidates, scoreAddsTheFirstBallsNumbersOnly) {
    NumberScores scores;
    for (int k = 0; k < NumberScores::kSize; ++k) scores.score[k] = k * 10;
    const Candidate line = Candidate{{1, 2, 3, 4, 5, 6, 7}};
    EXPECT_EQ(candidateScore(line, 3, scores), 60);
    EXPECT_EQ(candidateScore(line, 5, scores), 150);
    EXPECT_EQ(candidateScore(line, 7, scores), 280);
}

TEST(Candidates, aStepBetweenNeighbouringScoresTakesThePairAdjustment) {
    NumberScores scores;
    scores.score[10] = 4;
    scores.score[20] = 5;  // one above the score of 10
    scores.score[30] = 9;
    PatternStats stats;
    stats.meanPairGap = 3;
    stats.drawsSincePair = 10;

    // The step is between the sixth and seventh numbers, past a 3-ball line.
    EXPECT_EQ(adjustedScore(Candidate{{30, 30, 30, 30, 30, 10, 20}, 100}, scores, stats), 107);
    // Scores 5 then 4 make no step.
    EXPECT_EQ(adjustedScore(Candidate{{20, 10, 30, 30, 30, 30, 30}, 100}, scores, stats), 100);
    stats.meanPairGap = 0;
    EXPECT_EQ(adjustedScore(Candidate{{30, 30, 30, 30, 30, 10, 20}, 100}, scores, stats), 100);

    stats.meanTripleGap = 2;
    stats.drawsSinceTriple = 1;
    EXPECT_EQ(adjustedScore(Candidate{{20, 10, 30, 30, 30, 30, 30}, 100}, scores, stats), 99);
}

TEST(Candidates, choiceIsTheFirstHighestScoreOrTheFirstCandidateWithWeight) {
    Candidates candidates;
    for (std::size_t i = 0; i < candidates.size(); ++i) candidates[i].score = static_cast<int>(i % 7);
    candidates[0].score = -5;
    candidates[40].score = 12;
    candidates[90].score = 12;

    EXPECT_EQ(chooseCandidate(candidates, false), 40u);
    EXPECT_EQ(chooseCandidate(candidates, true), 0u);
}

}  // namespace numora
