#include <QComboBox>
#include <QPushButton>

#include "picking/PicksFile.h"
#include "plays/TicketsFile.h"
#include "ui/support/MainWindowFixture.h"
#include "ui/support/PlayDay.h"
#include "ui/wheel/NumberGrid.h"

namespace numora {
namespace {

using WheelPickList = MainWindowTest;

// In the open Wheel window: taps first to last into the pool, chooses the
// guarantee and generates the wheel.
void generateWheel(QWidget& window, int first, int last, int match, int ifDrawn) {
    auto& grid = child<NumberGrid>(window, "wheelGrid");
    for (int number = first; number <= last; ++number)
        QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.cellRect(number).center());
    child<QComboBox>(window, "wheelMatch").setCurrentIndex(match - 1);
    child<QComboBox>(window, "wheelIf").setCurrentIndex(ifDrawn - 1);
    auto& generate = child<QPushButton>(window, "wheelGenerate");
    generate.click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return generate.isEnabled(); }, 20000));
}

// Generates the wheel, then adds it to the pick list.
void addWheel(QWidget& window, int first, int last, int match, int ifDrawn) {
    generateWheel(window, first, last, match, ifDrawn);
    child<QPushButton>(window, "wheelAddToPickList").click();
}

TEST_F(WheelPickList, addedTicketsJoinThePickListAsPicksDoAndAreExported) {
    writeBallPictures({10, 11, 12, 13, 14, 15, 16});
    open({320, 240});
    pick();
    const std::string earlierPick = pickList().topLine();
    withModal([this] { trigger("wheelAction"); }, [](QWidget& modal) { addWheel(modal, 10, 16, 3, 3); });

    const std::vector<std::string> lines = pickList().lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines.back(), earlierPick);
    for (std::size_t row = 0; row < 4; ++row) {
        const auto line = readLineText(lines[row], kLotto);
        ASSERT_TRUE(line.has_value()) << lines[row];
        EXPECT_GE(line->slots[0], 10);
        EXPECT_LE(line->slots[5], 16);
    }
    EXPECT_EQ(pickList().selectedLine(), lines.front());
    EXPECT_EQ(shownBalls().front(), readLineText(lines.front(), kLotto)->slots[0]);

    trigger("exportPicksAction");
    const auto exported = PicksFile::load(paths, kTestDataFolder);
    ASSERT_TRUE(exported.lines.has_value());
    EXPECT_EQ(*exported.lines, lines);
}

TEST_F(WheelPickList, ticketsReplaceTheWelcomeLinesAndClosingAddsNothing) {
    open();
    withModal([this] { trigger("wheelAction"); });
    EXPECT_EQ(pickList().lines(), welcomeFor("Lotto"));
    withModal([this] { trigger("wheelAction"); }, [](QWidget& modal) { addWheel(modal, 1, 7, 1, 1); });
    // 1 if 1 over 7 numbers: two tickets.
    EXPECT_EQ(pickList().lines().size(), 2u);
    EXPECT_FALSE(state.welcomeShown);
}

TEST_F(WheelPickList, playWheelKeepsTheTicketsForTheDayTypedAndLeavesTheWheelOpen) {
    open({240, 240});
    withModal([this] { trigger("wheelAction"); }, [this](QWidget& wheel) {
        auto& play = child<QPushButton>(wheel, "wheelPlay");
        EXPECT_FALSE(play.isEnabled());
        generateWheel(wheel, 1, 7, 3, 3);
        ASSERT_TRUE(play.isEnabled());
        // A day dialog answered with Cancel plays nothing.
        withModal([&play] { QTest::mouseClick(&play, Qt::LeftButton); });
        EXPECT_TRUE(prompter.messages.empty());
        withModal([&play] { QTest::mouseClick(&play, Qt::LeftButton); },
                  [](QWidget& dialog) { typePlayDay(dialog, QStringLiteral("2026-12-09")); });
        EXPECT_TRUE(wheel.isVisible());
    });

    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Played 4 tickets for 2026-12-09: tickets 1 to 4."});
    TicketList played;
    ASSERT_TRUE(TicketsFile::load(paths, kTestDataFolder, kLotto.name, played).ok());
    ASSERT_EQ(played.size(), 4u);
    for (const Ticket& ticket : played) {
        EXPECT_EQ(ticket.source, TicketSource::Wheel);
        EXPECT_EQ(ticket.day, (CalendarDay{2026, 12, 9}));
        EXPECT_TRUE(ticket.pending());
        EXPECT_LE(ticket.line.slots[5], 7);
        EXPECT_GE(ticket.line.bonus, 1);
    }
    // Playing adds nothing to the pick list.
    EXPECT_EQ(pickList().lines(), welcomeFor("Lotto"));
}

}  // namespace
}  // namespace numora
