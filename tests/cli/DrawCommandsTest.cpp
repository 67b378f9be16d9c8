#include <sys/stat.h>
#include <unistd.h>

#include <set>

#include "Commands.h"
#include "SettingsCommandFixture.h"
#include "draws/DrawFile.h"
#include "picking/LineText.h"
#include "picking/PickFlow.h"
#include "picking/PickRefusal.h"
#include "picking/PickingTestData.h"
#include "picking/SilentProgress.h"

namespace numora {
namespace {

constexpr std::u16string_view kLotto =
    u"\r\n[LotteryList]\r\nGame0=Lotto 649\r\n\r\n[Lotto 649]\r\nMax=9\r\nBonus=0\r\n";

class DrawCommands : public SettingsCommandTest {
protected:
    DrawCommands() { writeSettings(kLotto); }

    std::string csv(std::string_view text) {
        testing::writeBytes(root / "draws.csv", text);
        return (root / "draws.csv").string();
    }
};

TEST_F(DrawCommands, importSavesTheMergedDrawsThatStatsAndExportThenRead) {
    EXPECT_EQ(run(runStats, {"Lotto 649"}), 0);
    EXPECT_EQ(out.str(), "Records 0\n");

    const std::string file = csv("1,2,3,4,5,6,1/4/2006\n1,2,3,4,5,6,1/4/2006\n9,2,3,4,5,7,1/5/2006\n");
    EXPECT_EQ(run(runImport, {"Lotto 649", file}), 0) << err.str();
    EXPECT_EQ(out.str(), "Imported 2 lines into past draw file.\nRecorded 0 repeat draw dates.\nSkipped 1 lines.\n");
    DrawList saved;
    EXPECT_EQ(DrawFile::load(device, state.dataFolder, "Lotto 649", saved).ok(), true);
    EXPECT_EQ(saved.size(), 2u);

    EXPECT_EQ(run(runStats, {"Lotto 649"}), 0);
    EXPECT_EQ(out.str(), "01 01\n02 02\n03 02\n04 02\n05 02\n06 01\n07 01\n08 00\n09 01\nRecords 2\n");

    EXPECT_EQ(run(runExport, {"Lotto 649"}), 0);
    const auto exported = root / "My Documents" / "Lotto 649 Export.csv";
    EXPECT_EQ(out.str(), exported.string() + "\n");
    EXPECT_EQ(testing::readBytes(exported), testing::utf16Bytes(u"01,02,03,04,05,06\n09,02,03,04,05,07\n"));
}

TEST_F(DrawCommands, damagedDrawFileFailsEveryDrawCommandAndAFailedImportSaysWhy) {
    const std::string whole = DrawFile::encode({{0, 1}, {0, 2}});
    const std::string cut = whole.substr(0, whole.size() - 1);
    testing::writeBytes(dataFolder / "Lotto 649.dat", cut);
    const std::string damaged =
        "The draw file \\Program Files\\Numora\\Lotto 649.dat is damaged: only its first 1 draws could be read.\n";
    for (const auto& [command, name] : std::vector<std::pair<Command, std::string>>{
             {runDraws, "draws"}, {runStats, "stats"}, {runExport, "export"}, {runImport, "import"}}) {
        std::vector<std::string> words = {"Lotto 649"};
        if (command == runImport) words.push_back(csv("1,2,3\n"));
        EXPECT_NE(run(command, words), 0) << name;
        EXPECT_EQ(err.str(), name + ": " + damaged);
    }
    EXPECT_EQ(std::filesystem::exists(root / "My Documents"), false);
    EXPECT_EQ(testing::readBytes(dataFolder / "Lotto 649.dat"), cut);  // the import saved nothing over it

    std::filesystem::remove(dataFolder / "Lotto 649.dat");
    writeSettings(u"\r\n[LotteryList]\r\nGame0=..\\Outside\r\n");  // a name no draw file can have
    EXPECT_NE(run(runImport, {"..\\Outside", csv("1,2,3\n")}), 0);
    EXPECT_EQ(err.str(),
              "import: ERROR 101\nUnable to Open or Create \\Program Files\\Numora\\..\\Outside.dat\n"
              "import: ERROR 2006:\nUnable to save past draw data!\nFile may be in use or memory may be too low.\n");
}

TEST_F(DrawCommands, aDrawFileThatCannotBeReadWholeFailsEveryDrawCommandAndIsNeverSavedOver) {
    const auto drawFile = dataFolder / "Lotto 649.dat";
    ::mkfifo(drawFile.c_str(), 0600);  // no writer: opening it to read would wait
    const std::string message =
        "The draw file \\Program Files\\Numora\\Lotto 649.dat is not a regular file; Numora leaves it as it is.\n";
    for (const auto& [command, word] : std::vector<std::pair<Command, std::string>>{
             {runDraws, "draws"}, {runStats, "stats"}, {runExport, "export"}, {runPick, "pick"}, {runImport, "import"}}) {
        std::vector<std::string> words = {"Lotto 649"};
        if (command == runImport) words.push_back(csv("1,2,3\n"));
        EXPECT_NE(run(command, words), 0) << word;
        EXPECT_EQ(err.str(), word + ": " + message);
        EXPECT_EQ(out.str(), "");
    }
    EXPECT_EQ(std::filesystem::is_fifo(drawFile), true);
}

TEST_F(DrawCommands, importTakesALotteryAndAReadableFileOfDraws) {
    ::mkfifo((root / "pipe.csv").c_str(), 0600);  // no writer: opening it to read would wait
    testing::writeBytes(root / "huge.csv", "");
    std::filesystem::resize_file(root / "huge.csv", std::uintmax_t{100} << 30);
    // What a shell gives for <(cat draws.csv).
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const std::string shellPipe = "/dev/fd/" + std::to_string(pipeEnds[0]);
    const std::string cannotOpen = "import: Error 201, CSV file read error\nUnable to open.\n";
    const std::string aPipe = cannotOpen + "(it is a pipe, not a file)\n";
    for (const auto& [words, message] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{}, "import: needs the name of one lottery and one file\n"},
             {{"Lotto 649"}, "import: needs the name of one lottery and one file\n"},
             {{"Lotto 649", "a.csv", "b.csv"}, "import: needs the name of one lottery and one file\n"},
             {{"Lotto 649", "a.csv", "--colour"}, "import: unknown option --colour\n"},
             {{"Lotto", "a.csv"}, "import: no lottery of that name (names are matched exactly): Lotto\n"},
             {{"Lotto 649", root.path().string()}, cannotOpen + "(it is a folder, not a file)\n"},
             {{"Lotto 649", (root / "pipe.csv").string()}, aPipe},
             {{"Lotto 649", shellPipe}, aPipe},
             {{"Lotto 649", shellPipe, "--reader", "lenient"}, aPipe},
             {{"Lotto 649", (root / "missing.csv").string()}, cannotOpen + "(no such file or directory)\n"},
             {{"Lotto 649", (root / "huge.csv").string()},
              "import: Error 201, CSV file read error\nThe file is larger than 32 MB.\n"}}) {
        EXPECT_NE(run(runImport, words), 0) << message;
        EXPECT_EQ(err.str(), message);
    }
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    EXPECT_EQ(std::filesystem::exists(dataFolder / "Lotto 649.dat"), false);
}

// "Lotto" sorts and shows a bonus; "Small" has too few numbers for an
// analysed line without repeats, but enough for a random one.
constexpr std::u16string_view kLotteries =
    u"\r\n[LotteryList]\r\nGame0=Lotto\r\nGame1=Small\r\n"
    u"\r\n[Lotto]\r\nBalls=6\r\nMin=1\r\nMax=49\r\nBonus=49\r\nSort=Yes\r\nShowBonus=Yes\r\n"
    u"\r\n[Small]\r\nBalls=3\r\nMin=1\r\nMax=5\r\nBonus=0\r\n";

class PickCommand : public SettingsCommandTest {
protected:
    PickCommand() { writeSettings(kLotteries); }
};

TEST_F(PickCommand, analysedPickUsesTheStoredProfileDrawsAndOptionsWithTheWordsChanges) {
    const DrawList draws = testing::sampleDraws(60);
    ASSERT_EQ(DrawFile::save(device, state.dataFolder, "Lotto", draws).ok(), true);
    LotteryProfile lotto = testing::lotteryProfile(6, 1, 49, 49, false, true);
    lotto.sort = true;
    const auto analysedLine = [&](const Options& options, int lines) {
        CrtRandom random;
        PredictionEngine engine(random);
        SilentProgress progress;
        const PickResult pick = makePick(engine, {lotto, draws, options, lines, LineKind::Analysed, 0}, progress);
        return makeLineText(pick.line, lotto) + "\n";
    };

    state.options = {.model = 0, .pattern = false, .moreWeightToLessFrequent = true};
    EXPECT_EQ(run(runPick, {"Lotto"}), 0) << err.str();
    EXPECT_EQ(out.str(), analysedLine(state.options, 1));
    EXPECT_EQ(run(runPick, {"Lotto", "--lines", "7", "--model", "2", "--pattern", "--no-weight"}), 0) << err.str();
    EXPECT_EQ(out.str(), analysedLine({.model = 2, .pattern = true, .moreWeightToLessFrequent = false}, 7));
}

TEST_F(PickCommand, withoutDrawsOrWithRandomThePickIsARandomLine) {
    EXPECT_EQ(run(runPick, {"Small"}), 0) << err.str();
    ASSERT_EQ(DrawFile::save(device, state.dataFolder, "Small", {}).ok(), true);
    EXPECT_EQ(run(runPick, {"Small"}), 0) << err.str();  // a draw file without draws
    ASSERT_EQ(DrawFile::save(device, state.dataFolder, "Small", testing::sampleDraws(5)).ok(), true);
    EXPECT_NE(run(runPick, {"Small"}), 0);
    EXPECT_EQ(err.str(), std::string("pick: ") + kRefusalTooFewForCandidates + "\n");
    EXPECT_EQ(run(runPick, {"Small", "--random"}), 0) << err.str();
    const auto line = readLineText(out.str().substr(0, out.str().find('\n')), testing::lotteryProfile(3, 1, 5));
    ASSERT_TRUE(line.has_value()) << out.str();
    EXPECT_EQ(std::set<int>(line->slots.begin(), line->slots.begin() + 3).size(), 3u);
}

TEST_F(PickCommand, wordsThatDoNotFitAreRefused) {
    for (const auto& [words, message] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"Lotto", "--model", "3"}, "pick: --model: the forecasting model is 0, 1 or 2\n"},
             {{"Lotto", "--lines", "-1"}, "pick: --lines: the pick list cannot hold fewer than 0 lines\n"},
             {{"Lotto", "--lines", "6x"}, "pick: option --lines needs a whole number, not \"6x\"\n"},
             {{"lotto"}, "pick: no lottery of that name (names are matched exactly): lotto\n"}}) {
        EXPECT_NE(run(runPick, words), 0) << message;
        EXPECT_EQ(err.str(), message);
        EXPECT_EQ(out.str(), "");
    }
}

}  // namespace
}  // namespace numora
