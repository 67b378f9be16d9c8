#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <set>

#include "PickingTestData.h"
#include "RecordingProgress.h"
#include "picking/Candidates.h"
#include "picking/PickRefusal.h"
#include "picking/PredictionEngine.h"
#include "picking/RandomDraw.h"

namespace numora {

namespace {

constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();

}  // namespace

TEST(PredictionEngine, seedFollowsTheForecastingModel) {
    EXPECT_EQ(PredictionEngine::MakeSeed(0, 100, 49, 3), 153);
    EXPECT_EQ(PredictionEngine::MakeSeed(1, 100, 49, 3), 76);
    EXPECT_EQ(PredictionEngine::MakeSeed(2, 100, 49, 3), 17);
    EXPECT_EQ(PredictionEngine::MakeSeed(-4, 100, 49, 3), 153);
    EXPECT_EQ(PredictionEngine::MakeSeed(9, 100, 49, 3), 17);
    EXPECT_EQ(PredictionEngine::MakeSeed(1, -101, 49, 0), -25);
    EXPECT_EQ(PredictionEngine::MakeSeed(0, kInt32Max, 49, 0), std::numeric_limits<std::int32_t>::min() + 49);
}

TEST(PredictionEngine, wholeMeanTruncatesTowardZeroAndUsesTheTotalWithoutLines) {
    DrawRecord draw;
    draw.ball1 = 100;
    draw.ball7 = 150;
    draw.bonus = 50;
    const DrawList draws{draw};
    EXPECT_EQ(PredictionEngine::wholeMean(draws, 0), 300);
    EXPECT_EQ(PredictionEngine::wholeMean(draws, 3), 100);
    EXPECT_EQ(PredictionEngine::wholeMean(draws, 7), 42);

    draw = DrawRecord{};
    draw.ball1 = -7;
    EXPECT_EQ(PredictionEngine::wholeMean(DrawList{draw}, 2), -3);

    for (int field = 0; field < DrawRecord::kNumberCount; ++field) draw.number(field) = kInt32Max;
    EXPECT_EQ(PredictionEngine::wholeMean(DrawList{draw, draw}, 1), kInt32Max);
}

TEST(PredictionEngine, analysisReportsItsProgressAndStatus) {
    CrtRandom random;
    PredictionEngine engine(random);
    RecordingProgress progress;
    engine.PredictLine(testing::lotteryProfile(6, 1, 49), testing::sampleDraws(20), Options{}, 2, progress);

    const std::vector<std::string> expected = {"enable",      "range 0 25",  "status Analysing!", "position 10",
                                               "position 15", "position 20", "position 23",       "position 25",
                                               "status Ready.", "position 0"};
    EXPECT_EQ(progress.calls, expected);
}

TEST(PredictionEngine, analysedLineIsTheFirstBestScoredOfTheSeededCandidates) {
    const LotteryProfile lotto = testing::lotteryProfile(6, 1, 49);
    const DrawList draws = testing::sampleDraws(40);
    Options options;
    options.model = 2;
    options.pattern = false;
    const int lines = 5;

    // The candidates the seed must give, scored without pattern adjustments.
    CrtRandom replay(static_cast<std::uint32_t>(
        PredictionEngine::MakeSeed(options.model, PredictionEngine::wholeMean(draws, lines), lotto.max, lines)));
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
    const PickResult best = engine.PredictLine(lotto, draws, options, lines, progress);
    EXPECT_EQ(best.line.slots, candidates[chooseCandidate(candidates, false)].numbers);
    EXPECT_EQ(best.line.bonus, PickedLine::kEmpty);

    options.moreWeightToLessFrequent = true;
    const PickResult first = engine.PredictLine(lotto, draws, options, lines, progress);
    EXPECT_EQ(first.line.slots, candidates[0].numbers);
}

TEST(PredictionEngine, sameInputsGiveTheSameLineAndAPowerBallInItsRange) {
    LotteryProfile powerBall = testing::lotteryProfile(5, 1, 69, 26);
    powerBall.powerBall = true;
    const DrawList draws = testing::sampleDraws(100);
    CrtRandom random;
    PredictionEngine engine(random);
    RecordingProgress progress;

    const PickResult once = engine.PredictLine(powerBall, draws, Options{}, 4, progress);
    const PickResult again = engine.PredictLine(powerBall, draws, Options{}, 4, progress);
    EXPECT_EQ(once.line, again.line);
    EXPECT_GE(once.line.bonus, 1);
    EXPECT_LE(once.line.bonus, 26);
    EXPECT_EQ(std::set<int>(once.line.slots.begin(), once.line.slots.end()).size(), 7u);
}

TEST(PredictionEngine, impossibleProfilesAreRefusedWithoutDrawing) {
    CrtRandom random;
    PredictionEngine engine(random);
    RecordingProgress progress;
    const DrawList draws = testing::sampleDraws(5);
    const auto analysed = [&](const LotteryProfile& lotto) {
        return engine.PredictLine(lotto, draws, Options{}, 1, progress);
    };

    EXPECT_EQ(analysed(testing::lotteryProfile(3, 1, 6)).refusal, kRefusalTooFewForCandidates);
    EXPECT_EQ(analysed(testing::lotteryProfile(6, 1, 120)).refusal, kRefusalProfileOutOfRange);
    EXPECT_EQ(analysed(testing::lotteryProfile(8, 1, 49)).refusal, kRefusalProfileOutOfRange);
    EXPECT_EQ(engine.RandomLine(testing::lotteryProfile(6, 1, 5), 1000).refusal, kRefusalTooFewForLine);
    EXPECT_EQ(engine.RandomLine(testing::lotteryProfile(6, 2, 49), 1000).refusal, kRefusalProfileOutOfRange);
    EXPECT_EQ(progress.calls, std::vector<std::string>{});

    // Repeat lets seven numbers come from three.
    LotteryProfile tiny = testing::lotteryProfile(3, 1, 3);
    tiny.repeat = true;
    const PickResult repeated = analysed(tiny);
    EXPECT_EQ(repeated.refusal, std::string_view{});
    EXPECT_LE(*std::max_element(repeated.line.slots.begin(), repeated.line.slots.end()), 3);
}

TEST(PredictionEngine, randomLineStartsLowEnoughAndHoldsDifferentNumbers) {
    const LotteryProfile lotto = testing::lotteryProfile(6, 1, 49);
    CrtRandom random;
    PredictionEngine engine(random);
    int highestFirst = 0;
    for (std::int64_t clock = 0; clock < 2000; ++clock) {
        const PickedLine line = engine.RandomLine(lotto, clock).line;
        highestFirst = std::max(highestFirst, line.slots[0]);
        EXPECT_EQ(line.slots[6], PickedLine::kEmpty);
        EXPECT_EQ(line.bonus, PickedLine::kEmpty);
        EXPECT_EQ(std::set<int>(line.slots.begin(), line.slots.begin() + 6).size(), 6u);
    }
    EXPECT_EQ(highestFirst, 44);

    EXPECT_EQ(engine.RandomLine(lotto, 1700000000).line, engine.RandomLine(lotto, 1700000000).line);
    // The smallest range fills the line and leaves s1 no choice.
    const PickedLine full = engine.RandomLine(testing::lotteryProfile(7, 1, 7), 99).line;
    EXPECT_EQ(full.slots[0], 1);
    EXPECT_EQ(std::set<int>(full.slots.begin(), full.slots.end()).size(), 7u);
}

TEST(PredictionEngine, sortLineOrdersTheNumbersInPlayAndKeepsRepeats) {
    RecordingProgress progress;
    EXPECT_EQ(PredictionEngine::SortLine({40, 3, 17, 3, 9, 1, 2}, 5, 49, progress),
              (std::array<int, 7>{3, 3, 9, 17, 40, -1, -1}));
    ASSERT_EQ(progress.calls.size(), 2u + 49u + 2u);
    EXPECT_EQ(progress.calls[0], "enable");
    EXPECT_EQ(progress.calls[1], "range 0 49");
    EXPECT_EQ(progress.calls[2], "position 0");
    EXPECT_EQ(progress.calls[50], "position 48");
    EXPECT_EQ(progress.calls[51], "position 0");
    EXPECT_EQ(progress.calls[52], "disable");

    EXPECT_EQ(PredictionEngine::SortLine({50, -1, 7, 8, 9, 10, 11}, 3, 49, progress),
              (std::array<int, 7>{7, -1, -1, -1, -1, -1, -1}));

    progress.calls.clear();
    EXPECT_EQ(PredictionEngine::SortLine({1, 1, 1, 1, 1, 1, 1}, 7, 99, progress),
              (std::array<int, 7>{1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(progress.calls,
              (std::vector<std::string>{"enable", "range 0 99", "position 0", "position 1", "position 0", "disable"}));
}

TEST(PredictionEngine, bonusFollowsTheLineKindAndTheFlags) {
    CrtRandom random(11);
    PredictionEngine engine(random);
    const PickedLine oneToSeven = PickedLine{{1, 2, 3, 4, 5, 6, 7}, 3};

    for (const bool powerBall : {false, true}) {
        for (const bool showBonus : {false, true}) {
            LotteryProfile noBonus = testing::lotteryProfile(3, 1, 49, 0);
            noBonus.powerBall = powerBall;
            noBonus.showBonus = showBonus;
            EXPECT_EQ(engine.DrawBonus(noBonus, oneToSeven, LineKind::Analysed).line.bonus, -1);
            EXPECT_EQ(engine.DrawBonus(noBonus, oneToSeven, LineKind::Random).line.bonus, -1);
        }
    }

    // A bonus that must differ from the line avoids all seven slots, also
    // those past a 3-ball line: 8 is the only free number.
    LotteryProfile lotto = testing::lotteryProfile(3, 1, 49, 8);
    lotto.showBonus = true;
    EXPECT_EQ(engine.DrawBonus(lotto, oneToSeven, LineKind::Analysed).line.bonus, 8);
    lotto.powerBall = true;
    EXPECT_EQ(engine.DrawBonus(lotto, oneToSeven, LineKind::Random).line.bonus, 8);
    // An analysed line keeps its PowerBall draw, even one that is in the line.
    EXPECT_EQ(engine.DrawBonus(lotto, oneToSeven, LineKind::Analysed).line.bonus, 3);
    lotto.showBonus = false;
    EXPECT_EQ(engine.DrawBonus(lotto, oneToSeven, LineKind::Analysed).line.bonus, 3);

    // A random PowerBall is one draw, whatever the line holds.
    CrtRandom replay(5);
    random.srand(5);
    EXPECT_EQ(engine.DrawBonus(lotto, oneToSeven, LineKind::Random).line.bonus, drawBetween(replay, 1, 8));
    lotto.powerBall = false;
    EXPECT_EQ(engine.DrawBonus(lotto, oneToSeven, LineKind::Random).line.bonus, -1);
    EXPECT_EQ(engine.DrawBonus(lotto, PickedLine{{1, 2, 3, -1, -1, -1, -1}}, LineKind::Analysed).line.bonus, -1);
}

TEST(PredictionEngine, bonusWithNoFreeNumberIsRefused) {
    CrtRandom random;
    PredictionEngine engine(random);
    LotteryProfile lotto = testing::lotteryProfile(7, 1, 49, 7);
    lotto.showBonus = true;
    const PickResult result = engine.DrawBonus(lotto, PickedLine{{7, 6, 5, 4, 3, 2, 1}}, LineKind::Random);
    EXPECT_EQ(result.refusal, kRefusalNoFreeBonus);

    lotto.showBonus = false;
    lotto.powerBall = true;
    const PickResult powerBall = engine.DrawBonus(lotto, PickedLine{{7, 6, 5, 4, 3, 2, 1}}, LineKind::Random);
    EXPECT_FALSE(powerBall.refused());
    EXPECT_GE(powerBall.line.bonus, 1);
    EXPECT_LE(powerBall.line.bonus, 7);
}

}  // namespace numora
