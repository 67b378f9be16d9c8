#include <gtest/gtest.h>

#include "draws/DrawCheck.h"

namespace numora {

namespace {

struct CheckRow {
    int box;
    std::int32_t value;
    std::string message;
    bool reset;
};

}  // namespace

TEST(DrawCheck, eachCheckFailsWithItsMessageFocusAndResetAndOnlyWhereTheProfileAsksForIt) {
    const LotteryProfile sorted{.name = "Sorted", .balls = 7, .sort = true};  // 1 to 49, bonus up to 49
    const EnteredDraw valid = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(checkEnteredDraw(valid, sorted), std::nullopt);
    std::vector<CheckRow> rows = {{kBonusBox, 0, "Bonus  or PowerBall must be higher.", false},
                                  {kBonusBox, 50, "Bonus or PowerBall must be a smaller number.", false},
                                  {kBonusBox, 3, "Invalid entry, That number was already drawn", false}};
    for (int box = 0; box < kBonusBox; ++box) {
        const std::string ball = std::to_string(box + 1);
        rows.push_back({box, 0, "Ball " + ball + " must be higher then 0.", true});
        rows.push_back({box, 50, "Ball " + ball + " must be a smaller number.", true});
        if (box > 0) {
            const std::string before = std::to_string(box);
            rows.push_back({box, box, "Invalid entry, enter a number that is higher then ball " + before + ".", true});
        }
    }
    ASSERT_EQ(rows.size(), 23u);
    for (const auto& [box, value, message, reset] : rows) {
        EnteredDraw draw = valid;
        draw[static_cast<std::size_t>(box)] = value;
        EXPECT_EQ(checkEnteredDraw(draw, sorted), (DrawCheckFailure{message, box, reset})) << message;
    }

    // Order and repeats are checked only for a lottery that sorts and forbids repeats;
    // balls past the ball count only against Max; the PowerBall may repeat a ball.
    EXPECT_EQ(checkEnteredDraw({1, 2, 3, 4, 50, 0, 0, 7}, {.name = "4 of 49", .balls = 4})->message,
              "Ball 5 must be a smaller number.");
    for (const auto& [draw, profile] : std::vector<std::pair<EnteredDraw, LotteryProfile>>{
             {{5, 3, 5, 4, 5, 6, 0, 0}, {.name = "unsorted, no bonus", .bonus = 0}},
             {{1, 2, 3, 4, 5, 6, 0, 7}, {.name = "sorted six, ball 7 left at 0", .sort = true}},
             {{0, 2, 3, 4, 0, 0, 0, 0}, {.name = "4 from 0", .balls = 4, .min = 0}},
             {{1, 2, 3, 4, 5, 6, 7, 3}, {.name = "PowerBall", .balls = 7, .sort = true, .powerBall = true}},
             {{5, 3, 3, 4, 5, 6, 7, 3}, {.name = "repeats", .balls = 7, .repeat = true, .sort = true}}}) {
        EXPECT_EQ(checkEnteredDraw(draw, profile), std::nullopt) << profile.name;
    }
}

}  // namespace numora
