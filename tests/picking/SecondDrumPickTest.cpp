#include <gtest/gtest.h>

#include <algorithm>

#include "PickingTestData.h"
#include "picking/LineText.h"
#include "picking/PickFlow.h"
#include "picking/PickListText.h"
#include "picking/PickRefusal.h"
#include "picking/SilentProgress.h"
#include "settings/BallSlots.h"
#include "support/SecondDrumLotteries.h"

namespace numora {
namespace {

using testing::kEuroMillions;
using testing::kSuperzahl;

// Past draws of 6aus49: ten draws whose Superzahl is 0, 1, ... 9 in turn.
DrawList superzahlDraws() {
    DrawList draws = testing::sampleDraws(10);
    for (std::size_t i = 0; i < draws.size(); ++i) {
        draws.records()[i].ball7 = static_cast<int>(i);
        draws.records()[i].bonus = 0;
    }
    return draws;
}

PickResult pick(const LotteryProfile& profile, const DrawList& draws, LineKind kind, Options options = {}) {
    CrtRandom random;
    PredictionEngine engine(random);
    SilentProgress progress;
    return makePick(engine, {profile, draws, options, 3, kind, 1'700'000'000}, progress);
}

}  // namespace

TEST(SecondDrumPick, theBallsArePickedAsALotteryOfThatManyBallsWhoseDrawsHadNothingInTheDrumsSlots) {
    const DrawList draws = superzahlDraws();
    DrawList typed = draws;  // as a lottery of six balls keeps them: ball 7 left at 0
    for (DrawRecord& draw : typed.records()) draw.ball7 = 0;
    LotteryProfile sixBalls = kSuperzahl;
    sixBalls.drum2 = 0;
    for (const LineKind kind : {LineKind::Analysed, LineKind::Random}) {
        for (const bool pattern : {false, true}) {
            const PickResult withDrum = pick(kSuperzahl, draws, kind, {.pattern = pattern});
            const PickResult plain = pick(sixBalls, typed, kind, {.pattern = pattern});
            ASSERT_FALSE(withDrum.refused());
            const auto& balls = plain.line.slots;
            EXPECT_TRUE(std::equal(balls.begin(), balls.begin() + 6, withDrum.line.slots.begin()));
            EXPECT_EQ(withDrum.line.bonus, plain.line.bonus);
            EXPECT_TRUE(secondDrumRange(kSuperzahl).holds(withDrum.line.slots[6]));
        }
    }
}

TEST(SecondDrumPick, theDrumsNumbersAreScoredOverItsOwnSlotsDifferentSortedAndRefusedWhenTheyDoNotFit) {
    // Superzahl k was drawn k draws after the first: 0, drawn longest ago, scores best.
    EXPECT_EQ(pick(kSuperzahl, superzahlDraws(), LineKind::Analysed).line.slots[6], 0);

    DrawList draws = testing::sampleDraws(30);
    for (DrawRecord& draw : draws.records()) {
        draw.ball6 = draw.ball1 % 12 + 1;
        draw.ball7 = draw.ball6 % 12 + 1;
    }
    for (const LineKind kind : {LineKind::Analysed, LineKind::Random}) {
        for (int lines = 0; lines < 20; ++lines) {
            CrtRandom random;
            PredictionEngine engine(random);
            SilentProgress progress;
            const PickedLine line = makePick(engine, {kEuroMillions, draws, {}, lines, kind, lines}, progress).line;
            EXPECT_LT(line.slots[5], line.slots[6]);
            EXPECT_TRUE(secondDrumRange(kEuroMillions).holds(line.slots[5]) &&
                        secondDrumRange(kEuroMillions).holds(line.slots[6]));
        }
    }

    // A second drum that does not fit is refused before any number is drawn.
    LotteryProfile tooMany = kSuperzahl;
    tooMany.drum2 = 2;  // six balls and two: eight slots
    for (const LineKind kind : {LineKind::Analysed, LineKind::Random}) {
        EXPECT_EQ(pick(tooMany, superzahlDraws(), kind).refusal, kRefusalProfileOutOfRange);
    }
}

TEST(SecondDrumPick, thePickLineShowsTheDrumAfterAPlusAndReadsBack) {
    const PickedLine euro{{3, 9, 17, 23, 40, 2, 11}, -1};
    EXPECT_EQ(makeLineText(euro, kEuroMillions), "03  09  17  23  40  + 02  11 ");
    EXPECT_EQ(readLineText("03  09  17  23  40  + 02  11 ", kEuroMillions), euro);
    const PickedLine superzahl{{6, 16, 17, 41, 42, 49, 0}, -1};
    EXPECT_EQ(makeLineText(superzahl, kSuperzahl), "06  16  17  41  42  49  + 00 ");
    EXPECT_EQ(readLineText(makeLineText(superzahl, kSuperzahl), kSuperzahl), superzahl);

    // With a bonus shown, the bonus stays last.
    LotteryProfile withBonus = kEuroMillions;
    withBonus.drum2 = 1;
    withBonus.bonus = 20;
    withBonus.showBonus = true;
    const PickedLine bonusLine{{3, 9, 17, 23, 40, 7, -1}, 12};
    EXPECT_EQ(makeLineText(bonusLine, withBonus), "03  09  17  23  40  + 07  - 12");
    EXPECT_EQ(readLineText("03  09  17  23  40  + 07  - 12", withBonus), bonusLine);

    EXPECT_EQ(welcomeLines(kEuroMillions, true).back(), "5 Balls, from 1 to 50, + 2 from 1 to 12");
}

}  // namespace numora
