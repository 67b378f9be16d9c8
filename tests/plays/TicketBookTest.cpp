#include <gtest/gtest.h>

#include "PlaysTestData.h"
#include "platform/DevicePaths.h"
#include "plays/TicketBook.h"
#include "support/TestFiles.h"

namespace numora {
namespace {

using testing::drawOf;
using testing::kLotto649;
using testing::lineOf;

constexpr char kDataFolder[] = "\\Program Files\\Numora";
constexpr CalendarDay kDay{2026, 12, 9};

class TicketBookTest : public ::testing::Test {
protected:
    TicketBookTest() { std::filesystem::create_directories(host().parent_path()); }

    std::filesystem::path host() const { return device.toHost(TicketsFile::deviceName(kDataFolder, kLotto649.name)).value(); }
    TicketBook openBook(const char* dataFolder = kDataFolder) {
        TicketBook book(device, dataFolder, kLotto649, time);
        book.load();
        return book;
    }
    DrawRecord drawOn(const CalendarDay& day, std::initializer_list<int> balls, int bonus) const {
        return drawOf(time.toSeconds({day.year, day.month, day.day, 20, 0, 0}), balls, bonus);
    }

    testing::ScratchFolder root;
    DevicePaths device{root.path()};
    FixedOffsetLocalTime time;
};

}  // namespace

TEST_F(TicketBookTest, playingSavesAtOnceAndADayThatHasItsDrawIsCheckedAtOnce) {
    TicketBook book = openBook();
    const DrawList draws{drawOn(kDay, {1, 2, 3, 4, 5, 6}, 7)};
    TicketBook::Played played = book.play({lineOf({1, 2, 3, 4, 10, 11}, 7), lineOf({20, 21, 22, 23, 24, 25})}, kDay,
                                          TicketSource::Pick, draws);
    EXPECT_TRUE(played.ok);
    EXPECT_EQ(played.texts, (std::vector<std::string>{"Played 2 tickets for 2026-12-09: tickets 1 to 2.",
                                                      "Your 2 tickets for 2026-12-09: best 4+1 (ticket 1); 1 with 3 or more."}));
    played = book.play({lineOf({1, 2, 3, 4, 5, 6})}, {2026, 12, 12}, TicketSource::Typed, draws);
    EXPECT_EQ(played.texts, (std::vector<std::string>{"Played ticket 3 for 2026-12-12."}));

    TicketBook again = openBook();
    EXPECT_EQ(again.tickets(), book.tickets());
    EXPECT_EQ(again.tickets()[0].result, "4+1");
    EXPECT_TRUE(again.tickets()[2].pending());
    EXPECT_EQ(again.remove(9), "There is no ticket 9.");
    EXPECT_EQ(again.remove(1), "");
    EXPECT_EQ(openBook().tickets().size(), 2u);
    // A day no draw can have is refused.
    EXPECT_EQ(book.play({lineOf({1, 2, 3, 4, 5, 6})}, {2038, 1, 19}, TicketSource::Typed, draws).texts,
              (std::vector<std::string>{
                  "2038-01-19 is outside the dates a draw can have (1970-01-01 to 2038-01-18)"}));
}

TEST_F(TicketBookTest, drawsArrivingCheckTheWaitingTicketsOnceAndSaveTheirResults) {
    TicketBook book = openBook();
    book.play({lineOf({1, 2, 3, 4, 5, 6}, 7)}, kDay, TicketSource::Pick, {});
    // No tickets file: nothing to check, and no file is made.
    EXPECT_TRUE(oneMessage(checkTicketsOnArrival(device, kDataFolder, {"Other"}, {drawOn(kDay, {1, 2, 3, 4, 5, 6}, 7)},
                                                 time))
                    .empty());
    EXPECT_FALSE(std::filesystem::exists(device.toHost(TicketsFile::deviceName(kDataFolder, "Other")).value()));

    const DrawList draws{drawOn({2026, 12, 5}, {1, 2, 3, 4, 5, 6}, 7), drawOn(kDay, {1, 2, 3, 40, 41, 42}, 7)};
    EXPECT_EQ(checkTicketsOnArrival(device, kDataFolder, kLotto649, draws, time).results,
              (std::vector<std::string>{"Your ticket for 2026-12-09: 3+1 (ticket 1)."}));
    EXPECT_TRUE(oneMessage(checkTicketsOnArrival(device, kDataFolder, kLotto649, draws, time)).empty());
    EXPECT_EQ(openBook().tickets().front().result, "3+1");
}

TEST_F(TicketBookTest, aDamagedFileIsNeverSavedOverAndAFailedSaveKeepsTheTicketsAsTheyWere) {
    const std::string damaged = "Numora tickets 1\n1,2026-12-09,pick,01 02 03 04 05 06,07,\n2,2026-12-0";
    testing::writeBytes(host(), damaged);
    TicketBook book = openBook();
    ASSERT_EQ(book.tickets().size(), 1u);
    const std::string message = book.loaded().message;
    EXPECT_EQ(book.play({lineOf({1, 2, 3, 4, 5, 6})}, kDay, TicketSource::Typed, {}).texts,
              (std::vector<std::string>{message}));
    EXPECT_EQ(book.remove(1), message);
    EXPECT_EQ(book.tickets().size(), 1u);
    EXPECT_EQ(oneMessage(checkTicketsOnArrival(device, kDataFolder, kLotto649, {drawOn(kDay, {1, 2, 3, 4, 5, 6}, 7)},
                                               time)),
              message + "\nThe tickets were not checked against the new draws.");
    EXPECT_EQ(testing::readBytes(host()), damaged);

    // No folder to save in: the play is undone.
    TicketBook nowhere = openBook("\\Nowhere");
    const TicketBook::Played played = nowhere.play({lineOf({1, 2, 3, 4, 5, 6})}, kDay, TicketSource::Typed, {});
    EXPECT_FALSE(played.ok);
    ASSERT_EQ(played.texts.size(), 1u);
    EXPECT_EQ(played.texts[0].rfind("Unable to save the tickets file \\Nowhere\\Lotto 649.tickets", 0), 0u);
    EXPECT_TRUE(nowhere.tickets().empty());
}

TEST(TicketMessage, aProblemComesFirstAndManyDaysAreSummedUpAfterTheFirstOnes) {
    TicketBook::Checked checked{std::vector<std::string>(9, "day"), {}};
    EXPECT_EQ(oneMessage(checked), "day\nday\nday\nday\nday\nday\nday\nday\nday");
    checked.results.push_back("day");
    checked.problem = "not saved";
    EXPECT_EQ(oneMessage(checked), "not saved\nday\nday\nday\nday\nday\nday\nday\nday\n"
                                   "... and 2 more days: the Tickets window shows every ticket.");
}

}  // namespace numora
