#include <gtest/gtest.h>

#include "draws/DrawListText.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"

namespace numora {

namespace {

const FixedOffsetLocalTime kTime;
const FixedLocaleInfo kLocale;

std::vector<std::string> cells(const DrawRecord& record, const LotteryProfile& profile) {
    std::vector<std::string> texts;
    for (int column = 0; column < kDrawListColumns; ++column) {
        texts.push_back(drawCellText(record, column, profile, kLocale, kTime));
    }
    return texts;
}

}  // namespace

TEST(DrawListText, cellsBlankWhatTheLotteryDoesNotDrawAndTheBonusHeadingFollowsThePowerBallFlag) {
    const DrawRecord record{kTime.toSeconds({2006, 1, 4}), 5, 12, 33, 0, 0, 0, 0, 7};
    EXPECT_EQ(cells(record, {.name = "Pick 3", .balls = 3, .bonus = 0}),
              (std::vector<std::string>{"05", "12", "33", " ", " ", " ", " ", " ", "1/4/2006"}));
    const LotteryProfile fromZero{.name = "From 0", .min = 0};
    EXPECT_EQ(cells(record, fromZero),
              (std::vector<std::string>{"05", "12", "33", "00", "00", "00", " ", "   07", "1/4/2006"}));
    EXPECT_EQ(cells({0, -1, 0, 0, 0, 0, 0, 0, -1}, fromZero).front(), " ");
    EXPECT_EQ(cells({0, 1, 0, 0, 0, 0, 0, 0, 0}, fromZero).at(kDrawBonusColumn), " ");
    std::string headings;
    for (int column = 0; column < kDrawListColumns; ++column) headings += drawColumnHeading(column, fromZero) + " ";
    EXPECT_EQ(headings, "B1 B2 B3 B4 B5 B6 B7 Bonus DATE ");
    const LotteryProfile powerBall{.name = "PowerBall", .powerBall = true};
    EXPECT_EQ(drawColumnHeading(kDrawBonusColumn, powerBall), "PowerBall");
    EXPECT_EQ(drawColumnWidth(kDrawBonusColumn, powerBall, 299), 100);  // whole hundredths of the list
}

TEST(DrawListText, headingTapsSortByTextAndTurnTheOneDirectionFlag) {
    const auto draw = [](std::int32_t ball1, CalendarTime date) { return DrawRecord{kTime.toSeconds(date), ball1}; };
    const DrawList draws = {draw(2, {2006, 1, 4}), draw(10, {2005, 12, 31}), draw(1, {2006, 1, 4}),
                            draw(-1, {2007, 1, 1})};
    DrawListSorting sorting;
    std::vector<std::size_t> rows = {0, 1, 2, 3};
    for (const auto& [column, sorted] : std::vector<std::pair<int, std::vector<std::size_t>>>{
             {0, {3, 2, 1, 0}}, {0, {0, 1, 2, 3}},
             {kDrawDateColumn, {1, 0, 2, 3}},  // one day's draws keep their places
             {kDrawDateColumn, {3, 0, 2, 1}}}) {
        sorting.sortForHeadingTap(rows, draws, column, kTime);
        EXPECT_EQ(rows, sorted);
    }
}

}  // namespace numora
