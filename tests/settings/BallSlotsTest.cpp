#include <gtest/gtest.h>

#include "settings/BallSlots.h"

namespace numora {
namespace {

TEST(BallSlots, theSecondDrumTakesTheSlotsAfterTheBallsWithItsOwnRangeAndTheRestAreNotInPlay) {
    const LotteryProfile lotto649{"Lotto 649", 6, 1, 49, 49};
    const LotteryProfile superzahl{"6aus49", 6, 1, 49, 0, false, false, false, false, 1, 0, 9};
    const LotteryProfile euro{"EuroMillions", 5, 1, 50, 0, false, false, false, false, 2, 1, 12};
    const auto drums = [](const LotteryProfile& profile) {
        std::vector<SlotDrum> found;
        for (int ball = 1; ball <= 7; ++ball) found.push_back(slotDrum(profile, ball));
        return found;
    };
    using enum SlotDrum;
    EXPECT_EQ(drums(lotto649), (std::vector{Main, Main, Main, Main, Main, Main, NotInPlay}));
    EXPECT_EQ(drums(superzahl), (std::vector{Main, Main, Main, Main, Main, Main, Second}));
    EXPECT_EQ(drums(euro), (std::vector{Main, Main, Main, Main, Main, Second, Second}));
    EXPECT_EQ(slotsInPlay(lotto649), 6);
    EXPECT_EQ(slotsInPlay(euro), 7);

    // A slot not in play is compared with the main range, as stored draws hold it.
    EXPECT_EQ(slotRange(lotto649, 7), (NumberRange{1, 49}));
    EXPECT_EQ(slotRange(superzahl, 7), (NumberRange{0, 9}));
    EXPECT_TRUE(slotRange(superzahl, 7).holds(0));
    EXPECT_EQ(slotRange(euro, 5), (NumberRange{1, 50}));
    EXPECT_EQ(slotRange(euro, 6).size(), 12);
}

}  // namespace
}  // namespace numora
