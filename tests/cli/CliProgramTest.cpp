#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "CliProgram.h"
#include "app/DevicePaths.h"
#include "draws/DrawFile.h"
#include "platform/AppProfile.h"
#include "platform/LocalTime.h"
#include "support/TestFiles.h"

namespace numora {
namespace {

class CliProgramTest : public ::testing::Test {
protected:
    int run(std::vector<std::string> words) {
        out.str({});
        err.str({});
        words.insert(words.begin(), {"--root", root.path().string()});
        return runCliProgram(words, profile, out, err);
    }

    testing::ScratchFolder root;
    InMemoryAppProfile profile;
    std::ostringstream out;
    std::ostringstream err;
};

}  // namespace

TEST_F(CliProgramTest, helpListsEveryCommandAndEachCommandHasItsOwn) {
    EXPECT_EQ(run({"--help"}), 0);
    for (const char* command : {"lotteries", "show", "add", "delete", "draws"}) {
        EXPECT_NE(out.str().find(std::string("  ") + command), std::string::npos) << command;
    }
    EXPECT_EQ(run({"draws", "--help"}), 0);
    EXPECT_EQ(out.str().rfind("usage: numora-cli [--root DIR] draws LOTTERY\n", 0), 0u);
}

TEST_F(CliProgramTest, unknownCommandsAndOptionsFailWithAMessage) {
    EXPECT_NE(run({"frobnicate"}), 0);
    EXPECT_NE(err.str().find("no command named \"frobnicate\""), std::string::npos);
    EXPECT_NE(run({"--colour"}), 0);
    EXPECT_NE(run({}), 0);
    EXPECT_NE(run({"draws"}), 0);
    EXPECT_NE(run({"draws", "Nowhere"}), 0);
}

TEST_F(CliProgramTest, drawsListsDatesAndNumbersOfTheNamedLotteryUnderTheRoot) {
    // The option store names the data folder; the first run makes it under the root.
    profile.writeText("Options", "Path", "\\Data\\Lotto");
    ASSERT_EQ(run({"add", "Lotto 649", "--balls", "6", "--min", "1", "--max", "49", "--bonus", "49"}), 0) << err.str();

    const SystemLocalTime time;
    const DrawList draws = {{time.toSeconds({2006, 1, 4}), 3, 9, 17, 23, 40, 41, 0, 7},
                            {time.toSeconds({2006, 1, 7}), 1, 2, 3, 4, 5, 6, -1, 0}};
    ASSERT_TRUE(DrawFile::save(DevicePaths(root.path()), "\\Data\\Lotto", "Lotto 649", draws).ok());
    EXPECT_EQ(run({"draws", "Lotto 649"}), 0) << err.str();
    EXPECT_EQ(out.str(), "2006-01-04,3,9,17,23,40,41,0,7\n2006-01-07,1,2,3,4,5,6,-1,0\n");
    EXPECT_TRUE(std::filesystem::exists(root.path() / "Data" / "Lotto" / "Numora.ini"));
}

}  // namespace numora
