#include <regex>

#include "CommandWheel.h"
#include "SettingsCommandFixture.h"

namespace numora {
namespace {

constexpr std::u16string_view kLotteries =
    u"\r\n[LotteryList]\r\nGame0=Lotto\r\nGame1=Four\r\n"
    u"\r\n[Lotto]\r\nBalls=6\r\nMin=1\r\nMax=49\r\nBonus=49\r\nShowBonus=Yes\r\n"
    u"\r\n[Four]\r\nBalls=4\r\nMin=1\r\nMax=20\r\nBonus=0\r\n";

class WheelCommand : public SettingsCommandTest {
protected:
    WheelCommand() { writeSettings(kLotteries); }

    std::vector<std::string> outLines() const {
        std::vector<std::string> lines;
        std::istringstream text(out.str());
        for (std::string line; std::getline(text, line);) lines.push_back(line);
        return lines;
    }
};

TEST_F(WheelCommand, writesTheTicketsAsPickLinesThenTheirCheckOrAsCsv) {
    // 3 if 3 over 8 numbers with 4 balls: the 14 tickets of S(3, 4, 8).
    ASSERT_EQ(run(runWheel, {"Four", "--pool", "1-8", "--match", "3", "--if", "3"}), 0) << err.str();
    std::vector<std::string> lines = outLines();
    ASSERT_EQ(lines.size(), 17u) << out.str();
    for (std::size_t ticket = 0; ticket < 14; ++ticket)
        EXPECT_TRUE(std::regex_match(lines[ticket], std::regex("0[1-8]  0[1-8]  0[1-8]  0[1-8] "))) << lines[ticket];
    EXPECT_EQ(lines[14], "Checked: 3 if 3 holds for all 56 ways 3 of your 8 numbers can be drawn");
    EXPECT_EQ(lines[15], "At least 14 tickets are needed; this wheel has 14");
    EXPECT_EQ(lines[16].rfind("A ticket matches 3 or more in ", 0), 0u);

    ASSERT_EQ(run(runWheel, {"Four", "--pool", "3,5,7-12", "--match", "3", "--if", "3", "--csv", "--seed", "4"}), 0);
    lines = outLines();
    ASSERT_EQ(lines.size(), 14u);
    for (const std::string& line : lines)
        EXPECT_TRUE(std::regex_match(line, std::regex("([0-9]+,){3}[0-9]+"))) << line;

    // The bonus as an ordinary pick of the lottery has it; a full wheel.
    ASSERT_EQ(run(runWheel, {"Lotto", "--pool", "1-7", "--match", "3", "--if", "6", "--full"}), 0) << err.str();
    lines = outLines();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_TRUE(std::regex_match(lines[0], std::regex("01  02  03  04  05  06  - (0[7-9]|[1-4][0-9])"))) << lines[0];
    EXPECT_EQ(lines[7], "Checked: 3 if 6 holds for all 7 ways 6 of your 7 numbers can be drawn");
}

TEST_F(WheelCommand, refusesWithAMessageWhatCannotBe) {
    const auto refused = [&](std::vector<std::string> words, const std::string& message) {
        EXPECT_EQ(run(runWheel, words), 1) << message;
        EXPECT_EQ(err.str(), "wheel: " + message + "\n");
        EXPECT_EQ(out.str(), "");
    };
    refused({"Four", "--pool", "1,2,4", "--match", "3", "--if", "3"},
            "A pool needs at least 5 numbers (the lottery's 4 balls and one more); it has 3.");
    refused({"Four", "--pool", "1-x", "--match", "3", "--if", "3"},
            "\"1-x\" is not a list of numbers and ranges such as 1-12 or 3,7,9-15.");
    refused({"Four", "--pool", "1-9", "--match", "3"}, "needs --pool, --match and --if");
    refused({"Four", "--pool", "1-9", "--match", "3", "--if", "3", "--seconds", "0"},
            "--seconds: a number of seconds above 0, up to 3600");
    refused({"Four", "--pool", "1-9", "--match", "3", "--if", "3", "--tickets", "0"},
            "--tickets: a number of tickets from 1 to 10,000");
    refused({"Four", "--pool", "1-9", "--match", "3", "--if", "3", "--tickets", "3", "--full"},
            "--full and --tickets cannot be used together");
    refused({"Lotto", "--pool", "1-20", "--match", "3", "--if", "3", "--full"},
            "A full wheel of these numbers has 38,760 tickets; Numora makes at most 10,000.");
}

}  // namespace
}  // namespace numora
