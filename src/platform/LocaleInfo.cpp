#include "platform/LocaleInfo.h"

#include <array>
#include <utility>

namespace numora {

namespace {
constexpr std::array<const char*, 7> kDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};
constexpr std::array<const char*, 12> kMonthNames = {"January", "February", "March",     "April",
                                                     "May",     "June",     "July",      "August",
                                                     "September", "October", "November", "December"};

std::string nameAt(const auto& names, int index, bool abbreviated) {
    if (index < 0 || index >= static_cast<int>(names.size())) return {};
    std::string name = names[static_cast<std::size_t>(index)];
    return abbreviated ? name.substr(0, 3) : name;
}
}  // namespace

FixedLocaleInfo::FixedLocaleInfo(DateOrder order, std::string separator)
    : order_(order), separator_(std::move(separator)) {}

DateOrder FixedLocaleInfo::shortDateOrder() const { return order_; }

std::string FixedLocaleInfo::dateSeparator() const { return separator_; }

std::string FixedLocaleInfo::shortDatePicture() const {
    switch (order_) {
        case DateOrder::DayMonthYear: return "d" + separator_ + "M" + separator_ + "yyyy";
        case DateOrder::YearMonthDay: return "yyyy" + separator_ + "M" + separator_ + "d";
        case DateOrder::MonthDayYear: break;
    }
    return "M" + separator_ + "d" + separator_ + "yyyy";
}

std::string FixedLocaleInfo::formatShortDate(const CalendarTime& date) const {
    const std::string day = std::to_string(date.day);
    const std::string month = std::to_string(date.month);
    const std::string year = std::to_string(date.year);
    switch (order_) {
        case DateOrder::DayMonthYear: return day + separator_ + month + separator_ + year;
        case DateOrder::YearMonthDay: return year + separator_ + month + separator_ + day;
        case DateOrder::MonthDayYear: break;
    }
    return month + separator_ + day + separator_ + year;
}

std::string FixedLocaleInfo::dayName(int weekday, bool abbreviated) const {
    return nameAt(kDayNames, weekday, abbreviated);
}

std::string FixedLocaleInfo::monthName(int month, bool abbreviated) const {
    return nameAt(kMonthNames, month - 1, abbreviated);
}

std::string FixedLocaleInfo::amDesignator() const { return "AM"; }

std::string FixedLocaleInfo::pmDesignator() const { return "PM"; }

}  // namespace numora
