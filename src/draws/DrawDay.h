#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace numora {

class LocalTime;

// A calendar day as a file gives it: year, month and day of month.
struct CalendarDay {
    int year = 0;
    int month = 0;
    int day = 0;

    friend bool operator==(const CalendarDay&, const CalendarDay&) = default;
};

// The days a draw can be dated: what a signed 32-bit count of seconds holds
// in every time zone, as the Past Draws date picker offers them.
inline constexpr CalendarDay kFirstDrawDay{1970, 1, 1};
inline constexpr CalendarDay kLastDrawDay{2038, 1, 18};

int daysInMonth(int year, int month);

// Whether the month is 1 to 12 and the day within that month.
bool isCalendarDay(const CalendarDay& day);

// Whether a draw can be dated that day.
bool isDrawDay(const CalendarDay& day);

// The date a draw of that day holds: the day at 00:00 local time, or, for the
// first day in a time zone east of UTC (where its midnight comes before the
// first second a date holds), that first second, which is still the same
// local day. nullopt for a day outside the calendar or outside the days a
// draw can be dated.
std::optional<std::int32_t> drawDateOf(const CalendarDay& day, const LocalTime& time);

// Why a line's date gives no draw date, as the reasons of rejected lines say it:
// "\"13/45/2006\" is not a date", "2040-01-24 is outside the dates a draw can
// have (1970-01-01 to 2038-01-18)".
std::string notADate(std::string_view text);
std::string outsideDrawDays(const CalendarDay& day);

}  // namespace numora
