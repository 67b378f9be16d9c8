#include <gtest/gtest.h>

#include "picking/LineText.h"
#include "picking/PickRefusal.h"
#include "wheels/Design.h"
#include "wheels/NumberSpec.h"
#include "wheels/TicketLines.h"
#include "wheels/WheelRequest.h"
#include "wheels/WheelTexts.h"

namespace numora {
namespace {

const LotteryProfile kLotto{"Lotto", 6, 1, 49, 49, false, true, false, true};

TEST(WheelRequest, namesWhatCannotBe) {
    const std::vector<int> twelve{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const auto problem = [&](WheelRequest request, const LotteryProfile& lottery = kLotto) {
        return wheelRequestProblem(request, lottery);
    };
    EXPECT_EQ(problem({twelve, {}, {3, 4}, std::nullopt}), "");
    EXPECT_EQ(problem({{1, 2, 3, 50, 51, 52, 53}, {}, {3, 4}, std::nullopt}), "50 is not a number of the lottery (1 to 49).");
    EXPECT_EQ(problem({{1, 2, 3, 4, 5, 6}, {}, {3, 4}, std::nullopt}),
              "A pool needs at least 7 numbers (the lottery's 6 balls and one more); it has 6.");
    EXPECT_EQ(problem({twelve, {13}, {3, 4}, std::nullopt}), "The key number 13 is not in the pool.");
    EXPECT_EQ(problem({twelve, {1, 2, 3, 4, 5, 6, 7}, {3, 4}, std::nullopt}),
              "A ticket has 6 numbers, so there can be at most 6 key numbers; there are 7.");
    EXPECT_EQ(problem({twelve, {}, {0, 4}, std::nullopt}),
              "Match 0 if 4 cannot be: a ticket must match at least 1 number.");
    EXPECT_EQ(problem({twelve, {}, {5, 4}, std::nullopt}),
              "Match 5 if 4 cannot be: a ticket cannot match more numbers than are drawn.");
    EXPECT_EQ(problem({twelve, {}, {3, 7}, std::nullopt}), "Match 3 if 7 cannot be: a draw has 6 main balls.");
    EXPECT_EQ(problem({twelve, {}, {3, 4}, 0}), "Tickets at most: a number from 1 to 10,000.");
    LotteryProfile repeating = kLotto;
    repeating.repeat = true;
    EXPECT_EQ(problem({twelve, {}, {3, 4}, std::nullopt}, repeating), "Wheels need a lottery whose numbers do not repeat.");
    std::vector<int> sixtyFive;
    for (int number = 0; number <= 64; ++number) sixtyFive.push_back(number);
    EXPECT_EQ(problem({sixtyFive, {}, {3, 4}, std::nullopt}, {"Big", 6, 0, 99, 0}),
              "A pool holds at most 64 numbers; it has 65.");
}

TEST(WheelRequest, readsNumbersAndRangesOfTheLottery) {
    std::string error;
    EXPECT_EQ(readNumberSpec("1-12", kLotto, error), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(readNumberSpec("9-11, 3,7,10", kLotto, error), (std::vector<int>{3, 7, 9, 10, 11}));
    for (const char* bad : {"", "1,,2", "12-1", "1-", "x", "-3", "1 2", "99999"}) {
        EXPECT_FALSE(readNumberSpec(bad, kLotto, error)) << bad;
        EXPECT_EQ(error, std::string("\"") + bad + "\" is not a list of numbers and ranges such as 1-12 or 3,7,9-15.");
    }
    EXPECT_FALSE(readNumberSpec("40-50", kLotto, error));
    EXPECT_EQ(error, "50 is not a number of the lottery (1 to 49).");
}

TEST(WheelRequest, lowerBoundsAreSchoenheimsForCoveringsAndTrueForLottoDesigns) {
    using wheels::Design;
    EXPECT_EQ(wheels::lowerBound(Design{12, 6, 3, 3}), 14u);
    EXPECT_EQ(wheels::lowerBound(Design{12, 6, 5, 5}), 132u);
    EXPECT_EQ(wheels::lowerBound(Design{10, 6, 4, 4}), 19u);
    // 2 if 6 over 49: 5 cliques of 10, 10, 10, 10 and 9 numbers hold 216
    // pairs, 15 to a ticket.
    EXPECT_EQ(wheels::lowerBound(Design{49, 6, 2, 6}), 15u);
    // 1 if 6 over 20: 15 numbers to cover, 6 to a ticket.
    EXPECT_EQ(wheels::lowerBound(Design{20, 6, 1, 6}), 3u);
    EXPECT_EQ(wheels::lowerBound(Design{20, 6, 0, 2}), 1u);
    // The known smallest lotto design L(12, 6, 4, 3) has 6 tickets.
    EXPECT_LE(wheels::lowerBound(Design{12, 6, 3, 4}), 6u);
    EXPECT_EQ(wheels::designOf({{1, 2, 3, 4, 5, 6, 7, 8}, {2, 5}, {3, 4}, std::nullopt}, 6), (Design{6, 4, 1, 2}));
}

TEST(WheelRequest, ticketsBecomePickLinesWithAnOrdinaryBonus) {
    CrtRandom random(5);
    const TicketLines made = ticketLines({{{3, 9, 17, 23, 40, 41}}, {{1, 2, 3, 4, 5, 6}}}, kLotto, random);
    ASSERT_TRUE(made.refusal.empty());
    ASSERT_EQ(made.lines.size(), 2u);
    const PickedLine& first = made.lines.front();
    EXPECT_EQ(makeLineText(first, kLotto).substr(0, 26), "03  09  17  23  40  41  - ");
    EXPECT_GE(first.bonus, 1);
    EXPECT_EQ(std::count(first.slots.begin(), first.slots.end(), first.bonus), 0);

    const LotteryProfile tiny{"Tiny", 3, 1, 5, 3, false, false, false, true};
    EXPECT_EQ(ticketLines({{{1, 2, 3}}}, tiny, random).refusal, kRefusalNoFreeBonus);

    // A lottery with a second drum: each ticket also gets two different stars of its range.
    LotteryProfile euroMillions{"EuroMillions", 5, 1, 50, 0, false, true, false, false};
    euroMillions.drum2 = 2;
    euroMillions.drum2Min = 1;
    euroMillions.drum2Max = 12;
    const PickedLine starred = ticketLines({{{1, 2, 3, 4, 5}}}, euroMillions, random).lines.at(0);
    const std::string text = makeLineText(starred, euroMillions);
    EXPECT_EQ(text.substr(0, 22), "01  02  03  04  05  + ") << text;
    EXPECT_EQ(text.find('-'), std::string::npos) << text;
    EXPECT_GE(starred.slots[5], 1);
    EXPECT_LT(starred.slots[5], starred.slots[6]);
    EXPECT_LE(starred.slots[6], 12);
}

TEST(WheelRequest, countsAndSharesReadAsAPersonWritesThem) {
    EXPECT_EQ(wheeltexts::countText(13983816), "13,983,816");
    EXPECT_EQ(wheeltexts::countText(495), "495");
    EXPECT_EQ(wheeltexts::shareText(999, 1000), "99.9%");
    EXPECT_EQ(wheeltexts::shareText(99999, 100000), "99.9%");
    EXPECT_EQ(wheeltexts::shareText(5, 5), "100.0%");
    EXPECT_EQ(wheeltexts::fillIn("%s if %s", {"3", "4"}), "3 if 4");
}

}  // namespace
}  // namespace numora
