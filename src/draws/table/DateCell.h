#pragma once

#include <optional>
#include <string_view>

#include "draws/DrawDay.h"
#include "platform/LocaleInfo.h"

namespace numora {

// What a cell says as a date. A date with a month name, or with a four-digit
// year first, says its day whatever the file's order; three plain numbers
// ("03/09/68") leave it to the order of day, month and year that the file
// keeps throughout.
struct DateCell {
    enum class Form { None, Complete, Numbers };
    Form form = Form::None;
    CalendarDay complete;
    int parts[3] = {};       // Numbers: the three numbers in the cell's order
    int partDigits[3] = {};  // and how many digits each had
};

// Reads one cell: numbers separated twice by the same one of / . - (years of
// two or four digits; a four-digit year may come first), or a day, a month
// name and a year in any common arrangement ("30-Sep-2017", "Sep 30, 2017",
// "mer. 7 juil. 2021", "7. Juli 2021"), with an optional weekday name before
// and a time of day after it ("12:00:00 AM", "T00:00:00").
DateCell readDateCell(std::string_view cell);

// The day a cell gives in an order; nullopt when it gives none in it.
std::optional<CalendarDay> dayInOrder(const DateCell& cell, DateOrder order);

// The calendar day of a year, month and day given apart, checked against the
// calendar. A two-digit year takes the century in which a draw can be dated:
// 00 to 38 are 2000 to 2038, 39 to 99 are 1939 to 1999.
std::optional<CalendarDay> checkedDay(int year, int yearDigits, int month, int day);

}  // namespace numora
