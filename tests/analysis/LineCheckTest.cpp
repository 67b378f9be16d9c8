#include <gtest/gtest.h>

#include "AnalysisTestData.h"
#include "analysis/LineCheck.h"

namespace numora {
namespace {

using testing::drawOf;
using testing::kLotto649;
using testing::kPick3;
using testing::lineOf;

TEST(LineCheck, mainNumbersMatchAsASetWithTheBonusApart) {
    // Drawn out of order, ball 7 and a -1 field take no part, bonus 7.
    const DrawRecord draw = drawOf(0, {40, 3, 23, 17, 11, 9, 41}, 7);
    const struct {
        PickedLine line;
        int main;
        bool bonus;
        const char* label;
    } cases[] = {
        {lineOf({3, 9, 17, 23, 40, 41}, 7), 5, true, "5+1"},
        {lineOf({3, 9, 17, 22, 30, 41}, 8), 3, false, "3"},
        // The drawn bonus is not a main number, nor the line's bonus one.
        {lineOf({7, 12, 13, 14, 15, 16}, 41), 0, false, "0"},
        {lineOf({1, 2, 4, 5, 6, 8}, 7), 0, true, "0+1"},
        {lineOf({3, 9, 17, 23, 40, 11}), 6, false, "6"},
    };
    for (const auto& [line, main, bonus, label] : cases) {
        SCOPED_TRACE(label);
        const LineMatch match = matchLine(line, draw, kLotto649);
        EXPECT_EQ(match.mainMatches, main);
        EXPECT_EQ(match.bonusMatched, bonus);
        EXPECT_EQ(matchLabel(match), label);
    }
    EXPECT_EQ(matchLine(lineOf({3, 9, 17, 22, 30, 41}), draw, kLotto649).matchedSlots,
              (std::array<bool, 7>{true, true, true, false, false, false, false}));

    // A draw without a bonus (0) or with one outside the range matches no bonus.
    EXPECT_FALSE(matchLine(lineOf({1, 2, 3, 4, 5, 6}, 0), drawOf(0, {1, 2, 3, 4, 5, 6}, 0), kLotto649).bonusMatched);
    EXPECT_FALSE(matchLine(lineOf({1, 2, 3, 4, 5, 6}, -1), drawOf(0, {1, 2, 3, 4, 5, 6}, -1), kLotto649).bonusMatched);
}

TEST(LineCheck, picksGetTheirLabelsAndTheBestIsTheFirstOfTheMostNumbersThenTheBonus) {
    const DrawRecord draw = drawOf(0, {1, 2, 3, 4, 5, 6}, 7);
    std::vector<std::optional<PickedLine>> picks{std::nullopt, lineOf({1, 2, 3, 10, 11, 12}, 8),
                                                 lineOf({1, 2, 3, 20, 21, 22}, 9), lineOf({1, 2, 10, 11, 12, 13}, 7)};
    PicksCheck checked = checkPicks(picks, draw, kLotto649);
    EXPECT_EQ(checked.labels, (std::vector<std::string>{"", "3", "3", "2+1"}));
    EXPECT_EQ(checked.best, 1u);  // the tie goes to the first; the bonus does not make up for a number

    picks.push_back(lineOf({1, 2, 3, 30, 31, 32}, 7));
    checked = checkPicks(picks, draw, kLotto649);
    EXPECT_EQ(checked.labels.back(), "3+1");
    EXPECT_EQ(checked.best, 4u);
    EXPECT_EQ(checkPicks({std::nullopt}, draw, kLotto649).best, std::nullopt);
}

TEST(LineCheck, repeatedDigitsMatchOnlyAsOftenAsBothHoldThem) {
    const DrawRecord draw = drawOf(0, {1, 1, 2, -1, -1, -1, -1});
    EXPECT_EQ(matchLabel(matchLine(lineOf({1, 1, 1}), draw, kPick3)), "2");
    EXPECT_EQ(matchLabel(matchLine(lineOf({2, 1, 1}), draw, kPick3)), "3");
    EXPECT_EQ(matchLabel(matchLine(lineOf({1, 2, 2}), draw, kPick3)), "2");
    EXPECT_EQ(matchLine(lineOf({0, 0, 1}), draw, kPick3).matchedSlots,
              (std::array<bool, 7>{false, false, true, false, false, false, false}));
    // 0 is a digit like any other.
    EXPECT_EQ(matchLine(lineOf({0, 0, 0}), drawOf(0, {0, 5, 0}), kPick3).mainMatches, 2);
}

TEST(LineCheck, datesDrawnAreThoseOfTheExactMainSetInAnyOrder) {
    const DrawList draws{drawOf(100, {1, 2, 3, 4, 5, 6}, 9), drawOf(200, {7, 8, 9, 10, 11, 12}),
                         drawOf(300, {6, 5, 4, 3, 2, 1}, 20), drawOf(400, {1, 2, 3, 4, 5, 7})};
    EXPECT_EQ(datesDrawn(lineOf({3, 1, 2, 6, 5, 4}, 33), draws, kLotto649), (std::vector<std::int32_t>{100, 300}));
    EXPECT_TRUE(datesDrawn(lineOf({1, 2, 3, 4, 5, 8}), draws, kLotto649).empty());
    // Five of six is not the set; nor is a line with an empty slot.
    EXPECT_TRUE(datesDrawn(lineOf({1, 2, 3, 4, 5}), draws, kLotto649).empty());

    const DrawList digits{drawOf(1, {4, 4, 7}), drawOf(2, {4, 7, 7}), drawOf(3, {7, 4, 4})};
    EXPECT_EQ(datesDrawn(lineOf({4, 7, 4}), digits, kPick3), (std::vector<std::int32_t>{1, 3}));
}

TEST(LineCheck, latestDrawsGoByDateAndTheBestMatchPrefersTheLatest) {
    const DrawList draws{drawOf(300, {1, 2, 3, 4, 5, 6}), drawOf(100, {1, 2, 3, 10, 11, 12}),
                         drawOf(300, {1, 2, 3, 20, 21, 22}, 9), drawOf(200, {1, 2, 3, 4, 30, 31})};
    EXPECT_EQ(latestDraws(draws, 10), (std::vector<std::size_t>{2, 0, 3, 1}));
    EXPECT_EQ(latestDraws(draws, 2), (std::vector<std::size_t>{2, 0}));
    EXPECT_TRUE(latestDraws(DrawList{}, 5).empty());

    EXPECT_EQ(bestMatchingDraw(lineOf({1, 2, 3, 4, 40, 41}), draws, kLotto649), 0u);
    EXPECT_EQ(bestMatchingDraw(lineOf({1, 2, 3, 40, 41, 42}), draws, kLotto649), 2u);
    EXPECT_EQ(bestMatchingDraw(lineOf({1, 2, 3, 40, 41, 42}, 9), draws, kLotto649), 2u);
    EXPECT_EQ(bestMatchingDraw(lineOf({10, 11, 12, 40, 41, 42}), draws, kLotto649), 1u);
}

}  // namespace
}  // namespace numora
