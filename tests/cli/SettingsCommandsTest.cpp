#include <sys/stat.h>

#include "Commands.h"
#include "SettingsCommandFixture.h"
#include "app/StartUp.h"
#include "support/FailingAppProfile.h"

namespace numora {
namespace {

constexpr std::u16string_view kThreeLotteries =
    u"\r\n[LotteryList]\r\nGame0=Daily\r\nGame1=Lotto 649\r\nGame2=Daily Plus\r\n"
    u"\r\n[Daily]\r\nBalls=3\r\nMin=0\r\nMax=9\r\nBonus=0\r\nRepeat=Yes\r\nSort=No\r\nPowerBall=No\r\nShowBonus=No\r\n"
    u"\r\n[Lotto 649]\r\nMax=49\r\nPowerBall=Yes\r\n";

class SettingsCommands : public SettingsCommandTest {
protected:
    SettingsCommands() { writeSettings(kThreeLotteries); }
    // Runs the options command after reading the start values, as the program does.
    int options(const std::vector<std::string>& words) {
        loadStartValues(state, profile, time);
        return run(runOptions, words);
    }
    // The words of an add command: its four required numbers, then any flags.
    static std::vector<std::string> add(const std::string& name, const std::string& balls, const std::string& min,
                                        const std::string& max, const std::string& bonus,
                                        const std::vector<std::string>& flags = {}) {
        std::vector<std::string> words = {name, "--balls", balls, "--min", min, "--max", max, "--bonus", bonus};
        words.insert(words.end(), flags.begin(), flags.end());
        return words;
    }
};

TEST_F(SettingsCommands, lotteriesAndShowReadTheFileWithoutWritingIt) {
    EXPECT_EQ(run(runLotteries, {}), 0);
    EXPECT_EQ(out.str(), "Daily\nLotto 649\nDaily Plus\n");
    EXPECT_EQ(run(runShow, {"Lotto 649"}), 0);  // missing keys show the built-in profile
    EXPECT_EQ(out.str(), "Balls=6\nMin=1\nMax=49\nBonus=49\nRepeat=No\nSort=No\nPowerBall=Yes\nShowBonus=No\n");
    EXPECT_NE(run(runShow, {"daily"}), 0);
    EXPECT_EQ(err.str(), "show: no lottery of that name (names are matched exactly): daily\n");
    EXPECT_NE(run(runLotteries, {"extra"}), 0);
    EXPECT_EQ(err.str(), "lotteries: takes no arguments\n");
    EXPECT_EQ(settingsBytes(), testing::utf16WithMark(kThreeLotteries));

    // A name edited by hand to retitle the terminal is shown escaped.
    writeSettings(u"\r\n[LotteryList]\r\nGame0=Lotto\x1B]0;owned\x07\r\n");
    EXPECT_EQ(run(runLotteries, {}), 0);
    EXPECT_EQ(out.str(), "Lotto\\x1B]0;owned\\x07\n");

    std::filesystem::remove(settingsFile);
    EXPECT_EQ(run(runLotteries, {}), 0);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(std::filesystem::exists(settingsFile), false);
}

TEST_F(SettingsCommands, addListsANewNameAtTheNextIndexAndANameListedInOtherCapitalsChangesThatLottery) {
    EXPECT_EQ(run(runAdd, add("Keno", "7", "1", "80", "0", {"--sort", "--show-bonus"})), 0) << err.str();
    EXPECT_EQ(run(runAdd, add("DAILY", "4", "0", "9", "0", {"--powerball"})), 0) << err.str();
    EXPECT_EQ(run(runLotteries, {}), 0);
    EXPECT_EQ(out.str(), "Daily\nLotto 649\nDaily Plus\nKeno\n");
    EXPECT_EQ(run(runShow, {"Keno"}), 0);
    EXPECT_EQ(out.str(), "Balls=7\nMin=1\nMax=80\nBonus=0\nRepeat=No\nSort=Yes\nPowerBall=No\nShowBonus=Yes\n");
    EXPECT_EQ(run(runShow, {"Daily"}), 0);
    EXPECT_EQ(out.str(), "Balls=4\nMin=0\nMax=9\nBonus=0\nRepeat=No\nSort=No\nPowerBall=Yes\nShowBonus=No\n");
    EXPECT_NE(run(runShow, {"DAILY"}), 0);
}

TEST_F(SettingsCommands, addRefusesValuesOutOfRangeUnsafeNamesAndBothBonusKindsWritingNothing) {
    for (const auto& [words, message] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {add("X", "8", "1", "49", "0"), "add: --balls: Please enter an integer between 3 and 7.\n"},
             {{"X", "--balls", "6", "--min", "1", "--bonus", "0"}, "add: this option is required: --max\n"},
             {add("../X", "6", "1", "49", "0"), "add: A lottery name cannot contain the character \"/\".\n"},
             {{"X", "--colour", "red"}, "add: unknown option --colour\n"}}) {
        EXPECT_NE(run(runAdd, words), 0) << message;
        EXPECT_EQ(err.str(), message);
    }
    EXPECT_EQ(settingsBytes(), testing::utf16WithMark(kThreeLotteries));
}

TEST_F(SettingsCommands, addGivesALotteryASecondDrumThatShowPrintsAndAnAddWithoutItTakesItAway) {
    const std::vector<std::string> drum{"--drum2", "1", "--drum2-min", "0", "--drum2-max", "9"};
    EXPECT_EQ(run(runAdd, add("6aus49", "6", "1", "49", "0", drum)), 0) << err.str();
    EXPECT_EQ(run(runShow, {"6aus49"}), 0);
    EXPECT_EQ(out.str(), "Balls=6\nMin=1\nMax=49\nBonus=0\nRepeat=No\nSort=No\nPowerBall=No\nShowBonus=No\n"
                         "Drum2=1\nDrum2Min=0\nDrum2Max=9\n");
    EXPECT_EQ(run(runAdd, add("6aus49", "6", "1", "49", "0")), 0) << err.str();
    EXPECT_EQ(run(runShow, {"6aus49"}), 0);
    EXPECT_EQ(out.str(), "Balls=6\nMin=1\nMax=49\nBonus=0\nRepeat=No\nSort=No\nPowerBall=No\nShowBonus=No\n");

    const std::string before = settingsBytes();
    for (const auto& [words, message] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {add("Euro", "5", "1", "50", "0", {"--drum2", "2", "--drum2-min", "1"}),
              "add: a second drum needs this option: --drum2-max\n"},
             {add("Euro", "5", "1", "50", "0", {"--drum2-max", "12"}),
              "add: this option needs --drum2 (the second drum's numbers): --drum2-max\n"},
             {add("Euro", "6", "1", "50", "0", {"--drum2", "2", "--drum2-min", "1", "--drum2-max", "12"}),
              "add: Second Drum Balls: Please enter an integer between 1 and 1.\n"}}) {
        EXPECT_NE(run(runAdd, words), 0) << message;
        EXPECT_EQ(err.str(), message);
    }
    EXPECT_EQ(settingsBytes(), before);
}

TEST_F(SettingsCommands, settingsFileThatCannotBeReadIsNotReplacedAndTheMessageSaysWhy) {
    using Type = std::filesystem::file_type;
    // Cut short inside Lotto 649's "PowerBall=Yes": half a character and what followed it are gone.
    const std::string whole = testing::utf16WithMark(kThreeLotteries);
    const std::string cut = whole.substr(0, whole.size() - 17);
    const struct {
        Type type;
        std::string cause;
    } cases[] = {{Type::directory, "it is a folder, not a file"},
                 {Type::fifo, "it is a pipe, not a file"},
                 {Type::regular, "it is cut short: its UTF-16 text ends in half a character"}};
    for (const auto& [type, cause] : cases) {
        std::filesystem::remove_all(settingsFile);
        if (type == Type::directory) std::filesystem::create_directory(settingsFile);
        if (type == Type::fifo) ::mkfifo(settingsFile.c_str(), 0600);  // opening it would wait
        if (type == Type::regular) testing::writeBytes(settingsFile, cut);
        EXPECT_NE(run(runAdd, add("Daily", "3", "0", "9", "0")), 0);
        EXPECT_EQ(err.str(), "add: cannot read the settings file " + settingsFile.string() + ": " + cause + "\n");
        EXPECT_NE(run(runShow, {"Lotto 649"}), 0);
        EXPECT_EQ(std::filesystem::symlink_status(settingsFile).type(), type);
    }
    EXPECT_EQ(settingsBytes(), cut);

    state.dataFolder = "\\..\\Elsewhere";
    EXPECT_NE(run(runLotteries, {}), 0);
    EXPECT_EQ(err.str(), "lotteries: the data folder is not a path on the device: \\..\\Elsewhere\n");
}

TEST_F(SettingsCommands, deleteMovesLaterLotteriesUpAndRefusesUnlistedNamesAndTheLastLottery) {
    EXPECT_NE(run(runDelete, {"daily"}), 0);
    EXPECT_EQ(err.str(), "delete: no lottery of that name is listed (names are matched exactly): daily\n");
    EXPECT_EQ(settingsBytes(), testing::utf16WithMark(kThreeLotteries));

    EXPECT_EQ(run(runDelete, {"Daily"}), 0) << err.str();
    EXPECT_EQ(run(runDelete, {"Lotto 649"}), 0);
    EXPECT_NE(run(runDelete, {"Daily Plus"}), 0);
    EXPECT_EQ(err.str(), "delete: The last lottery cannot be deleted.\n");
    EXPECT_EQ(settingsBytes(), testing::utf16WithMark(u"\r\n[LotteryList]\r\nGame0=Daily Plus\r\n"));
}

TEST_F(SettingsCommands, optionsShowsTheSixAdvancedValuesAndStoresAllOfThemWhenOneChanges) {
    const std::string defaults =
        "Hyper=1\nPattern=TRUE\nStyle=FALSE\nSound=TRUE\nWav1=\\Windows\\winner.wav\nWav2=\\Windows\\winner.wav\n";
    EXPECT_EQ(options({}), 0) << err.str();
    EXPECT_EQ(out.str(), defaults);
    EXPECT_FALSE(profile.contains("Advanced", "Hyper"));

    EXPECT_EQ(options({"--model", "0", "--no-pattern", "--weight", "--no-sound", "--pick-sound",
                               "\\My Documents\\a.wav", "--start-sound", "/home/me/bell.wav"}),
              0)
        << err.str();
    const std::string changed =
        "Hyper=0\nPattern=FALSE\nStyle=TRUE\nSound=FALSE\nWav1=\\My Documents\\a.wav\nWav2=/home/me/bell.wav\n";
    EXPECT_EQ(out.str(), changed);
    EXPECT_EQ(options({}), 0);
    EXPECT_EQ(out.str(), changed);

    EXPECT_EQ(options({"--model", "2"}), 0);
    EXPECT_EQ(profile.readInt("Advanced", "Hyper", -1), 2);

    for (const auto& [words, message] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"--model", "3"}, "options: --model: the forecasting model is 0, 1 or 2\n"},
             {{"--sound", "--no-sound"}, "options: --sound and --no-sound cannot be used together\n"},
             {{"--pick-sound"}, "options: option --pick-sound needs a value\n"},
             {{"Lotto"}, "options: takes no arguments\n"}}) {
        EXPECT_NE(options(words), 0) << message;
        EXPECT_EQ(err.str(), message);
    }
    EXPECT_EQ(profile.readInt("Advanced", "Hyper", -1), 2);
}

TEST_F(SettingsCommands, aStoredModelOutOfRangeIsNamedWithHowToChangeItAndKeptByOptions) {
    profile.writeInt("Advanced", "Hyper", 99);
    loadStartValues(state, profile, time);
    const std::string refused =
        ": the forecasting model stored as Hyper=99 is not 0, 1 or 2: give --model, or store one with numora-cli "
        "options --model N\n";
    EXPECT_NE(run(runPick, {"Lotto 649"}), 0);
    EXPECT_EQ(err.str(), "pick" + refused);
    EXPECT_NE(run(runBacktest, {"Lotto 649"}), 0);
    EXPECT_EQ(err.str(), "backtest" + refused);

    const std::string kept =
        "options: the forecasting model stored as Hyper=99 is not 0, 1 or 2; pick and backtest refuse it until "
        "--model stores another\n";
    EXPECT_EQ(options({}), 0);
    EXPECT_EQ(out.str().substr(0, 9), "Hyper=99\n");
    EXPECT_EQ(err.str(), kept);
    EXPECT_EQ(options({"--no-sound"}), 0);
    EXPECT_EQ(err.str(), kept);
    EXPECT_EQ(profile.readText("Advanced", "Sound", "") + profile.readText("Advanced", "Hyper", ""), "FALSE99");
    EXPECT_EQ(options({"--model", "1"}), 0);
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(profile.readInt("Advanced", "Hyper", -1), 1);
}

TEST_F(SettingsCommands, optionsThatCannotBeStoredFailTheCommandAndSayWhy) {
    testing::FailingAppProfile failing(2);
    CliContext context{state, device, failing, locale, time, out, err};
    EXPECT_EQ(runOptions(context, {"--no-sound"}), 1);
    EXPECT_EQ(err.str(), std::string("options: The options were not stored: Numora ") +
                             testing::FailingAppProfile::kFailure + ".\n");
    EXPECT_EQ(out.str(), "");
    err.str({});
    EXPECT_EQ(runOptions(context, {}), 0);  // nothing to store
    EXPECT_EQ(err.str(), "");
}

}  // namespace
}  // namespace numora
