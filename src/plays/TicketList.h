#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "plays/Ticket.h"

namespace numora {

// A lottery's tickets in the order they were played.
using TicketList = std::vector<Ticket>;

// Adds a pending ticket for each line, numbered on from the highest number
// kept; returns the numbers given.
std::vector<int> addTickets(TicketList& tickets, const std::vector<PickedLine>& lines, const CalendarDay& day,
                            TicketSource source);
// False when no ticket has that number.
bool removeTicket(TicketList& tickets, int number);

// The latest day first; the tickets of one day in the order they were played.
TicketList newestFirst(TicketList tickets);

// The tickets of one day in the order played, and the best of their results
// (empty while all of them are pending).
struct TicketDay {
    CalendarDay day;
    TicketList tickets;
    std::string bestResult;
};
// The latest day first.
std::vector<TicketDay> ticketsByDay(const TicketList& tickets);

// How many tickets have each result, the best result first (most main
// numbers, then the most after the "+"), and how many are pending.
struct LabelCount {
    std::string label;
    int count = 0;

    friend bool operator==(const LabelCount&, const LabelCount&) = default;
};
struct TicketTotals {
    std::vector<LabelCount> results;
    int pending = 0;
};
TicketTotals totalTickets(const TicketList& tickets);

inline constexpr char kTotalText[] = "%s: %d";
inline constexpr char kPendingTotalText[] = "pending: %d";
inline constexpr char kTotalsSeparator[] = ", ";
// "4+1: 1, 3: 2, 0: 5, pending: 3", or with another separator; empty without tickets.
std::string totalsText(const TicketTotals& totals, std::string_view separator = kTotalsSeparator);

}  // namespace numora
