#include "Commands.h"
#include "SettingsCommandFixture.h"
#include "draws/DrawFile.h"

namespace numora {
namespace {

constexpr std::u16string_view kLotto =
    u"\r\n[LotteryList]\r\nGame0=Lotto 649\r\n\r\n[Lotto 649]\r\nMax=9\r\nBonus=0\r\n";

class DrawCommands : public SettingsCommandTest {
protected:
    DrawCommands() { writeSettings(kLotto); }

    std::filesystem::path csv(std::string_view text) {
        const auto file = root / "draws.csv";
        testing::writeBytes(file, text);
        return file;
    }
};

TEST_F(DrawCommands, importSavesTheMergedDrawsThatStatsAndExportThenRead) {
    EXPECT_EQ(run(runStats, {"Lotto 649"}), 0);
    EXPECT_EQ(out.str(), "Records 0\n");

    const auto file = csv("1,2,3,4,5,6,1/4/2006\n1,2,3,4,5,6,1/4/2006\n9,2,3,4,5,7,1/5/2006\n");
    EXPECT_EQ(run(runImport, {"Lotto 649", file.string()}), 0) << err.str();
    EXPECT_EQ(out.str(), "Imported 2 lines into past draw file.\nRecorded 0 repeat draw dates.\nSkipped 1 lines.\n");
    DrawList saved;
    EXPECT_EQ(DrawFile::load(device, state.dataFolder, "Lotto 649", saved).ok(), true);
    EXPECT_EQ(saved.size(), 2u);

    EXPECT_EQ(run(runStats, {"Lotto 649"}), 0);
    EXPECT_EQ(out.str(), "01 01\n02 02\n03 02\n04 02\n05 02\n06 01\n07 01\n08 00\n09 01\nRecords 2\n");

    EXPECT_EQ(run(runExport, {"Lotto 649"}), 0);
    const auto exported = root / "My Documents" / "Lotto 649 Export.csv";
    EXPECT_EQ(out.str(), exported.string() + "\n");
    std::string expected;
    for (const char c : std::string_view("01,02,03,04,05,06\n09,02,03,04,05,07\n")) expected += {c, '\0'};
    EXPECT_EQ(testing::readBytes(exported), expected);
}

TEST_F(DrawCommands, importFailsWhenTheFileCannotBeReadOrTheDrawsCannotBeSaved) {
    EXPECT_NE(run(runImport, {"Lotto 649"}), 0);
    EXPECT_EQ(err.str(), "import: needs the name of one lottery and one file\n");
    EXPECT_NE(run(runImport, {"Lotto 649", (root / "missing.csv").string()}), 0);
    EXPECT_EQ(err.str(), "import: Error 201, CSV file read error\nUnable to open.\n");
    EXPECT_NE(run(runImport, {"Lotto 649", csv("").string()}), 0);
    EXPECT_EQ(err.str(), "import: Unable to read data\nImport could not read the file format.\n");

    writeSettings(u"\r\n[LotteryList]\r\nGame0=..\\Outside\r\n");  // a name no draw file can have
    EXPECT_NE(run(runImport, {"..\\Outside", csv("1,2,3\n").string()}), 0);
    EXPECT_EQ(err.str(),
              "import: ERROR 101\nUnable to Open or Create \\Program Files\\Numora\\..\\Outside.dat\n"
              "import: ERROR 2006:\nUnable to save past draw data!\nFile may be in use or memory may be too low.\n");
}

}  // namespace
}  // namespace numora
