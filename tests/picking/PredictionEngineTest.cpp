#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "PickingTestData.h"
#include "RecordingProgress.h"
#include "picking/Candidates.h"
#include "picking/PickRefusal.h"
#include "picking/PredictionEngine.h"
#include "picking/RandomDraw.h"

namespace numora {

TEST(PredictionEngine, seedComesFromTheWholeMeanByTheForecastingModel) {
    EXPECT_EQ(PredictionEngine::MakeSeed(0, 100, 49, 3), 153);
    EXPECT_EQ(PredictionEngine::MakeSeed(1, 100, 49, 3), 76);
    EXPECT_EQ(PredictionEngine::MakeSeed(2, 100, 49, 3), 17);
    EXPECT_EQ(PredictionEngine::MakeSeed(1, -101, 49, 0), -25);
    EXPECT_EQ(PredictionEngine::MakeSeed(0, 2147483647, 49, 0), -2147483647 - 1 + 49);

    const DrawList draws{{0, 100, 0, 0, 0, 0, 0, 150, 50}};
    EXPECT_EQ(PredictionEngine::wholeMean(draws, 0), 300);
    EXPECT_EQ(PredictionEngine::wholeMean(draws, 7), 42);
    EXPECT_EQ(PredictionEngine::wholeMean(DrawList{{0, -7, 0, 0, 0, 0, 0, 0, 0}}, 2), -3);
}

TEST(PredictionEngine, analysedLineIsTheFirstBestOfTheSeededCandidatesOrTheFirstWithWeight) {
    const LotteryProfile lotto = testing::lotteryProfile(6, 1, 49);
    const DrawList draws = testing::sampleDraws(40);
    Options options;
    options.model = 2;
    options.pattern = false;
    CrtRandom replay(static_cast<std::uint32_t>(
        PredictionEngine::MakeSeed(2, PredictionEngine::wholeMean(draws, 5), lotto.max, 5)));
    NumberScores scores;
    buildNumberScores(draws, lotto.min, lotto.max, scores);
    Candidates candidates;
    for (Candidate& candidate : candidates) {
        drawCandidate(replay, lotto.min, lotto.max, false, candidate);
        candidate.score = candidateScore(candidate, lotto.balls, scores);
    }

    CrtRandom random;
    PredictionEngine engine(random);
    RecordingProgress progress;
    const PickResult best = engine.PredictLine(lotto, draws, options, 5, progress);
    EXPECT_EQ(best.line, (PickedLine{candidates[chooseCandidate(candidates, false)].numbers, -1}));
    EXPECT_EQ(progress.calls, (std::vector<std::string>{"enable", "range 25", "Analysing!", "10", "15", "20", "23",
                                                        "25", "Ready.", "0"}));
    options.moreWeightToLessFrequent = true;
    EXPECT_EQ(engine.PredictLine(lotto, draws, options, 5, progress).line.slots, candidates[0].numbers);
}

TEST(PredictionEngine, profilesTooSmallForTheirDrawsAreRefusedAndTheSmallestRangeWorks) {
    CrtRandom random;
    PredictionEngine engine(random);
    RecordingProgress progress;
    const DrawList draws = testing::sampleDraws(5);
    const auto analysed = [&](const LotteryProfile& lotto) {
        return engine.PredictLine(lotto, draws, Options{}, 1, progress);
    };
    EXPECT_EQ(analysed(testing::lotteryProfile(3, 1, 6)).refusal, kRefusalTooFewForCandidates);
    EXPECT_EQ(analysed(testing::lotteryProfile(6, 1, 120)).refusal, kRefusalProfileOutOfRange);
    EXPECT_EQ(engine.RandomLine(testing::lotteryProfile(6, 1, 5), 1000).refusal, kRefusalTooFewForLine);
    EXPECT_EQ(engine.RandomLine(testing::lotteryProfile(8, 1, 49), 1000).refusal, kRefusalProfileOutOfRange);
    const LotteryProfile noFreeBonus = testing::lotteryProfile(7, 1, 49, 7, false, true);
    EXPECT_EQ(engine.DrawBonus(noFreeBonus, {{7, 6, 5, 4, 3, 2, 1}}, LineKind::Random).refusal, kRefusalNoFreeBonus);
    EXPECT_EQ(progress.calls, std::vector<std::string>{});

    // Seven numbers are just enough for an analysed line.
    std::array<int, 7> line = analysed(testing::lotteryProfile(3, 1, 7)).line.slots;
    std::sort(line.begin(), line.end());
    EXPECT_EQ(line, (std::array<int, 7>{1, 2, 3, 4, 5, 6, 7}));
}

TEST(PredictionEngine, randomLineStartsNoHigherThanMaxLessBallsPlusOneWithDifferentNumbers) {
    CrtRandom random;
    PredictionEngine engine(random);
    int highestFirst = 0;
    for (std::int64_t clock = 0; clock < 2000; ++clock) {
        const PickedLine line = engine.RandomLine(testing::lotteryProfile(6, 1, 49), clock).line;
        highestFirst = std::max(highestFirst, line.slots[0]);
        EXPECT_EQ(std::set<int>(line.slots.begin(), line.slots.end()).size(), 7u);  // six numbers and -1
        EXPECT_EQ(line.slots[6], -1);
    }
    EXPECT_EQ(highestFirst, 44);
}

TEST(PredictionEngine, sortLineOrdersTheNumbersInPlayKeepingRepeats) {
    RecordingProgress progress;
    EXPECT_EQ(PredictionEngine::SortLine({40, 3, 17, 3, 9, 1, 2}, 5, 49, progress),
              (std::array<int, 7>{3, 3, 9, 17, 40, -1, -1}));
    EXPECT_EQ(progress.calls.size(), 53u);  // on, range, 0 to 48, back to 0, off

    EXPECT_EQ(PredictionEngine::SortLine({50, -1, 7, 8, 9, 10, 11}, 3, 49, progress),
              (std::array<int, 7>{7, -1, -1, -1, -1, -1, -1}));
}

TEST(PredictionEngine, bonusFollowsTheLineKindAndTheFlags) {
    CrtRandom random(11);
    PredictionEngine engine(random);
    const PickedLine oneToSeven{{1, 2, 3, 4, 5, 6, 7}, 3};
    const auto bonus = [&](const LotteryProfile& lotto, LineKind kind) {
        return engine.DrawBonus(lotto, oneToSeven, kind).line.bonus;
    };
    using testing::lotteryProfile;
    EXPECT_EQ(bonus(lotteryProfile(3, 1, 49, 0, true, true), LineKind::Analysed), -1);
    EXPECT_EQ(bonus(lotteryProfile(3, 1, 49, 0, true, false), LineKind::Random), -1);
    // A bonus apart from the line avoids all seven slots: 8 is the only free number.
    EXPECT_EQ(bonus(lotteryProfile(3, 1, 49, 8, false, true), LineKind::Analysed), 8);
    EXPECT_EQ(bonus(lotteryProfile(3, 1, 49, 8, true, true), LineKind::Random), 8);
    // An analysed line keeps its PowerBall draw, even one that is in the line.
    EXPECT_EQ(bonus(lotteryProfile(3, 1, 49, 8, true, true), LineKind::Analysed), 3);
    EXPECT_EQ(bonus(lotteryProfile(3, 1, 49, 8, false, false), LineKind::Random), -1);
    CrtRandom replay(5);
    random.srand(5);
    EXPECT_EQ(bonus(lotteryProfile(3, 1, 49, 8, true, false), LineKind::Random), drawBetween(replay, 1, 8));
}

}  // namespace numora
