#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <limits>

#include "platform/LocalTime.h"

namespace numora {

TEST(LocalTime, fixedOffsetConvertsBothWaysWithTheWeekdayAndValuesOutsideTheirRangesCarryOver) {
    const FixedOffsetLocalTime utcPlusTwo(2 * 3600);
    const std::int32_t seconds = utcPlusTwo.toSeconds({2006, 1, 4, 2, 0, 0});
    EXPECT_EQ(seconds, 1136332800);  // 2006-01-04 00:00:00 UTC
    EXPECT_EQ(utcPlusTwo.fromSeconds(seconds), (CalendarTime{2006, 1, 4, 2, 0, 0, 3}));
    const FixedOffsetLocalTime utc;
    EXPECT_EQ(utc.fromSeconds(-1), (CalendarTime{1969, 12, 31, 23, 59, 59, 3}));

    EXPECT_EQ(utc.toSeconds({2005, 13, 1}), utc.toSeconds({2006, 1, 1}));
    EXPECT_EQ(utc.toSeconds({2006, 3, 0}), utc.toSeconds({2006, 2, 28}));
    EXPECT_EQ(utc.toSeconds({2006, 0, 1}), utc.toSeconds({2005, 12, 1}));
    EXPECT_EQ(utc.toSeconds({2004, 2, 30}), utc.toSeconds({2004, 3, 1}));
}

TEST(LocalTime, yearsBeyondThirtyTwoBitsClampInsteadOfWrapping) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    const FixedOffsetLocalTime utc;
    EXPECT_EQ(utc.toSeconds({2038, 1, 19, 3, 14, 7}), kMax);
    EXPECT_EQ(utc.toSeconds({2038, 1, 19, 3, 14, 8}), kMax);
    EXPECT_EQ(utc.toSeconds({99999, 1, 1}), kMax);
    EXPECT_EQ(utc.toSeconds({1000, 1, 1}), kMin);
    const SystemLocalTime system;
    EXPECT_EQ(system.toSeconds({2150, 6, 1}), kMax);
    EXPECT_EQ(system.toSeconds({1800, 6, 1}), kMin);
}

TEST(LocalTime, systemTimeFollowsTheTimeZone) {
    const char* previous = std::getenv("TZ");
    const std::string saved = previous ? previous : "";
    setenv("TZ", "EST5EDT,M3.2.0,M11.1.0", 1);
    tzset();
    const SystemLocalTime system;
    EXPECT_EQ(system.toSeconds({2006, 1, 4}), 1136332800 + 5 * 3600);
    EXPECT_EQ(system.toSeconds({2006, 7, 4}), 1151971200 + 4 * 3600);  // daylight saving
    EXPECT_EQ(system.fromSeconds(1136332800 + 5 * 3600), (CalendarTime{2006, 1, 4, 0, 0, 0, 3}));
    EXPECT_EQ(system.toSeconds({1969, 12, 31, 19, 0, 0}), 0);
    if (previous) setenv("TZ", saved.c_str(), 1); else unsetenv("TZ");
    tzset();
}

}  // namespace numora
