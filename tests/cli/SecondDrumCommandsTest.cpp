#include <regex>

#include "Commands.h"
#include "SettingsCommandFixture.h"

namespace numora {
namespace {

// 6aus49 with its Superzahl from 0 to 9.
constexpr std::u16string_view kSuperzahl =
    u"\r\n[LotteryList]\r\nGame0=6aus49\r\n\r\n[6aus49]\r\nBalls=6\r\nMin=1\r\nMax=49\r\nBonus=0\r\nRepeat=No\r\n"
    u"Sort=Yes\r\nPowerBall=No\r\nShowBonus=No\r\nDrum2=1\r\nDrum2Min=0\r\nDrum2Max=9\r\n";

class SecondDrumCommands : public SettingsCommandTest {
protected:
    SecondDrumCommands() { writeSettings(kSuperzahl); }

    std::string csv(std::string_view text) {
        testing::writeBytes(root / "draws.csv", text);
        return (root / "draws.csv").string();
    }
};

TEST_F(SecondDrumCommands, importKeepsTheSuperzahlThatStatsCountsApartAndExportWrites) {
    const std::string file = csv("3,8,9,10,29,42,0,2/29/2020\n1,2,3,4,5,6,9,3/4/2020\n1,2,3,4,5,6,0,3/7/2020\n");
    EXPECT_EQ(run(runImport, {"6aus49", file}), 0) << err.str();
    EXPECT_EQ(run(runDraws, {"6aus49"}), 0);
    EXPECT_EQ(out.str(), "2020-02-29,3,8,9,10,29,42,0,-1\n2020-03-04,1,2,3,4,5,6,9,-1\n2020-03-07,1,2,3,4,5,6,0,0\n");

    EXPECT_EQ(run(runStats, {"6aus49"}), 0);
    const std::string stats = out.str();
    EXPECT_NE(stats.find("\n09 01\n10 01\n"), std::string::npos) << stats;
    EXPECT_EQ(stats.substr(stats.find("49 00\n")),
              "49 00\nSecond drum\n00 02\n01 00\n02 00\n03 00\n04 00\n05 00\n06 00\n07 00\n08 00\n09 01\nRecords 3\n");

    EXPECT_EQ(run(runExport, {"6aus49"}), 0);
    EXPECT_EQ(testing::readBytes(root / "My Documents" / "6aus49 Export.csv"),
              testing::utf16Bytes(u"03,08,09,10,29,42,00\n01,02,03,04,05,06,09\n01,02,03,04,05,06,00\n"));
}

TEST_F(SecondDrumCommands, pickWritesTheSuperzahlAfterThePlusOfThePickLine) {
    EXPECT_EQ(run(runImport, {"6aus49", csv("3,8,9,10,29,42,0,2/29/2020\n1,2,3,4,5,6,9,3/4/2020\n")}), 0);
    const std::regex pickLine("(\\d\\d  ){5}\\d\\d  \\+ 0\\d \n");
    for (const std::vector<std::string>& words : {std::vector<std::string>{"6aus49"}, {"6aus49", "--random"}}) {
        EXPECT_EQ(run(runPick, words), 0) << err.str();
        EXPECT_TRUE(std::regex_match(out.str(), pickLine)) << out.str();
    }
}

TEST_F(SecondDrumCommands, checkTrendsAndBacktestCountTheSuperzahlApart) {
    EXPECT_EQ(run(runImport, {"6aus49", csv("3,8,9,10,29,42,0,2/29/2020\n1,2,3,4,5,6,9,3/4/2020\n")}), 0);
    EXPECT_EQ(run(runCheck, {"6aus49", "03  08  09  10  29  42  + 00 ", "1 2 3 4 5 6 0", "3 8 9 10 29 42 + 9"}), 0)
        << err.str();
    EXPECT_EQ(out.str(),
              "draw of 2020-03-04: 01  02  03  04  05  06  + 09 \n"
              "03  08  09  10  29  42  + 00    1+0   drawn on 2020-02-29\n"
              "01  02  03  04  05  06  + 00    6+0\n"
              "03  08  09  10  29  42  + 09    1+1\n"
              "best: 01  02  03  04  05  06  + 00    6+0\n");

    EXPECT_EQ(run(runTrends, {"6aus49", "--csv"}), 0) << err.str();
    EXPECT_NE(out.str().find("\nmain,49,0,0.2449,\nsecond,0,1,0.2000,1\nsecond,1,0,0.2000,\n"), std::string::npos)
        << out.str();

    std::string draws;
    for (int day = 1; day <= 9; ++day) {
        draws += std::to_string(day) + "," + std::to_string(day + 10) + ",20,30,40,4" + std::to_string(day) + "," +
                 std::to_string(day) + ",5/" + std::to_string(day) + "/2020\n";
    }
    EXPECT_EQ(run(runImport, {"6aus49", csv(draws)}), 0) << err.str();
    EXPECT_EQ(run(runBacktest, {"6aus49", "--last", "5"}), 0) << err.str();
    const std::string table = out.str();
    EXPECT_NE(table.find("matched  picks  random lines  (main + second drum)\n    0+0  "), std::string::npos) << table;
    EXPECT_NE(table.find("\n    6+1      0      0.000000\n"), std::string::npos) << table;
}

}  // namespace
}  // namespace numora
