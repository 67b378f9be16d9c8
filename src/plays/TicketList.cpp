#include "plays/TicketList.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <tuple>

#include "platform/FormatText.h"

namespace numora {

namespace {

// A result label's numbers: "4+1" is (4, 1), "3" is (3, 0).
std::pair<int, int> labelNumbers(const std::string& label) {
    int main = 0;
    int extra = 0;
    const char* end = label.data() + label.size();
    const auto [afterMain, mainError] = std::from_chars(label.data(), end, main);
    if (mainError == std::errc() && afterMain != end && *afterMain == '+') std::from_chars(afterMain + 1, end, extra);
    return {main, extra};
}

// Whether result a is better than b: more main numbers, then more after the "+".
bool betterResult(const std::string& a, const std::string& b) { return labelNumbers(b) < labelNumbers(a); }

}  // namespace

std::vector<int> addTickets(TicketList& tickets, const std::vector<PickedLine>& lines, const CalendarDay& day,
                            TicketSource source) {
    int highest = 0;
    for (const Ticket& ticket : tickets) highest = std::max(highest, ticket.number);
    std::vector<int> numbers;
    for (const PickedLine& line : lines) {
        tickets.push_back({++highest, day, line, source, {}});
        numbers.push_back(highest);
    }
    return numbers;
}

bool removeTicket(TicketList& tickets, int number) {
    return std::erase_if(tickets, [number](const Ticket& ticket) { return ticket.number == number; }) > 0;
}

TicketList newestFirst(TicketList tickets) {
    std::stable_sort(tickets.begin(), tickets.end(), [](const Ticket& a, const Ticket& b) {
        return std::tie(b.day.year, b.day.month, b.day.day) < std::tie(a.day.year, a.day.month, a.day.day);
    });
    return tickets;
}

std::vector<TicketDay> ticketsByDay(const TicketList& tickets) {
    std::vector<TicketDay> days;
    for (const Ticket& ticket : newestFirst(tickets)) {
        if (days.empty() || days.back().day != ticket.day) days.push_back({ticket.day, {}, {}});
        TicketDay& day = days.back();
        day.tickets.push_back(ticket);
        if (!ticket.pending() && (day.bestResult.empty() || betterResult(ticket.result, day.bestResult))) {
            day.bestResult = ticket.result;
        }
    }
    return days;
}

TicketTotals totalTickets(const TicketList& tickets) {
    TicketTotals totals;
    std::map<std::string, int> counts;
    for (const Ticket& ticket : tickets) {
        if (ticket.pending()) {
            ++totals.pending;
        } else {
            ++counts[ticket.result];
        }
    }
    for (const auto& [label, count] : counts) totals.results.push_back({label, count});
    std::stable_sort(totals.results.begin(), totals.results.end(),
                     [](const LabelCount& a, const LabelCount& b) { return betterResult(a.label, b.label); });
    return totals;
}

std::string totalsText(const TicketTotals& totals, std::string_view separator) {
    std::vector<std::string> parts;
    for (const LabelCount& result : totals.results) {
        parts.push_back(formatText(kTotalText, result.label.c_str(), result.count));
    }
    if (totals.pending > 0) parts.push_back(formatText(kPendingTotalText, totals.pending));
    return joinTexts(parts, separator);
}

}  // namespace numora
