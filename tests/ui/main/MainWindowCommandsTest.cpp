#include <QLineEdit>
#include <QRadioButton>

#include "ui/support/MainWindowFixture.h"

namespace numora {
namespace {

constexpr char kPicksFile[] = "\\Program Files\\Numora\\LottoExport.txt";
constexpr char kExported[] =
    "Your Predicted numbers have been exported to\r \\Program Files\\Numora\\LottoExport.txt on your "
    "Pocket PC., \rGOOD LUCK!";
constexpr char kEraseQuestion[] = "Erase all lucky picks?\nARE YOU SURE?";

std::string picksFileOf(const std::vector<std::string>& lines) {
    std::string bytes = "Your lucky lotto numbers for this draw!\r\n";
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

using MainWindowCommandsTest = MainWindowTest;

TEST_F(MainWindowCommandsTest, exportWritesTheListEraseAsksFirstAndHelpOpensTheMainHelpScreen) {
    open();
    pick();
    pick();
    const std::vector<std::string> picks = pickList().lines();
    trigger("exportPicksAction");
    EXPECT_EQ(testing::readBytes(host(kPicksFile)), picksFileOf(picks));
    EXPECT_EQ(prompter.messages.back(), (RecordingPrompter::Message{kExported, PromptIcon::Information, false}));

    prompter.answers = {false, true};
    trigger("erasePicksAction");
    EXPECT_EQ(prompter.messages.back(), (RecordingPrompter::Message{kEraseQuestion, PromptIcon::Warning, true}));
    EXPECT_EQ(pickList().lines(), picks);

    trigger("erasePicksAction");
    EXPECT_EQ(pickList().lines(), std::vector<std::string>{"Select PICK to calculate."});
    trigger("exportPicksAction");
    EXPECT_EQ(testing::readBytes(host(kPicksFile)), picksFileOf({"Select PICK to calculate."}));
    // The erased list counts as welcome lines: the next pick replaces them.
    pick();
    EXPECT_EQ(pickList().topLevelItemCount(), 1);
    EXPECT_EQ(modalOpenedBy([this] { trigger("helpAction"); }), "mainHelpScreen");
}

TEST_F(MainWindowCommandsTest, eachLayoutHoldsEveryControlWithItsLabelsInsideTheWindow) {
    const struct {
        ScreenSize screen;
        QSize size;
        QStringList captions;  // Pick, Past Draws and Draw Stats
        bool picture;          // or else the "PB" label over the bonus ball
    } layouts[] = {
        {{240, 320}, {240, 294}, {"Pick", "Past Draws", "Draw Stats"}, true},
        {{320, 240}, {320, 214}, {"Pick", "PastDraws", "Stats"}, true},
        {{240, 240}, {240, 214}, {"Pick", "Draws", "Stats"}, false},
    };
    for (const auto& layout : layouts) {
        SCOPED_TRACE(layout.captions.join(QLatin1Char(' ')).toStdString());
        MainWindow& shown = open(layout.screen);
        EXPECT_EQ(shown.size(), layout.size);
        const QStringList captions{control<QPushButton>("pickButton").text(),
                                   control<QPushButton>("pastDrawsButton").text(),
                                   control<QPushButton>("drawStatsButton").text()};
        EXPECT_EQ(captions, layout.captions);
        EXPECT_EQ(shown.findChild<QLabel*>(QStringLiteral("picture")) != nullptr, layout.picture);
        EXPECT_EQ(shown.findChild<QLabel*>(QStringLiteral("powerBallLabel")) != nullptr, !layout.picture);

        EXPECT_GE(balls().width(), balls().sizeHint().width());  // every ball placeholder fits
        // Captions are never cut, the longest status included; the landscape
        // OK and Cancel buttons are kept out of sight.
        control<QLabel>("statusLine").setText(QStringLiteral("RANDOM MODE"));
        expectEveryControlInside(shown, {"okButton", "cancelButton"});
    }
}



TEST_F(MainWindowCommandsTest, aLotteryTypedInTheEditorIsListedAsTypedAndChosenWhenTheEditorCloses) {
    open();
    withModal([this] { trigger("addLotteryTypeAction"); }, [](QWidget& editor) {
        auto& name = *editor.findChild<LotterySelector*>(QStringLiteral("lotterySelector"));
        EXPECT_EQ(name.currentText(), QStringLiteral("Lotto"));
        name.lineEdit()->clear();
        QTest::keyClicks(name.lineEdit(), QStringLiteral("Lott"));
        editor.findChild<QLineEdit*>(QStringLiteral("highestBonusEdit"))->setText(QStringLiteral("10"));
        editor.findChild<QPushButton*>(QStringLiteral("saveButton"))->click();
    });
    EXPECT_EQ(selector().names(), (std::vector<std::string>{"Lott", "Lotto"}));
    EXPECT_EQ(selector().currentText(), QStringLiteral("Lott"));
    EXPECT_EQ(state.current, (LotteryProfile{"Lott", 6, 1, 49, 10, false, true, false, true}));
    EXPECT_EQ(pickList().lines(), welcomeFor("Lott", "6 Balls, from 1 to 49"));
    EXPECT_EQ(profile.readText(kLotteryNameOption.section, kLotteryNameOption.key, ""), "Lott");
}

TEST_F(MainWindowCommandsTest, advancedStoresWhateverClosesItAndTheNextPickUsesTheNewModel) {
    writeDraws(kLotto.name, 10);
    const std::filesystem::path elsewhere = folder / "elsewhere" / "bell.wav";
    setOption(kStartSoundOption, elsewhere.string());
    open();
    EXPECT_EQ(sound.played, std::vector{elsewhere});
    const auto firstPick = [this](int model) {
        Options options = state.options;
        options.model = model;
        return expectedLine(0, LineKind::Analysed, options);
    };
    ASSERT_NE(firstPick(2), firstPick(1));

    withModal([this] { trigger("advancedAction"); }, [](QWidget& advanced) {
        advanced.findChild<QRadioButton*>(QStringLiteral("monteCarloRadio"))->click();
        advanced.close();
    });
    EXPECT_EQ(profile.readInt(kForecastModelOption.section, kForecastModelOption.key, -1), 2);
    EXPECT_EQ(profile.readText(kStartSoundOption.section, kStartSoundOption.key, ""), elsewhere.string());
    pick();
    EXPECT_EQ(pickList().lines(), std::vector<std::string>{firstPick(2)});
}

}  // namespace
}  // namespace numora
