#include <gtest/gtest.h>

#include "qt/QtLocaleInfo.h"

namespace numora {

TEST(QtLocaleInfo, derivesOrderAndSeparatorFromTheShortDateAndNamesCountWeekdaysFromSunday) {
    const QtLocaleInfo us(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(us.shortDateOrder(), DateOrder::MonthDayYear);
    EXPECT_EQ(us.dateSeparator(), "/");
    const QtLocaleInfo germany(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(germany.shortDateOrder(), DateOrder::DayMonthYear);
    EXPECT_EQ(germany.dateSeparator(), ".");
    const QtLocaleInfo japan(QLocale(QLocale::Japanese, QLocale::Japan));
    EXPECT_EQ(japan.shortDateOrder(), DateOrder::YearMonthDay);
    EXPECT_EQ(japan.dateSeparator(), "/");
    const QtLocaleInfo c(QLocale::c());
    EXPECT_EQ(c.dateSeparator(), "/");

    const QtLocaleInfo uk(QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_EQ(uk.dayName(0, false), "Sunday");
    EXPECT_EQ(uk.dayName(6, true), "Sat");
    EXPECT_EQ(uk.monthName(1, false), "January");
    EXPECT_EQ(uk.monthName(12, true), "Dec");
    EXPECT_EQ(uk.formatShortDate({2006, 1, 4}), "04/01/2006");
    EXPECT_EQ(uk.dayName(7, false), "");
}

}  // namespace numora
