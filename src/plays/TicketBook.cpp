#include "plays/TicketBook.h"

#include <utility>

#include "draws/IsoDateText.h"
#include "plays/TicketCheck.h"
#include "platform/FormatText.h"

namespace numora {

namespace {

constexpr char kLineBreak[] = "\n";

std::string playedText(const std::vector<int>& numbers, const CalendarDay& day) {
    const std::string dayText = isoDayText(day.year, day.month, day.day);
    if (numbers.size() == 1) return formatText(kPlayedOneText, numbers.front(), dayText.c_str());
    return formatText(kPlayedText, static_cast<int>(numbers.size()), dayText.c_str(), numbers.front(),
                      numbers.back());
}

}  // namespace

TicketBook::TicketBook(const DevicePaths& device, std::string dataFolder, LotteryProfile lottery,
                       const LocalTime& time)
    : device_(device), dataFolder_(std::move(dataFolder)), lottery_(std::move(lottery)), time_(time) {}

const TicketsFileResult& TicketBook::load() {
    loaded_ = TicketsFile::load(device_, dataFolder_, lottery_.name, tickets_);
    return loaded_;
}

std::string TicketBook::saveOr(const TicketList& before) {
    if (!loaded_.maySaveOver()) {
        tickets_ = before;
        return loaded_.message;
    }
    const TicketsFileResult saved = TicketsFile::save(device_, dataFolder_, lottery_.name, tickets_);
    if (saved.ok()) {
        // The file now holds these tickets whatever it held before.
        loaded_ = {};
        return {};
    }
    tickets_ = before;
    return saved.message;
}

TicketBook::Played TicketBook::play(const std::vector<PickedLine>& lines, const CalendarDay& day, TicketSource source,
                                    const DrawList& draws) {
    Played played;
    if (!isDrawDay(day)) {
        played.texts.push_back(outsideDrawDays(day));
        return played;
    }
    const TicketList before = tickets_;
    played.numbers = addTickets(tickets_, lines, day, source);
    const std::vector<DayResults> checked = checkTickets(tickets_, draws, lottery_, time_);
    if (const std::string failure = saveOr(before); !failure.empty()) {
        played.numbers.clear();
        played.texts.push_back(failure);
        return played;
    }
    played.ok = true;
    if (!played.numbers.empty()) played.texts.push_back(playedText(played.numbers, day));
    for (const DayResults& results : checked) played.texts.push_back(dayResultsText(results));
    return played;
}

std::string TicketBook::remove(int number) {
    const TicketList before = tickets_;
    if (!removeTicket(tickets_, number)) return formatText(kNoTicketText, number);
    return saveOr(before);
}

TicketBook::Checked TicketBook::check(const DrawList& draws) {
    Checked checked;
    if (!loaded_.maySaveOver()) {
        checked.problem = formatText(kNotCheckedText, loaded_.message.c_str());
        return checked;
    }
    const TicketList before = tickets_;
    for (const DayResults& results : checkTickets(tickets_, draws, lottery_, time_)) {
        checked.results.push_back(dayResultsText(results));
    }
    if (!checked.results.empty()) checked.problem = saveOr(before);
    return checked;
}

TicketBook::Checked checkTicketsOnArrival(const DevicePaths& device, const std::string& dataFolder,
                                          const LotteryProfile& lottery, const DrawList& draws,
                                          const LocalTime& time) {
    TicketBook book(device, dataFolder, lottery, time);
    if (book.load().status == TicketsFileResult::Status::Missing) return {};
    return book.check(draws);
}

std::string oneMessage(const TicketBook::Checked& checked) {
    std::vector<std::string> lines;
    if (!checked.problem.empty()) lines.push_back(checked.problem);
    const std::vector<std::string>& days = checked.results;
    const std::size_t shown = days.size() > kDaysInOneMessage + 1 ? kDaysInOneMessage : days.size();
    lines.insert(lines.end(), days.begin(), days.begin() + static_cast<std::ptrdiff_t>(shown));
    if (shown < days.size()) lines.push_back(formatText(kMoreDaysText, static_cast<int>(days.size() - shown)));
    return joinTexts(lines, kLineBreak);
}

}  // namespace numora
