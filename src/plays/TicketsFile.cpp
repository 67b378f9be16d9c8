#include "plays/TicketsFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <set>

#include "draws/IsoDateText.h"
#include "platform/AtomicFile.h"
#include "platform/DevicePaths.h"
#include "platform/FileProblem.h"
#include "platform/FormatText.h"
#include "platform/WholeFile.h"

namespace numora::TicketsFile {

namespace {

constexpr char kLineEnd = '\n';
constexpr char kCarriageReturn = '\r';
constexpr char kFieldSeparator = ',';
constexpr char kNumberSeparator = ' ';
constexpr char kNumberFormat[] = "%02d";
constexpr char kResultPlus = '+';
constexpr std::string_view kVersionPrefix = "Numora tickets ";
constexpr std::size_t kFieldCount = 6;
constexpr int kLowestNumber = PickedLine::kEmpty;
constexpr int kHighestNumber = 99;
// "4+1": up to two digits, then perhaps "+" and up to two more.
constexpr std::size_t kLongestResultPart = 2;

std::string numberText(int number) { return formatText(kNumberFormat, number); }

void appendNumbers(std::string& out, const PickedLine& line) {
    const auto last = std::find_if(line.slots.rbegin(), line.slots.rend(),
                                   [](int slot) { return slot != PickedLine::kEmpty; });
    const auto end = last.base();
    for (auto slot = line.slots.begin(); slot != end; ++slot) {
        if (slot != line.slots.begin()) out.push_back(kNumberSeparator);
        out += numberText(*slot);
    }
}

// A whole number written with digits alone (and a leading "-" when allowed).
std::optional<int> wholeNumber(std::string_view text, bool signAllowed = false) {
    if (text.empty() || (!signAllowed && text.front() == '-')) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<int> ballNumber(std::string_view text) {
    const auto number = wholeNumber(text, true);
    if (!number || *number < kLowestNumber || *number > kHighestNumber) return std::nullopt;
    return number;
}

bool isDigits(std::string_view text) {
    return !text.empty() && text.size() <= kLongestResultPart &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isResult(std::string_view text) {
    if (text.empty()) return true;
    const std::size_t plus = text.find(kResultPlus);
    if (plus == std::string_view::npos) return isDigits(text);
    return isDigits(text.substr(0, plus)) && isDigits(text.substr(plus + 1));
}

std::optional<TicketSource> sourceOf(std::string_view word) {
    for (const TicketSource source : {TicketSource::Pick, TicketSource::Wheel, TicketSource::Typed}) {
        if (sourceWord(source) == word) return source;
    }
    return std::nullopt;
}

std::optional<CalendarDay> ticketDay(std::string_view text) {
    const auto date = parseIsoDate(text);
    if (!date) return std::nullopt;
    const CalendarDay day{date->year, date->month, date->day};
    if (!isDrawDay(day)) return std::nullopt;
    return day;
}

std::optional<PickedLine> ticketLine(std::string_view numbers, std::string_view bonus) {
    PickedLine line;
    std::size_t slot = 0;
    while (true) {
        const std::size_t end = std::min(numbers.find(kNumberSeparator), numbers.size());
        const auto number = ballNumber(numbers.substr(0, end));
        if (!number || slot == line.slots.size()) return std::nullopt;
        line.slots[slot++] = *number;
        if (end == numbers.size()) break;
        numbers.remove_prefix(end + 1);
    }
    if (!bonus.empty()) {
        const auto number = ballNumber(bonus);
        if (!number || *number == PickedLine::kEmpty) return std::nullopt;
        line.bonus = *number;
    }
    return line;
}

std::optional<Ticket> ticketOf(std::string_view text) {
    std::array<std::string_view, kFieldCount> fields;
    for (std::size_t field = 0; field < kFieldCount; ++field) {
        const std::size_t end = text.find(kFieldSeparator);
        if ((end == std::string_view::npos) != (field + 1 == kFieldCount)) return std::nullopt;
        fields[field] = text.substr(0, end);
        if (end != std::string_view::npos) text.remove_prefix(end + 1);
    }
    const auto number = wholeNumber(fields[0]);
    const auto day = ticketDay(fields[1]);
    const auto source = sourceOf(fields[2]);
    const auto line = ticketLine(fields[3], fields[4]);
    if (!number || *number < 1 || !day || !source || !line || !isResult(fields[5])) return std::nullopt;
    return Ticket{*number, *day, *line, *source, std::string(fields[5])};
}

enum class Decoded { Whole, Damaged, OtherVersion };

// The lines of the file, each without its line end; a last line that did not
// end is no line: the file was cut there.
Decoded decodeLines(std::string_view bytes, TicketList& out) {
    out.clear();
    bool versionRead = false;
    std::set<int> numbers;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find(kLineEnd);
        if (end == std::string_view::npos) return Decoded::Damaged;
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end + 1);
        if (!line.empty() && line.back() == kCarriageReturn) line.remove_suffix(1);
        if (!versionRead) {
            if (line == kVersionLine) {
                versionRead = true;
                continue;
            }
            return line.starts_with(kVersionPrefix) ? Decoded::OtherVersion : Decoded::Damaged;
        }
        const auto ticket = ticketOf(line);
        if (!ticket || !numbers.insert(ticket->number).second) return Decoded::Damaged;
        out.push_back(*ticket);
    }
    return versionRead ? Decoded::Whole : Decoded::Damaged;
}

}  // namespace

std::string deviceName(std::string_view dataFolder, std::string_view lotteryName) {
    return DevicePaths::join(dataFolder, std::string(lotteryName) + kExtension);
}

std::string encode(const TicketList& tickets) {
    std::string out = kVersionLine;
    out.push_back(kLineEnd);
    for (const Ticket& ticket : tickets) {
        out += std::to_string(ticket.number);
        out.push_back(kFieldSeparator);
        out += isoDayText(ticket.day.year, ticket.day.month, ticket.day.day);
        out.push_back(kFieldSeparator);
        out += sourceWord(ticket.source);
        out.push_back(kFieldSeparator);
        appendNumbers(out, ticket.line);
        out.push_back(kFieldSeparator);
        if (ticket.line.bonus != PickedLine::kEmpty) out += numberText(ticket.line.bonus);
        out.push_back(kFieldSeparator);
        out += ticket.result;
        out.push_back(kLineEnd);
    }
    return out;
}

TicketsFileResult decode(std::string_view bytes, TicketList& out) {
    if (decodeLines(bytes, out) == Decoded::Whole) return {};
    return {TicketsFileResult::Status::Damaged, {}};
}

TicketsFileResult load(const DevicePaths& device, std::string_view dataFolder, std::string_view lotteryName,
                       TicketList& out) {
    out.clear();
    const std::string name = deviceName(dataFolder, lotteryName);
    const auto host = device.toHost(name);
    if (!host) return {TicketsFileResult::Status::Missing, {}};
    const WholeFile file = readWholeFile(*host, kLargestFile);
    if (file.status == WholeFileStatus::Missing) return {TicketsFileResult::Status::Missing, {}};
    if (!file.read()) {
        return {TicketsFileResult::Status::Unreadable, withCause(formatText(kErrorUnreadable, name.c_str()), file.cause)};
    }
    switch (decodeLines(file.bytes, out)) {
    case Decoded::Whole:
        return {};
    case Decoded::OtherVersion:
        return {TicketsFileResult::Status::Unreadable, formatText(kErrorOtherVersion, name.c_str())};
    case Decoded::Damaged:
        break;
    }
    // Every line before the damaged one is the version line or a ticket.
    const int damagedLine = static_cast<int>(out.size()) + 2;
    return {TicketsFileResult::Status::Damaged, formatText(kErrorDamaged, name.c_str(), damagedLine)};
}

TicketsFileResult save(const DevicePaths& device, std::string_view dataFolder, std::string_view lotteryName,
                       const TicketList& tickets) {
    const std::string name = deviceName(dataFolder, lotteryName);
    const FileWriteResult written = writeFileAtomically(device.toHost(name), encode(tickets));
    if (!written) {
        return {TicketsFileResult::Status::CannotSave, withCause(formatText(kErrorCannotSave, name.c_str()), written.cause)};
    }
    return {};
}

}  // namespace numora::TicketsFile
