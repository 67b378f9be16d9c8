#include <gtest/gtest.h>

#include "picking/PatternStats.h"

namespace numora {

namespace {

PatternStats scan(const DrawList& draws, bool pattern) {
    PatternStats stats;
    scanPairs(draws, pattern, stats);
    scanTriples(draws, pattern, stats);
    return stats;
}

}  // namespace

TEST(PatternStats, pairsEndRunsAndTriplesCountEachThreeInARow) {
    // Fields: date, ball1 to ball7, bonus.
    const DrawList draws{{0, 1, 2, 9, 20, 30, 40, 0, 0}, {0, 10, 20, 30, 35, 40, 45, 0, 0},
                         {0, 4, 5, 6, 20, 30, 40, 0, 0}};
    const PatternStats withPattern{.pairFinds = 2, .lastPairPosition = 2, .meanPairGap = 1, .drawsSincePair = 1,
                                   .tripleFinds = 1, .lastTriplePosition = 2, .meanTripleGap = 2,
                                   .drawsSinceTriple = 1};
    EXPECT_EQ(scan(draws, true), withPattern);
    const PatternStats withoutPattern{.pairFinds = 2, .lastPairPosition = 2, .meanPairGap = 0, .drawsSincePair = 1,
                                      .tripleFinds = 0, .lastTriplePosition = 0, .meanTripleGap = 0,
                                      .drawsSinceTriple = 3};
    EXPECT_EQ(scan(draws, false), withoutPattern);

    // Ball 7 ends a pair of its own; the bonus 41 does not make it a triple.
    const PatternStats lastBalls = scan(DrawList{{0, 4, 5, 6, 20, 30, 39, 40, 41}}, true);
    EXPECT_EQ(lastBalls.pairFinds, 2);
    EXPECT_EQ(lastBalls.tripleFinds, 1);
}

TEST(PatternStats, scansStopAtFortyNinePairsAndFiftyTriples) {
    DrawList draws;
    for (int i = 0; i < 30; ++i) draws.append({0, 1, 2, 3, 10, 11, 12, 40, 0});  // two pairs, two triples
    const PatternStats capped{.pairFinds = 49, .lastPairPosition = 24, .meanPairGap = 0, .drawsSincePair = 0,
                              .tripleFinds = 50, .lastTriplePosition = 24, .meanTripleGap = 0, .drawsSinceTriple = 0};
    EXPECT_EQ(scan(draws, true), capped);
}

}  // namespace numora
