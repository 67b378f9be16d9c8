#include "Commands.h"
#include "SettingsCommandFixture.h"
#include "picking/PicksFile.h"

namespace numora {
namespace {

constexpr std::u16string_view kLotteries =
    u"\r\n[LotteryList]\r\nGame0=Lotto 649\r\nGame1=Pick 3\r\n\r\n[Lotto 649]\r\nBalls=6\r\nMin=1\r\nMax=49\r\nBonus=49\r\n"
    u"\r\n[Pick 3]\r\nBalls=3\r\nMin=0\r\nMax=9\r\nBonus=0\r\nRepeat=Yes\r\n";

constexpr char kPublished[] =
    "\"DRAW DATE\",\"NUMBER DRAWN 1\",\"NUMBER DRAWN 2\",\"NUMBER DRAWN 3\",\"NUMBER DRAWN 4\",\"NUMBER DRAWN 5\","
    "\"NUMBER DRAWN 6\",\"BONUS NUMBER\"\r\n"
    "\"1982-06-19\",8,33,36,37,39,41,9\r\n"
    "\"1982-06-12\",3,11,12,14,41,43,13\r\n";

class TicketCommands : public SettingsCommandTest {
protected:
    TicketCommands() { writeSettings(kLotteries); }

    std::string file(std::string_view name, std::string_view bytes) {
        testing::writeBytes(root / name, bytes);
        return (root / name).string();
    }
    std::filesystem::path ticketsFile() const { return dataFolder / "Lotto 649.tickets"; }
};

TEST_F(TicketCommands, ticketsPlayedForADayAreCheckedWhenItsDrawIsImportedAndToldAfterTheSummary) {
    EXPECT_EQ(run(runPlay, {"Lotto 649", "--date", "1982-06-19", "8 33 36 37 39 41 9", "8,33,36,1,2,3",
                            "41 39 37 36 33 2 7"}),
              0)
        << err.str();
    EXPECT_EQ(out.str(), "Played 3 tickets for 1982-06-19: tickets 1 to 3.\n");
    // Without lines, the exported picks; without a date, today (no draws yet).
    ASSERT_TRUE(PicksFile::save(device, state.dataFolder, {"08  33  36  37  39  41 "}).ok);
    EXPECT_EQ(run(runPlay, {"Lotto 649"}), 0) << err.str();
    EXPECT_EQ(out.str(), "Played ticket 4 for 2026-12-06.\n");

    // A dry run tells nothing; the import tells the day after its summary, once.
    const std::string published = file("published.csv", kPublished);
    EXPECT_EQ(run(runImport, {"Lotto 649", published, "--dry-run"}), 0) << err.str();
    EXPECT_EQ(out.str().find("Your"), std::string::npos);
    EXPECT_EQ(run(runImport, {"Lotto 649", published}), 0) << err.str();
    const std::string told = "Your 3 tickets for 1982-06-19: best 6+1 (ticket 1); 3 with 3 or more.\n";
    ASSERT_GE(out.str().size(), told.size());
    EXPECT_EQ(out.str().substr(out.str().size() - told.size()), told);
    EXPECT_NE(out.str().find("Skipped 0 lines.\n" + told), std::string::npos) << out.str();
    EXPECT_EQ(run(runImport, {"Lotto 649", published}), 0) << err.str();
    EXPECT_EQ(out.str().find("Your"), std::string::npos);

    EXPECT_EQ(run(runTickets, {"Lotto 649"}), 0) << err.str();
    EXPECT_EQ(out.str(),
              "4   2026-12-06   08  33  36  37  39  41   pending\n"
              "1   1982-06-19   08  33  36  37  39  41  - 09   6+1\n"
              "2   1982-06-19   08  33  36  01  02  03   3\n"
              "3   1982-06-19   41  39  37  36  33  02  - 07   5\n");
    EXPECT_EQ(run(runTickets, {"Lotto 649", "--checked", "--csv"}), 0) << err.str();
    EXPECT_EQ(out.str(),
              "1,1982-06-19,08  33  36  37  39  41  - 09,6+1\n"
              "2,1982-06-19,08  33  36  01  02  03,3\n"
              "3,1982-06-19,41  39  37  36  33  02  - 07,5\n");
    EXPECT_EQ(run(runTickets, {"Lotto 649", "--pending", "--csv"}), 0) << err.str();
    EXPECT_EQ(out.str(), "4,2026-12-06,08  33  36  37  39  41,\n");
    // Played for a day whose draw is in: checked at once.
    EXPECT_EQ(run(runPlay, {"Lotto 649", "--date", "1982-06-12", "3 11 12 1 2 4 13"}), 0) << err.str();
    EXPECT_EQ(out.str(), "Played ticket 5 for 1982-06-12.\nYour ticket for 1982-06-12: 3+1 (ticket 5).\n");
}

TEST_F(TicketCommands, aSecondDrumsNumbersAreCountedApartFromTheBalls) {
    writeSettings(u"\r\n[LotteryList]\r\nGame0=EuroMillions\r\n\r\n[EuroMillions]\r\nBalls=5\r\nMin=1\r\nMax=50\r\n"
                  u"Bonus=0\r\nSort=Yes\r\nDrum2=2\r\nDrum2Min=1\r\nDrum2Max=12\r\n");
    ASSERT_EQ(run(runPlay, {"EuroMillions", "--date", "2023-01-13", "4 13 25 33 38 + 5 10", "4,13,25,33,37,10,5"}), 0)
        << err.str();
    const std::string published = file("euromillions.csv",
                                       "Date,Number 1,Number 2,Number 3,Number 4,Number 5,Star 1,Star 2\r\n"
                                       "\"2023-01-13\",\"04\",\"13\",\"25\",\"33\",\"37\",\"05\",\"10\"\r\n");
    EXPECT_EQ(run(runImport, {"EuroMillions", published}), 0) << err.str();
    EXPECT_NE(out.str().find("\nYour 2 tickets for 2023-01-13: best 5+2 (ticket 2); 2 with 3 or more.\n"),
              std::string::npos)
        << out.str();
    EXPECT_EQ(run(runTickets, {"EuroMillions", "--csv"}), 0) << err.str();
    EXPECT_EQ(out.str(),
              "1,2023-01-13,04  13  25  33  38  + 05  10,4+2\n"
              "2,2023-01-13,04  13  25  33  37  + 10  05,5+2\n");
}

TEST_F(TicketCommands, deleteRemovesOneTicketAndWhatCannotBeDoneIsRefused) {
    ASSERT_EQ(run(runPlay, {"Lotto 649", "--date", "2026-12-09", "1 2 3 4 5 6", "7 8 9 10 11 12"}), 0) << err.str();
    EXPECT_EQ(run(runTickets, {"Lotto 649", "--delete", "1"}), 0) << err.str();
    EXPECT_EQ(out.str(), "Deleted ticket 1.\n");
    EXPECT_EQ(run(runTickets, {"Lotto 649", "--csv"}), 0) << err.str();
    EXPECT_EQ(out.str(), "2,2026-12-09,07  08  09  10  11  12,\n");

    const struct {
        Command command;
        std::vector<std::string> words;
        std::string message;
    } refused[] = {
        {runTickets, {"Lotto 649", "--delete", "1"}, "tickets: There is no ticket 1."},
        {runTickets, {"Lotto 649", "--pending", "--checked"}, "tickets: --pending and --checked cannot be used together"},
        {runTickets, {"Lotto 649", "--delete", "2", "--csv"},
         "tickets: --delete cannot be used with --pending, --checked or --csv"},
        {runPlay, {"Lotto 649", "--date", "2038-02-01", "1 2 3 4 5 6"},
         "play: 2038-02-01 is outside the dates a draw can have (1970-01-01 to 2038-01-18)"},
        {runPlay, {"Lotto 649", "--date", "9.12.2026", "1 2 3 4 5 6"},
         "play: --date: \"9.12.2026\" is not a date written YYYY-MM-DD"},
        {runPlay, {"Lotto 649", "1 2 3 4 5 50"}, "play: \"1 2 3 4 5 50\": 50 is not a ball from 1 to 49"},
    };
    for (const auto& [command, words, message] : refused) {
        EXPECT_EQ(run(command, words), 1) << message;
        EXPECT_EQ(err.str(), message + "\n");
    }

    // A damaged file lists what could be read, fails, and is never written over.
    const std::string damaged = testing::readBytes(ticketsFile()) + "3,2026-12-09,pick,01";
    testing::writeBytes(ticketsFile(), damaged);
    EXPECT_EQ(run(runTickets, {"Lotto 649", "--csv"}), 1);
    EXPECT_EQ(out.str(), "2,2026-12-09,07  08  09  10  11  12,\n");
    const std::string message = "The tickets file \\Program Files\\Numora\\Lotto 649.tickets is damaged at line 3. "
                                "Numora leaves it as it is.";
    EXPECT_EQ(err.str(), "tickets: " + message + "\n");
    EXPECT_EQ(run(runPlay, {"Lotto 649", "--date", "2026-12-09", "1 2 3 4 5 6"}), 1);
    EXPECT_EQ(err.str(), "play: " + message + "\n");
    EXPECT_EQ(run(runTickets, {"Lotto 649", "--delete", "2"}), 1);
    EXPECT_EQ(run(runImport, {"Lotto 649", file("draw.csv", "1,2,3,4,5,6,7,12/9/2026\n")}), 0);
    EXPECT_EQ(err.str(), "import: " + message + "\nThe tickets were not checked against the new draws.\n");
    EXPECT_EQ(testing::readBytes(ticketsFile()), damaged);
}

}  // namespace
}  // namespace numora
