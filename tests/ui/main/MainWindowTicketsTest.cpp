#include <QDateEdit>
#include <QDialog>

#include "plays/TicketsFile.h"
#include "ui/support/MainWindowFixture.h"
#include "ui/support/PlayDay.h"

namespace numora {
namespace {

class MainWindowTicketsTest : public MainWindowTest {
protected:
    // Runs Play Picks; the day dialog, when it opens, tells its prompt and
    // day, is set to `day` when given, then is answered.
    void playPicks(const QDate& day, bool accept = true) {
        withModal([this] { trigger("playPicksAction"); }, [&, day, accept](QWidget& modal) {
            prompt = child<QLabel>(modal, "playPrompt").text().toStdString();
            auto& date = child<QDateEdit>(modal, "playDate");
            offeredDay = date.date();
            if (day.isValid()) date.setDate(day);
            auto& dialog = static_cast<QDialog&>(modal);
            accept ? dialog.accept() : dialog.reject();
        });
    }
    std::filesystem::path ticketsFile() const { return host(TicketsFile::deviceName(kTestDataFolder, kLotto.name)); }
    TicketList storedTickets() const {
        TicketList tickets;
        EXPECT_TRUE(TicketsFile::load(paths, kTestDataFolder, kLotto.name, tickets).ok());
        return tickets;
    }

    std::string prompt;
    QDate offeredDay;
};

}  // namespace

TEST_F(MainWindowTicketsTest, playPicksKeepsThePickListsLinesAsTicketsForTheDayChosenAndTellsHowTheyDid) {
    // Weekly draws on Sundays, the latest on 2020-09-27; the clock's today is Sunday 2026-12-06.
    writeDraws(kLotto.name, 3);
    open();
    trigger("playPicksAction");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"There are no picks to play yet: tap Pick first."});

    pick();
    pick();
    prompter.messages.clear();
    playPicks(QDate(), false);
    EXPECT_EQ(prompt, "Play 2 lines as tickets for the draw of");
    EXPECT_EQ(offeredDay, QDate(2026, 12, 6));
    EXPECT_FALSE(std::filesystem::exists(ticketsFile()));
    EXPECT_TRUE(prompter.messages.empty());

    playPicks(QDate(2020, 9, 27));
    ASSERT_EQ(prompter.messages.size(), 1u);
    const std::string& told = prompter.messages[0].text;
    EXPECT_EQ(told.rfind("Played 2 tickets for 2020-09-27: tickets 1 to 2.\nYour 2 tickets for 2020-09-27: best ", 0),
              0u)
        << told;
    EXPECT_NE(testing::readBytes(ticketsFile()).find("\n1,2020-09-27,pick,"), std::string::npos);

    EXPECT_EQ(modalOpenedBy([this] { trigger("ticketsAction"); }), "ticketsWindow");
}

TEST_F(MainWindowTicketsTest, inEachLayoutTheDayTypedInPlayPicksIsTheDayTheLineIsPlayedAndCheckedFor) {
    // The latest draw is on 2020-09-27; a day without a draw stays pending.
    writeDraws(kLotto.name, 3);
    for (const ScreenSize screen : {ScreenSize{240, 320}, ScreenSize{320, 240}, ScreenSize{240, 240}}) {
        SCOPED_TRACE(screen.height);
        std::filesystem::remove(ticketsFile());
        open(screen);
        pick();
        prompter.messages.clear();
        for (const QString& day : {QStringLiteral("2020-09-27"), QStringLiteral("2027-01-03")}) {
            withModal([this] { trigger("playPicksAction"); }, [&screen, &day](QWidget& dialog) {
                EXPECT_LE(dialog.width(), screen.width);
                EXPECT_LE(dialog.height(), screen.height);
                expectEveryControlInside(dialog);
                typePlayDay(dialog, day);
            });
        }
        const TicketList played = storedTickets();
        ASSERT_EQ(played.size(), 2u);
        const auto picked = readLineText(pickList().topLine(), kLotto);
        ASSERT_TRUE(picked.has_value());
        EXPECT_EQ(played[0].day, (CalendarDay{2020, 9, 27}));
        EXPECT_EQ(played[0].line, *picked);
        EXPECT_FALSE(played[0].pending());
        EXPECT_EQ(played[1].day, (CalendarDay{2027, 1, 3}));
        EXPECT_TRUE(played[1].pending());
        EXPECT_EQ(prompter.texts(), (std::vector<std::string>{
                                        "Played ticket 1 for 2020-09-27.\nYour ticket for 2020-09-27: " +
                                            played[0].result + " (ticket 1).",
                                        "Played ticket 2 for 2027-01-03."}));
    }
}

}  // namespace numora
