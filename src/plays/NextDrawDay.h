#pragma once

#include "draws/DrawDay.h"
#include "draws/DrawList.h"

namespace numora {

class LocalTime;

// The day of the lottery's next draw, by the weekdays it usually draws on:
// those of its draws in the five weeks up to its latest one, leaving out a
// weekday drawn on less than half as often as the most drawn one (a draw moved
// for a holiday). The next such weekday after the latest draw, or after
// yesterday when that day has passed; today for a lottery without draws. Never
// past the last day a draw can be dated.
CalendarDay nextDrawDay(const DrawList& draws, const LocalTime& time);

}  // namespace numora
