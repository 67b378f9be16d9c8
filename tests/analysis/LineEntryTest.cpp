#include <gtest/gtest.h>

#include "AnalysisTestData.h"
#include "analysis/LineEntry.h"

namespace numora {
namespace {

using testing::kLotto649;
using testing::kPick3;
using testing::lineOf;

TEST(LineEntry, pickListTextAndPlainNumbersReadAsTheSameLine) {
    const PickedLine withBonus = lineOf({3, 9, 17, 23, 40, 41}, 7);
    for (const char* text : {"03  09  17  23  40  41  - 07", "03  09  17  23  40  41  - 07 - 07", "3 9 17 23 40 41 7",
                             "3,9,17,23,40,41,7", " 3, 9 ,17\t23 40,41 -7"}) {
        const LineEntry entry = readLineEntry(text, kLotto649);
        EXPECT_EQ(entry.line, withBonus) << text << ": " << entry.error;
    }
    EXPECT_EQ(readLineEntry("03 09 17 23 40 41", kLotto649).line, lineOf({3, 9, 17, 23, 40, 41}));
    EXPECT_EQ(readLineEntry("07  07  00 ", kPick3).line, lineOf({7, 7, 0}));
}

TEST(LineEntry, aLineThatIsNotTheLotterysSaysWhy) {
    const struct {
        const char* text;
        const LotteryProfile& lottery;
        const char* error;
    } cases[] = {
        {"", kLotto649, "\"\" is not a line of numbers"},
        {"1 2 3 x 5 6", kLotto649, "\"1 2 3 x 5 6\" is not a line of numbers"},
        {"1 2 3 4 5 6 - ", kLotto649, "\"1 2 3 4 5 6 - \" is not a line of numbers"},
        {"1 2 3 4 5", kLotto649, "\"1 2 3 4 5\" does not have the lottery's 6 numbers (and a bonus)"},
        {"1 2 3 4 5 6 7 8", kLotto649, "\"1 2 3 4 5 6 7 8\" does not have the lottery's 6 numbers (and a bonus)"},
        {"1 2 3 4", kPick3, "\"1 2 3 4\" does not have the lottery's 3 numbers"},
        {"1 2 3 - 4", kPick3, "\"1 2 3 - 4\" has a bonus, but the lottery has none"},
        {"1 2 3 4 5 6 - 7 - 8", kLotto649, "\"1 2 3 4 5 6 - 7 - 8\" has two different bonus numbers"},
        {"0 2 3 4 5 6", kLotto649, "\"0 2 3 4 5 6\": 0 is not a ball from 1 to 49"},
        {"1 2 3 4 5 50", kLotto649, "\"1 2 3 4 5 50\": 50 is not a ball from 1 to 49"},
        {"1 2 3 4 5 6 - 50", kLotto649, "\"1 2 3 4 5 6 - 50\": the bonus 50 is not from 1 to 49"},
        {"1 2 3 4 5 1", kLotto649, "\"1 2 3 4 5 1\": 1 is there twice, but the lottery's numbers do not repeat"},
    };
    for (const auto& [text, lottery, error] : cases) {
        const LineEntry entry = readLineEntry(text, lottery);
        EXPECT_FALSE(entry.line) << text;
        EXPECT_EQ(entry.error, error);
    }

    // The bonus is held to the highest bonus, the balls to the highest ball.
    const LotteryProfile fiveOf69{"5 of 69", 5, 1, 69, 26, false, true, true, false};
    EXPECT_EQ(readLineEntry("65 66 67 68 69 26", fiveOf69).line, lineOf({65, 66, 67, 68, 69}, 26));
    EXPECT_EQ(readLineEntry("1 2 3 4 5 27", fiveOf69).error, "\"1 2 3 4 5 27\": the bonus 27 is not from 1 to 26");
    EXPECT_EQ(readLineEntry("1 2 3 4 70 26", fiveOf69).error, "\"1 2 3 4 70 26\": 70 is not a ball from 1 to 69");
}

}  // namespace
}  // namespace numora
