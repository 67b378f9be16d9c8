#include <QCheckBox>
#include <QLabel>

#include <set>

#include "settings/PickRulesStore.h"
#include "ui/rules/RulesGrid.h"
#include "ui/support/MainWindowFixture.h"
#include "support/BallSets.h"

namespace numora {
namespace {

using testing::ballsOf;

// Lotto has draws.
class MainWindowRulesTest : public MainWindowTest {
protected:
    void SetUp() override { writeDraws(kLotto.name, 12); }

    QLabel& mark() const { return control<QLabel>("rulesMark"); }
    std::string stored(const std::string& lottery) const {
        return profile.readText("PickRules", lottery, "(none)");
    }
    // The numbers of each line of the pick list, in ascending order.
    std::vector<std::vector<int>> listedNumbers(const LotteryProfile& lottery) const {
        std::vector<std::vector<int>> lines;
        for (const std::string& text : pickList().lines()) {
            const PickedLine line = readLineText(text, lottery).value();
            std::vector<int> numbers(line.slots.begin(), line.slots.begin() + lottery.balls);
            std::sort(numbers.begin(), numbers.end());
            lines.push_back(numbers);
        }
        return lines;
    }
};

TEST_F(MainWindowRulesTest, pickRulesSetInTheirWindowShowTheMarkAndHoldInEveryPick) {
    open();
    EXPECT_FALSE(mark().isVisible());
    withModal([this] { trigger("pickRulesAction"); },
              [](QWidget& rules) {
                  auto& grid = child<RulesGrid>(rules, QStringLiteral("rulesGrid"));
                  const auto tap = [&grid](int number) {
                      QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.cellRect(number).center());
                  };
                  tap(7);
                  tap(13);
                  for (const int number : {1, 2, 3}) {
                      tap(number);
                      tap(number);
                  }
                  child<QCheckBox>(rules, QStringLiteral("newLineCheck")).click();
                  child<QPushButton>(rules, QStringLiteral("okButton")).click();
              });
    EXPECT_EQ(stored("Lotto"), "fixed 7 13 excluded 1-3 new-line");
    EXPECT_TRUE(mark().isVisible());
    EXPECT_EQ(mark().toolTip(), QStringLiteral("Pick rules on:\nfixed 7, 13\nexcluded 1-3\na new line each Pick"));
    EXPECT_TRUE(mark().geometry().contains(control<QPushButton>("pickButton").geometry().topRight()));

    for (int i = 0; i < 20; ++i) pick();
    const auto lines = listedNumbers(kLotto);
    EXPECT_EQ(std::set<std::vector<int>>(lines.begin(), lines.end()).size(), 20u);
    for (const std::vector<int>& line : lines) {
        EXPECT_EQ(std::count(line.begin(), line.end(), 7) + std::count(line.begin(), line.end(), 13), 2);
        EXPECT_GT(line.front(), 3);
    }

    // Cancel keeps the rules; Clear and OK set them all off.
    withModal([this] { trigger("pickRulesAction"); },
              [](QWidget& rules) { child<QPushButton>(rules, QStringLiteral("cancelButton")).click(); });
    EXPECT_TRUE(mark().isVisible());
    withModal([this] { trigger("pickRulesAction"); },
              [](QWidget& rules) {
                  child<QPushButton>(rules, QStringLiteral("clearButton")).click();
                  child<QPushButton>(rules, QStringLiteral("okButton")).click();
              });
    EXPECT_FALSE(mark().isVisible());
    EXPECT_EQ(stored("Lotto"), "(none)");
    EXPECT_EQ(prompter.messages.size(), 0u);
}

TEST_F(MainWindowRulesTest, aCurrentLotteryThatIsNotListedHasNoRulesToSet) {
    setOption(kLotteryNameOption, "Nothing");
    open();
    trigger("pickRulesAction");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{
                                    "Pick rules belong to a lottery: choose one, or add one with Add Lottery Type."});
    EXPECT_FALSE(profile.contains("PickRules", "Nothing"));
}

TEST_F(MainWindowRulesTest, rulesAChangedProfileNoLongerAllowsAreDroppedOnceWithAMessageAndStored) {
    ASSERT_TRUE(writePickRules(profile, kLotto.name, {ballsOf({7, 45}), ballsOf({1, 48}), false}));
    writeLotteries({{"Lotto", 6, 1, 40, 40, false, true, false, true}});
    open();
    QApplication::processEvents();
    const std::string dropped = "The pick rules of Lotto no longer fit its profile (6 balls from 1 to 40), so Numora "
                                "dropped from them: fixed 45; excluded 48.";
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{dropped});
    EXPECT_EQ(stored("Lotto"), "fixed 7 excluded 1");
    EXPECT_EQ(mark().toolTip(), QStringLiteral("Pick rules on:\nfixed 7\nexcluded 1"));
}

}  // namespace
}  // namespace numora
