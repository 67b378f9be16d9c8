#include <gtest/gtest.h>

#include "PlaysTestData.h"
#include "plays/NextDrawDay.h"

namespace numora {
namespace {

using testing::dateOn;
using testing::drawOf;

// The test clock's today is Sunday 2026-12-06.
const FixedOffsetLocalTime kTime;

// A draw on each of the days given, at 10:30.
DrawList drawsOn(std::initializer_list<CalendarDay> days) {
    DrawList draws;
    for (const CalendarDay& day : days) draws.append(drawOf(dateOn(day, 37800), {1, 2, 3, 4, 5, 6}));
    return draws;
}

}  // namespace

TEST(NextDrawDay, followsTheWeekdaysTheLotteryUsuallyDrawsOn) {
    // Wednesdays and Saturdays for five weeks, the latest on Saturday 12-05.
    const DrawList wednesdaysAndSaturdays = drawsOn({{2026, 11, 4}, {2026, 11, 7}, {2026, 11, 11}, {2026, 11, 14},
                                                     {2026, 11, 18}, {2026, 11, 21}, {2026, 11, 25}, {2026, 11, 28},
                                                     {2026, 12, 2}, {2026, 12, 5}});
    EXPECT_EQ(nextDrawDay(wednesdaysAndSaturdays, kTime), (CalendarDay{2026, 12, 9}));
    // A Saturday draw held on the Thursday for a holiday does not make Thursday a draw day.
    EXPECT_EQ(nextDrawDay(drawsOn({{2026, 11, 7}, {2026, 11, 14}, {2026, 11, 19}, {2026, 11, 28}, {2026, 12, 5}}), kTime),
              (CalendarDay{2026, 12, 12}));
    // Draws that stopped weeks ago: the next draw day still to come.
    EXPECT_EQ(nextDrawDay(drawsOn({{2026, 10, 3}, {2026, 10, 10}}), kTime), (CalendarDay{2026, 12, 12}));
    // A weekly lottery whose latest draw is dated ahead of today.
    EXPECT_EQ(nextDrawDay(drawsOn({{2026, 12, 4}, {2026, 12, 11}}), kTime), (CalendarDay{2026, 12, 18}));
    // A daily lottery drawn today draws again tomorrow; stored out of order.
    EXPECT_EQ(nextDrawDay(drawsOn({{2026, 12, 6}, {2026, 11, 30}, {2026, 12, 1}, {2026, 12, 2}, {2026, 12, 3},
                                   {2026, 12, 4}, {2026, 12, 5}}),
                          kTime),
              (CalendarDay{2026, 12, 7}));
}

TEST(NextDrawDay, withoutDrawsTodayAndNeverPastTheLastDayADrawCanHave) {
    EXPECT_EQ(nextDrawDay({}, kTime), (CalendarDay{2026, 12, 6}));
    EXPECT_EQ(nextDrawDay(drawsOn({{2038, 1, 11}, {2038, 1, 18}}), kTime), (CalendarDay{2038, 1, 18}));
}

}  // namespace numora
