#include "ui/rules/PickRulesDialog.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

#include "platform/AppProfile.h"
#include "settings/PickRulesStore.h"
#include "support/FailingAppProfile.h"
#include "support/RecordingPrompter.h"
#include "ui/rules/RulesGrid.h"
#include "ui/support/Widgets.h"
#include "support/BallSets.h"

namespace numora {
namespace {

const LotteryProfile kLotto{"Lotto", 6, 1, 49, 49, false, false, false, true};

using testing::ballsOf;

class PickRulesDialogTest : public ::testing::Test {
protected:
    PickRulesDialog& open(const LotteryProfile& lottery = kLotto, ScreenSize screen = {240, 320},
                          const PickRules& rules = {}) {
        dialog = std::make_unique<PickRulesDialog>(lottery, rules, *store, prompter, screen);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return *dialog;
    }

    RulesGrid& grid() const { return child<RulesGrid>(*dialog, QStringLiteral("rulesGrid")); }
    void tap(int number, int times = 1) const {
        for (int i = 0; i < times; ++i) QTest::mouseClick(&grid(), Qt::LeftButton, {}, grid().cellRect(number).center());
    }
    void click(const char* button) const { child<QPushButton>(*dialog, QString::fromLatin1(button)).click(); }
    std::string stored() const { return options.readText("PickRules", "Lotto", "(none)"); }

    InMemoryAppProfile options;
    AppProfile* store = &options;
    RecordingPrompter prompter;
    std::unique_ptr<PickRulesDialog> dialog;
};

TEST_F(PickRulesDialogTest, eachLayoutFitsItsScreenWithEveryControlAndEveryNumberOfTheLottery) {
    const LotteryProfile hundred{"Hundred", 5, 0, 99, 0, false, false, false, false};
    for (const auto& [screen, size] : {std::pair{ScreenSize{240, 320}, QSize(240, 294)},
                                       std::pair{ScreenSize{320, 240}, QSize(320, 214)},
                                       std::pair{ScreenSize{240, 240}, QSize(240, 214)}}) {
        for (const LotteryProfile& lottery : {kLotto, hundred}) {
            SCOPED_TRACE(std::to_string(screen.width) + "x" + std::to_string(screen.height) + " " + lottery.name);
            open(lottery, screen);
            EXPECT_EQ(dialog->size(), size);
            expectEveryControlInside(*dialog);
            const QRect cells = grid().cellRect(lottery.min).united(grid().cellRect(lottery.max));
            EXPECT_TRUE(grid().rect().contains(cells));
            EXPECT_GE(grid().cellRect(lottery.max).height(), 13);
            EXPECT_EQ(grid().cellRect(lottery.min - 1), QRect());
        }
    }
}

TEST_F(PickRulesDialogTest, tapsCycleFixedExcludedAndFreeKeysDoTheSameAndOkStoresTheRules) {
    open();
    tap(7);
    tap(13);
    tap(1, 2);
    tap(20, 3);
    EXPECT_EQ((std::array{grid().mark(7), grid().mark(1), grid().mark(20)}),
              (std::array{RuleMark::Fixed, RuleMark::Excluded, RuleMark::Free}));
    // From the last number tapped, two to the right and one row down.
    grid().setFocus();
    for (const auto key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Space}) QTest::keyClick(&grid(), key);
    EXPECT_EQ(grid().mark(32), RuleMark::Fixed);
    child<QCheckBox>(*dialog, QStringLiteral("newLineCheck")).click();
    click("okButton");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->rules(), (PickRules{ballsOf({7, 13, 32}), ballsOf({1}), true}));
    EXPECT_EQ(stored(), "fixed 7 13 32 excluded 1 new-line");
    EXPECT_EQ(prompter.messages.size(), 0u);
}

TEST_F(PickRulesDialogTest, rulesTheLotteryCannotFollowAreToldAndTheWindowStaysOpen) {
    const LotteryProfile small{"Lotto", 3, 1, 9, 0, false, false, false, false};
    open(small);
    for (const int number : {1, 2, 3}) tap(number);
    click("okButton");
    EXPECT_TRUE(dialog->isVisible());
    tap(3);  // excluded now
    for (const int number : {4, 5, 6, 7, 8, 9}) tap(number, 2);
    click("okButton");
    EXPECT_TRUE(dialog->isVisible());
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.texts()[0].rfind("Too many fixed numbers for Lotto", 0), 0u);
    EXPECT_EQ(prompter.texts()[1].rfind("Too many excluded numbers for Lotto", 0), 0u);
    EXPECT_EQ(stored(), "(none)");
    tap(9);  // free again
    click("okButton");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(stored(), "fixed 1 2 excluded 3-8");
}

TEST_F(PickRulesDialogTest, clearSetsEveryRuleOffCancelStoresNothingAndARefusedStoreIsToldAsItCloses) {
    ASSERT_TRUE(writePickRules(options, "Lotto", {ballsOf({7}), {}, false}));
    open(kLotto, {240, 240}, {ballsOf({7}), ballsOf({40}), true});
    EXPECT_EQ((std::array{grid().mark(7), grid().mark(40)}), (std::array{RuleMark::Fixed, RuleMark::Excluded}));
    EXPECT_TRUE(child<QCheckBox>(*dialog, QStringLiteral("newLineCheck")).isChecked());
    click("clearButton");
    EXPECT_EQ(dialog->rules(), PickRules{});
    click("cancelButton");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(stored(), "fixed 7");

    testing::FailingAppProfile failing;
    store = &failing;
    open(kLotto, {320, 240});
    tap(9);
    click("okButton");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->rules().fixed, ballsOf({9}));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{std::string("The pick rules were not stored: Numora ") +
                                                         testing::FailingAppProfile::kFailure +
                                                         ".\nNumora uses them until another lottery is chosen."});
}

}  // namespace
}  // namespace numora
