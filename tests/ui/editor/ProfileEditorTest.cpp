#include "ui/editor/ProfileEditor.h"

#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "app/AppState.h"
#include "app/DeviceInstall.h"
#include "settings/BallSlots.h"
#include "platform/AppProfile.h"
#include "settings/LotteryStore.h"
#include "settings/PickRulesStore.h"
#include "settings/SettingsLocation.h"
#include "support/RecordingPrompter.h"
#include "ui/support/DeviceRoot.h"
#include "ui/support/DropDown.h"
#include "ui/support/Widgets.h"

namespace numora {
namespace {

constexpr std::u16string_view kThreeLotteries =
    u"\r\n[LotteryList]\r\nGame0=Lotto\r\nGame1=Daily\r\nGame2=Keno\r\n"
    u"\r\n[Lotto]\r\nBalls=6\r\nMin=1\r\nMax=49\r\nBonus=49\r\nRepeat=No\r\nSort=Yes\r\nPowerBall=No\r\nShowBonus=Yes\r\n"
    u"\r\n[Daily]\r\nBalls=3\r\nMin=0\r\nMax=9\r\nBonus=0\r\nRepeat=Yes\r\nSort=No\r\nPowerBall=No\r\nShowBonus=No\r\n"
    u"\r\n[Keno]\r\nBalls=7\r\nMin=1\r\nMax=80\r\nBonus=0\r\nRepeat=No\r\nSort=Yes\r\nPowerBall=No\r\nShowBonus=No\r\n";

const LotteryProfile kLotto{"Lotto", 6, 1, 49, 49, false, true, false, true};

// The editor over a device whose settings file lists Lotto, Daily and Keno,
// with Lotto current.
class ProfileEditorTest : public ::testing::Test, protected DeviceRoot {
protected:
    ProfileEditorTest() {
        createDeviceFolders(paths, kTestDataFolder);
        state.dataFolder = kTestDataFolder;
        state.current = kLotto;
        writeSettings(kThreeLotteries);
    }

    std::filesystem::path settingsFile() const { return host(settingsFilePath(kTestDataFolder)); }
    void writeSettings(std::u16string_view text) { testing::writeBytes(settingsFile(), testing::utf16WithMark(text)); }
    std::string settingsBytes() const { return testing::readBytes(settingsFile()); }

    ProfileEditor& open(ScreenSize screen = {240, 320}) {
        editor.reset();
        editor = std::make_unique<ProfileEditor>(state, paths, options, prompter, screen);
        editor->show();
        editor->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(editor.get()));
        return *editor;
    }

    template <typename Control>
    Control& control(const char* name) const {
        return child<Control>(*editor, name);
    }
    LotterySelector& lottery() const { return control<LotterySelector>("lotterySelector"); }
    QLineEdit& box(const char* name) const { return control<QLineEdit>(name); }
    void click(const char* button) const { control<QPushButton>(button).click(); }

    // Types the name, key by key as a user does, and the four numbers into the form.
    void fillIn(const char* name, const char* balls, const char* lowest, const char* highest, const char* bonus) const {
        lottery().lineEdit()->clear();
        QTest::keyClicks(lottery().lineEdit(), QString::fromLatin1(name));
        const std::pair<const char*, const char*> numbers[] = {
            {"ballsEdit", balls}, {"lowestBallEdit", lowest}, {"highestBallEdit", highest}, {"highestBonusEdit", bonus}};
        for (const auto& [boxName, text] : numbers) box(boxName).setText(QString::fromLatin1(text));
    }
    // The form as shown: name, the four numbers and the four boxes ticked.
    std::string form() const {
        QStringList shown{lottery().currentText()};
        for (const char* name : {"ballsEdit", "lowestBallEdit", "highestBallEdit", "highestBonusEdit"})
            shown << box(name).text();
        for (const char* name : {"repeatCheck", "sortCheck", "powerBallCheck", "showBonusCheck"})
            shown << (control<QCheckBox>(name).isChecked() ? QStringLiteral("x") : QStringLiteral("-"));
        return shown.join(QLatin1Char(' ')).toStdString();
    }

    AppState state;
    InMemoryAppProfile options;
    RecordingPrompter prompter;
    std::unique_ptr<ProfileEditor> editor;
};

TEST_F(ProfileEditorTest, opensOnTheCurrentLotteryANewOneGetsTheNextIndexAndItsKeysAndOneInOtherCapitalsIsChanged) {
    open();
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Add / Edit"));
    EXPECT_EQ(lottery().names(), (std::vector<std::string>{"Daily", "Keno", "Lotto"}));
    EXPECT_EQ(form(), "Lotto 6 1 49 49 - x - x");

    fillIn("Lotto 649", "6", "1", "49", "49");
    control<QCheckBox>("powerBallCheck").click();  // and so off with the bonus
    click("saveButton");
    EXPECT_EQ(editor->result(), ProfileEditor::kSaved);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(state.current, (LotteryProfile{"Lotto 649", 6, 1, 49, 49, false, true, true, false}));
    EXPECT_EQ(settingsBytes(),
              testing::utf16WithMark(std::u16string(kThreeLotteries).insert(kThreeLotteries.find(u"\r\n[Lotto]"),
                                                                            u"Game3=Lotto 649\r\n") +
                                     u"\r\n[Lotto 649]\r\nBalls=6\r\nMin=1\r\nMax=49\r\nBonus=49\r\nRepeat=No\r\n"
                                     u"Sort=Yes\r\nPowerBall=Yes\r\nShowBonus=No\r\n"));

    // A name listed in other capitals changes that lottery in place.
    open();
    fillIn("DAILY", "4", "0", "9", "0");
    click("saveButton");
    EXPECT_EQ(state.current.name, "Daily");
    open();
    EXPECT_EQ(lottery().names(), (std::vector<std::string>{"Daily", "Keno", "Lotto", "Lotto 649"}));
    EXPECT_EQ(form(), "Daily 4 0 9 0 - x x -");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ProfileEditorTest, aTypedNameIsSavedAsTypedEvenWhereItBeginsAListedName) {
    open();
    fillIn("Ken", "5", "1", "40", "0");
    EXPECT_EQ(lottery().currentText(), QStringLiteral("Ken"));
    click("saveButton");
    EXPECT_EQ(state.current.name, "Ken");
    EXPECT_EQ(settingsBytes(),
              testing::utf16WithMark(std::u16string(kThreeLotteries).insert(kThreeLotteries.find(u"\r\n[Lotto]"),
                                                                            u"Game3=Ken\r\n") +
                                     u"\r\n[Ken]\r\nBalls=5\r\nMin=1\r\nMax=40\r\nBonus=0\r\nRepeat=No\r\n"
                                     u"Sort=Yes\r\nPowerBall=No\r\nShowBonus=Yes\r\n"));
}

TEST_F(ProfileEditorTest, aCurrentLotteryThatIsNotListedShowsItsNameAndSaveAloneListsIt) {
    // A first run: no settings file, the built-in lottery current.
    std::filesystem::remove(settingsFile());
    state.current = LotteryProfile{"PBall"};
    open();
    EXPECT_EQ(form(), "PBall 6 1 49 49 - - - -");
    EXPECT_EQ(lottery().lineEdit()->placeholderText(), QString());
    click("saveButton");
    EXPECT_EQ(editor->result(), ProfileEditor::kSaved);
    EXPECT_EQ(settingsBytes(), testing::utf16WithMark(u"\r\n[LotteryList]\r\nGame0=PBall\r\n\r\n[PBall]\r\nBalls=6\r\n"
                                                      u"Min=1\r\nMax=49\r\nBonus=49\r\nRepeat=No\r\nSort=No\r\n"
                                                      u"PowerBall=No\r\nShowBonus=No\r\n"));

    // A current name that only begins a listed one stays its own.
    writeSettings(kThreeLotteries);
    state.current.name = "Ken";
    open();
    EXPECT_EQ(lottery().currentText(), QStringLiteral("Ken"));
}

TEST_F(ProfileEditorTest, aBadFieldOrAFailedSaveKeepsTheEditorOpenNamingTheBoxWithTheFocusThere) {
    const struct {
        const char* form[5];
        const char* control;
        const char* message;
    } cases[] = {
        {{"New", "6", "1", "100", "0"}, "highestBallEdit", "Highest Ball: Please enter an integer between 3 and 99."},
        {{"", "6", "1", "49", "0"}, "lotterySelector", "A lottery name cannot be empty."},
    };
    open();
    const std::string before = settingsBytes();
    for (const auto& [fields, controlName, message] : cases) {
        SCOPED_TRACE(message);
        fillIn(fields[0], fields[1], fields[2], fields[3], fields[4]);
        control<QWidget>("ballsEdit").setFocus();
        click("saveButton");
        EXPECT_EQ(prompter.texts(), std::vector<std::string>{message});
        QWidget* focused = QApplication::focusWidget();
        EXPECT_TRUE(focused == &control<QWidget>(controlName) || focused->parentWidget() == &control<QWidget>(controlName))
            << (focused ? focused->objectName().toStdString() : "nothing");
        prompter.messages.clear();
    }
    // Delete checks the numbers too, before it asks anything.
    fillIn("Keno", "6", "1", "4x", "0");
    click("deleteButton");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Highest Ball: Please enter an integer between 3 and 99."});
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(state.current, kLotto);
    EXPECT_EQ(settingsBytes(), before);

    // A save that fails is told, and the editor stays open with what was typed.
    std::filesystem::remove_all(host("\\Program Files"));
    prompter.messages.clear();
    fillIn("Keno", "5", "1", "40", "0");
    click("saveButton");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"ERROR 201:Ini file failed to save"});
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(form(), "Keno 5 1 40 0 - x - x");
}

TEST_F(ProfileEditorTest, deleteAsksThenRemovesTheEntryAndSectionAndPickRulesSelectsTheFirstLotteryAndKeepsTheDrawFile) {
    testing::writeBytes(host("\\Program Files\\Numora\\Lotto.dat"), "draws");
    for (const char* name : {"Lotto", "Keno"}) ASSERT_TRUE(writePickRules(options, name, {{}, {}, true}));
    open();
    EXPECT_TRUE(control<QPushButton>("deleteButton").isEnabled());
    prompter.answers = {false, true};
    click("deleteButton");
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"Delete Lotto?\nSelect SAVE to save the changes when exiting."});
    EXPECT_EQ(lottery().count(), 3);
    EXPECT_TRUE(options.contains("PickRules", "Lotto"));

    click("deleteButton");
    EXPECT_EQ(lottery().names(), (std::vector<std::string>{"Daily", "Keno"}));
    EXPECT_EQ(form(), "Daily 3 0 9 0 x - - -");
    EXPECT_EQ(state.current, (LotteryProfile{"Daily", 3, 0, 9, 0, true, false, false, false}));
    std::u16string expected(kThreeLotteries);
    expected = u"\r\n[LotteryList]\r\nGame0=Daily\r\nGame1=Keno\r\n" + expected.substr(expected.find(u"\r\n[Daily]"));
    EXPECT_EQ(settingsBytes(), testing::utf16WithMark(expected));
    EXPECT_EQ(testing::readBytes(host("\\Program Files\\Numora\\Lotto.dat")), "draws");
    EXPECT_FALSE(options.contains("PickRules", "Lotto"));
    EXPECT_TRUE(options.contains("PickRules", "Keno"));

    // The last two: Delete goes dark when one is left.
    prompter.answers = {true};
    click("deleteButton");
    EXPECT_EQ(lottery().names(), std::vector<std::string>{"Keno"});
    EXPECT_EQ(state.current.name, "Keno");
    EXPECT_FALSE(control<QPushButton>("deleteButton").isEnabled());
    EXPECT_EQ(prompter.texts().back(), "Delete Daily?\nSelect SAVE to save the changes when exiting.");
    EXPECT_EQ(prompter.messages.size(), 3u);
}

TEST_F(ProfileEditorTest, deletingANameThatIsNotListedDeletesNothingAndReloadsTheSelectedLottery) {
    open();
    chooseEntry(lottery(), "Keno");
    lottery().setEditText(QStringLiteral("keno"));
    prompter.answers = {true};
    click("deleteButton");
    EXPECT_EQ(settingsBytes(), testing::utf16WithMark(kThreeLotteries));
    EXPECT_EQ(form(), "keno 7 1 80 0 - x - -");

    // A listed lottery without a section of its own is taken off the list all the same.
    writeSettings(u"\r\n[LotteryList]\r\nGame0=Lotto\r\nGame1=Bare\r\n\r\n[Lotto]\r\nBalls=6\r\n");
    lottery().setEditText(QStringLiteral("Bare"));
    prompter.answers = {true};
    click("deleteButton");
    EXPECT_EQ(prompter.texts().back(), "Could not delete Section");
    EXPECT_EQ(settingsBytes(), testing::utf16WithMark(u"\r\n[LotteryList]\r\nGame0=Lotto\r\n\r\n[Lotto]\r\nBalls=6\r\n"));
}

TEST_F(ProfileEditorTest, choosingALotteryMakesItCurrentEvenAfterExitAndAnUnreadableFileEndsTheEditor) {
    open();
    chooseEntry(lottery(), "Keno");
    EXPECT_EQ(form(), "Keno 7 1 80 0 - x - -");
    EXPECT_EQ(state.current, (LotteryProfile{"Keno", 7, 1, 80, 0, false, true, false, false}));
    click("exitButton");
    EXPECT_EQ(editor->result(), ProfileEditor::kClosed);
    EXPECT_EQ(state.current.name, "Keno");

    open();
    std::filesystem::remove(settingsFile());
    std::filesystem::create_directory(settingsFile());
    chooseEntry(lottery(), "Daily");
    EXPECT_EQ(prompter.messages, (std::vector<RecordingPrompter::Message>{
                                     {"ERROR 1000:Cannot load ini file.\nPlease check your documentation\nfor possible "
                                      "causes.",
                                      PromptIcon::Stop, false}}));
    EXPECT_EQ(editor->result(), ProfileEditor::kFailed);
    EXPECT_EQ(state.current.name, "Keno");
    editor.reset();
    EXPECT_TRUE(std::filesystem::is_directory(settingsFile()));
}

TEST_F(ProfileEditorTest, powerBallAndShowBonusExcludeEachOtherAndHelpOpensEditHelp) {
    open();
    auto& powerBall = control<QCheckBox>("powerBallCheck");
    auto& showBonus = control<QCheckBox>("showBonusCheck");
    powerBall.click();
    EXPECT_EQ(std::pair(powerBall.isChecked(), showBonus.isChecked()), std::pair(true, false));
    showBonus.click();
    EXPECT_EQ(std::pair(powerBall.isChecked(), showBonus.isChecked()), std::pair(false, true));
    showBonus.click();
    EXPECT_EQ(std::pair(powerBall.isChecked(), showBonus.isChecked()), std::pair(false, false));
    // Ticked together some other way, the store refuses them and the editor says so.
    powerBall.setChecked(true);
    showBonus.setChecked(true);
    const std::string before = settingsBytes();
    click("saveButton");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kPowerBallWithShowBonus});
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(settingsBytes(), before);

    EXPECT_EQ(modalOpenedBy([this] { click("helpButton"); }), "editHelpScreen");
}

TEST_F(ProfileEditorTest, eachLayoutHoldsEveryControlInsideTheScreenWithItsCaptions) {
    const struct {
        ScreenSize screen;
        const char* hint;
        const char* repeat;
        const char* sort;
    } layouts[] = {
        {{240, 320},
         "Select a lottery to edit or enter a new lottery name in the box below.  Click Save when done",
         "Allow numbers to repeat", "Sort numbers in each line"},
        {{320, 240},
         "Select a lottery to edit or enter a new lottery name in the box below.  Click Save when done",
         "Numbers Repeat", "Sort Numbers"},
        {{240, 240}, "Select lottery or enter new name", "Numbers Repeat", "Sort Numbers"},
    };
    for (const auto& layout : layouts) {
        SCOPED_TRACE(layout.screen.width * 1000 + layout.screen.height);
        ProfileEditor& shown = open(layout.screen);
        EXPECT_EQ(shown.size(), QSize(layout.screen.width, layout.screen.height - 26));
        EXPECT_EQ(control<QLabel>("hintLabel").text(), QString::fromLatin1(layout.hint));
        EXPECT_EQ(control<QCheckBox>("repeatCheck").text(), QString::fromLatin1(layout.repeat));
        EXPECT_EQ(control<QCheckBox>("sortCheck").text(), QString::fromLatin1(layout.sort));
        expectEveryControlInside(shown);
    }
}

// The "Second Drum" window that the editor's button opens: `work` fills it in
// and closes it, or it is closed unchanged.
void withSecondDrumWindow(ProfileEditor& editor, const std::function<void(QWidget&)>& work) {
    withModal([&] { child<QPushButton>(editor, "secondDrumButton").click(); }, work);
}

// Ticks the second drum and types its three numbers.
void typeSecondDrum(QWidget& window, const char* count, const char* lowest, const char* highest) {
    child<QCheckBox>(window, "drum2Check").setChecked(true);
    const std::pair<const char*, const char*> numbers[] = {
        {"drum2Edit", count}, {"drum2LowestEdit", lowest}, {"drum2HighestEdit", highest}};
    for (const auto& [name, text] : numbers) child<QLineEdit>(window, name).setText(QString::fromLatin1(text));
}

// The drum's boxes as shown, and whether they can be typed in.
std::string drumShown(const QWidget& window) {
    QStringList shown{child<QCheckBox>(window, "drum2Check").isChecked() ? QStringLiteral("x") : QStringLiteral("-")};
    for (const char* name : {"drum2Edit", "drum2LowestEdit", "drum2HighestEdit"}) {
        const auto& box = child<QLineEdit>(window, name);
        shown << (box.isEnabled() ? box.text() : QStringLiteral("(%1)").arg(box.text()));
    }
    return shown.join(QLatin1Char(' ')).toStdString();
}

TEST_F(ProfileEditorTest, theSecondDrumWindowGivesALotteryItsDrumWhichSaveWritesAfterTheEightKeysAndUntickedRemoves) {
    open();
    fillIn("Euro", "5", "1", "50", "0");
    withSecondDrumWindow(*editor, [](QWidget& window) {
        EXPECT_EQ(window.objectName(), QStringLiteral("secondDrumDialog"));
        EXPECT_EQ(drumShown(window), "- () (1) (12)");
        typeSecondDrum(window, "2", "1", "12");
        child<QPushButton>(window, "okButton").click();
    });
    click("saveButton");
    EXPECT_EQ(editor->result(), ProfileEditor::kSaved);
    EXPECT_EQ(state.current, (LotteryProfile{"Euro", 5, 1, 50, 0, false, true, false, true, 2, 1, 12}));
    const std::u16string euro = u"\r\n[Euro]\r\nBalls=5\r\nMin=1\r\nMax=50\r\nBonus=0\r\nRepeat=No\r\nSort=Yes\r\n"
                                u"PowerBall=No\r\nShowBonus=Yes\r\n";
    const std::u16string listed =
        std::u16string(kThreeLotteries).insert(kThreeLotteries.find(u"\r\n[Lotto]"), u"Game3=Euro\r\n");
    EXPECT_EQ(settingsBytes(), testing::utf16WithMark(listed + euro + u"Drum2=2\r\nDrum2Min=1\r\nDrum2Max=12\r\n"));

    // Opened again, the window shows the drum; unticked, Save takes the keys away.
    open();
    withSecondDrumWindow(*editor, [](QWidget& window) {
        EXPECT_EQ(drumShown(window), "x 2 1 12");
        child<QCheckBox>(window, "drum2Check").setChecked(false);
        child<QPushButton>(window, "okButton").click();
    });
    click("saveButton");
    EXPECT_FALSE(hasSecondDrum(state.current));
    EXPECT_EQ(settingsBytes(), testing::utf16WithMark(listed + euro));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ProfileEditorTest, theSecondDrumsBoxesAreCheckedAgainstTheBallsAsTypedAndSaveChecksTheDrumAgain) {
    open();
    fillIn("Super", "6", "1", "49", "0");
    withSecondDrumWindow(*editor, [this](QWidget& window) {
        const struct {
            const char* numbers[3];
            const char* box;
            const char* message;
        } cases[] = {
            {{"1", "0", "x"}, "drum2HighestEdit", "Highest Second Drum Ball: Please enter an integer between 1 and 99."},
        };
        for (const auto& [numbers, box, message] : cases) {
            typeSecondDrum(window, numbers[0], numbers[1], numbers[2]);
            child<QPushButton>(window, "okButton").click();
            EXPECT_EQ(prompter.texts().back(), message);
            EXPECT_TRUE(window.isVisible());
            EXPECT_EQ(window.focusWidget(), &child<QLineEdit>(window, box)) << message;
        }
        typeSecondDrum(window, "1", "0", "9");
        child<QPushButton>(window, "okButton").click();
    });
    // Cancel keeps the drum as it was.
    withSecondDrumWindow(*editor, [](QWidget& window) {
        typeSecondDrum(window, "3", "1", "20");
        child<QPushButton>(window, "cancelButton").click();
    });

    // Seven balls leave no slot: Save names the drum and nothing is written.
    prompter.messages.clear();
    const std::string before = settingsBytes();
    box("ballsEdit").setText(QStringLiteral("7"));
    click("saveButton");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kNoSlotForSecondDrum});
    EXPECT_EQ(editor->focusWidget(), &control<QPushButton>("secondDrumButton"));
    EXPECT_EQ(settingsBytes(), before);
    box("ballsEdit").setText(QStringLiteral("6"));
    click("saveButton");
    EXPECT_EQ(state.current, (LotteryProfile{"Super", 6, 1, 49, 0, false, true, false, true, 1, 0, 9}));
}

TEST_F(ProfileEditorTest, theSecondDrumButtonTakesOnlyRoomEachLayoutHadSpare) {
    for (const ScreenSize screen : {ScreenSize{240, 320}, ScreenSize{320, 240}, ScreenSize{240, 240}}) {
        SCOPED_TRACE(screen.width * 1000 + screen.height);
        ProfileEditor& shown = open(screen);
        expectEveryControlInside(shown);
        auto& button = control<QPushButton>("secondDrumButton");
        EXPECT_TRUE(button.isVisible());
        const auto places = [&] {
            std::map<std::string, QRect> found;
            for (const QWidget* widget : shown.findChildren<QWidget*>()) {
                if (widget != &button && widget->isVisible() && !widget->objectName().isEmpty())
                    found[widget->objectName().toStdString()] = widget->geometry();
            }
            return found;
        };
        const auto withButton = places();
        button.hide();
        shown.layout()->activate();
        EXPECT_EQ(places(), withButton);
    }
}

}  // namespace
}  // namespace numora
