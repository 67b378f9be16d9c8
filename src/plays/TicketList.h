#pragma once

#include <string>
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

}  // namespace numora
