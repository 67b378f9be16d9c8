#include <QComboBox>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

#include "support/RecordingPrompter.h"
#include "ui/services/DeviceWindow.h"
#include "ui/support/Widgets.h"
#include "ui/wheel/NumberGrid.h"
#include "ui/wheel/WheelWindow.h"

namespace numora {
namespace {

const LotteryProfile kLotto{"Lotto", 6, 1, 49, 49, false, true, false, true};
constexpr std::int64_t kClock = 1'700'000'000;
constexpr int kWaitMilliseconds = 20000;

class WheelWindowTest : public ::testing::Test {
protected:
    WheelWindow& open(ScreenSize screen = {240, 320}, const SearchLimits& limits = {}) {
        window = std::make_unique<WheelWindow>(kLotto, screen, prompter, [] { return kClock; }, limits);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *window;
    }

    template <typename Control>
    Control& control(const char* name) const {
        return child<Control>(*window, QString::fromLatin1(name));
    }
    NumberGrid& grid() const { return control<NumberGrid>("wheelGrid"); }
    void tap(int number) const {
        QTest::mouseClick(&grid(), Qt::LeftButton, {}, grid().cellRect(number).center());
    }
    void tapRange(int first, int last) const {
        for (int number = first; number <= last; ++number) tap(number);
    }
    void chooseGuarantee(int match, int ifDrawn) const {
        control<QComboBox>("wheelMatch").setCurrentIndex(match - 1);
        control<QComboBox>("wheelIf").setCurrentIndex(ifDrawn - 1);
    }
    // Taps Generate and waits until the search has ended.
    void generate() const {
        control<QPushButton>("wheelGenerate").click();
        EXPECT_TRUE(QTest::qWaitFor([this] { return control<QPushButton>("wheelGenerate").isEnabled(); },
                                    kWaitMilliseconds));
    }
    QStringList listed() const {
        QStringList lines;
        const QListWidget& list = control<QListWidget>("wheelTickets");
        for (int row = 0; row < list.count(); ++row) lines << list.item(row)->text();
        return lines;
    }

    RecordingPrompter prompter;
    std::unique_ptr<WheelWindow> window;
};

TEST_F(WheelWindowTest, eachLayoutFitsItsScreenWithTheWholeGridInside) {
    for (const ScreenSize screen : {ScreenSize{240, 320}, ScreenSize{320, 240}, ScreenSize{240, 240}}) {
        SCOPED_TRACE(screen.height);
        WheelWindow& shown = open(screen);
        EXPECT_EQ(shown.windowTitle(), "Wheel");
        EXPECT_EQ(shown.size(), deviceWindowSize(screen));
        expectEveryControlInside(shown);
        const QRect inside = grid().rect();
        EXPECT_TRUE(inside.contains(grid().cellRect(1)));
        EXPECT_TRUE(inside.contains(grid().cellRect(49)));
        EXPECT_FALSE(grid().cellRect(1).intersects(grid().cellRect(2)));
        EXPECT_GE(grid().cellRect(49).height(), 12);
    }
}

TEST(NumberGrid, aHundredNumbersFitTheSmallestGridWithoutOverlap) {
    NumberGrid grid(0, 99);
    grid.resize(grid.minimumSizeHint());
    for (int number = 0; number <= 99; ++number) {
        const QRect cell = grid.cellRect(number);
        ASSERT_TRUE(grid.rect().contains(cell)) << number;
        if (number > 0) {
            ASSERT_FALSE(cell.intersects(grid.cellRect(number - 1))) << number;
        }
    }
    EXPECT_TRUE(grid.cellRect(100).isNull());
    // A wide grid takes more columns: 0 to 9 on one row.
    grid.resize(400, 60);
    EXPECT_EQ(grid.cellRect(9).top(), grid.cellRect(0).top());
}

TEST_F(WheelWindowTest, tapsPutANumberInThePoolMakeItAKeyAndTakeItOut) {
    open();
    EXPECT_EQ(listed(), QStringList{"Tap the numbers to play: they join the pool. Tap one again to make it a key "
                                    "number, in every ticket."});
    tap(5);
    tap(9);
    EXPECT_EQ(grid().pool(), (std::vector<int>{5, 9}));
    EXPECT_EQ(listed(), QStringList{"2 numbers in the pool"});
    tap(5);
    EXPECT_EQ(grid().keys(), (std::vector<int>{5}));
    EXPECT_EQ(grid().pool(), (std::vector<int>{5, 9}));
    EXPECT_EQ(listed(), QStringList{"2 numbers in the pool, 1 of them key numbers"});
    tap(5);
    EXPECT_EQ(grid().mark(5), NumberGrid::Mark::None);
    EXPECT_EQ(grid().pool(), (std::vector<int>{9}));
}

TEST_F(WheelWindowTest, generateListsTheTicketsWithTheirCheckAndAddHandsThemOverAsPicks) {
    open({240, 240});
    tapRange(1, 7);
    chooseGuarantee(3, 3);
    generate();
    const QStringList lines = listed();
    ASSERT_EQ(lines.size(), 7) << lines.join('\n').toStdString();
    for (int row = 0; row < 4; ++row) EXPECT_TRUE(lines[row].startsWith("0")) << lines[row].toStdString();
    EXPECT_EQ(lines[4], "Checked: 3 if 3 holds for all 35 ways 3 of your 7 numbers can be drawn");
    EXPECT_EQ(lines[5], "At least 4 tickets are needed; this wheel has 4");
    EXPECT_EQ(control<QProgressBar>("wheelProgress").text(), "4 tickets");
    EXPECT_FALSE(control<QPushButton>("wheelCancel").isEnabled());

    // Another guarantee is another wheel: the shown one goes.
    chooseGuarantee(2, 3);
    EXPECT_EQ(listed(), QStringList{"7 numbers in the pool"});
    EXPECT_FALSE(control<QPushButton>("wheelAddToPickList").isEnabled());
    chooseGuarantee(3, 3);
    generate();

    control<QPushButton>("wheelAddToPickList").click();
    EXPECT_EQ(window->result(), QDialog::Accepted);
    ASSERT_EQ(window->picksToAdd().size(), 4u);
    for (const PickedLine& pick : window->picksToAdd()) {
        EXPECT_EQ(pick.slots[6], PickedLine::kEmpty);
        EXPECT_EQ(std::count(pick.slots.begin(), pick.slots.end(), pick.bonus), 0);
        EXPECT_GE(pick.bonus, 1);
    }
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(WheelWindowTest, aPoolThatCannotBeIsNamedAndATicketLimitIsKept) {
    open({320, 240}, [] {
        SearchLimits limits;
        limits.steps = 20000;
        return limits;
    }());
    tapRange(1, 3);
    control<QPushButton>("wheelGenerate").click();
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{
                                    "A pool needs at least 7 numbers (the lottery's 6 balls and one more); it has 3."}));
    EXPECT_FALSE(control<QPushButton>("wheelCancel").isEnabled());

    tapRange(4, 12);
    chooseGuarantee(3, 4);
    QSpinBox& limit = control<QSpinBox>("wheelTicketLimit");
    EXPECT_EQ(limit.text(), "any");
    limit.selectAll();
    QTest::keyClicks(&limit, "3");
    EXPECT_EQ(limit.value(), 3);
    generate();
    const QStringList lines = listed();
    ASSERT_EQ(lines.size(), 6);
    EXPECT_TRUE(lines[3].startsWith("Checked: 3 if 4 holds for ")) << lines[3].toStdString();
    EXPECT_TRUE(lines[3].contains(" of the 495 ways")) << lines[3].toStdString();
}

TEST_F(WheelWindowTest, cancelEndsTheSearchWithItsBestWheelSoFar) {
    open();
    tapRange(1, 20);
    chooseGuarantee(4, 5);
    control<QPushButton>("wheelGenerate").click();
    QProgressBar& progress = control<QProgressBar>("wheelProgress");
    ASSERT_TRUE(QTest::qWaitFor([&] { return progress.text().endsWith("tickets"); }, kWaitMilliseconds));
    EXPECT_FALSE(grid().isEnabled());
    control<QPushButton>("wheelCancel").click();
    ASSERT_TRUE(QTest::qWaitFor([this] { return control<QPushButton>("wheelGenerate").isEnabled(); },
                                kWaitMilliseconds));
    const QStringList lines = listed();
    ASSERT_GE(lines.size(), 4);
    EXPECT_TRUE(lines[lines.size() - 3].startsWith("Checked: 4 if 5 holds for all 15,504 ways"));
    EXPECT_TRUE(control<QPushButton>("wheelAddToPickList").isEnabled());
}

}  // namespace
}  // namespace numora
