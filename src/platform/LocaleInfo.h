#pragma once

#include <string>

#include "platform/CalendarTime.h"

namespace numora {

// Order of day, month and year in the user's short date.
enum class DateOrder { MonthDayYear = 0, DayMonthYear = 1, YearMonthDay = 2 };

// What the program needs of the user's locale. Texts are UTF-8.
class LocaleInfo {
public:
    virtual ~LocaleInfo() = default;
    virtual DateOrder shortDateOrder() const = 0;
    // The separator between the fields of a short date; callers use its first character.
    virtual std::string dateSeparator() const = 0;
    // The short-date picture in the d/M/y letter form ("M/d/yy", "dd.MM.yyyy").
    virtual std::string shortDatePicture() const = 0;
    virtual std::string formatShortDate(const CalendarTime& date) const = 0;
    // weekday 0 (Sunday) to 6; month 1 to 12.
    virtual std::string dayName(int weekday, bool abbreviated) const = 0;
    virtual std::string monthName(int month, bool abbreviated) const = 0;
    virtual std::string amDesignator() const = 0;
    virtual std::string pmDesignator() const = 0;
};

// A locale with fixed English names and a chosen numeric short date; for tests
// and reproducible runs. The short date is written with the order and the
// separator, month and day without leading zeros and a four-digit year.
class FixedLocaleInfo final : public LocaleInfo {
public:
    explicit FixedLocaleInfo(DateOrder order = DateOrder::MonthDayYear, std::string separator = "/");

    DateOrder shortDateOrder() const override;
    std::string dateSeparator() const override;
    std::string shortDatePicture() const override;
    std::string formatShortDate(const CalendarTime& date) const override;
    std::string dayName(int weekday, bool abbreviated) const override;
    std::string monthName(int month, bool abbreviated) const override;
    std::string amDesignator() const override;
    std::string pmDesignator() const override;

private:
    DateOrder order_;
    std::string separator_;
};

}  // namespace numora
