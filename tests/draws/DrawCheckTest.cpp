#include <gtest/gtest.h>

#include "draws/DrawCheck.h"

namespace numora {

namespace {

LotteryProfile sevenBallSortedLottery() {
    LotteryProfile profile;
    profile.balls = 7;
    profile.sort = true;
    return profile;
}

constexpr EnteredDraw kValidDraw = {1, 2, 3, 4, 5, 6, 7, 8};

struct CheckRow {
    int box;
    std::int32_t value;
    std::string message;
    int focus;
    bool reset;
};

}  // namespace

TEST(DrawCheck, eachCheckOfTheTableFailsWithItsMessageFocusAndReset) {
    const std::vector<CheckRow> rows = {
        {0, 0, "Ball 1 must be higher then 0.", 0, true},
        {1, 0, "Ball 2 must be higher then 0.", 1, true},
        {2, 0, "Ball 3 must be higher then 0.", 2, true},
        {3, 0, "Ball 4 must be higher then 0.", 3, true},
        {4, 0, "Ball 5 must be higher then 0.", 4, true},
        {5, 0, "Ball 6 must be higher then 0.", 5, true},
        {6, 0, "Ball 7 must be higher then 0.", 6, true},
        {7, 0, "Bonus  or PowerBall must be higher.", 7, false},
        {0, 50, "Ball 1 must be a smaller number.", 0, true},
        {1, 50, "Ball 2 must be a smaller number.", 1, true},
        {2, 50, "Ball 3 must be a smaller number.", 2, true},
        {3, 50, "Ball 4 must be a smaller number.", 3, true},
        {4, 50, "Ball 5 must be a smaller number.", 4, true},
        {5, 50, "Ball 6 must be a smaller number.", 5, true},
        {6, 50, "Ball 7 must be a smaller number.", 6, true},
        {7, 50, "Bonus or PowerBall must be a smaller number.", 7, false},
        {1, 1, "Invalid entry, enter a number that is higher then ball 1.", 1, true},
        {2, 2, "Invalid entry, enter a number that is higher then ball 2.", 2, true},
        {3, 3, "Invalid entry, enter a number that is higher then ball 3.", 3, true},
        {4, 4, "Invalid entry, enter a number that is higher then ball 4.", 4, true},
        {5, 5, "Invalid entry, enter a number that is higher then ball 5.", 5, true},
        {6, 6, "Invalid entry, enter a number that is higher then ball 6.", 6, true},
        {7, 3, "Invalid entry, That number was already drawn", 7, false},
    };
    EXPECT_EQ(checkEnteredDraw(kValidDraw, sevenBallSortedLottery()), std::nullopt);
    for (const CheckRow& row : rows) {
        EnteredDraw draw = kValidDraw;
        draw[static_cast<std::size_t>(row.box)] = row.value;
        EXPECT_EQ(checkEnteredDraw(draw, sevenBallSortedLottery()),
                  (DrawCheckFailure{row.message, row.focus, row.reset}))
            << row.message;
    }
}

TEST(DrawCheck, checksFollowTheProfileValuesTheyName) {
    LotteryProfile sixBalls;  // 1 to 49, bonus up to 49, no sorting
    sixBalls.bonus = 0;
    EXPECT_EQ(checkEnteredDraw({1, 2, 3, 4, 5, 6, 0, 0}, sixBalls), std::nullopt);
    EXPECT_EQ(checkEnteredDraw({5, 3, 5, 4, 5, 6, 0, 0}, sixBalls), std::nullopt);

    LotteryProfile fourBalls;
    fourBalls.balls = 4;
    EXPECT_EQ(checkEnteredDraw({1, 2, 3, 4, 50, 0, 0, 7}, fourBalls)->message, "Ball 5 must be a smaller number.");
    fourBalls.min = 0;
    EXPECT_EQ(checkEnteredDraw({0, 2, 3, 4, 0, 0, 0, 0}, fourBalls), std::nullopt);

    LotteryProfile sorted = sevenBallSortedLottery();
    sorted.powerBall = true;
    EXPECT_EQ(checkEnteredDraw({1, 2, 3, 4, 5, 6, 7, 3}, sorted), std::nullopt);
    sorted.repeat = true;
    EXPECT_EQ(checkEnteredDraw({5, 3, 3, 4, 5, 6, 7, 3}, sorted), std::nullopt);
}

}  // namespace numora
