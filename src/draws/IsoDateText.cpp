#include "draws/IsoDateText.h"

#include <charconv>

#include "platform/FormatText.h"
#include "platform/LocalTime.h"

namespace numora {

namespace {

//   YYYY-MM-DD
//   0    5  8
constexpr char kIsoDateFormat[] = "%04d-%02d-%02d";
constexpr std::size_t kIsoDateLength = 10;
constexpr char kSeparator = '-';
struct Field {
    std::size_t at;
    std::size_t length;
};
constexpr Field kYear{0, 4};
constexpr Field kMonth{5, 2};
constexpr Field kDay{8, 2};

std::optional<int> fieldValue(std::string_view text, Field field) {
    int value = 0;
    const char* first = text.data() + field.at;
    const auto [end, code] = std::from_chars(first, first + field.length, value);
    if (code != std::errc() || end != first + field.length) return std::nullopt;
    return value;
}

}  // namespace

std::string isoDateText(std::int32_t seconds, const LocalTime& time) {
    const CalendarTime date = time.fromSeconds(seconds);
    return isoDayText(date.year, date.month, date.day);
}

std::string isoDayText(int year, int month, int day) { return formatText(kIsoDateFormat, year, month, day); }

std::optional<CalendarTime> parseIsoDate(std::string_view text) {
    if (text.size() != kIsoDateLength || text[kMonth.at - 1] != kSeparator || text[kDay.at - 1] != kSeparator) {
        return std::nullopt;
    }
    const auto year = fieldValue(text, kYear);
    const auto month = fieldValue(text, kMonth);
    const auto day = fieldValue(text, kDay);
    if (!year || !month || !day) return std::nullopt;
    // The calendar's own carry-over tells a day it does not have (02-30).
    const CalendarTime date{.year = *year, .month = *month, .day = *day};
    const CalendarTime checked = civilFromSeconds(daysFromCivil(*year, *month, *day) * 86400);
    if (checked.year != date.year || checked.month != date.month || checked.day != date.day) return std::nullopt;
    return date;
}

}  // namespace numora
