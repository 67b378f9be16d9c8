#include <gtest/gtest.h>

#include "PlaysTestData.h"
#include "plays/TicketCheck.h"

namespace numora {
namespace {

using testing::drawOf;
using testing::kLotto649;
using testing::kPick3;
using testing::lineOf;
using testing::ticketOf;

constexpr CalendarDay kDay{2026, 12, 9};
constexpr CalendarDay kNextDay{2026, 12, 12};

// A draw entered for a local day at 10:30, as Past Draws dates one.
DrawRecord drawnOn(const LocalTime& time, const CalendarDay& day, std::initializer_list<int> balls, int bonus = 0) {
    return drawOf(time.toSeconds({day.year, day.month, day.day, 10, 30, 0}), balls, bonus);
}

std::vector<std::string> results(const TicketList& tickets) {
    std::vector<std::string> labels;
    for (const Ticket& ticket : tickets) labels.push_back(ticket.result);
    return labels;
}

}  // namespace

TEST(TicketCheck, aTicketGetsTheLabelOfCheckPicksForTheDrawsOfItsLocalDayOnly) {
    // An hour east of UTC: the day's draws begin before UTC midnight.
    const FixedOffsetLocalTime time(3600);
    TicketList tickets{ticketOf(1, kDay, lineOf({3, 9, 17, 23, 40, 41}, 7)),
                       ticketOf(2, kDay, lineOf({3, 9, 17, 1, 2, 4})),
                       ticketOf(3, kNextDay, lineOf({3, 9, 17, 23, 40, 41}, 7))};
    const DrawList draws{drawOf(time.toSeconds({2026, 12, 8, 23, 59, 59}), {1, 2, 4, 5, 6, 8}, 9),
                         drawOf(time.toSeconds({2026, 12, 9, 0, 0, 0}), {40, 3, 23, 17, 11, 9}, 7),
                         drawOf(time.toSeconds({2026, 12, 10, 0, 0, 0}), {1, 2, 4, 5, 6, 8}, 9)};
    const std::vector<DayResults> told = checkTickets(tickets, draws, kLotto649, time);
    EXPECT_EQ(results(tickets), (std::vector<std::string>{"5+1", "3", ""}));
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].day, kDay);

    // Numbers that repeat match as often as both line and draw hold them; a
    // line without a bonus matches none.
    TicketList digits{ticketOf(1, kDay, lineOf({1, 1, 1})), ticketOf(2, kDay, lineOf({2, 1, 1}))};
    checkTickets(digits, {drawnOn(time, kDay, {1, 1, 2})}, kPick3, time);
    EXPECT_EQ(results(digits), (std::vector<std::string>{"2", "3"}));
}

TEST(TicketCheck, ofSeveralDrawsOfADayATicketKeepsItsBestAndEachChangeIsToldOnce) {
    const FixedOffsetLocalTime time;
    TicketList tickets{ticketOf(1, kDay, lineOf({1, 2, 3, 4, 5, 6}, 7)), ticketOf(2, kDay, lineOf({1, 2, 3, 40, 41, 42})),
                       ticketOf(3, kNextDay, lineOf({1, 2, 3, 4, 5, 6}))};
    DrawList draws{drawnOn(time, kDay, {1, 2, 3, 10, 11, 12}, 7)};
    EXPECT_EQ(checkTickets(tickets, draws, kLotto649, time).size(), 1u);
    EXPECT_EQ(results(tickets), (std::vector<std::string>{"3+1", "3", ""}));
    // Nothing new: nothing to tell, and the pending ticket stays pending.
    EXPECT_TRUE(checkTickets(tickets, draws, kLotto649, time).empty());
    EXPECT_EQ(tickets[2].result, "");

    // A second draw of the day: each ticket keeps the better of the two.
    draws.append(drawnOn(time, kDay, {1, 2, 3, 4, 20, 21}, 8));
    const std::vector<DayResults> told = checkTickets(tickets, draws, kLotto649, time);
    EXPECT_EQ(results(tickets), (std::vector<std::string>{"4", "3", ""}));
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].bestTicket, 1);
    EXPECT_EQ(told[0].bestResult, "4");
}

TEST(TicketCheck, theDayIsToldWithItsBestTicketAndHowManyMatchedThreeOrMore) {
    const FixedOffsetLocalTime time;
    TicketList tickets{ticketOf(1, kDay, lineOf({1, 2, 10, 11, 12, 13}, 9)), ticketOf(2, kDay, lineOf({1, 2, 3, 4, 20, 21})),
                       ticketOf(3, kDay, lineOf({1, 2, 3, 4, 22, 23}, 7)), ticketOf(4, kDay, lineOf({30, 31, 32, 33, 34, 35})),
                       ticketOf(5, kDay, lineOf({1, 2, 3, 4, 24, 25}, 7))};
    const std::vector<DayResults> told =
        checkTickets(tickets, {drawnOn(time, kDay, {1, 2, 3, 4, 5, 6}, 7)}, kLotto649, time);
    ASSERT_EQ(told.size(), 1u);
    // Ticket 3 and 5 are as good: the first played is the best.
    EXPECT_EQ(dayResultsText(told[0]), "Your 5 tickets for 2026-12-09: best 4+1 (ticket 3); 3 with 3 or more.");

    TicketList one{ticketOf(8, kNextDay, lineOf({1, 2, 10, 11, 12, 13}))};
    const auto single = checkTickets(one, {drawnOn(time, kNextDay, {1, 2, 3, 4, 5, 6}, 7)}, kLotto649, time);
    ASSERT_EQ(single.size(), 1u);
    EXPECT_EQ(dayResultsText(single[0]), "Your ticket for 2026-12-12: 2 (ticket 8).");
}

}  // namespace numora
