#include "ui/advanced/AdvancedDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/AppState.h"
#include "platform/AppProfile.h"
#include "settings/OptionKeys.h"
#include "support/FailingAppProfile.h"
#include "support/RecordingPrompter.h"
#include "ui/support/Widgets.h"

namespace numora {
namespace {

constexpr char kWinner[] = "\\Windows\\winner.wav";

class AdvancedDialogTest : public ::testing::Test {
protected:
    AdvancedDialog& open(ScreenSize screen = {240, 320}) {
        dialog.reset();
        dialog = std::make_unique<AdvancedDialog>(state, *store, prompter, [this](std::string_view filter) {
            filters.emplace_back(filter);
            if (answers.empty()) return std::optional<std::string>();
            std::optional<std::string> answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        }, screen);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return *dialog;
    }

    template <typename Control>
    Control& control(const char* name) const {
        return child<Control>(*dialog, name);
    }
    bool ticked(const char* name) const { return control<QAbstractButton>(name).isChecked(); }
    std::string text(const char* name) const { return control<QLineEdit>(name).text().toStdString(); }
    std::string stored(const std::string_view key) const { return profile.readText(kAdvancedSection, key, "<none>"); }

    AppState state;
    InMemoryAppProfile profile;
    AppProfile* store = &profile;
    RecordingPrompter prompter;
    std::vector<std::string> filters;
    std::vector<std::optional<std::string>> answers;
    std::unique_ptr<AdvancedDialog> dialog;
};

TEST_F(AdvancedDialogTest, aFirstRunShowsTheDefaultsAndTheCloseButtonStoresAllSixValuesAsShown) {
    state.options.pickSound = "\\before.wav";
    open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Advanced"));
    EXPECT_TRUE(ticked("binomialRadio"));
    EXPECT_EQ(std::tuple(ticked("patternCheck"), ticked("weightCheck"), ticked("soundCheck")),
              std::tuple(true, false, true));
    EXPECT_EQ(text("pickSoundEdit") + " " + text("startSoundEdit"), std::string(kWinner) + " " + kWinner);
    EXPECT_EQ(state.options.pickSound, kWinner);  // the stored path is the program's from now on
    EXPECT_FALSE(profile.contains(kAdvancedSection, "Hyper"));

    dialog->close();
    EXPECT_EQ(profile.readInt(kAdvancedSection, "Hyper", -1), 1);
    EXPECT_EQ(stored("Pattern") + stored("Style") + stored("Sound"), "TRUEFALSETRUE");
    EXPECT_EQ(stored("Wav1") + stored("Wav2"), std::string(kWinner) + kWinner);
    EXPECT_EQ(state.options, Options{});

    // A stored model that no button stands for is kept as it was.
    profile.writeInt(kAdvancedSection, "Hyper", 7);
    open();
    EXPECT_EQ(control<QRadioButton>("binomialRadio").group()->checkedId(), -1);
    dialog.reset();
    EXPECT_EQ(profile.readInt(kAdvancedSection, "Hyper", -1), 7);
}

TEST_F(AdvancedDialogTest, cancelStoresTheChangesAndHandsThemToTheProgram) {
    open({320, 240});
    control<QRadioButton>("monteCarloRadio").click();
    control<QCheckBox>("patternCheck").click();
    control<QCheckBox>("weightCheck").click();
    control<QCheckBox>("soundCheck").click();
    control<QLineEdit>("startSoundEdit").setText(QStringLiteral("\\My Documents\\missing.wav"));
    control<QPushButton>("cancelButton").click();
    EXPECT_FALSE(dialog->isVisible());
    const Options expected{2, false, true, false, kWinner, "\\My Documents\\missing.wav"};
    EXPECT_EQ(state.options, expected);
    EXPECT_EQ(profile.readInt(kAdvancedSection, "Hyper", -1), 2);
    EXPECT_EQ(stored("Pattern") + stored("Style") + stored("Sound"), "FALSETRUEFALSE");
    EXPECT_EQ(stored("Wav2"), "\\My Documents\\missing.wav");
}

TEST_F(AdvancedDialogTest, optionsTheStoreRefusesAreToldOnceAndStillHandedToTheProgram) {
    testing::FailingAppProfile failing(1);
    store = &failing;
    open();
    control<QRadioButton>("monteCarloRadio").click();
    control<QPushButton>("okButton").click();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{std::string("The options were not stored: Numora ") +
                                                         testing::FailingAppProfile::kFailure +
                                                         ".\nNumora uses them until it closes."});
    EXPECT_EQ(failing.writesTried, 2);
    EXPECT_EQ(state.options.model, 2);
    dialog.reset();
    EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST_F(AdvancedDialogTest, browsingAsksForAWaveFileAndOnlyAChosenFileReplacesTheBox) {
    open();
    control<QCheckBox>("soundCheck").click();
    answers = {"\\My Documents\\a.wav", std::nullopt, "/home/me/bell.wav"};
    control<QPushButton>("browsePickButton").click();
    control<QPushButton>("browseStartButton").click();
    EXPECT_EQ(text("pickSoundEdit"), "\\My Documents\\a.wav");
    EXPECT_EQ(text("startSoundEdit"), kWinner);
    EXPECT_FALSE(ticked("soundCheck"));
    control<QPushButton>("browseStartButton").click();
    EXPECT_EQ(filters, (std::vector<std::string>{"*.wav", "*.wav", "*.wav"}));
    dialog->accept();
    EXPECT_EQ(stored("Wav1") + "|" + stored("Wav2"), "\\My Documents\\a.wav|/home/me/bell.wav");
    EXPECT_EQ(stored("Sound"), "FALSE");
}

TEST_F(AdvancedDialogTest, eachLayoutHoldsItsControlsAndOnlyLandscapeShowsOkAndCancel) {
    const struct {
        ScreenSize screen;
        bool framed;         // a "Forecasting Model" frame, and the "Select sound files" label
        bool okInSight;
    } layouts[] = {{{240, 320}, true, false}, {{320, 240}, true, true}, {{240, 240}, false, false}};
    for (const auto& layout : layouts) {
        SCOPED_TRACE(layout.screen.width * 1000 + layout.screen.height);
        AdvancedDialog& shown = open(layout.screen);
        EXPECT_EQ(shown.size(), QSize(layout.screen.width, layout.screen.height - 26));
        const auto* group = shown.findChild<QGroupBox*>(QStringLiteral("modelGroup"));
        EXPECT_EQ(group ? group->title().toStdString() : "", layout.framed ? "Forecasting Model" : "");
        const auto* label = shown.findChild<QLabel*>(QStringLiteral("soundFilesLabel"));
        EXPECT_EQ(label ? label->text().toStdString() : "", layout.framed ? "Select sound files" : "");
        expectEveryControlInside(shown, layout.okInSight ? QStringList() : QStringList{"okButton", "cancelButton"});
    }
}

}  // namespace
}  // namespace numora
