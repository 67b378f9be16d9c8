#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <memory>

#include "analysis/AnalysisTestData.h"
#include "app/DeviceInstall.h"
#include "platform/LocalTime.h"
#include "plays/TicketBook.h"
#include "support/RecordingPrompter.h"
#include "ui/support/DeviceRoot.h"
#include "ui/support/Widgets.h"
#include "ui/tickets/TicketsWindow.h"

namespace numora {
namespace {

const LotteryProfile kLotto{"Lotto", 6, 1, 49, 49, false, true, false, false};

using testing::lineOf;

class TicketsWindowTest : public ::testing::Test, protected DeviceRoot {
protected:
    TicketsWindowTest() { createDeviceFolders(paths, kTestDataFolder); }

    TicketBook book() const {
        TicketBook tickets(paths, kTestDataFolder, kLotto, time);
        tickets.load();
        return tickets;
    }
    // Tickets for two days, the first of them checked against its draw.
    void playTickets() {
        TicketBook tickets = book();
        const DrawList draws{{time.toSeconds({2026, 12, 5, 20, 0, 0}), 1, 2, 3, 4, 5, 6, 0, 7}};
        tickets.play({lineOf({1, 2, 3, 4, 10, 11}, 7), lineOf({1, 2, 20, 21, 22, 23})}, {2026, 12, 5},
                     TicketSource::Pick, draws);
        tickets.play({lineOf({7, 8, 9, 10, 11, 12})}, {2026, 12, 9}, TicketSource::Typed, draws);
    }

    TicketsWindow& open(ScreenSize screen = {240, 320}) {
        window.reset();
        window = std::make_unique<TicketsWindow>(TicketServices{paths, kTestDataFolder, kLotto, time, prompter, screen});
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QApplication::processEvents();
        return *window;
    }
    QTreeWidget& list() const { return child<QTreeWidget>(*window, QStringLiteral("ticketsList")); }
    QPushButton& deleteButton() const { return child<QPushButton>(*window, QStringLiteral("ticketsDelete")); }
    QString totals() const { return child<QLabel>(*window, QStringLiteral("ticketsTotals")).text(); }
    // A tap on a row of the list.
    void tap(QTreeWidgetItem* row) const {
        list().scrollToItem(row);
        QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, list().visualItemRect(row).center());
    }
    // Each day's row, then its tickets' three cells.
    std::vector<std::string> rows() const {
        std::vector<std::string> texts;
        for (int day = 0; day < list().topLevelItemCount(); ++day) {
            const QTreeWidgetItem* item = list().topLevelItem(day);
            texts.push_back(item->text(0).toStdString());
            for (int ticket = 0; ticket < item->childCount(); ++ticket) {
                const QTreeWidgetItem* row = item->child(ticket);
                texts.push_back(("  " + row->text(0) + " | " + row->text(1) + " | " + row->text(2)).toStdString());
            }
        }
        return texts;
    }

    FixedOffsetLocalTime time;
    RecordingPrompter prompter;
    std::unique_ptr<TicketsWindow> window;
};

}  // namespace

TEST_F(TicketsWindowTest, eachLayoutShowsTheTicketsByDayNewestFirstWithTheirResultsAndTotals) {
    playTickets();
    const struct {
        ScreenSize screen;
        ScreenShape shape;
    } layouts[] = {{{240, 320}, ScreenShape::Portrait}, {{320, 240}, ScreenShape::Landscape},
                   {{240, 240}, ScreenShape::Square}};
    for (const auto& layout : layouts) {
        SCOPED_TRACE(layout.screen.height);
        TicketsWindow& shown = open(layout.screen);
        EXPECT_EQ(shown.shape(), layout.shape);
        EXPECT_EQ(shown.size(), QSize(layout.screen.width, layout.screen.height - 26));
        expectEveryControlInside(shown);
        EXPECT_EQ(rows(), (std::vector<std::string>{"2026-12-09   1 ticket, pending",
                                                    "  #3 | \u2026 | 07 08 09 10 11 12",
                                                    "2026-12-05   2 tickets, best 4+1",
                                                    "  #1 | 4+1 | 01 02 03 04 10 11 - 07",
                                                    "  #2 | 2 | 01 02 20 21 22 23"}));
        EXPECT_EQ(totals(), layout.shape == ScreenShape::Landscape ? QStringLiteral("4+1: 1\n2: 1\npending: 1")
                                                                   : QStringLiteral("4+1: 1, 2: 1, pending: 1"));
        EXPECT_TRUE(list().topLevelItem(0)->child(0)->font(1).italic());
    }
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(TicketsWindowTest, inEachLayoutATappedTicketIsDeletedAfterTheQuestionAndADayIsNot) {
    for (const ScreenSize screen : {ScreenSize{240, 320}, ScreenSize{320, 240}, ScreenSize{240, 240}}) {
        SCOPED_TRACE(screen.height);
        std::filesystem::remove(host(TicketsFile::deviceName(kTestDataFolder, kLotto.name)));
        playTickets();
        prompter.messages.clear();
        open(screen);
        EXPECT_FALSE(deleteButton().isEnabled());
        tap(list().topLevelItem(1));
        EXPECT_FALSE(deleteButton().isEnabled());
        tap(list().topLevelItem(1)->child(1));
        ASSERT_TRUE(deleteButton().isEnabled());
        prompter.answers = {false, true};
        QTest::mouseClick(&deleteButton(), Qt::LeftButton);
        EXPECT_EQ(book().tickets().size(), 3u);
        QTest::mouseClick(&deleteButton(), Qt::LeftButton);
        EXPECT_EQ(prompter.texts(),
                  (std::vector<std::string>{"Delete ticket 2?\nARE YOU SURE?", "Delete ticket 2?\nARE YOU SURE?"}));
        EXPECT_EQ(book().tickets().size(), 2u);
        EXPECT_EQ(rows().size(), 4u);
        EXPECT_EQ(totals(), window->shape() == ScreenShape::Landscape ? QStringLiteral("4+1: 1\npending: 1")
                                                                      : QStringLiteral("4+1: 1, pending: 1"));
        EXPECT_FALSE(deleteButton().isEnabled());
        QTest::mouseClick(&child<QPushButton>(*window, QStringLiteral("ticketsClose")), Qt::LeftButton);
        EXPECT_FALSE(window->isVisible());
    }
}

TEST_F(TicketsWindowTest, aDamagedFileIsToldOnceShownAsReadAndNeverChanged) {
    const std::string damaged = "Numora tickets 1\n1,2026-12-09,pick,01 02 03 04 05 06,,\n2,2026";
    testing::writeBytes(host(TicketsFile::deviceName(kTestDataFolder, kLotto.name)), damaged);
    open();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "The tickets file \\Program Files\\Numora\\Lotto.tickets is damaged at line 3. "
                                         "Numora leaves it as it is.");
    EXPECT_EQ(rows().size(), 2u);
    list().setCurrentItem(list().topLevelItem(0)->child(0));
    deleteButton().click();
    EXPECT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[1].text, prompter.messages[0].text);
    EXPECT_EQ(testing::readBytes(host(TicketsFile::deviceName(kTestDataFolder, kLotto.name))), damaged);

    // Without tickets the totals say how to play some.
    std::filesystem::remove(host(TicketsFile::deviceName(kTestDataFolder, kLotto.name)));
    open();
    EXPECT_EQ(totals(), QStringLiteral("No tickets yet: play the picks from the Lottery menu."));
}

}  // namespace numora
