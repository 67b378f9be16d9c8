#include <gtest/gtest.h>

#include "draws/DrawCheck.h"
#include "draws/EnteredDrawText.h"

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
    EXPECT_EQ(checkEnteredDraw({43, 44, 45, 46, 47, 48, 49, 1}, sorted), std::nullopt);  // the highest ball
    EXPECT_EQ(checkEnteredDraw({1, 2, 3, 4, 5, 6, 7, 49}, sorted), std::nullopt);         // and bonus
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

TEST(DrawCheck, theBonusIsHeldToTheHighestBonusAndTheBallsToTheHighestBall) {
    const LotteryProfile fiveOf69{.name = "5 of 69", .balls = 5, .max = 69, .bonus = 26, .powerBall = true};
    EXPECT_EQ(checkEnteredDraw({65, 66, 67, 68, 69, 0, 0, 26}, fiveOf69), std::nullopt);
    EXPECT_EQ(checkEnteredDraw({1, 2, 3, 4, 5, 0, 0, 27}, fiveOf69),
              (DrawCheckFailure{"Bonus or PowerBall must be a smaller number.", kBonusBox, false}));
    EXPECT_EQ(checkEnteredDraw({1, 2, 3, 4, 70, 0, 0, 26}, fiveOf69),
              (DrawCheckFailure{"Ball 5 must be a smaller number.", 4, true}));
}

TEST(EnteredDrawText, wholeNumbersAreReadAndTheFirstBoxWithoutOneIsNamedAndKept) {
    const EnteredDrawTexts typed{"1", "02", "49", "0", "0", "0", "0", "2147483647"};
    EXPECT_EQ(std::get<EnteredDraw>(readEnteredDraw(typed)), (EnteredDraw{1, 2, 49, 0, 0, 0, 0, 2147483647}));

    const struct {
        int box;
        std::string text;
        std::string message;
    } refused[] = {{2, "", "Ball 3 must be a whole number."},
                   {0, "x", "Ball 1 must be a whole number."},
                   {6, "-1", "Ball 7 must be a whole number."},
                   {3, " 4", "Ball 4 must be a whole number."},
                   {kBonusBox, "2147483648", "Bonus or PowerBall must be a whole number."}};
    for (const auto& [box, text, message] : refused) {
        EnteredDrawTexts texts = typed;
        texts[static_cast<std::size_t>(box)] = text;
        if (box != kBonusBox) texts[kBonusBox] = "";  // a later box that is wrong too
        EXPECT_EQ(std::get<DrawCheckFailure>(readEnteredDraw(texts)), (DrawCheckFailure{message, box, false}))
            << text;
    }
}

}  // namespace numora
