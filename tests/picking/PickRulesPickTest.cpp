#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <set>
#include <vector>

#include "PickingTestData.h"
#include "picking/PickFlow.h"
#include "picking/PickRefusal.h"
#include "picking/SilentProgress.h"
#include "support/BallSets.h"

namespace numora {
namespace {

using testing::lotteryProfile;

using testing::ballsOf;

// The first `balls` numbers of a line, in ascending order.
std::vector<int> numbersOf(const PickedLine& line, int balls) {
    std::vector<int> numbers(line.slots.begin(), line.slots.begin() + balls);
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// The six draws of the worked example of pattern prediction, 3 balls from 1
// to 9; they give the scores (count + recency - 2)
//   1:3  2:1  3:0  4:3  5:4  6:3  7:5  8:1  9:5
DrawList workedDraws() {
    DrawList draws;
    for (const auto& [first, second, third] : std::vector<std::array<int, 3>>{
             {1, 9, 7}, {4, 5, 9}, {4, 6, 9}, {6, 9, 1}, {4, 2, 8}, {8, 4, 3}}) {
        draws.append({0, first, second, third});
    }
    return draws;
}

class PickRulesPick : public ::testing::Test {
protected:
    PickResult pick(const LotteryProfile& profile, const DrawList& draws, const Options& options, int lines,
                    LineKind kind, const PickRules& rules = {}, const TakenLines* taken = nullptr,
                    std::int64_t clock = 1'700'000'000) {
        return makePick(engine, {profile, draws, options, lines, kind, clock, rules, taken}, progress);
    }

    // Picks one after another into a pick list, as the main window does.
    std::vector<PickedLine> successivePicks(const LotteryProfile& profile, const DrawList& draws,
                                            const Options& options, int count, const PickRules& rules,
                                            LineKind kind = LineKind::Analysed) {
        TakenLines list(profile.balls);
        std::vector<PickedLine> lines;
        for (int made = 0; made < count; ++made) {
            const PickResult result = pick(profile, draws, options, made, kind, rules, &list, made);
            EXPECT_FALSE(result.refused()) << made << ": " << result.refusal;
            if (result.refused()) break;
            list.add(result.line.slots);
            lines.push_back(result.line);
        }
        return lines;
    }

    CrtRandom random;
    PredictionEngine engine{random};
    SilentProgress progress;
};

TEST_F(PickRulesPick, withNoRuleOnAPickListChangesNoLineOfAnyModelOrSetting) {
    const DrawList draws = testing::sampleDraws(40);
    LotteryProfile lotto = lotteryProfile(6, 1, 49, 49, false, true);
    TakenLines list(lotto.balls);
    const PickRules noNewLine{{}, {}, false};
    for (int lines = 0; lines < 12; ++lines) {
        lotto.sort = lines % 2 == 0;
        const Options options{.model = lines % 3, .pattern = lines % 4 < 2, .moreWeightToLessFrequent = lines % 5 == 0};
        for (const LineKind kind : {LineKind::Analysed, LineKind::Random}) {
            const PickResult plain = pick(lotto, draws, options, lines, kind);
            EXPECT_EQ(pick(lotto, draws, options, lines, kind, noNewLine, &list).line, plain.line) << lines;
            list.add(plain.line.slots);
        }
    }
}

// With the scores above: fixed 1 and 3, excluded 7 and 9 (the best two), the
// one ball left to choose is 5, the best of 2 4 5 6 8. With 1 fixed alone,
// the two balls left are 5 and one of 4 and 6, which score 3 each.
TEST_F(PickRulesPick, aThousandPicksHoldTheFixedNumbersAndTheBestScoredOfTheNumbersLeft) {
    const DrawList draws = workedDraws();
    const LotteryProfile profile = lotteryProfile(3, 1, 9);
    const PickRules oneLeft{ballsOf({1, 3}), ballsOf({7, 9}), false};
    const PickRules twoLeft{ballsOf({1}), ballsOf({7, 9}), false};
    std::set<std::vector<int>> twoLeftLines;
    for (int lines = 0; lines < 1000; ++lines) {
        const Options options{.model = lines % 3, .pattern = false, .moreWeightToLessFrequent = false};
        const PickedLine line = pick(profile, draws, options, lines, LineKind::Analysed, oneLeft).line;
        ASSERT_EQ((std::array{line.slots[0], line.slots[1], line.slots[2]}), (std::array{1, 3, 5})) << lines;
        const PickedLine other = pick(profile, draws, options, lines, LineKind::Analysed, twoLeft).line;
        ASSERT_EQ(other.slots[0], 1) << lines;
        twoLeftLines.insert(numbersOf(other, 3));
    }
    EXPECT_EQ(twoLeftLines, (std::set<std::vector<int>>{{1, 4, 5}, {1, 5, 6}}));

    // Taking the first candidate instead of the best lets other numbers in,
    // never an excluded one.
    std::set<int> firstCandidateNumbers;
    for (int lines = 0; lines < 200; ++lines) {
        const Options weight{.model = 0, .pattern = false, .moreWeightToLessFrequent = true};
        const PickedLine line = pick(profile, draws, weight, lines, LineKind::Analysed, twoLeft).line;
        firstCandidateNumbers.insert(line.slots.begin() + 1, line.slots.begin() + 3);
    }
    EXPECT_EQ(firstCandidateNumbers, (std::set<int>{2, 3, 4, 5, 6, 8}));
}

TEST_F(PickRulesPick, everyKindOfLineHoldsEveryFixedNumberOnceAndNoExcludedOne) {
    const DrawList draws = testing::sampleDraws(40);
    const PickRules rules{ballsOf({7, 13, 40}), ballsOf({1, 2, 3, 21, 22, 44, 45, 46, 47, 48, 49}), false};
    LotteryProfile lotto = lotteryProfile(6, 1, 49, 49, true, false);
    for (int lines = 0; lines < 1000; ++lines) {
        lotto.repeat = lines % 3 == 0;
        lotto.sort = lines % 2 == 0;
        const Options options{.model = lines % 3, .pattern = lines % 4 < 2};
        const LineKind kind = lines % 5 == 0 ? LineKind::Random : LineKind::Analysed;
        const PickResult made = pick(lotto, draws, options, lines, kind, rules, nullptr, lines);
        ASSERT_FALSE(made.refused()) << made.refusal;
        const std::vector<int> numbers = numbersOf(made.line, 6);
        for (const int fixed : {7, 13, 40}) {
            ASSERT_EQ(std::count(numbers.begin(), numbers.end(), fixed), 1) << lines;
        }
        for (const int number : numbers) {
            ASSERT_FALSE(rules.excluded[static_cast<std::size_t>(number)]) << lines;
        }
        if (!lotto.sort) {
            EXPECT_EQ(made.line.slots[0], 7);
        }
    }
}

// The 36 sample draws add up to 6124: with no line listed the whole mean is
// that sum, with one line too, so "Binomial" seeds the first two picks with
// (6124 + 49 + 1) / 2 and (6124 + 49 + 2) / 2, both 3087.
TEST_F(PickRulesPick, twentyPicksWithANewLineEachPickGiveTwentyLinesWhereTheModelRepeatsOnes) {
    const DrawList draws = testing::sampleDraws(36);
    const LotteryProfile lotto = lotteryProfile(6, 1, 49, 49, false, true);
    const std::vector<PickedLine> plain = successivePicks(lotto, draws, {.model = 1}, 2, {});
    EXPECT_EQ(plain[0], plain[1]);
    for (int model = 0; model < 3; ++model) {
        std::set<std::vector<int>> distinct;
        for (const PickedLine& line : successivePicks(lotto, draws, {.model = model}, 20, {{}, {}, true})) {
            distinct.insert(numbersOf(line, 6));
        }
        EXPECT_EQ(distinct.size(), 20u) << model;
    }
}

// 3 balls from 1 to 7 make 35 lines, 15 of them with 1 fixed: a new line each
// Pick gives each once, then says that none is left.
TEST_F(PickRulesPick, aTinyLotteryWhoseEveryLineIsTakenEndsWithAMessage) {
    const DrawList draws = workedDraws();
    const LotteryProfile tiny = lotteryProfile(3, 1, 7);
    const Options options{.model = 1};
    for (const LineKind kind : {LineKind::Analysed, LineKind::Random}) {
        for (const auto& [rules, count] : std::vector<std::pair<PickRules, int>>{
                 {{{}, {}, true}, 35}, {{ballsOf({1}), {}, true}, 15}, {{ballsOf({1, 2}), ballsOf({3}), true}, 4}}) {
            const std::vector<PickedLine> lines = successivePicks(tiny, draws, options, count, rules, kind);
            std::set<std::vector<int>> distinct;
            for (const PickedLine& line : lines) distinct.insert(numbersOf(line, 3));
            EXPECT_EQ(distinct.size(), static_cast<std::size_t>(count));

            TakenLines full(tiny.balls);
            for (const PickedLine& line : lines) full.add(line.slots);
            EXPECT_EQ(pick(tiny, draws, options, count, kind, rules, &full).refusal, kRefusalEveryLineTaken);
        }
    }
    // Numbers that may repeat make lines such as 1 1 1 as well.
    LotteryProfile repeats = tiny;
    repeats.repeat = true;
    const std::vector<PickedLine> lines = successivePicks(repeats, draws, options, 10, {{}, ballsOf({4, 5, 6, 7}), true});
    TakenLines full(3);
    for (const PickedLine& line : lines) full.add(line.slots);
    EXPECT_EQ(pick(repeats, draws, options, 10, LineKind::Analysed, {{}, ballsOf({4, 5, 6, 7}), true}, &full).refusal,
              kRefusalEveryLineTaken);
}

TEST_F(PickRulesPick, rulesThatLeaveNoLineAreRefusedAndTheLastLineLeftIsPicked) {
    const DrawList draws = testing::sampleDraws(40);
    const LotteryProfile lotto = lotteryProfile(6, 1, 49);
    BallSet allButFive;
    for (int number = 6; number <= 49; ++number) allButFive.set(static_cast<std::size_t>(number));
    for (const LineKind kind : {LineKind::Analysed, LineKind::Random}) {
        EXPECT_EQ(pick(lotto, draws, {}, 1, kind, {{}, allButFive, false}).refusal, kRefusalRulesDoNotFit);
        EXPECT_EQ(pick(lotto, draws, {}, 1, kind, {ballsOf({1, 2, 3, 4, 5, 6}), {}, false}).refusal,
                  kRefusalRulesDoNotFit);
        // Balls numbers left: every pick is that one line, and a new line has none left.
        BallSet allButSix = allButFive;
        allButSix.reset(6);
        const PickResult only = pick(lotto, draws, {}, 1, kind, {{}, allButSix, true});
        EXPECT_EQ(numbersOf(only.line, 6), (std::vector<int>{1, 2, 3, 4, 5, 6}));
        TakenLines taken(6);
        taken.add(only.line.slots);
        EXPECT_EQ(pick(lotto, draws, {}, 2, kind, {{}, allButSix, true}, &taken).refusal, kRefusalEveryLineTaken);
    }
}

TEST_F(PickRulesPick, theFirstFreeLineInNumberOrderFollowsTheRulesAndPassesOverTakenLines) {
    SlotRules slots = slotRulesOf({ballsOf({5}), ballsOf({1, 2}), false}, 3);
    TakenLines taken(3);
    EXPECT_EQ(firstFreeLine(slots, 1, 7, false, taken), (LineSlots{5, 3, 4, -1, -1, -1, -1}));
    taken.add({4, 5, 3, -1, -1, -1, -1});
    taken.add({5, 6, 3, 9, 9, 9, 9});  // past Balls the slots play no part
    EXPECT_EQ(firstFreeLine(slots, 1, 7, false, taken), (LineSlots{5, 3, 7, -1, -1, -1, -1}));
    EXPECT_EQ(firstFreeLine(slots, 1, 7, true, taken), (LineSlots{5, 3, 3, -1, -1, -1, -1}));
    taken.add({5, 3, 7});
    taken.add({5, 4, 6});
    taken.add({5, 4, 7});
    taken.add({5, 6, 7});
    EXPECT_EQ(firstFreeLine(slots, 1, 7, false, taken), std::nullopt);
}

}  // namespace
}  // namespace numora
