#include "draws/DrawDay.h"

#include <tuple>

#include "platform/FormatText.h"
#include "platform/LocalTime.h"

namespace numora {

namespace {

constexpr char kNotADate[] = "\"%s\" is not a date";
constexpr char kOutsideDrawDays[] =
    "%04d-%02d-%02d is outside the dates a draw can have (%04d-%02d-%02d to %04d-%02d-%02d)";
constexpr int kMonths = 12;

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

auto ordered(const CalendarDay& day) { return std::tie(day.year, day.month, day.day); }

}  // namespace

int daysInMonth(int year, int month) {
    constexpr int days[kMonths] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

bool isCalendarDay(const CalendarDay& day) {
    return day.month >= 1 && day.month <= kMonths && day.day >= 1 && day.day <= daysInMonth(day.year, day.month);
}

bool isDrawDay(const CalendarDay& day) {
    return isCalendarDay(day) && ordered(day) >= ordered(kFirstDrawDay) && ordered(day) <= ordered(kLastDrawDay);
}

std::optional<std::int32_t> drawDateOf(const CalendarDay& day, const LocalTime& time) {
    if (!isDrawDay(day)) return std::nullopt;
    const std::int32_t midnight = time.toSeconds({day.year, day.month, day.day});
    return midnight < 0 ? 0 : midnight;
}

std::string notADate(std::string_view text) { return formatText(kNotADate, std::string(text).c_str()); }

std::string outsideDrawDays(const CalendarDay& day) {
    return formatText(kOutsideDrawDays, day.year, day.month, day.day, kFirstDrawDay.year, kFirstDrawDay.month,
                      kFirstDrawDay.day, kLastDrawDay.year, kLastDrawDay.month, kLastDrawDay.day);
}

}  // namespace numora
