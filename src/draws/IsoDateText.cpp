#include "draws/IsoDateText.h"

#include "platform/FormatText.h"
#include "platform/LocalTime.h"

namespace numora {

namespace {

constexpr char kIsoDateFormat[] = "%04d-%02d-%02d";

}  // namespace

std::string isoDateText(std::int32_t seconds, const LocalTime& time) {
    const CalendarTime date = time.fromSeconds(seconds);
    return formatText(kIsoDateFormat, date.year, date.month, date.day);
}

}  // namespace numora
