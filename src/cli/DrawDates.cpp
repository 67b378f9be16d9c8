#include "DrawDates.h"

#include "draws/IsoDateText.h"
#include "platform/LocalTime.h"

namespace numora {

std::string isoDates(const std::vector<std::int32_t>& dates, const LocalTime& time) {
    std::string text;
    for (const std::int32_t date : dates) text += (text.empty() ? "" : ", ") + isoDateText(date, time);
    return text;
}

bool isSameDay(std::int32_t seconds, const CalendarTime& day, const LocalTime& time) {
    const CalendarTime drawn = time.fromSeconds(seconds);
    return drawn.year == day.year && drawn.month == day.month && drawn.day == day.day;
}

}  // namespace numora
