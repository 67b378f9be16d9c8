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

using DatedDraw = std::pair<std::int32_t, const DrawRecord*>;

std::int64_t dayKey(const CalendarDay& day) { return daysFromCivil(day.year, day.month, day.day); }

// The draws dated from a day's local midnight to the next one.
std::vector<const DrawRecord*> drawsOfDay(const std::vector<DatedDraw>& byDate, const CalendarDay& day,
                                          const LocalTime& time) {
    const std::int32_t start = time.toSeconds({day.year, day.month, day.day});
    const std::int32_t end = time.toSeconds({day.year, day.month, day.day + 1});
    const auto dateBelow = [](const DatedDraw& draw, std::int32_t date) { return draw.first < date; };
    std::vector<const DrawRecord*> found;
    for (auto it = std::lower_bound(byDate.begin(), byDate.end(), start, dateBelow);
         it != byDate.end() && it->first < end; ++it) {
        found.push_back(it->second);
    }
    return found;
}

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
    std::map<std::int64_t, std::vector<Ticket*>> byDay;
    for (Ticket& ticket : tickets) byDay[dayKey(ticket.day)].push_back(&ticket);
    std::vector<DatedDraw> byDate;
    byDate.reserve(draws.size());
    for (const DrawRecord& draw : draws) byDate.emplace_back(draw.date, &draw);
    std::sort(byDate.begin(), byDate.end(), [](const DatedDraw& a, const DatedDraw& b) { return a.first < b.first; });

    for (const auto& [key, played] : byDay) {
        const CalendarDay day = played.front()->day;
        const std::vector<const DrawRecord*> drawn = drawsOfDay(byDate, day, time);
        if (drawn.empty()) continue;
        DayResults results;
        results.day = day;
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
