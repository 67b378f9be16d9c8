#include <gtest/gtest.h>

#include "draws/DrawListText.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"

namespace numora {

namespace {

const FixedOffsetLocalTime kTime;
const FixedLocaleInfo kLocale;

DrawRecord draw(std::int32_t ball1, std::int32_t bonus, CalendarTime date = {2006, 1, 4}) {
    DrawRecord record;
    record.date = kTime.toSeconds(date);
    record.ball1 = ball1;
    record.bonus = bonus;
    return record;
}

std::vector<std::string> cells(const DrawRecord& record, const LotteryProfile& profile) {
    std::vector<std::string> texts;
    for (int column = 0; column < kDrawListColumns; ++column) {
        texts.push_back(drawCellText(record, column, profile, kLocale, kTime));
    }
    return texts;
}

}  // namespace

TEST(DrawListText, cellsBlankWhatTheLotteryDoesNotDraw) {
    LotteryProfile threeBalls;
    threeBalls.balls = 3;
    threeBalls.bonus = 0;
    const DrawRecord record{kTime.toSeconds({2006, 1, 4}), 5, 12, 33, 0, 0, 0, 0, 7};
    EXPECT_EQ(cells(record, threeBalls),
              (std::vector<std::string>{"05", "12", "33", " ", " ", " ", " ", " ", "1/4/2006"}));

    LotteryProfile sixBalls;
    sixBalls.min = 0;
    EXPECT_EQ(cells(record, sixBalls),
              (std::vector<std::string>{"05", "12", "33", "00", "00", "00", " ", "   07", "1/4/2006"}));
    EXPECT_EQ(drawCellText(draw(-1, -1), 0, sixBalls, kLocale, kTime), " ");
    EXPECT_EQ(drawCellText(draw(1, 0), kDrawBonusColumn, sixBalls, kLocale, kTime), " ");
}

TEST(DrawListText, headingsAndWidthsFollowThePowerBallFlag) {
    LotteryProfile profile;
    EXPECT_EQ(drawColumnHeading(0, profile), "B1");
    EXPECT_EQ(drawColumnHeading(kDrawBonusColumn, profile), "Bonus");
    EXPECT_EQ(drawColumnHeading(kDrawDateColumn, profile), "DATE");
    EXPECT_EQ(drawColumnWidth(6, profile, 299), 26);
    EXPECT_EQ(drawColumnWidth(kDrawBonusColumn, profile, 240), 90);
    EXPECT_EQ(drawColumnWidth(kDrawDateColumn, profile, 240), 100);
    profile.powerBall = true;
    EXPECT_EQ(drawColumnHeading(kDrawBonusColumn, profile), "PowerBall");
    EXPECT_EQ(drawColumnWidth(kDrawBonusColumn, profile, 240), 100);
}

TEST(DrawListText, headingTapsSortByTextAndTurnTheOneDirectionFlag) {
    const DrawList draws = {draw(2, 0, {2006, 1, 4}), draw(10, 0, {2005, 12, 31}), draw(1, 0, {2006, 1, 4}),
                            draw(-1, 0, {2007, 1, 1})};
    DrawListSorting sorting;
    std::vector<std::size_t> rows = {0, 1, 2, 3};
    sorting.sortForHeadingTap(rows, draws, 0, kTime);
    EXPECT_EQ(rows, (std::vector<std::size_t>{3, 2, 1, 0}));
    sorting.sortForHeadingTap(rows, draws, 0, kTime);
    EXPECT_EQ(rows, (std::vector<std::size_t>{0, 1, 2, 3}));
    sorting.sortForHeadingTap(rows, draws, kDrawDateColumn, kTime);
    EXPECT_EQ(rows, (std::vector<std::size_t>{1, 0, 2, 3}));  // one day's draws keep their places
    sorting.sortForHeadingTap(rows, draws, kDrawDateColumn, kTime);
    EXPECT_EQ(rows, (std::vector<std::size_t>{3, 0, 2, 1}));
}

}  // namespace numora
