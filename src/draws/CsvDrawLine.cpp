#include "draws/CsvDrawLine.h"

#include <algorithm>
#include <array>
#include <limits>

#include "draws/DrawDay.h"

namespace numora {

namespace {

constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";
constexpr std::string_view kDateMarkers = "\\/:.-";
constexpr char kFieldSeparator = ',';
constexpr std::size_t kFieldCount = 9;
// Field 8 can hold the date but never a number; field 7 can only be a bonus.
constexpr std::size_t kNumberFields = 8;
constexpr std::size_t kBonusOnlyField = 7;
constexpr std::size_t kFirstOptionalBall = 3;

constexpr int kCenturyPivot = 75;  // two-digit years below it are 20xx
constexpr int kYearsBefore2000 = 2000;
constexpr int kYearsBefore1900 = 1900;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The number the leading digits of text spell, 0 when text does not start
// with a digit; a number too large for a draw field is held at the largest.
std::int32_t leadingNumber(std::string_view text) {
    constexpr std::int64_t largest = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (const char c : text) {
        if (!isDigit(c)) break;
        value = value * 10 + (c - '0');
        if (value > largest) return static_cast<std::int32_t>(largest);
    }
    return static_cast<std::int32_t>(value);
}

std::string_view trimmed(std::string_view line) {
    const auto first = line.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos) return {};
    return line.substr(first, line.find_last_not_of(kWhiteSpace) - first + 1);
}

std::array<std::string_view, kFieldCount> splitFields(std::string_view run) {
    std::array<std::string_view, kFieldCount> fields{};
    for (std::size_t index = 0; index < kFieldCount; ++index) {
        const auto comma = run.find(kFieldSeparator);
        fields[index] = run.substr(0, comma);
        if (comma == std::string_view::npos) break;
        run.remove_prefix(comma + 1);
    }
    return fields;
}

bool hasDateMarker(std::string_view field) { return field.find_first_of(kDateMarkers) != std::string_view::npos; }

// Whether the number went to a ball or the bonus (rather than being dropped).
bool assignNumber(DrawRecord& record, std::size_t field, std::int32_t value, const CsvLineRules& rules) {
    const int ballNumber = static_cast<int>(field) + 1;
    if (field < kFirstOptionalBall || (field < kBonusOnlyField && rules.balls >= ballNumber)) {
        record.ball(ballNumber) = value;
        return true;
    }
    if (rules.bonus > 0 && value > 0) {
        record.bonus = value;
        return true;
    }
    return false;
}

int correctedYear(int year) {
    if (year >= kYearsBefore1900) return year;
    if (year < kCenturyPivot) return year + kYearsBefore2000;
    return year + kYearsBefore1900;
}

CalendarDay calendarDay(std::string_view field, const CsvLineRules& rules) {
    std::array<std::int32_t, 3> parts{};
    for (std::size_t index = 0; index < parts.size(); ++index) {
        const auto separator = rules.separator ? field.find(*rules.separator) : std::string_view::npos;
        const bool last = index + 1 == parts.size();
        parts[index] = leadingNumber(last ? field : field.substr(0, separator));
        if (separator == std::string_view::npos) break;
        field.remove_prefix(separator + 1);
    }
    CalendarDay date;
    switch (rules.order) {
        case DateOrder::MonthDayYear:
            date = {parts[2], parts[0], parts[1]};
            break;
        case DateOrder::DayMonthYear:
            date = {parts[2], parts[1], parts[0]};
            break;
        case DateOrder::YearMonthDay:
            date = {parts[0], parts[1], parts[2]};
            break;
        default:
            date = {0, 0, 0};
            break;
    }
    date.year = correctedYear(date.year);
    return date;
}

// Sets the line's date from its date field, or says why it has none.
void readDate(std::string_view field, const CsvLineRules& rules, CsvDrawLine& line) {
    const CalendarDay day = calendarDay(field, rules);
    if (!isCalendarDay(day)) {
        line.badDate = notADate(field);
    } else if (const auto date = drawDateOf(day, *rules.time)) {
        line.record.date = *date;
    } else {
        line.badDate = outsideDrawDays(day);
    }
}

}  // namespace

std::optional<int> wholeDrawLineNumbers(std::string_view line) {
    line = trimmed(line);
    if (line.empty()) return 0;
    if (line.find_first_not_of(kCsvLineCharacters) != std::string_view::npos) return std::nullopt;
    int numbers = 0;
    bool dated = false;
    for (std::size_t start = 0; start <= line.size();) {
        const std::size_t comma = std::min(line.find(kFieldSeparator, start), line.size());
        const std::string_view field = line.substr(start, comma - start);
        if (field.empty() || dated) return std::nullopt;
        dated = hasDateMarker(field);
        numbers += dated ? 0 : 1;
        start = comma + 1;
    }
    return numbers;
}

std::optional<CsvDrawLine> readCsvDrawLine(std::string_view line, const CsvLineRules& rules) {
    line = trimmed(line);
    const std::string_view run = line.substr(0, line.find_first_not_of(kCsvLineCharacters));
    if (run.empty()) return std::nullopt;

    const auto fields = splitFields(run);
    CsvDrawLine result;
    bool numbers = false;
    for (std::size_t index = 0; index < kNumberFields; ++index) {
        const std::string_view field = fields[index];
        if (field.empty() || hasDateMarker(field)) continue;
        numbers = assignNumber(result.record, index, leadingNumber(field), rules) || numbers;
    }
    if (!numbers) return std::nullopt;
    std::optional<std::string_view> dateField;
    for (const std::string_view field : fields) {
        if (hasDateMarker(field)) dateField = field;
    }
    result.dated = dateField.has_value();
    if (dateField) {
        readDate(*dateField, rules, result);
    } else {
        result.record.date = rules.undatedSeconds;
    }
    return result;
}

}  // namespace numora
