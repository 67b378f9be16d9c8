#include "CliProgram.h"
#include "SettingsCommandFixture.h"
#include "draws/DrawFile.h"

namespace numora {
namespace {

class CliProgramTest : public SettingsCommandTest {
protected:
    int program(std::vector<std::string> words) {
        out.str({});
        err.str({});
        words.insert(words.begin(), {"--root", root.path().string()});
        return runCliProgram(words, profile, out, err);
    }
};

TEST_F(CliProgramTest, helpListsEveryCommandAndUnknownCommandsFailWithAMessage) {
    EXPECT_EQ(program({"--help"}), 0);
    for (const char* command : {"lotteries", "show", "add", "delete", "draws", "import", "export", "stats", "pick", "options"}) {
        EXPECT_NE(out.str().find(std::string("  ") + command), std::string::npos) << command;
    }
    EXPECT_EQ(program({"draws", "--help"}), 0);
    EXPECT_EQ(out.str().rfind("usage: numora-cli [--root DIR] draws LOTTERY\n", 0), 0u);

    EXPECT_NE(program({"frobnicate"}), 0);
    EXPECT_NE(err.str().find("no command named \"frobnicate\""), std::string::npos);
    EXPECT_NE(program({}), 0);
    EXPECT_NE(program({"draws", "Nowhere"}), 0);
}

TEST_F(CliProgramTest, drawsListsDatesAndNumbersOfTheNamedLotteryUnderTheRoot) {
    // The option store names the data folder; the first run makes it under the root.
    profile.writeText("Options", "Path", "\\Data\\Lotto");
    ASSERT_EQ(program({"add", "Lotto 649", "--balls", "6", "--min", "1", "--max", "49", "--bonus", "49"}), 0)
        << err.str();

    const SystemLocalTime local;
    const DrawList draws = {{local.toSeconds({2006, 1, 4}), 3, 9, 17, 23, 40, 41, 0, 7},
                            {local.toSeconds({2006, 1, 7}), 1, 2, 3, 4, 5, 6, -1, 0}};
    ASSERT_EQ(DrawFile::save(device, "\\Data\\Lotto", "Lotto 649", draws).ok(), true);
    EXPECT_EQ(program({"draws", "Lotto 649"}), 0) << err.str();
    EXPECT_EQ(out.str(), "2006-01-04,3,9,17,23,40,41,0,7\n2006-01-07,1,2,3,4,5,6,-1,0\n");
    EXPECT_EQ(std::filesystem::exists(root / "Data" / "Lotto" / "Numora.ini"), true);
}

}  // namespace
}  // namespace numora
