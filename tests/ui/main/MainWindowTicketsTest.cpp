#include <QDateEdit>
#include <QDialogButtonBox>

#include "plays/TicketsFile.h"
#include "ui/support/MainWindowFixture.h"
#include "ui/support/PlayDay.h"

namespace numora {
namespace {

class MainWindowTicketsTest : public MainWindowTest {
protected:
    // Runs Play Picks; `answer` answers its day dialog.
    void playPicks(const std::function<void(QWidget&)>& answer) {
        withModal([this] { trigger("playPicksAction"); }, answer);
    }
    std::filesystem::path ticketsFile() const { return host(TicketsFile::deviceName(kTestDataFolder, kLotto.name)); }
    TicketList storedTickets() const {
        TicketList tickets;
        EXPECT_TRUE(TicketsFile::load(paths, kTestDataFolder, kLotto.name, tickets).ok());
        return tickets;
    }
};

}  // namespace

TEST_F(MainWindowTicketsTest, inEachLayoutPlayPicksKeepsTheLinesForTheDayTypedCheckedWhenThatDaysDrawIsStored) {
    // Weekly draws on Sundays, the latest on 2020-09-27; the clock's today is Sunday 2026-12-06.
    writeDraws(kLotto.name, 3);
    for (const ScreenSize screen : {ScreenSize{240, 320}, ScreenSize{320, 240}, ScreenSize{240, 240}}) {
        SCOPED_TRACE(screen.height);
        std::filesystem::remove(ticketsFile());
        open(screen);
        prompter.messages.clear();
        trigger("playPicksAction");
        EXPECT_EQ(prompter.texts(), std::vector<std::string>{"There are no picks to play yet: tap Pick first."});
        pick();
        pick();
        prompter.messages.clear();

        // The dialog fits the screen, offers the next draw day, and its Cancel plays nothing.
        playPicks([&screen](QWidget& dialog) {
            EXPECT_LE(dialog.width(), screen.width);
            EXPECT_LE(dialog.height(), screen.height);
            expectEveryControlInside(dialog);
            EXPECT_EQ(child<QLabel>(dialog, "playPrompt").text(), "Play 2 lines as tickets for the draw of");
            EXPECT_EQ(child<QDateEdit>(dialog, "playDate").date(), QDate(2026, 12, 6));
            auto& buttons = child<QDialogButtonBox>(dialog, "playButtons");
            QTest::mouseClick(buttons.button(QDialogButtonBox::Cancel), Qt::LeftButton);
        });
        EXPECT_FALSE(std::filesystem::exists(ticketsFile()));
        EXPECT_TRUE(prompter.messages.empty());

        for (const QString& day : {QStringLiteral("2020-09-27"), QStringLiteral("2027-01-03")})
            playPicks([&day](QWidget& dialog) { typePlayDay(dialog, day); });
        const TicketList played = storedTickets();
        ASSERT_EQ(played.size(), 4u);
        const std::vector<std::string> lines = pickList().lines();
        for (std::size_t ticket = 0; ticket < played.size(); ++ticket) {
            EXPECT_EQ(played[ticket].line, readLineText(lines[ticket % 2], kLotto));
            EXPECT_EQ(played[ticket].source, TicketSource::Pick);
        }
        EXPECT_EQ(played[0].day, (CalendarDay{2020, 9, 27}));
        EXPECT_FALSE(played[0].pending());
        EXPECT_FALSE(played[1].pending());
        EXPECT_EQ(played[2].day, (CalendarDay{2027, 1, 3}));
        EXPECT_TRUE(played[3].pending());
        ASSERT_EQ(prompter.messages.size(), 2u);
        EXPECT_EQ(prompter.messages[0].text.rfind(
                      "Played 2 tickets for 2020-09-27: tickets 1 to 2.\nYour 2 tickets for 2020-09-27: best ", 0),
                  0u)
            << prompter.messages[0].text;
        EXPECT_EQ(prompter.messages[1].text, "Played 2 tickets for 2027-01-03: tickets 3 to 4.");
    }
    EXPECT_EQ(modalOpenedBy([this] { trigger("ticketsAction"); }), "ticketsWindow");
}

}  // namespace numora
