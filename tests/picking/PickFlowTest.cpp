#include <gtest/gtest.h>

#include <algorithm>

#include "PickingTestData.h"
#include "RecordingProgress.h"
#include "picking/PickFlow.h"

namespace numora {

TEST(PickFlow, analysedPicksAreSortedBeforeTheirBonusIsDrawnApartFromThem) {
    LotteryProfile lotto = testing::lotteryProfile(6, 1, 49, 49, false, true);
    lotto.sort = true;
    const DrawList draws = testing::sampleDraws(30);
    CrtRandom random;
    PredictionEngine engine(random);
    RecordingProgress progress;
    for (int lines = 0; lines < 20; ++lines) {
        const PickRequest request{lotto, draws, Options{}, lines, LineKind::Analysed, 0};
        const PickedLine line = makePick(engine, request, progress).line;
        EXPECT_EQ(std::is_sorted(line.slots.begin(), line.slots.begin() + 6), true);
        EXPECT_EQ(line.slots[6], -1);
        EXPECT_EQ(std::count(line.slots.begin(), line.slots.end(), line.bonus), 0);
    }
}

}  // namespace numora
