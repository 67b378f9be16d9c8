#include "plays/TicketList.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <tuple>

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
    std::stable_sort(totals.results.begin(), totals.results.end(), [](const LabelCount& a, const LabelCount& b) {
        return labelNumbers(b.label) < labelNumbers(a.label);
    });
    return totals;
}

}  // namespace numora
