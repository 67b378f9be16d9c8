#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/CalendarTime.h"

namespace numora {

class LocalTime;

// The option that names a day, and why its value is not one.
inline constexpr const char* kDateOption = "--date";
inline constexpr char kNotADateOption[] = "--date: \"%s\" is not a date written YYYY-MM-DD";

// Draw dates as the terminal tool writes them (YYYY-MM-DD), joined with ", ".
std::string isoDates(const std::vector<std::int32_t>& dates, const LocalTime& time);
bool isSameDay(std::int32_t seconds, const CalendarTime& day, const LocalTime& time);

}  // namespace numora
