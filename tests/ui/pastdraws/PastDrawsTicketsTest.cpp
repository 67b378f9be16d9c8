#include <QAction>
#include <QDateEdit>

#include "analysis/AnalysisTestData.h"
#include "plays/TicketBook.h"
#include "ui/support/PastDrawsFixture.h"

namespace numora {
namespace {

class PastDrawsTicketsTest : public PastDrawsWindowTest {
protected:
    void play(const CalendarDay& day, const std::vector<PickedLine>& lines) {
        TicketBook book(paths, kTestDataFolder, kLotto, time);
        book.load();
        ASSERT_TRUE(book.play(lines, day, TicketSource::Pick, {}).ok);
    }
    std::vector<std::string> results() const {
        TicketBook book(paths, kTestDataFolder, kLotto, time);
        book.load();
        std::vector<std::string> labels;
        for (const Ticket& ticket : book.tickets()) labels.push_back(ticket.result);
        return labels;
    }
    void addDraw(std::array<int, 8> numbers, QDate day) {
        enter(numbers);
        control<QDateEdit>(QStringLiteral("drawDate")).setDate(day);
        click("addButton");
    }
};

using testing::lineOf;

}  // namespace

TEST_F(PastDrawsTicketsTest, drawsAddedImportedOrInsertedTellHowTheTicketsOfTheirDayDidAfterTheirOwnMessages) {
    play({2006, 1, 11}, {lineOf({9, 12, 23, 1, 2, 3}, 2), lineOf({9, 12, 23, 34, 41, 4}), lineOf({5, 6, 7, 8, 10, 11})});
    play({2006, 1, 18}, {lineOf({1, 2, 24, 3, 4, 5})});
    play({2006, 2, 1}, {lineOf({1, 2, 3, 4, 5, 6})});
    writeDraws({kThreeDraws.at(0)});
    testing::writeBytes(host("\\My Documents\\draws.csv"), "9,12,23,34,41,46,2,1/11/2006\n");
    open();

    chosenFile = "\\My Documents\\draws.csv";
    trigger("importDrawsAction");
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  "Imported 1 lines into past draw file.\nRecorded 0 repeat draw dates.\nSkipped 0 lines.",
                  "Your 3 tickets for 2006-01-11: best 5 (ticket 2); 2 with 3 or more."}));
    // The same file again adds nothing and tells nothing more.
    trigger("importDrawsAction");
    EXPECT_EQ(prompter.messages.size(), 3u);

    prompter.messages.clear();
    addDraw({1, 2, 24, 35, 42, 47, 0, 9}, QDate(2006, 1, 18));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Your ticket for 2006-01-18: 3 (ticket 4)."});

    // A second draw of a day that a ticket matches better: told again, the best kept.
    prompter.messages.clear();
    tapRow(0);
    enter(std::array<int, 8>{5, 6, 7, 8, 10, 11, 0, 1});
    control<QDateEdit>(QStringLiteral("drawDate")).setDate(QDate(2006, 1, 11));
    click("insertButton");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Your 3 tickets for 2006-01-11: best 6 (ticket 3); 3 with 3 or more."});
    EXPECT_EQ(results(), (std::vector<std::string>{"3+1", "5", "6", "3", ""}));
    prompter.answers = {true};
    window->reject();
}

}  // namespace numora
