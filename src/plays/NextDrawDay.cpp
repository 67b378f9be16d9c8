#include "plays/NextDrawDay.h"

#include <algorithm>
#include <array>

#include "platform/LocalTime.h"

namespace numora {

namespace {

constexpr int kDaysInWeek = 7;
constexpr std::int64_t kUsualWindowDays = 5 * kDaysInWeek;
constexpr std::int64_t kSecondsPerDay = 86400;

std::int64_t daysOf(const CalendarTime& time) { return daysFromCivil(time.year, time.month, time.day); }

// 1970-01-01 was a Thursday (4).
int weekdayOf(std::int64_t days) { return static_cast<int>(((days + 4) % kDaysInWeek + kDaysInWeek) % kDaysInWeek); }

CalendarDay dayOf(std::int64_t days) {
    const CalendarTime date = civilFromSeconds(days * kSecondsPerDay);
    return {date.year, date.month, date.day};
}

}  // namespace

CalendarDay nextDrawDay(const DrawList& draws, const LocalTime& time) {
    const std::int64_t today = daysOf(time.now());
    const std::int64_t lastDrawDay = daysFromCivil(kLastDrawDay.year, kLastDrawDay.month, kLastDrawDay.day);
    if (draws.empty()) return dayOf(std::min(today, lastDrawDay));

    std::vector<std::int64_t> drawDays;
    drawDays.reserve(draws.size());
    for (const DrawRecord& draw : draws) drawDays.push_back(daysOf(time.fromSeconds(draw.date)));
    const std::int64_t latest = *std::max_element(drawDays.begin(), drawDays.end());
    std::array<int, kDaysInWeek> counts{};
    for (const std::int64_t day : drawDays) {
        if (day > latest - kUsualWindowDays) ++counts[static_cast<std::size_t>(weekdayOf(day))];
    }
    const int most = *std::max_element(counts.begin(), counts.end());

    std::int64_t day = std::max(latest, today - 1) + 1;
    while (day < lastDrawDay && 2 * counts[static_cast<std::size_t>(weekdayOf(day))] < most) ++day;
    return dayOf(std::min(day, lastDrawDay));
}

}  // namespace numora
