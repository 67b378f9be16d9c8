#include <gtest/gtest.h>

#include "draws/table/DateCell.h"

namespace numora {
namespace {

struct Reading {
    const char* cell;
    std::optional<CalendarDay> dayMonthYear;
    std::optional<CalendarDay> monthDayYear;
};

TEST(DateCell, readsNumbersInTheFilesOrderAndMonthNamesInSevenLanguages) {
    const CalendarDay july7{2021, 7, 7};
    const std::vector<Reading> readings = {
        {"30-Sep-2017", CalendarDay{2017, 9, 30}, CalendarDay{2017, 9, 30}},
        {"Sep 30, 2017", CalendarDay{2017, 9, 30}, CalendarDay{2017, 9, 30}},
        {"Sat, 30 Sep 2017", CalendarDay{2017, 9, 30}, CalendarDay{2017, 9, 30}},
        {"mar, 30 sep 2017", CalendarDay{2017, 9, 30}, CalendarDay{2017, 9, 30}},  // "mar": Tuesday in Spanish
        {"1st March 2021", CalendarDay{2021, 3, 1}, CalendarDay{2021, 3, 1}},
        {"Mittwoch, 7. Juli 2021", july7, july7},
        {"7 M\xC3\xA4rz 21", CalendarDay{2021, 3, 7}, CalendarDay{2021, 3, 7}},
        {"mer. 7 juil. 2021", july7, july7},
        {"mi\xC3\xA9rcoles, 7 de julio de 2021", july7, july7},
        {"7 luglio 2021", july7, july7},
        {"quarta-feira, 7 de julho de 2021", july7, july7},
        {"7 mrt 2021", CalendarDay{2021, 3, 7}, CalendarDay{2021, 3, 7}},
        {"2021-07-07", july7, july7},
        {"2021/7/7", july7, july7},
        {"2020-01-02T00:00:00.000", CalendarDay{2020, 1, 2}, CalendarDay{2020, 1, 2}},
        {"07/03/2021", CalendarDay{2021, 3, 7}, CalendarDay{2021, 7, 3}},
        {"13/03/2021", CalendarDay{2021, 3, 13}, std::nullopt},
        {"03/13/2021", std::nullopt, CalendarDay{2021, 3, 13}},
        {"09/26/2020 12:00:00 AM", std::nullopt, CalendarDay{2020, 9, 26}},
        {"7.3.21", CalendarDay{2021, 3, 7}, CalendarDay{2021, 7, 3}},
        // Two-digit years fall where a draw can be dated: 38 is 2038, 39 to 99 are 19xx.
        {"1-1-38", CalendarDay{2038, 1, 1}, CalendarDay{2038, 1, 1}},
        {"1-1-74", CalendarDay{1974, 1, 1}, CalendarDay{1974, 1, 1}},
        {"1-1-39", CalendarDay{1939, 1, 1}, CalendarDay{1939, 1, 1}},
        {"29/02/2020", CalendarDay{2020, 2, 29}, std::nullopt},
        // Not dates.
        {"29/02/2021", std::nullopt, std::nullopt},
        {"2021-13-01", std::nullopt, std::nullopt},
        {"11:34pm", std::nullopt, std::nullopt},
        {"Lancelot", std::nullopt, std::nullopt},
        {"3-9-8", std::nullopt, std::nullopt},
        {"7 jui 2021", std::nullopt, std::nullopt},  // juin or juillet
        {"30 Sep", std::nullopt, std::nullopt},
        {"1,048", std::nullopt, std::nullopt},
        {"12 61 30 29 33 26", std::nullopt, std::nullopt},
        {"01/02/2020 5", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
    };
    for (const Reading& reading : readings) {
        SCOPED_TRACE(reading.cell);
        const DateCell cell = readDateCell(reading.cell);
        EXPECT_EQ(dayInOrder(cell, DateOrder::DayMonthYear), reading.dayMonthYear);
        EXPECT_EQ(dayInOrder(cell, DateOrder::MonthDayYear), reading.monthDayYear);
    }
    EXPECT_EQ(dayInOrder(readDateCell("21/07/03"), DateOrder::YearMonthDay), (CalendarDay{2021, 7, 3}));
}

}  // namespace
}  // namespace numora
