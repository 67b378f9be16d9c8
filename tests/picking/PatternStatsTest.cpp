#include <gtest/gtest.h>

#include "picking/PatternStats.h"

namespace numora {

namespace {

DrawRecord balls(std::array<int, 7> numbers) {
    DrawRecord record;
    for (int n = 1; n <= DrawRecord::kBallCount; ++n) record.ball(n) = numbers[n - 1];
    return record;
}

PatternStats scan(const DrawList& draws, bool pattern) {
    PatternStats stats;
    scanPairs(draws, pattern, stats);
    scanTriples(draws, pattern, stats);
    return stats;
}

}  // namespace

TEST(PatternStats, threeDrawsGiveTheExpectedPairAndTripleStatistics) {
    const DrawList draws{balls({1, 2, 9, 20, 30, 40, 0}), balls({10, 20, 30, 35, 40, 45, 0}),
                         balls({4, 5, 6, 20, 30, 40, 0})};
    const PatternStats stats = scan(draws, true);

    const PatternStats expected{.pairFinds = 2, .lastPairPosition = 2, .meanPairGap = 1, .drawsSincePair = 1,
                                .tripleFinds = 1, .lastTriplePosition = 2, .meanTripleGap = 2, .drawsSinceTriple = 1};
    EXPECT_EQ(stats, expected);
}

TEST(PatternStats, withoutPatternThereAreNoTriplesAndNoMeanGaps) {
    const DrawList draws{balls({1, 2, 3, 20, 30, 40, 0}), balls({10, 11, 30, 35, 40, 45, 0}),
                         balls({4, 8, 16, 20, 30, 40, 0}), balls({4, 8, 16, 20, 30, 40, 0})};
    const PatternStats stats = scan(draws, false);

    const PatternStats expected{.pairFinds = 2, .lastPairPosition = 1, .meanPairGap = 0, .drawsSincePair = 3,
                                .tripleFinds = 0, .lastTriplePosition = 0, .meanTripleGap = 0, .drawsSinceTriple = 4};
    EXPECT_EQ(stats, expected);
}

TEST(PatternStats, runsCountOncePerPairAndOncePerThreeInARow) {
    // A run of four counts one pair and two triples; the sixth and seventh balls
    // make a pair of their own; the bonus takes no part.
    DrawRecord draw = balls({1, 2, 3, 4, 10, 20, 21});
    draw.bonus = 22;
    const PatternStats stats = scan(DrawList{balls({5, 9, 13, 17, 21, 25, 29}), draw}, true);

    EXPECT_EQ(stats.pairFinds, 2);
    EXPECT_EQ(stats.tripleFinds, 2);
    EXPECT_EQ(stats.lastTriplePosition, 1);
    EXPECT_EQ(stats.meanTripleGap, 0);  // position 1 is not above 2 finds
}

TEST(PatternStats, scansStopAtFortyNinePairsAndFiftyTriples) {
    DrawList draws;
    for (int i = 0; i < 30; ++i) draws.append(balls({1, 2, 3, 10, 11, 12, 40}));  // two pairs, two triples
    const PatternStats stats = scan(draws, true);

    const PatternStats expected{.pairFinds = 49, .lastPairPosition = 24, .meanPairGap = 0, .drawsSincePair = 0,
                                .tripleFinds = 50, .lastTriplePosition = 24, .meanTripleGap = 0, .drawsSinceTriple = 0};
    EXPECT_EQ(stats, expected);
}

TEST(PatternStats, extremeStoredNumbersDoNotOverflow) {
    const DrawList draws{balls({2147483646, 2147483647, -2147483647 - 1, 0, 0, 0, 0})};
    const PatternStats stats = scan(draws, true);
    EXPECT_EQ(stats.pairFinds, 1);
    EXPECT_EQ(stats.tripleFinds, 0);
}

}  // namespace numora
