#include "plays/TicketCheck.h"

#include <algorithm>
#include <map>
#include <optional>
#include <utility>

#include "analysis/LineCheck.h"
#include "draws/IsoDateText.h"
#include "platform/FormatText.h"
#include "platform/LocalTime.h"

namespace numora {

namespace {

LineMatch bestMatch(const PickedLine& line, const std::vector<const DrawRecord*>& draws,
                    const LotteryProfile& lottery) {
    std::optional<LineMatch> best;
    for (const DrawRecord* draw : draws) {
        const LineMatch match = matchLine(line, *draw, lottery);
        if (!best || match.betterThan(*best)) best = match;
    }
    return *best;
}

}  // namespace

std::vector<DayResults> checkTickets(TicketList& tickets, const DrawList& draws, const LotteryProfile& lottery,
                                     const LocalTime& time) {
    std::vector<DayResults> told;
    if (tickets.empty() || draws.empty()) return told;
    struct Day {
        std::vector<Ticket*> played;
        std::vector<const DrawRecord*> drawn;
    };
    // By day, from days since 1970.
    std::map<std::int64_t, Day> days;
    for (Ticket& ticket : tickets) days[daysFromCivil(ticket.day.year, ticket.day.month, ticket.day.day)].played.push_back(&ticket);
    // A draw belongs to its local calendar day, as the terminal's --date finds it.
    for (const DrawRecord& draw : draws) {
        const CalendarTime drawn = time.fromSeconds(draw.date);
        const auto day = days.find(daysFromCivil(drawn.year, drawn.month, drawn.day));
        if (day != days.end()) day->second.drawn.push_back(&draw);
    }

    for (const auto& entry : days) {
        const std::vector<Ticket*>& played = entry.second.played;
        const std::vector<const DrawRecord*>& drawn = entry.second.drawn;
        if (drawn.empty()) continue;
        DayResults results;
        results.day = played.front()->day;
        results.tickets = static_cast<int>(played.size());
        std::optional<LineMatch> best;
        bool changed = false;
        for (Ticket* ticket : played) {
            const LineMatch match = bestMatch(ticket->line, drawn, lottery);
            std::string label = matchLabel(match);
            changed = changed || label != ticket->result;
            ticket->result = std::move(label);
            if (match.mainMatches >= kManyNumbers) ++results.withManyNumbers;
            if (!best || match.betterThan(*best)) {
                best = match;
                results.bestTicket = ticket->number;
                results.bestResult = ticket->result;
            }
        }
        if (changed) told.push_back(std::move(results));
    }
    return told;
}

std::string dayResultsText(const DayResults& results) {
    const std::string day = isoDayText(results.day.year, results.day.month, results.day.day);
    if (results.tickets == 1) {
        return formatText(kOneTicketResultText, day.c_str(), results.bestResult.c_str(), results.bestTicket);
    }
    return formatText(kDayResultsText, results.tickets, day.c_str(), results.bestResult.c_str(), results.bestTicket,
                      results.withManyNumbers);
}

}  // namespace numora
