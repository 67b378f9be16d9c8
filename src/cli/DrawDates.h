#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/CalendarTime.h"

namespace numora {

class LocalTime;

// Draw dates as the terminal tool writes them (YYYY-MM-DD), joined with ", ".
std::string isoDates(const std::vector<std::int32_t>& dates, const LocalTime& time);
bool isSameDay(std::int32_t seconds, const CalendarTime& day, const LocalTime& time);

}  // namespace numora
