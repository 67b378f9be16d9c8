#include <QStandardPaths>
#include <sys/stat.h>

#include "CliProgram.h"
#include "SettingsCommandFixture.h"
#include "draws/DrawFile.h"
#include "platform/DeviceLock.h"
#include "qt/QSettingsAppProfile.h"

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

    // The program on another root, with that root's own option store.
    int programOn(const std::filesystem::path& other, std::vector<std::string> words) {
        out.str({});
        err.str({});
        words.insert(words.begin(), {"--root", other.string()});
        return runCliProgram(words, out, err);
    }
};

const std::vector<std::string> kAddLotto = {"add", "Lotto", "--balls", "6", "--min", "1", "--max", "49", "--bonus", "49"};

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

TEST_F(CliProgramTest, readingCommandsRefuseAFolderThatIsNotADeviceRootAndWritingOnesSetItUp) {
    testing::ScratchFolder elsewhere;
    const std::filesystem::path typo = elsewhere / "typo";
    for (const auto& words : std::vector<std::vector<std::string>>{
             {"lotteries"}, {"show", "Lotto"}, {"draws", "Lotto"}, {"stats", "Lotto"}, {"pick", "Lotto"}}) {
        for (const std::filesystem::path& folder : {typo, elsewhere.path()}) {
            EXPECT_EQ(programOn(folder, words), 1) << words[0];
            EXPECT_EQ(err.str(), "numora-cli: " + folder.string() +
                                     " is not a Numora device root: it has no folder \\Program Files\\Numora "
                                     "(numora, or a command that writes, sets one up)\n");
        }
    }
    EXPECT_EQ(std::filesystem::exists(typo), false);
    EXPECT_EQ(std::filesystem::is_empty(elsewhere.path()), true);

    EXPECT_EQ(programOn(typo, kAddLotto), 0) << err.str();
    EXPECT_EQ(programOn(typo, {"lotteries"}), 0) << err.str();
    EXPECT_EQ(out.str(), "Lotto\n");
}

TEST_F(CliProgramTest, aWriterIsRefusedWhileAnotherHoldsTheRootAndWritesNothing) {
    testing::writeBytes(root / "draws.csv", "1/4/2006,3,9,17,23,40,41,7\n");
    {
        const DeviceLock window = DeviceLock::take(device, state.dataFolder, "numora");
        ASSERT_EQ(window.status(), DeviceLock::Status::Held);
        for (const auto& words : std::vector<std::vector<std::string>>{
                 kAddLotto, {"delete", "Lotto"}, {"import", "Lotto", (root / "draws.csv").string()}, {"export", "Lotto"}}) {
            EXPECT_EQ(program(words), 1) << words[0];
            EXPECT_EQ(err.str().rfind(words[0] + ": Numora is already open on this device root (held by numora, ", 0),
                      0u)
                << err.str();
        }
        EXPECT_EQ(std::filesystem::exists(settingsFile), false);
        EXPECT_EQ(program({"lotteries"}), 0) << err.str();  // readers need no lock
    }
    EXPECT_EQ(program(kAddLotto), 0) << err.str();
    EXPECT_EQ(program({"import", "Lotto", (root / "draws.csv").string()}), 0) << err.str();
}

TEST_F(CliProgramTest, optionsLiveInsideTheRootSoRootsNeverShareThem) {
    QStandardPaths::setTestModeEnabled(true);  // the user's own store stays untouched
    testing::ScratchFolder other;
    const auto rootStore = QString::fromStdString((root / "Windows" / "Corvane" / "Numora.conf").string());
    QSettingsAppProfile(rootStore).writeText("Options", "Path", "\\Data\\A");

    ASSERT_EQ(programOn(root.path(), kAddLotto), 0) << err.str();
    ASSERT_EQ(programOn(other.path(), kAddLotto), 0) << err.str();
    EXPECT_EQ(std::filesystem::exists(root / "Data" / "A" / "Numora.ini"), true);
    EXPECT_EQ(std::filesystem::exists(settingsFile), false);
    EXPECT_EQ(std::filesystem::exists(other / "Program Files" / "Numora" / "Numora.ini"), true);
}

TEST_F(CliProgramTest, anOptionsFileThatCannotBeUsedIsToldAndLeftAsItIsWhileCommandsGoOnWithTheDefaults) {
    const std::filesystem::path store = root / "Windows" / "Corvane" / "Numora.conf";
    std::filesystem::create_directories(store.parent_path());
    ASSERT_EQ(::mkfifo(store.c_str(), 0600), 0);  // reading it would wait for ever
    const std::string told = "numora-cli: Numora cannot use the options file " + store.string() +
                             ": it is a pipe, not a file; it goes on with the default options and leaves the file "
                             "as it is.\n";
    EXPECT_EQ(programOn(root.path(), kAddLotto), 0);
    EXPECT_EQ(err.str(), told);
    EXPECT_EQ(programOn(root.path(), {"options", "--model", "2"}), 1);
    EXPECT_EQ(err.str(), told + "options: The options were not stored: Numora cannot use the options file " +
                             store.string() + ": it is a pipe, not a file.\n");
    EXPECT_EQ(std::filesystem::is_fifo(store), true);

    std::filesystem::remove(store);
    testing::writeBytes(store, "");
    std::filesystem::resize_file(store, std::uintmax_t{20} << 30);  // sparse: takes no room
    EXPECT_EQ(programOn(root.path(), {"lotteries"}), 0);
    EXPECT_EQ(out.str(), "Lotto\n");
    EXPECT_NE(err.str().find("it is larger than 1 MB"), std::string::npos) << err.str();

    // Writing takes the lock file QSettings keeps beside the options, which it would wait for without end.
    std::filesystem::remove(store);
    std::filesystem::create_directory(store.string() + ".lock");
    EXPECT_EQ(programOn(root.path(), {"options", "--model", "0"}), 1);
    EXPECT_EQ(err.str(), "options: The options were not stored: Numora cannot use the lock file " + store.string() +
                             ".lock of the options: it is a folder, not a file.\n");
}

}  // namespace
}  // namespace numora
