#include <gtest/gtest.h>

#include <algorithm>

#include "PickingTestData.h"
#include "RecordingProgress.h"
#include "picking/PickFlow.h"
#include "picking/PickRefusal.h"

namespace numora {

TEST(PickFlow, aSortedAnalysedPickHasItsBallsInOrderAndABonusApartFromThem) {
    LotteryProfile lotto;  // 6 balls from 1 to 49, bonus up to 49
    lotto.sort = true;
    lotto.showBonus = true;
    const DrawList draws = testing::sampleDraws(30);
    const Options options;
    CrtRandom random;
    PredictionEngine engine(random);
    RecordingProgress progress;

    for (int lines = 0; lines < 20; ++lines) {
        const PickResult pick = makePick(engine, {lotto, draws, options, lines, LineKind::Analysed, 0}, progress);
        ASSERT_FALSE(pick.refused());
        const auto& slots = pick.line.slots;
        EXPECT_EQ(std::is_sorted(slots.begin(), slots.begin() + 6), true);
        EXPECT_EQ(slots[6], -1);
        EXPECT_EQ(std::count(slots.begin(), slots.end(), pick.line.bonus), 0);
        EXPECT_GE(pick.line.bonus, 1);
    }
    EXPECT_EQ(progress.calls.back(), "disable");
}

TEST(PickFlow, randomModeUsesTheClockAndNotTheDraws) {
    LotteryProfile lotto;
    lotto.powerBall = true;
    const Options options;
    CrtRandom random;
    PredictionEngine engine(random);
    RecordingProgress progress;

    const DrawList draws = testing::sampleDraws(9);
    const PickResult fromNoDraws = makePick(engine, {lotto, DrawList{}, options, 0, LineKind::Random, 42}, progress);
    const PickResult fromDraws = makePick(engine, {lotto, draws, options, 3, LineKind::Random, 42}, progress);
    EXPECT_EQ(fromNoDraws.line, fromDraws.line);
    EXPECT_EQ(fromNoDraws.line.slots[6], -1);
    EXPECT_EQ(progress.calls, std::vector<std::string>{});
}

TEST(PickFlow, aRefusedLineGetsNoSortAndNoBonus) {
    LotteryProfile lotto;
    lotto.max = 5;
    lotto.sort = true;
    CrtRandom random;
    PredictionEngine engine(random);
    RecordingProgress progress;

    const DrawList draws = testing::sampleDraws(4);
    const PickResult pick = makePick(engine, {lotto, draws, Options{}, 1, LineKind::Analysed, 0}, progress);
    EXPECT_EQ(pick.refusal, kRefusalTooFewForCandidates);
    EXPECT_EQ(pick.line, PickedLine{});
    EXPECT_EQ(progress.calls, std::vector<std::string>{});
}

}  // namespace numora
