#pragma once

#include <string>
#include <vector>

#include "draws/DrawList.h"
#include "plays/TicketList.h"
#include "settings/LotteryProfile.h"

namespace numora {

class LocalTime;

// How the tickets of one day did against the draws of that day.
struct DayResults {
    CalendarDay day;
    int tickets = 0;
    // The best ticket: the most main numbers, then the bonus; of equally good
    // ones the first played.
    int bestTicket = 0;
    std::string bestResult;
    // Tickets that matched at least kManyNumbers main numbers.
    int withManyNumbers = 0;
};

inline constexpr int kManyNumbers = 3;
inline constexpr char kDayResultsText[] = "Your %d tickets for %s: best %s (ticket %d); %d with 3 or more.";
inline constexpr char kOneTicketResultText[] = "Your ticket for %s: %s (ticket %d).";

// Checks each ticket whose day has draws against every draw of that day and
// keeps its best result, labelled as Check Picks labels a pick. Returns the
// days, earliest first, where a result changed (a pending ticket was checked,
// or a draw of its day came in that it matched better): each is told once.
std::vector<DayResults> checkTickets(TicketList& tickets, const DrawList& draws, const LotteryProfile& lottery,
                                     const LocalTime& time);

// "Your 5 tickets for 2026-12-09: best 4+1 (ticket 3); 2 with 3 or more."
std::string dayResultsText(const DayResults& results);

}  // namespace numora
