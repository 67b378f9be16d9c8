#include "draws/table/DateCell.h"

#include <utility>
#include <vector>

#include "draws/table/CalendarWords.h"

namespace numora {

namespace {

constexpr std::string_view kNumberSeparators = "/.-";
constexpr std::string_view kTimeCharacters = "0123456789:. ";
constexpr std::string_view kTimeMarks[] = {"am", "pm", "a.m.", "p.m.", "z"};
constexpr std::string_view kFillerWords[] = {"de", "del", "of", "the", "feira"};
constexpr std::string_view kOrdinalEndings[] = {"st", "nd", "rd", "th", "er", "e", "eme", "o", "a"};
constexpr int kCenturyPivot = 39;  // two-digit years below it are 20xx
constexpr int kMaxDayDigits = 2;
constexpr int kYearDigits = 4;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isWordByte(char c) { return isAsciiLetter(c) || static_cast<unsigned char>(c) >= 0x80; }

template <std::size_t N>
bool isOneOf(std::string_view word, const std::string_view (&words)[N]) {
    for (const std::string_view candidate : words) {
        if (word == candidate) return true;
    }
    return false;
}

// Digits only, at most nine of them.
std::optional<int> plainNumber(std::string_view text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (!isDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool isTimeOfDay(std::string_view text) {
    text = trimmed(text);
    if (text.find(':') == std::string_view::npos) return false;
    std::string lower;
    for (const char c : text) lower.push_back(isAsciiLetter(c) ? static_cast<char>(c | 0x20) : c);
    std::string_view rest = lower;
    for (const std::string_view mark : kTimeMarks) {
        if (rest.size() >= mark.size() && rest.substr(rest.size() - mark.size()) == mark) {
            rest.remove_suffix(mark.size());
            break;
        }
    }
    return !rest.empty() && rest.find_first_not_of(kTimeCharacters) == std::string_view::npos;
}

// The cell without a time of day at its end: the time starts at the digits
// before its first colon, after a space or a 'T'.
std::string_view withoutTime(std::string_view cell) {
    const std::size_t colon = cell.find(':');
    if (colon == std::string_view::npos) return cell;
    std::size_t start = colon;
    while (start > 0 && isDigit(cell[start - 1])) --start;
    if (start == 0 || start == colon || !isTimeOfDay(cell.substr(start))) return cell;
    const char before = cell[start - 1];
    if (before != ' ' && before != 'T') return cell;
    return trimmed(cell.substr(0, start - 1));
}

DateCell numbersDate(std::string_view text) {
    DateCell cell;
    const std::size_t first = text.find_first_of(kNumberSeparators);
    if (first == std::string_view::npos) return cell;
    const char separator = text[first];
    const std::size_t second = text.find(separator, first + 1);
    if (second == std::string_view::npos) return cell;
    const std::string_view pieces[3] = {text.substr(0, first), text.substr(first + 1, second - first - 1),
                                        text.substr(second + 1)};
    for (int i = 0; i < 3; ++i) {
        const auto value = plainNumber(pieces[i]);
        if (!value) return cell;
        cell.parts[i] = *value;
        cell.partDigits[i] = static_cast<int>(pieces[i].size());
    }
    const bool yearFirst = cell.partDigits[0] == kYearDigits;
    if (!yearFirst && (cell.partDigits[0] > kMaxDayDigits || cell.partDigits[1] > kMaxDayDigits)) return cell;
    if (yearFirst) {
        const auto day = checkedDay(cell.parts[0], cell.partDigits[0], cell.parts[1], cell.parts[2]);
        if (!day || cell.partDigits[2] > kMaxDayDigits) return cell;
        cell.form = DateCell::Form::Complete;
        cell.complete = *day;
        return cell;
    }
    cell.form = DateCell::Form::Numbers;
    return cell;
}

struct Token {
    std::string_view text;
    bool number;
    bool attached;  // directly after the token before it, with no separator between
};

std::vector<Token> tokens(std::string_view text) {
    std::vector<Token> found;
    std::size_t i = 0;
    bool attached = false;
    while (i < text.size()) {
        const bool number = isDigit(text[i]);
        if (!number && !isWordByte(text[i])) {
            ++i;
            attached = false;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && (number ? isDigit(text[i]) : isWordByte(text[i]))) ++i;
        found.push_back({text.substr(start, i - start), number, attached});
        attached = true;
    }
    return found;
}

DateCell namedDate(std::string_view text) {
    struct Number {
        int value;
        int digits;
        std::size_t position;
    };
    struct MonthWord {
        int month;
        bool alsoWeekday;
        std::size_t position;
    };
    std::vector<Number> numbers;
    std::vector<MonthWord> months;
    const std::vector<Token> found = tokens(text);
    for (std::size_t i = 0; i < found.size(); ++i) {
        const Token& token = found[i];
        if (token.number) {
            const auto value = plainNumber(token.text);
            if (!value) return {};
            numbers.push_back({*value, static_cast<int>(token.text.size()), i});
            continue;
        }
        const std::string word = foldedWord(token.text);
        const bool ordinalEnding = token.attached && i > 0 && found[i - 1].number && isOneOf(word, kOrdinalEndings);
        if (const auto month = monthOfWord(word)) {
            months.push_back({*month, isWeekdayWord(word), i});
        } else if (!ordinalEnding && !isWeekdayWord(word) && !isOneOf(word, kFillerWords)) {
            return {};
        }
    }
    // "mar" is March, and also the start of Tuesday in Spanish and French: of
    // two month words, one that is also a weekday is the weekday.
    if (months.size() > 1) std::erase_if(months, [](const MonthWord& month) { return month.alsoWeekday; });
    if (months.size() != 1 || numbers.size() != 2) return {};

    // A four-digit number is the year; of two short ones the first is the day,
    // as long as the month comes before the second ("30 Sep 17", "Sep 30, 17").
    const Number* day = &numbers[0];
    const Number* year = &numbers[1];
    if (numbers[0].digits == kYearDigits) std::swap(day, year);
    if (day->digits > kMaxDayDigits) return {};
    if (year->digits != kYearDigits && months.front().position > year->position) return {};
    const auto checked = checkedDay(year->value, year->digits, months.front().month, day->value);
    if (!checked) return {};
    DateCell cell;
    cell.form = DateCell::Form::Complete;
    cell.complete = *checked;
    return cell;
}

}  // namespace

std::optional<CalendarDay> checkedDay(int year, int yearDigits, int month, int day) {
    if (yearDigits == 2) {
        year += year < kCenturyPivot ? 2000 : 1900;
    } else if (yearDigits != kYearDigits) {
        return std::nullopt;
    }
    const CalendarDay checked{year, month, day};
    if (!isCalendarDay(checked)) return std::nullopt;
    return checked;
}

DateCell readDateCell(std::string_view cell) {
    const std::string_view text = withoutTime(trimmed(cell));
    if (text.empty() || (!isDigit(text.front()) && !isWordByte(text.front()))) return {};
    for (const char c : text) {
        if (isWordByte(c)) return namedDate(text);
    }
    return numbersDate(text);
}

std::optional<CalendarDay> dayInOrder(const DateCell& cell, DateOrder order) {
    switch (cell.form) {
        case DateCell::Form::None:
            return std::nullopt;
        case DateCell::Form::Complete:
            return cell.complete;
        case DateCell::Form::Numbers:
            break;
    }
    const auto [p0, p1, p2] = cell.parts;
    const auto [d0, d1, d2] = cell.partDigits;
    switch (order) {
        case DateOrder::MonthDayYear:
            return checkedDay(p2, d2, p0, p1);
        case DateOrder::DayMonthYear:
            return checkedDay(p2, d2, p1, p0);
        case DateOrder::YearMonthDay:
            return d2 <= kMaxDayDigits ? checkedDay(p0, d0, p1, p2) : std::nullopt;
    }
    return std::nullopt;
}

}  // namespace numora
