#include <QLineEdit>

#include "ui/main/MainWindowTexts.h"
#include "ui/support/MainWindowFixture.h"

namespace numora {
namespace {

const LotteryProfile kDaily{"Daily", 3, 0, 9, 0, true, false, false, false};

constexpr char kAttention[] =
    "ATTENTION!\nRandom Number Mode will be used.\nReason:\nNot enough past draws found to predict trend\n"
    "Minimum draws required is 3";

class MainWindowLotteryTest : public MainWindowTest {
protected:
    void SetUp() override {
        writeLotteries({kDaily});
        writeDraws(kLotto.name, 8);
    }

    std::string storedLotteryName() const {
        return profile.readText(kLotteryNameOption.section, kLotteryNameOption.key, "");
    }
};

TEST_F(MainWindowLotteryTest, fewDamagedOrUnreadableDrawsAreToldOnceAndPicksAreRandomUntilPastDrawsOrDrawStatsReload) {
    const auto lottoFile = host("\\Program Files\\Numora\\Lotto.dat");
    const std::string bytes = testing::readBytes(lottoFile);
    testing::writeBytes(lottoFile, bytes.substr(0, bytes.size() - 5));
    writeDraws(kDaily.name, 2);
    open();
    QApplication::processEvents();
    const std::string damaged =
        "The draw file \\Program Files\\Numora\\Lotto.dat is damaged: only its first 7 draws could be read.";
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{damaged});
    EXPECT_EQ(selector().currentText(), QStringLiteral("Lotto"));
    EXPECT_EQ(status(), "RANDOM MODE");

    chooseInSelector("Daily");
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{damaged, kAttention}));
    EXPECT_EQ(state.current, kDaily);
    EXPECT_EQ(storedLotteryName(), "Daily");
    EXPECT_EQ(pickList().lines(), welcomeFor("Daily", "3 Balls, from 0 to 9"));
    EXPECT_EQ(status(), "RANDOM MODE");
    EXPECT_EQ(modalOpenedBy([this] { trigger("pastDrawsAction"); }), "pastDrawsWindow");
    EXPECT_EQ(status(), "Ready         ");
    pick();
    EXPECT_EQ(status(), "Ready");

    // The damaged file keeps the draws before the damage, and the main window
    // does not tell it again; the Past Draws window tells it once more, since
    // it will not save over the file.
    chooseInSelector("Lotto");
    EXPECT_EQ(status(), "RANDOM MODE");
    EXPECT_EQ(modalOpenedBy([this] { trigger("pastDrawsAction"); }), "pastDrawsWindow");
    EXPECT_EQ(modalOpenedBy([this] { control<QPushButton>("drawStatsButton").click(); }), "statsWindow");
    EXPECT_EQ(status(), "Ready         ");
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{damaged, kAttention, damaged}));

    // Exactly three draws are enough to analyse.
    writeDraws(kDaily.name, 3);
    chooseInSelector("Daily");
    EXPECT_EQ(prompter.messages.size(), 3u);
    EXPECT_EQ(status(), "Ready");
    EXPECT_FALSE(state.randomMode);

    // A draw file that cannot be read at all is told too, not taken for a new
    // lottery's missing file.
    const auto dailyFile = host("\\Program Files\\Numora\\Daily.dat");
    std::filesystem::remove(dailyFile);
    std::filesystem::create_directory(dailyFile);
    chooseInSelector("Lotto");
    chooseInSelector("Daily");
    const std::vector<std::string> texts = prompter.texts();
    const std::vector<std::string> told(texts.end() - 2, texts.end());
    EXPECT_EQ(told, (std::vector<std::string>{
                        "The draw file \\Program Files\\Numora\\Daily.dat is not a regular file; Numora leaves it as it is.",
                        kAttention}));
    EXPECT_EQ(status(), "RANDOM MODE");
}

TEST_F(MainWindowLotteryTest, addLotteryTypeRereadsTheListAndAListClosedWithoutAChoiceChangesNothing) {
    const auto closeTheList = [this] {
        selector().showPopup();
        selector().hidePopup();
        QApplication::processEvents();
    };
    open();
    QTest::keyClicks(selector().lineEdit(), "Nothing like it");
    closeTheList();
    EXPECT_EQ(state.current, kLotto);
    EXPECT_FALSE(std::filesystem::exists(host("\\Program Files\\Numora\\Nothing like it.dat")));

    // The current lottery is gone: the first listed is chosen.
    removeLotteries({"Lotto"});
    writeLotteries({{"zeta", 4, 1, 20, 0}, {"Alpha", 5, 1, 30, 0}});
    modalOpenedBy([this] { trigger("addLotteryTypeAction"); });
    EXPECT_EQ(selector().names(), (std::vector<std::string>{"Alpha", "Daily", "zeta"}));
    EXPECT_TRUE(selector().lineEdit()->placeholderText().isEmpty());
    EXPECT_EQ(selector().currentText(), QStringLiteral("Alpha"));
    EXPECT_EQ(storedLotteryName(), "Alpha");
    EXPECT_EQ(pickList().lines(), welcomeFor("Alpha", "5 Balls, from 1 to 30"));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kAttention});

    // With no lottery listed, the lottery and the picks stay.
    pick();
    const std::vector<std::string> picks = pickList().lines();
    testing::writeBytes(settingsFile(), testing::utf16WithMark(u"\r\n[LotteryList]\r\n"));
    modalOpenedBy([this] { trigger("addLotteryTypeAction"); });
    EXPECT_EQ(selector().count(), 0);
    EXPECT_FALSE(selector().lineEdit()->placeholderText().isEmpty());
    closeTheList();
    EXPECT_EQ(state.current.name, "Alpha");
    EXPECT_EQ(pickList().lines(), picks);
    EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST_F(MainWindowLotteryTest, theEditorWritesItsLastBeforeTheMainWindowReadsTheLotteriesAgain) {
    writeLotteries({{"Keno", 7, 1, 80, 0}});
    open();
    withModal([this] { trigger("addLotteryTypeAction"); }, [this](QWidget& editor) {
        // The file goes while the editor is open: choosing a lottery then ends the editor.
        std::filesystem::remove(settingsFile());
        chooseEntry(*editor.findChild<LotterySelector*>(QStringLiteral("lotterySelector")), "Keno");
    });
    SettingsFile stored;
    stored.Load(settingsFile());
    EXPECT_EQ(selector().names(), readLotteryList(stored));
}

TEST_F(MainWindowLotteryTest, closingWritesTheBuiltInProfileOnAFirstRunAndReportsAnUnwritableDataFolder) {
    std::filesystem::remove(settingsFile());
    profile = InMemoryAppProfile{};
    open();
    // The empty selector tells how to add a lottery; the welcome stays as it is.
    EXPECT_EQ(selector().lineEdit()->placeholderText(), QString::fromLatin1(mainwindow::kNoLotteryHint));
    EXPECT_EQ(pickList().lines(), welcomeFor("PBall"));
    window->reject();
    EXPECT_TRUE(prompter.messages.empty());
    SettingsFile written;
    ASSERT_TRUE(written.Load(settingsFile()));
    EXPECT_EQ(written.sections(), std::vector<std::string>{"PBall"});
    LotteryProfile read{"PBall", 0, 0, 0, 0};  // numbers unlike the built-in ones: each must be in the file
    readLotteryProfile(written, "PBall", read);
    EXPECT_EQ(read, LotteryProfile{"PBall"});
    EXPECT_EQ(storedLotteryName(), "PBall");
    // Closing wrote the file; the window going writes nothing more.
    std::filesystem::remove(settingsFile());
    window.reset();
    EXPECT_FALSE(std::filesystem::exists(settingsFile()));

    setOption(kDataFolderOption, "\\No Such Folder");
    open();
    trigger("exportPicksAction");
    window->reject();
    EXPECT_EQ(prompter.messages, (std::vector<RecordingPrompter::Message>{
                                     {"ERROR 1003! Unable to open Export File\n(its folder does not exist)",
                                      PromptIcon::None, false},
                                     {"ERROR 201:Ini file failed to save", PromptIcon::None, false}}));
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace numora
