#include "draws/DatePictureFormatter.h"

#include "platform/FormatText.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"

namespace numora {

namespace {

constexpr std::string_view kFieldLetters = "dMywqghHmst";
constexpr char kQuote = '\'';
constexpr char kUnknownRun[] = "???";
constexpr char kNumberFormat[] = "%d";
constexpr char kTwoDigitFormat[] = "%02d";
constexpr char kFourDigitFormat[] = "%04d";

constexpr int kSecondsPerDay = 86400;
constexpr int kDaysPerWeek = 7;
constexpr int kMonthsPerQuarter = 3;
constexpr int kHoursPerHalfDay = 12;
constexpr int kYearsPerCentury = 100;

// "%d" for a run of one, "%02d" for a run of two.
std::string shortOrPadded(int run, int value) {
    if (run == 1) return formatText(kNumberFormat, value);
    if (run == 2) return formatText(kTwoDigitFormat, value);
    return kUnknownRun;
}

// Weekday 0 (Sunday) to 6 of a calendar date.
int weekdayOf(int year, int month, int day) {
    return civilFromSeconds(daysFromCivil(year, month, day) * kSecondsPerDay).weekday;
}

// Day of the year (1 for 1 January) plus the weekday of 1 January (1 for
// Sunday to 7 for Saturday), in whole weeks, plus one.
int weekOfYear(const CalendarTime& when) {
    const auto dayOfYear = daysFromCivil(when.year, when.month, when.day) - daysFromCivil(when.year, 1, 1) + 1;
    const int firstWeekday = weekdayOf(when.year, 1, 1) + 1;
    return static_cast<int>((dayOfYear + firstWeekday) / kDaysPerWeek + 1);
}

std::string firstCharacter(const std::string& text) {
    std::size_t length = text.empty() ? 0 : 1;
    while (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) ++length;
    return text.substr(0, length);
}

}  // namespace

DatePictureFormatter::DatePictureFormatter(const LocaleInfo& locale) : locale_(locale) {}

std::string DatePictureFormatter::format(const CalendarTime& when, std::string_view picture) const {
    std::string output;
    std::string literal;
    char pendingLetter = 0;
    int run = 0;
    bool quoted = false;
    char previous = 0;
    for (const char c : picture) {
        if (run > 0 && c != previous) {
            output += literal;
            literal.clear();
            output += field(pendingLetter, run, when);
            run = 0;
        }
        if (quoted) {
            if (c == kQuote) {
                quoted = false;
                output += literal;
                literal.clear();
            } else {
                literal.push_back(c);
            }
        } else if (c == kQuote) {
            quoted = true;
        } else if (kFieldLetters.find(c) != std::string_view::npos) {
            pendingLetter = c;
            ++run;
        } else {
            literal.push_back(c);
        }
        previous = c;
    }
    output += literal;
    if (run > 0) output += field(pendingLetter, run, when);
    return output;
}

std::string DatePictureFormatter::field(char letter, int run, const CalendarTime& when) const {
    const bool pm = when.hour >= kHoursPerHalfDay;
    switch (letter) {
        case 'd':
            if (run <= 2) return shortOrPadded(run, when.day);
            if (run <= 4) return locale_.dayName(weekdayOf(when.year, when.month, when.day), run == 3);
            break;
        case 'M':
            if (run <= 2) return shortOrPadded(run, when.month);
            if (run <= 4) return locale_.monthName(when.month, run == 3);
            break;
        case 'y':
            if (run == 1) return formatText(kNumberFormat, when.year);
            if (run == 2) return formatText(kTwoDigitFormat, when.year % kYearsPerCentury);
            if (run == 4) return formatText(kFourDigitFormat, when.year);
            break;
        case 'q':
            if (run == 1) return formatText(kNumberFormat, (when.month - 1) / kMonthsPerQuarter + 1);
            break;
        case 'w': return shortOrPadded(run, weekOfYear(when));
        case 'g': return {};
        case 'h': return shortOrPadded(run, when.hour > kHoursPerHalfDay ? when.hour - kHoursPerHalfDay : when.hour);
        case 'H': return shortOrPadded(run, when.hour);
        case 'm': return shortOrPadded(run, when.minute);
        case 's': return shortOrPadded(run, when.second);
        case 't': {
            const std::string designator = pm ? locale_.pmDesignator() : locale_.amDesignator();
            if (run == 1) return firstCharacter(designator);
            if (run == 2) return designator;
            break;
        }
        default: break;
    }
    return kUnknownRun;
}

}  // namespace numora
