#include "Commands.h"
#include "SettingsCommandFixture.h"

namespace numora {
namespace {

constexpr std::u16string_view kThreeLotteries =
    u"\r\n[LotteryList]\r\nGame0=Daily\r\nGame1=Lotto 649\r\nGame2=Daily Plus\r\n"
    u"\r\n[Daily]\r\nBalls=3\r\nMin=0\r\nMax=9\r\nBonus=0\r\nRepeat=Yes\r\nSort=No\r\nPowerBall=No\r\nShowBonus=No\r\n"
    u"\r\n[Lotto 649]\r\nMax=49\r\nPowerBall=Yes\r\n";

using SettingsCommands = SettingsCommandTest;

TEST_F(SettingsCommands, lotteriesAndShowReadTheFileWithoutWritingIt) {
    EXPECT_EQ(run(runLotteries, {}), 0);
    EXPECT_EQ(out.str(), "");
    EXPECT_FALSE(std::filesystem::exists(settingsFile));

    writeSettings(kThreeLotteries);
    EXPECT_EQ(run(runLotteries, {}), 0);
    EXPECT_EQ(out.str(), "Daily\nLotto 649\nDaily Plus\n");
    EXPECT_EQ(run(runShow, {"Lotto 649"}), 0);  // missing keys show the built-in profile
    EXPECT_EQ(out.str(), "Balls=6\nMin=1\nMax=49\nBonus=49\nRepeat=No\nSort=No\nPowerBall=Yes\nShowBonus=No\n");
    EXPECT_NE(run(runShow, {"daily"}), 0);
    EXPECT_EQ(err.str(), "show: no lottery of that name (names are matched exactly): daily\n");
    EXPECT_NE(run(runLotteries, {"extra"}), 0);
    EXPECT_EQ(err.str(), "lotteries: takes no arguments\n");
    EXPECT_EQ(settingsBytes(), testing::utf16WithMark(kThreeLotteries));
}

TEST_F(SettingsCommands, addListsANewNameAtTheNextIndexButNotOneListedInOtherCapitals) {
    writeSettings(kThreeLotteries);
    EXPECT_EQ(run(runAdd, {"Keno", "--balls", "7", "--min", "1", "--max", "80", "--bonus", "0", "--sort",
                           "--show-bonus"}), 0) << err.str();
    EXPECT_EQ(run(runAdd, {"DAILY", "--balls", "4", "--min", "0", "--max", "9", "--bonus", "0", "--powerball"}), 0);
    EXPECT_EQ(settingsBytes(),
              testing::utf16WithMark(
                  u"\r\n[LotteryList]\r\nGame0=Daily\r\nGame1=Lotto 649\r\nGame2=Daily Plus\r\nGame3=Keno\r\n"
                  u"\r\n[Daily]\r\nBalls=3\r\nMin=0\r\nMax=9\r\nBonus=0\r\nRepeat=Yes\r\nSort=No\r\nPowerBall=No\r\n"
                  u"ShowBonus=No\r\n\r\n[Lotto 649]\r\nMax=49\r\nPowerBall=Yes\r\n"
                  u"\r\n[Keno]\r\nBalls=7\r\nMin=1\r\nMax=80\r\nBonus=0\r\nRepeat=No\r\nSort=Yes\r\nPowerBall=No\r\n"
                  u"ShowBonus=Yes\r\n"
                  u"\r\n[DAILY]\r\nBalls=4\r\nMin=0\r\nMax=9\r\nBonus=0\r\nRepeat=No\r\nSort=No\r\nPowerBall=Yes\r\n"
                  u"ShowBonus=No\r\n"));
}

TEST_F(SettingsCommands, addRefusesValuesOutOfRangeUnsafeNamesAndBothBonusKindsWritingNothing) {
    writeSettings(kThreeLotteries);
    for (const auto& [words, message] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"X", "--balls", "8", "--min", "1", "--max", "49", "--bonus", "0"},
              "add: --balls: Please enter an integer between 3 and 7.\n"},
             {{"X", "--balls", "6", "--min", "2", "--max", "49", "--bonus", "0"},
              "add: --min: Please enter an integer between 0 and 1.\n"},
             {{"X", "--balls", "6", "--min", "1", "--max", "49", "--bonus", "100"},
              "add: --bonus: Please enter an integer between 0 and 99.\n"},
             {{"X", "--balls", "six", "--min", "1", "--max", "49", "--bonus", "0"},
              "add: --balls: Please enter an integer.\n"},
             {{"X", "--balls", "6", "--min", "1", "--bonus", "0"}, "add: this option is required: --max\n"},
             {{"X", "--balls", "6", "--min", "1", "--max", "49", "--bonus", "9", "--powerball", "--show-bonus"},
              "add: --powerball and --show-bonus cannot be used together: a lottery shows a PowerBall or a bonus "
              "number\n"},
             {{"../X", "--balls", "6", "--min", "1", "--max", "49", "--bonus", "0"},
              "add: A lottery name cannot contain the character \"/\".\n"},
             {{"X", "--colour", "red"}, "add: unknown option --colour\n"}}) {
        EXPECT_NE(run(runAdd, words), 0) << message;
        EXPECT_EQ(err.str(), message);
    }
    EXPECT_EQ(settingsBytes(), testing::utf16WithMark(kThreeLotteries));
}

TEST_F(SettingsCommands, settingsFileThatCannotBeReadIsNotReplaced) {
    std::filesystem::create_directory(settingsFile);
    EXPECT_NE(run(runAdd, {"Daily", "--balls", "3", "--min", "0", "--max", "9", "--bonus", "0"}), 0);
    EXPECT_EQ(err.str(), "add: cannot read the settings file " + settingsFile.string() + "\n");
    EXPECT_TRUE(std::filesystem::is_directory(settingsFile));

    state.dataFolder = "\\..\\Elsewhere";
    EXPECT_NE(run(runLotteries, {}), 0);
    EXPECT_EQ(err.str(), "lotteries: the data folder is not a path on the device: \\..\\Elsewhere\n");
}

TEST_F(SettingsCommands, deleteMovesLaterLotteriesUpAndRefusesUnlistedNamesAndTheLastLottery) {
    writeSettings(kThreeLotteries);
    EXPECT_NE(run(runDelete, {"daily"}), 0);
    EXPECT_EQ(err.str(), "delete: no lottery of that name is listed (names are matched exactly): daily\n");
    EXPECT_EQ(settingsBytes(), testing::utf16WithMark(kThreeLotteries));

    EXPECT_EQ(run(runDelete, {"Daily"}), 0) << err.str();
    EXPECT_EQ(settingsBytes(), testing::utf16WithMark(u"\r\n[LotteryList]\r\nGame0=Lotto 649\r\nGame1=Daily Plus\r\n"
                                                      u"\r\n[Lotto 649]\r\nMax=49\r\nPowerBall=Yes\r\n"));
    EXPECT_EQ(run(runDelete, {"Lotto 649"}), 0);
    EXPECT_NE(run(runDelete, {"Daily Plus"}), 0);
    EXPECT_EQ(err.str(), "delete: the last remaining lottery cannot be deleted\n");
    EXPECT_EQ(settingsBytes(), testing::utf16WithMark(u"\r\n[LotteryList]\r\nGame0=Daily Plus\r\n"));
}

}  // namespace
}  // namespace numora
