#include "DrawDates.h"

#include <charconv>

#include "draws/IsoDateText.h"
#include "platform/LocalTime.h"

namespace numora {

namespace {

constexpr std::size_t kIsoDateLength = 10;
constexpr char kDateSeparator = '-';

std::optional<int> digitsAt(std::string_view text, std::size_t at, std::size_t length) {
    int value = 0;
    const char* first = text.data() + at;
    const auto [end, code] = std::from_chars(first, first + length, value);
    if (code != std::errc() || end != first + length) return std::nullopt;
    return value;
}

}  // namespace

std::string isoDate(std::int32_t seconds, const LocalTime& time) { return isoDateText(seconds, time); }

std::string isoDates(const std::vector<std::int32_t>& dates, const LocalTime& time) {
    std::string text;
    for (const std::int32_t date : dates) text += (text.empty() ? "" : ", ") + isoDate(date, time);
    return text;
}

std::optional<CalendarTime> parseIsoDate(std::string_view text) {
    if (text.size() != kIsoDateLength || text[4] != kDateSeparator || text[7] != kDateSeparator) return std::nullopt;
    const auto year = digitsAt(text, 0, 4);
    const auto month = digitsAt(text, 5, 2);
    const auto day = digitsAt(text, 8, 2);
    if (!year || !month || !day) return std::nullopt;
    // The calendar's own carry-over tells a day it does not have (02-30).
    const CalendarTime date{.year = *year, .month = *month, .day = *day};
    const CalendarTime checked = civilFromSeconds(daysFromCivil(*year, *month, *day) * 86400);
    if (checked.year != date.year || checked.month != date.month || checked.day != date.day) return std::nullopt;
    return date;
}

bool isSameDay(std::int32_t seconds, const CalendarTime& day, const LocalTime& time) {
    const CalendarTime drawn = time.fromSeconds(seconds);
    return drawn.year == day.year && drawn.month == day.month && drawn.day == day.day;
}

}  // namespace numora
