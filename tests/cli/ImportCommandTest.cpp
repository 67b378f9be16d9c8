#include "Commands.h"
#include "SettingsCommandFixture.h"
#include "draws/DrawFile.h"

namespace numora {
namespace {

constexpr std::u16string_view kLotteries =
    u"\r\n[LotteryList]\r\nGame0=Lotto 649\r\n\r\n[Lotto 649]\r\nBalls=6\r\nMin=1\r\nMax=49\r\nBonus=49\r\n";

constexpr char kPublished[] =
    "\"DRAW DATE\",\"NUMBER DRAWN 1\",\"NUMBER DRAWN 2\",\"NUMBER DRAWN 3\",\"NUMBER DRAWN 4\",\"NUMBER DRAWN 5\","
    "\"NUMBER DRAWN 6\",\"BONUS NUMBER\"\r\n"
    "\"1982-06-19\",8,33,36,37,39,41,9\r\n"
    "\"1982-06-12\",3,11,12,14,41,43,13\r\n"
    "\"1982-06-26\",1,6,23,24,27,39\r\n"
    "\"1982-07-03\",3,9,10,13,20,50,10\r\n";

constexpr char kLayout[] =
    "File: UTF-8, comma-separated, quoted fields, heading on line 1.\n"
    "Date: column 1 \"DRAW DATE\"\n"
    "Balls: columns 2 to 7 (\"NUMBER DRAWN 1\" to \"NUMBER DRAWN 6\")\n"
    "Bonus: column 8 \"BONUS NUMBER\"\n";

constexpr char kLenientReader[] =
    "Reader: lenient: numbers and a date among comma-separated fields, dates read as month/day/year.\n";

class ImportCommand : public SettingsCommandTest {
protected:
    ImportCommand() { writeSettings(kLotteries); }

    std::string file(std::string_view name, std::string_view bytes) {
        testing::writeBytes(root / name, bytes);
        return (root / name).string();
    }
    bool drawFileExists() const { return std::filesystem::exists(dataFolder / "Lotto 649.dat"); }
};

TEST_F(ImportCommand, publishersFileShowsItsLayoutNamesRejectedLinesAndADryRunSavesNothing) {
    const std::string published = file("published.csv", kPublished);
    EXPECT_EQ(run(runImport, {"Lotto 649", published, "--dry-run"}), 0) << err.str();
    EXPECT_EQ(out.str(), std::string(kLayout) +
                             "To import: 3, to skip: 0, repeat dates: 0, rejected: 1\n"
                             "1982-06-12,3,11,12,14,41,43,0,13\n"
                             "1982-06-19,8,33,36,37,39,41,0,9\n"
                             "1982-06-26,1,6,23,24,27,39,0,0\n");
    EXPECT_EQ(err.str(), "import: line 5: ball 50 is outside the lottery's 1 to 49\n");
    EXPECT_FALSE(drawFileExists());

    EXPECT_EQ(run(runImport, {"Lotto 649", published}), 0) << err.str();
    EXPECT_EQ(out.str(), std::string(kLayout) +
                             "Imported 3 lines into past draw file.\nRecorded 0 repeat draw dates.\nSkipped 0 lines.\n"
                             "Rejected 1 lines.\n");
    DrawList saved;
    EXPECT_TRUE(DrawFile::load(device, state.dataFolder, "Lotto 649", saved).ok());
    ASSERT_EQ(saved.size(), 3u);
    EXPECT_EQ(saved.at(0).ball1, 3);  // the file's second line, dated first

    // Exported with dates and imported again: every draw is there already.
    EXPECT_EQ(run(runExport, {"Lotto 649", "--with-dates"}), 0) << err.str();
    const auto dated = root / "My Documents" / "Lotto 649 Export with Dates.csv";
    EXPECT_EQ(out.str(), dated.string() + "\n");
    EXPECT_EQ(run(runImport, {"Lotto 649", dated.string()}), 0) << err.str();
    EXPECT_NE(
        out.str().find("Imported 0 lines into past draw file.\nRecorded 0 repeat draw dates.\nSkipped 3 lines.\n"),
        std::string::npos);
}

TEST_F(ImportCommand, theReaderFollowsTheFileUnlessChosenAndAFileWithoutDrawsFails) {
    // Only the lenient reader's characters: read as always, in the system's date order.
    const std::string lenient = file("lenient.csv", "01,02,03,04,05,06,07,1/4/2006\n");
    EXPECT_EQ(run(runImport, {"Lotto 649", lenient, "--dry-run"}), 0) << err.str();
    EXPECT_EQ(out.str(), std::string(kLenientReader) +
                             "To import: 1, to skip: 0, repeat dates: 0, rejected: 0\n"
                             "2006-01-04,1,2,3,4,5,6,0,7\n");
    EXPECT_EQ(run(runImport, {"Lotto 649", lenient, "--reader", "table", "--dry-run"}), 0) << err.str();
    EXPECT_NE(out.str().find("2006-01-04,1,2,3,4,5,6,0,7\n"), std::string::npos);

    const std::string rejected = file("rejected.csv", "Date,N1,N2,N3,N4,N5,N6\n2020-01-01,1,2,3,4,5,60\n");
    EXPECT_EQ(run(runImport, {"Lotto 649", rejected}), 1);
    EXPECT_EQ(err.str(),
              "import: line 2: ball 60 is outside the lottery's 1 to 49\n"
              "import: the file gives no draw for this lottery\n");
    EXPECT_EQ(run(runImport, {"Lotto 649", file("words.csv", "just words\n")}), 1);
    EXPECT_EQ(err.str(), "import: The file holds no lines to read draws from.\n");
    EXPECT_EQ(run(runImport, {"Lotto 649", (root / "missing.csv").string(), "--reader", "table"}), 1);
    EXPECT_EQ(err.str(), "import: Error 201, CSV file read error\nUnable to open.\n(no such file or directory)\n");
    EXPECT_EQ(run(runImport, {"Lotto 649", lenient, "--reader", "fast"}), 1);
    EXPECT_EQ(err.str(), "import: --reader is lenient or table\n");
    EXPECT_FALSE(drawFileExists());

    // The lenient reader on a publisher's file finds nothing: it fails after its summary.
    EXPECT_EQ(run(runImport, {"Lotto 649", file("published.csv", kPublished), "--reader", "lenient"}), 1);
    EXPECT_EQ(out.str(), "Imported 0 lines into past draw file.\nRecorded 0 repeat draw dates.\nSkipped 0 lines.\n");
    EXPECT_EQ(err.str(), "import: the file gives no draw for this lottery\n");
}

TEST_F(ImportCommand, aLenientFileListsOnlyNewDrawsNamesLinesWithoutADrawDateAndSkipsWhatIsStored) {
    EXPECT_EQ(run(runImport, {"Lotto 649", file("first.csv", "01,02,03,04,05,06,07,1/4/2006\n")}), 0) << err.str();
    const std::string again = file("again.csv", "01,02,03,04,05,06,07,1/4/2006\n08,09,10,11,12,13,14,1/7/2006\n");
    EXPECT_EQ(run(runImport, {"Lotto 649", again, "--dry-run"}), 0) << err.str();
    EXPECT_EQ(out.str(), std::string(kLenientReader) +
                             "To import: 1, to skip: 1, repeat dates: 0, rejected: 0\n"
                             "2006-01-07,8,9,10,11,12,13,0,14\n");

    EXPECT_EQ(run(runImport, {"Lotto 649", again}), 0) << err.str();
    EXPECT_EQ(run(runImport, {"Lotto 649", again}), 0) << err.str();
    EXPECT_EQ(out.str(), "Imported 0 lines into past draw file.\nRecorded 0 repeat draw dates.\nSkipped 2 lines.\n");

    EXPECT_EQ(run(runImport, {"Lotto 649", file("late.csv", "01,02,03,04,05,06,07,1/1/2074\n")}), 1);
    EXPECT_EQ(err.str(),
              "import: line 1: 2074-01-01 is outside the dates a draw can have (1970-01-01 to 2038-01-18)\n"
              "import: the file gives no draw for this lottery\n");
}

}  // namespace
}  // namespace numora
