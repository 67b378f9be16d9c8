#include <QLineEdit>

#include "ui/support/Colours.h"
#include "ui/support/MainWindowFixture.h"

namespace numora {
namespace {

const LotteryProfile kDaily{"Daily", 3, 0, 9, 0, true, false, false, false};
const LotteryProfile kLotto{"Lotto", 6, 1, 49, 49, false, true, false, true};

constexpr char kAttention[] =
    "ATTENTION!\nRandom Number Mode will be used.\nReason:\nNot enough past draws found to predict trend\n"
    "Minimum draws required is 3";

std::vector<std::string> welcomeFor(const std::string& name, const std::string& ballsLine) {
    return {"Select PICK to calculate your", name, "predicted numbers", "or select a different lottery.",
            "Good Luck!", ballsLine};
}

class MainWindowLotteryTest : public MainWindowTest {
protected:
    void SetUp() override {
        writeLotteries({kLotto, kDaily});
        setOption(kLotteryNameOption, kLotto.name);
        writeDraws(kLotto.name, 8);
    }

    std::string storedLotteryName() const {
        return profile.readText(kLotteryNameOption.section, kLotteryNameOption.key, "");
    }
};

TEST_F(MainWindowLotteryTest, choosingALotteryWithTwoDrawsWarnsAndPicksAtRandomUntilPastDraws) {
    writeDraws(kDaily.name, 2);
    open();
    EXPECT_EQ(selector().names(), (std::vector<std::string>{"Daily", "Lotto"}));
    EXPECT_EQ(selector().currentText(), QStringLiteral("Lotto"));

    chooseInSelector("Daily");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kAttention});
    EXPECT_EQ(state.current, kDaily);
    EXPECT_EQ(storedLotteryName(), "Daily");
    EXPECT_EQ(pickList().lines(), welcomeFor("Daily", "3 Balls, from 0 to 9"));
    EXPECT_EQ(status(), "RANDOM MODE");
    EXPECT_TRUE(state.randomMode);

    trigger("pastDrawsAction");
    EXPECT_EQ(status(), "Ready         ");
    EXPECT_FALSE(state.randomMode);
    pick();
    EXPECT_EQ(status(), "Ready");
    EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST_F(MainWindowLotteryTest, rechoosingTheSameLotteryBringsBackTheWelcomeLines) {
    writeBallPictures({-1, -2, -8});
    open();
    pick();
    pick();
    EXPECT_FALSE(nearColour(shownColour(1), colourOf(-2)));
    chooseInSelector("Lotto");
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(pickList().lines(), welcomeFor("Lotto", "6 Balls, from 1 to 49"));
    EXPECT_TRUE(state.welcomeShown);
    EXPECT_EQ(status(), "Ready");
    EXPECT_TRUE(nearColour(shownColour(1), colourOf(-2)));
    EXPECT_TRUE(nearColour(shownColour(7), colourOf(-8)));
    EXPECT_TRUE(nearColour(shownColour(8), colourOf(-1)));
}

TEST_F(MainWindowLotteryTest, closingTheListWithNoEntrySelectedChangesNothing) {
    open();
    pick();
    const std::vector<std::string> picks = pickList().lines();

    QTest::keyClicks(selector().lineEdit(), "Nothing like it");
    selector().showPopup();
    selector().hidePopup();
    QApplication::processEvents();
    EXPECT_EQ(pickList().lines(), picks);
    EXPECT_EQ(state.current, kLotto);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(hostPath("\\Program Files\\Numora\\Nothing like it.dat")));
}

TEST_F(MainWindowLotteryTest, anEmptySelectorChoosesNothing) {
    std::filesystem::remove(hostPath(settingsFilePath(kTestDataFolder)));
    open();
    EXPECT_EQ(selector().count(), 0);
    selector().showPopup();
    selector().hidePopup();
    QApplication::processEvents();
    EXPECT_EQ(pickList().topLevelItemCount(), 5);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(state.current.name, "Lotto");
}

TEST_F(MainWindowLotteryTest, addLotteryTypeRereadsTheListAndChoosesTheFirstWhenTheCurrentIsGone) {
    open();
    pick();
    SettingsFile settings;
    settings.Load(hostPath(settingsFilePath(kTestDataFolder)));
    deleteLottery(settings, "Lotto");
    saveLottery(settings, {"zeta", 4, 1, 20, 0, false, false, false, false});
    saveLottery(settings, {"Alpha", 5, 1, 30, 0, false, false, false, false});

    trigger("addLotteryTypeAction");
    EXPECT_EQ(selector().names(), (std::vector<std::string>{"Alpha", "Daily", "zeta"}));
    EXPECT_EQ(state.current.name, "Alpha");
    EXPECT_EQ(selector().currentText(), QStringLiteral("Alpha"));
    EXPECT_EQ(pickList().lines(), welcomeFor("Alpha", "5 Balls, from 1 to 30"));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kAttention});
    EXPECT_EQ(storedLotteryName(), "Alpha");
}

TEST_F(MainWindowLotteryTest, addLotteryTypeWithNoLotteryListedLeavesTheLotteryAndPicks) {
    open();
    pick();
    const std::vector<std::string> picks = pickList().lines();
    SettingsFile settings;
    settings.Load(hostPath(settingsFilePath(kTestDataFolder)));
    deleteLottery(settings, "Lotto");
    deleteLottery(settings, "Daily");

    trigger("addLotteryTypeAction");
    EXPECT_EQ(selector().count(), 0);
    EXPECT_EQ(state.current, kLotto);
    EXPECT_EQ(pickList().lines(), picks);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(MainWindowLotteryTest, aDamagedDrawFileIsToldOnceAndItsDrawsAreKept) {
    const auto file = hostPath("\\Program Files\\Numora\\Lotto.dat");
    const std::string bytes = testing::readBytes(file);
    testing::writeBytes(file, bytes.substr(0, bytes.size() - 5));
    open();
    QApplication::processEvents();
    const std::string damaged = "The draw file \\Program Files\\Numora\\Lotto.dat is damaged: only its first 7 "
                                "draws could be read.";
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{damaged});
    EXPECT_EQ(status(), "RANDOM MODE");

    trigger("pastDrawsAction");
    control<QPushButton>("drawStatsButton").click();
    chooseInSelector("Lotto");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{damaged});
    EXPECT_EQ(status(), "RANDOM MODE");
    trigger("pastDrawsAction");
    EXPECT_EQ(status(), "Ready         ");
}

TEST_F(MainWindowLotteryTest, closingOnAFirstRunWritesTheBuiltInProfile) {
    std::filesystem::remove(hostPath(settingsFilePath(kTestDataFolder)));
    profile = InMemoryAppProfile{};
    open().reject();
    EXPECT_TRUE(prompter.messages.empty());
    SettingsFile written;
    ASSERT_TRUE(written.Load(hostPath("\\Program Files\\Numora\\Numora.ini")));
    EXPECT_EQ(written.sections(), std::vector<std::string>{"PBall"});
    EXPECT_EQ(written.section("PBall")->keys(), (std::vector<std::string>{"Balls", "Min", "Max", "Bonus", "Repeat",
                                                                         "Sort", "PowerBall", "ShowBonus"}));
    std::string text;
    EXPECT_TRUE(written.GetString("PBall", "Max", text));
    EXPECT_EQ(text, "49");
    EXPECT_TRUE(written.GetString("PBall", "ShowBonus", text));
    EXPECT_EQ(text, "No");
    EXPECT_EQ(storedLotteryName(), "PBall");
}

TEST_F(MainWindowLotteryTest, closingWithAnUnwritableDataFolderReportsError201) {
    setOption(kDataFolderOption, "\\No Such Folder");
    open().reject();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"ERROR 201:Ini file failed to save"});
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace numora
