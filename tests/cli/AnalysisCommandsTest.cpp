#include <sys/stat.h>

#include <cstdio>

#include "Commands.h"
#include "SettingsCommandFixture.h"
#include "analysis/AnalysisTestData.h"
#include "analysis/Backtest.h"
#include "draws/DrawFile.h"
#include "picking/PickingTestData.h"
#include "picking/PicksFile.h"

namespace numora {
namespace {

using testing::drawOf;

constexpr std::u16string_view kLotteries =
    u"\r\n[LotteryList]\r\nGame0=Lotto\r\nGame1=Pick 3\r\nGame2=Small\r\n"
    u"\r\n[Lotto]\r\nBalls=6\r\nMin=1\r\nMax=49\r\nBonus=49\r\nSort=Yes\r\nShowBonus=Yes\r\n"
    u"\r\n[Pick 3]\r\nBalls=3\r\nMin=0\r\nMax=9\r\nBonus=0\r\nRepeat=Yes\r\n"
    u"\r\n[Small]\r\nBalls=3\r\nMin=1\r\nMax=5\r\nBonus=3\r\nPowerBall=Yes\r\n";

std::int32_t day(int year, int month, int dayOfMonth) {
    return static_cast<std::int32_t>(daysFromCivil(year, month, dayOfMonth) * 86400);
}

class AnalysisCommands : public SettingsCommandTest {
protected:
    AnalysisCommands() { writeSettings(kLotteries); }

    void saveDraws(const std::string& lottery, const DrawList& draws) {
        ASSERT_TRUE(DrawFile::save(device, state.dataFolder, lottery, draws).ok());
    }
    void expectFailure(Command command, const std::vector<std::string>& words, const std::string& message) {
        EXPECT_NE(run(command, words), 0) << message;
        EXPECT_EQ(err.str(), message + "\n");
        EXPECT_EQ(out.str(), "");
    }
};

TEST_F(AnalysisCommands, checkLabelsEachLineAgainstTheLatestDrawADayOrEveryDraw) {
    // The latest draw by date is not the last in the list.
    saveDraws("Lotto", {drawOf(day(2024, 5, 18), {3, 11, 12, 14, 41, 43}, 13),
                        drawOf(day(2024, 5, 25), {14, 21, 31, 37, 39, 42}, 19),
                        drawOf(day(2024, 5, 22), {43, 18, 20, 25, 39, 3}, 4)});
    const std::vector<std::string> lines{"Lotto", "03  11  12  14  41  43  - 13", "14 21 31 37 39 42 19",
                                         "3,18,20,25,39,43"};
    EXPECT_EQ(run(runCheck, lines), 0) << err.str();
    EXPECT_EQ(out.str(),
              "draw of 2024-05-25: 14  21  31  37  39  42  - 19\n"
              "03  11  12  14  41  43  - 13   1   drawn on 2024-05-18\n"
              "14  21  31  37  39  42  - 19   6+1   drawn on 2024-05-25\n"
              "03  18  20  25  39  43    1   drawn on 2024-05-22\n"
              "best: 14  21  31  37  39  42  - 19   6+1\n");

    std::vector<std::string> words = lines;
    words.insert(words.begin() + 1, {"--date", "2024-05-22"});
    EXPECT_EQ(run(runCheck, words), 0) << err.str();
    EXPECT_EQ(out.str().substr(0, out.str().find('\n')), "draw of 2024-05-22: 43  18  20  25  39  03  - 04");
    EXPECT_NE(out.str().find("03  11  12  14  41  43  - 13   2   drawn"), std::string::npos) << out.str();

    words[1] = "--all";
    words.erase(words.begin() + 2);
    EXPECT_EQ(run(runCheck, words), 0) << err.str();
    EXPECT_EQ(out.str(),
              "03  11  12  14  41  43  - 13   6+1   2024-05-18   drawn on 2024-05-18\n"
              "14  21  31  37  39  42  - 19   6+1   2024-05-25   drawn on 2024-05-25\n"
              "03  18  20  25  39  43    6   2024-05-22   drawn on 2024-05-22\n");
}

TEST_F(AnalysisCommands, checkWithoutLinesReadsThePicksOfTheExportedPicksFile) {
    saveDraws("Pick 3", {drawOf(day(2020, 1, 1), {1, 2, 1}), drawOf(day(2020, 1, 2), {7, 0, 7})});
    expectFailure(runCheck, {"Pick 3"},
                  "check: no lines given and no picks file \\Program Files\\Numora\\LottoExport.txt "
                  "(export the picks first)");
    ASSERT_TRUE(PicksFile::save(device, state.dataFolder, {"Select PICK to calculate your", "Pick 3"}).ok);
    expectFailure(runCheck, {"Pick 3"},
                  "check: no lines given and the picks file \\Program Files\\Numora\\LottoExport.txt holds no picks");

    ASSERT_TRUE(PicksFile::save(device, state.dataFolder, {"07  07  00 ", "01  01  01 "}).ok);
    EXPECT_EQ(run(runCheck, {"Pick 3", "--all"}), 0) << err.str();
    EXPECT_EQ(out.str(), "07  07  00    3   2020-01-02   drawn on 2020-01-02\n01  01  01    2   2020-01-01\n");

    // A line that would retitle and clear the terminal is shown escaped.
    ASSERT_TRUE(PicksFile::save(device, state.dataFolder, {"\x1B]0;owned\x07\x1B[2J\xC2\x9B" "1 2 3"}).ok);
    expectFailure(runCheck, {"Pick 3"}, "check: \"\\x1B]0;owned\\x07\\x1B[2J\\u009B1 2 3\" is not a line of numbers");
}

TEST_F(AnalysisCommands, checkSaysWhyAPicksFileThatIsThereCannotBeRead) {
    saveDraws("Pick 3", {drawOf(day(2020, 1, 1), {1, 2, 1})});
    const std::filesystem::path picks = dataFolder / "LottoExport.txt";
    const std::string unreadable = "check: no lines given and the picks file \\Program Files\\Numora\\LottoExport.txt "
                                   "cannot be read: ";
    std::filesystem::create_directory(picks);
    expectFailure(runCheck, {"Pick 3"}, unreadable + "it is a folder, not a file");
    std::filesystem::remove(picks);
    ASSERT_EQ(::mkfifo(picks.c_str(), 0600), 0);
    expectFailure(runCheck, {"Pick 3"}, unreadable + "it is a pipe, not a file");
    std::filesystem::remove(picks);
    testing::writeBytes(picks, "");
    std::filesystem::resize_file(picks, std::uintmax_t{50} << 30);  // sparse: no room is taken
    expectFailure(runCheck, {"Pick 3"}, unreadable + "it is larger than 16 MB");
}

TEST_F(AnalysisCommands, checkRefusesWhatItCannotCheck) {
    expectFailure(runCheck, {"Lotto", "1 2 3 4 5 6"}, "check: Lotto has no past draws to check against");
    saveDraws("Lotto", {drawOf(day(2024, 5, 18), {3, 11, 12, 14, 41, 43}, 13)});
    expectFailure(runCheck, {"Lotto", "--date", "2024-05-19", "1 2 3 4 5 6"}, "check: Lotto has no draw on 2024-05-19");
    expectFailure(runCheck, {"Lotto", "--date", "2024-02-30", "1 2 3 4 5 6"},
                  "check: --date: \"2024-02-30\" is not a date written YYYY-MM-DD");
    expectFailure(runCheck, {"Lotto", "--date", "2024-05-18", "--all"},
                  "check: --date and --all cannot be used together");
    expectFailure(runCheck, {}, "check: needs the name of one lottery (quote a name that has spaces)");

    const std::string whole = DrawFile::encode({{0, 1}, {0, 2}});
    testing::writeBytes(dataFolder / "Lotto.dat", whole.substr(0, whole.size() - 1));
    for (const auto& [command, name] : std::vector<std::pair<Command, std::string>>{
             {runCheck, "check"}, {runTrends, "trends"}, {runBacktest, "backtest"}}) {
        expectFailure(command, {"Lotto"},
                      name +
                          ": The draw file \\Program Files\\Numora\\Lotto.dat is damaged: only its first 1 draws "
                          "could be read.");
    }
}

TEST_F(AnalysisCommands, trendsWriteTheTableOrCsvOfTheLastDrawsWithTheBonusApart) {
    saveDraws("Small", {drawOf(1, {1, 2, 3}, 2), drawOf(2, {2, 4, 5}, 0), drawOf(3, {1, 2, 5}, 3)});
    EXPECT_EQ(run(runTrends, {"Small", "--last", "2"}), 0) << err.str();
    EXPECT_EQ(out.str(),
              "Small: the last 2 of 3 draws\n"
              "main balls: 6 counted, 1.20 expected for each number by chance\n"
              "No.  Count  Expected  Since\n"
              "01       1      1.20      0\n"
              "02       2      1.20      0\n"
              "03       0      1.20      2\n"
              "04       1      1.20      1\n"
              "05       2      1.20      0\n"
              "bonus: 1 counted, 0.33 expected for each number by chance\n"
              "No.  Count  Expected  Since\n"
              "01       0      0.33      -\n"
              "02       0      0.33      2\n"
              "03       1      0.33      0\n");
    EXPECT_EQ(run(runTrends, {"Small", "--csv"}), 0) << err.str();
    EXPECT_EQ(out.str(),
              "ball,number,count,expected,since\n"
              "main,1,2,1.8000,0\nmain,2,3,1.8000,0\nmain,3,1,1.8000,2\nmain,4,1,1.8000,1\nmain,5,2,1.8000,0\n"
              "bonus,1,0,0.6667,\nbonus,2,1,0.6667,2\nbonus,3,1,0.6667,0\n");
    expectFailure(runTrends, {"Small", "--last", "0"},
                  "trends: --last: the number of draws is a whole number from 1 up");
}

TEST_F(AnalysisCommands, backtestWritesTheMatchesBesideRandomLinesWithTheOptionsOfTheWords) {
    const DrawList draws = testing::sampleDraws(40);
    saveDraws("Lotto", draws);
    state.options = {.model = 0, .pattern = true};
    EXPECT_EQ(run(runBacktest, {"Lotto", "--last", "20", "--model", "2", "--no-pattern"}), 0) << err.str();
    EXPECT_EQ(err.str(), "");

    const BacktestResult expected =
        backtestAnalysedPicks(draws, testing::kLotto649, {.model = 2, .pattern = false}, 20);
    std::istringstream lines(out.str());
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "Lotto: 20 draws tested, each against the analysed pick made from the draws before it");
    std::getline(lines, line);
    EXPECT_EQ(line, "matched  picks  random lines");
    for (std::size_t matches = 0; matches <= 6; ++matches) {
        std::getline(lines, line);
        int shownMatches = -1;
        int picks = -1;
        double random = -1;
        ASSERT_EQ(std::sscanf(line.c_str(), "%d %d %lf", &shownMatches, &picks, &random), 3) << line;
        EXPECT_EQ(shownMatches, static_cast<int>(matches));
        EXPECT_EQ(picks, expected.observed[matches]) << line;
        EXPECT_NEAR(random, expected.expected[matches], 0.005) << line;
    }
    std::getline(lines, line);
    EXPECT_EQ(line.rfind("  bonus ", 0), 0u) << line;
    std::getline(lines, line);
    EXPECT_EQ(line, "Too few draws to judge: 20 picks cannot tell a method from luck; test at least 30.");

    saveDraws("Lotto", testing::sampleDraws(3));
    expectFailure(runBacktest, {"Lotto"},
                  "backtest: Lotto has too few past draws to test: each tested draw needs 3 before it");
    expectFailure(runBacktest, {"Lotto", "--pattern", "--no-pattern"},
                  "backtest: --pattern and --no-pattern cannot be used together");
}

}  // namespace
}  // namespace numora
