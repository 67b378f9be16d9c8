#include "platform/LocalTime.h"

#include <ctime>
#include <limits>

namespace numora {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

std::int64_t secondsOfCalendar(const CalendarTime& t) {
    return daysFromCivil(t.year, t.month, t.day) * kSecondsPerDay + std::int64_t{t.hour} * 3600 +
           std::int64_t{t.minute} * 60 + t.second;
}

CalendarTime fromTm(const std::tm& tm) {
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, tm.tm_wday};
}

}  // namespace

std::int32_t clampToDrawSeconds(std::int64_t seconds) {
    constexpr std::int64_t low = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t high = std::numeric_limits<std::int32_t>::max();
    if (seconds < low) return static_cast<std::int32_t>(low);
    if (seconds > high) return static_cast<std::int32_t>(high);
    return static_cast<std::int32_t>(seconds);
}

std::int64_t daysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day) {
    // Carry the month into the year first, then count days (H. Hinnant's algorithm).
    year += floorDiv(month - 1, 12);
    month = month - 1 - floorDiv(month - 1, 12) * 12 + 1;
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = floorDiv(year, 400);
    const std::int64_t yoe = year - era * 400;
    const std::int64_t doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CalendarTime civilFromSeconds(std::int64_t seconds) {
    const std::int64_t days = floorDiv(seconds, kSecondsPerDay);
    const std::int64_t rest = seconds - days * kSecondsPerDay;
    const std::int64_t z = days + 719468;
    const std::int64_t era = floorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t day = doy - (153 * mp + 2) / 5 + 1;
    const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    const std::int64_t weekday = floorDiv(days + 4, 7) * -7 + days + 4;  // 1970-01-01 was a Thursday
    return {static_cast<int>(year), static_cast<int>(month), static_cast<int>(day),
            static_cast<int>(rest / 3600), static_cast<int>(rest / 60 % 60), static_cast<int>(rest % 60),
            static_cast<int>(weekday)};
}

std::int32_t SystemLocalTime::toSeconds(const CalendarTime& local) const {
    std::tm tm{};
    tm.tm_year = local.year - 1900;
    tm.tm_mon = local.month - 1;
    tm.tm_mday = local.day;
    tm.tm_hour = local.hour;
    tm.tm_min = local.minute;
    tm.tm_sec = local.second;
    tm.tm_isdst = -1;
    const std::time_t seconds = std::mktime(&tm);
    if (seconds == static_cast<std::time_t>(-1) && !(tm.tm_year == 69 && tm.tm_mon == 11 && tm.tm_mday == 31)) {
        // The C library could not place the moment (a year beyond its reach):
        // fall back to the calendar arithmetic without a zone, then clamp.
        return clampToDrawSeconds(secondsOfCalendar(local));
    }
    return clampToDrawSeconds(static_cast<std::int64_t>(seconds));
}

CalendarTime SystemLocalTime::fromSeconds(std::int32_t seconds) const {
    const std::time_t value = seconds;
    std::tm tm{};
    if (localtime_r(&value, &tm) == nullptr) return civilFromSeconds(seconds);
    return fromTm(tm);
}

CalendarTime SystemLocalTime::now() const {
    const std::time_t value = std::time(nullptr);
    std::tm tm{};
    localtime_r(&value, &tm);
    return fromTm(tm);
}

FixedOffsetLocalTime::FixedOffsetLocalTime(int offsetSeconds, CalendarTime now)
    : offsetSeconds_(offsetSeconds), now_(now) {}

std::int32_t FixedOffsetLocalTime::toSeconds(const CalendarTime& local) const {
    return clampToDrawSeconds(secondsOfCalendar(local) - offsetSeconds_);
}

CalendarTime FixedOffsetLocalTime::fromSeconds(std::int32_t seconds) const {
    return civilFromSeconds(std::int64_t{seconds} + offsetSeconds_);
}

CalendarTime FixedOffsetLocalTime::now() const { return now_; }

}  // namespace numora
