#include <gtest/gtest.h>

#include "picking/Candidates.h"
#include "picking/PatternStats.h"

namespace numora {

TEST(NumberScores, scoresCountEveryFieldInRangeAndHowLongAgoItWasDrawn) {
    // 5: first and last draw; 7: last only; 9: first only, and as the bonus;
    // 11: never. 0, 50 and the extremes are outside 1 to 49.
    const DrawList draws{{0, 5, 9, 50, 0, 0, 0, 0, 9}, {0, 20, 21, 2147483647, 0, 0, 0, 0, -2147483647 - 1},
                         {0, 5, 7, 30, 0, 0, 0, 0, 0}};
    NumberScores scores;
    buildNumberScores(draws, 1, 49, scores);
    const auto of = [&](int n) { return std::array{scores.count[n], scores.recency[n], scores.score[n]}; };
    EXPECT_EQ(of(7), (std::array{1, 1, 0}));
    EXPECT_EQ(of(5), (std::array{2, 1, 1}));
    EXPECT_EQ(of(9), (std::array{2, 3, 3}));
    EXPECT_EQ(of(11), (std::array{0, 4, 2}));
    EXPECT_EQ(of(0), (std::array{0, 0, 0}));
    EXPECT_EQ(scores.count[50], 0);
}

TEST(PatternStats, pairsEndRunsTriplesCountEachThreeInARowAndScansStopAtFortyNinePairsAndFiftyTriples) {
    const auto scan = [](const DrawList& draws, bool pattern) {
        PatternStats stats;
        scanPairs(draws, pattern, stats);
        scanTriples(draws, pattern, stats);
        return stats;
    };
    // Draw fields: date, ball1 to ball7, bonus. Stats: finds, last position, mean gap
    // and draws since, for pairs then for triples.
    const DrawList draws{{0, 1, 2, 9, 20, 30, 40, 0, 0}, {0, 10, 20, 30, 35, 40, 45, 0, 0},
                         {0, 4, 5, 6, 20, 30, 40, 0, 0}};
    EXPECT_EQ(scan(draws, true), (PatternStats{2, 2, 1, 1, 1, 2, 2, 1}));
    EXPECT_EQ(scan(draws, false), (PatternStats{2, 2, 0, 1, 0, 0, 0, 3}));
    // Ball 7 ends a pair of its own; the bonus 41 does not make it a triple.
    const PatternStats lastBalls = scan(DrawList{{0, 4, 5, 6, 20, 30, 39, 40, 41}}, true);
    EXPECT_EQ((std::array{lastBalls.pairFinds, lastBalls.tripleFinds}), (std::array{2, 1}));

    DrawList capped;
    for (int i = 0; i < 30; ++i) capped.append({0, 1, 2, 3, 10, 11, 12, 40, 0});  // two pairs, two triples
    EXPECT_EQ(scan(capped, true), (PatternStats{49, 24, 0, 0, 50, 24, 0, 0}));
}

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

    Candidates candidates;
    for (std::size_t i = 0; i < candidates.size(); ++i) candidates[i].score = static_cast<int>(i % 7);
    candidates[0].score = -5;
    candidates[40].score = 12;
    candidates[90].score = 12;
    EXPECT_EQ(chooseCandidate(candidates, false), 40u);  // the first highest score
    EXPECT_EQ(chooseCandidate(candidates, true), 0u);    // more weight to less frequent: the first
}

}  // namespace numora
