#include <gtest/gtest.h>

#include "picking/Candidates.h"

namespace numora {

TEST(Candidates, scoresAddTheLineBallsAndAStepBetweenNeighbouringScoresTakesThePairAdjustment) {
    NumberScores scores;
    scores.score[10] = 4;
    scores.score[20] = 5;  // one above the score of 10
    PatternStats stats;
    stats.meanPairGap = 3;
    stats.drawsSincePair = 10;

    // The step lies between the sixth and seventh numbers, past a 3-ball line.
    const Candidate step{{30, 31, 32, 33, 34, 10, 20}, 100};
    const Candidate noStep{{20, 10, 30, 31, 32, 33, 34}, 100};  // 5 then 4 is no step
    EXPECT_EQ(candidateScore(step, 3, scores), 0);
    EXPECT_EQ(candidateScore(step, 6, scores), 4);
    EXPECT_EQ(adjustedScore(step, scores, stats), 107);
    EXPECT_EQ(adjustedScore(noStep, scores, stats), 100);
    stats.meanPairGap = 0;
    stats.meanTripleGap = 2;
    stats.drawsSinceTriple = 1;
    EXPECT_EQ(adjustedScore(step, scores, stats), 99);
    EXPECT_EQ(adjustedScore(noStep, scores, stats), 99);
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
