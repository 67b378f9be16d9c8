#include <gtest/gtest.h>

#include "PlaysTestData.h"
#include "plays/TicketList.h"

namespace numora {
namespace {

using testing::lineOf;
using testing::ticketOf;

std::vector<int> numbersOf(const TicketList& tickets) {
    std::vector<int> numbers;
    for (const Ticket& ticket : tickets) numbers.push_back(ticket.number);
    return numbers;
}

}  // namespace

TEST(TicketList, newTicketsAreNumberedOnFromTheHighestKeptAndListNewestDayFirst) {
    TicketList tickets{ticketOf(4, {2026, 12, 2}, lineOf({1, 2, 3})), ticketOf(2, {2026, 12, 9}, lineOf({4, 5, 6}))};
    EXPECT_EQ(addTickets(tickets, {lineOf({7, 8, 9}), lineOf({10, 11, 12})}, {2026, 11, 28}, TicketSource::Wheel),
              (std::vector<int>{5, 6}));
    EXPECT_EQ(tickets.back().source, TicketSource::Wheel);
    EXPECT_TRUE(tickets.back().pending());
    EXPECT_TRUE(removeTicket(tickets, 6));
    EXPECT_FALSE(removeTicket(tickets, 6));
    EXPECT_EQ(addTickets(tickets, {lineOf({1, 5, 9})}, {2026, 12, 9}, TicketSource::Typed), (std::vector<int>{6}));
    // The latest day first; of one day, the order played.
    EXPECT_EQ(numbersOf(newestFirst(tickets)), (std::vector<int>{2, 6, 4, 5}));
    tickets[1].result = "3";
    tickets[3].result = "4";
    const std::vector<TicketDay> days = ticketsByDay(tickets);
    ASSERT_EQ(days.size(), 3u);
    EXPECT_EQ(numbersOf(days[0].tickets), (std::vector<int>{2, 6}));
    EXPECT_EQ(days[0].bestResult, "4");
    EXPECT_EQ(days[2].bestResult, "");
}

TEST(TicketList, totalsGoFromTheBestResultDownWithThePendingApart) {
    const CalendarDay day{2026, 12, 9};
    const TicketList tickets{ticketOf(1, day, lineOf({1}), "3"),   ticketOf(2, day, lineOf({1}), "10"),
                             ticketOf(3, day, lineOf({1}), "4+1"), ticketOf(4, day, lineOf({1})),
                             ticketOf(5, day, lineOf({1}), "3"),   ticketOf(6, day, lineOf({1}), "4"),
                             ticketOf(7, day, lineOf({1}), "4+2"), ticketOf(8, day, lineOf({1}), "0")};
    const TicketTotals totals = totalTickets(tickets);
    EXPECT_EQ(totals.results, (std::vector<LabelCount>{{"10", 1}, {"4+2", 1}, {"4+1", 1}, {"4", 1}, {"3", 2}, {"0", 1}}));
    EXPECT_EQ(totals.pending, 1);
    EXPECT_EQ(totalsText(totals), "10: 1, 4+2: 1, 4+1: 1, 4: 1, 3: 2, 0: 1, pending: 1");
    EXPECT_EQ(totalsText(totalTickets({})), "");
}

}  // namespace numora
