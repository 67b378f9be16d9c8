#include <gtest/gtest.h>

#include "draws/DatePictureFormatter.h"
#include "platform/LocaleInfo.h"

namespace numora {

TEST(DatePictureFormatter, writesEachFieldLetterByItsRunLength) {
    const FixedLocaleInfo locale;
    const DatePictureFormatter formatter(locale);
    const CalendarTime morning{2006, 1, 4, 9, 5, 3};
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"d/M/yyyy", "4/1/2006"}, {"dd/MM/yy", "04/01/06"}, {"dddd", "Wednesday"}, {"ddd, MMM", "Wed, Jan"},
        {"MMMM y", "January 2006"}, {"yyy", "???"}, {"ddddd", "???"}, {"'on 'd", "on 4"}, {"yyyy.", "2006."},
        {"H:mm:ss t", "9:05:03 A"}, {"h hh HH", "9 09 09"}, {"q qq", "1 ???"}, {"w ww", "1 01"},
        {"gg'M'd", "M4"}, {"'d''M'", "dM"}, {"s sss", "3 ???"},
    };
    for (const auto& [picture, text] : cases) EXPECT_EQ(formatter.format(morning, picture), text) << picture;

    EXPECT_EQ(formatter.format({2006, 1, 4, 15, 7, 0}, "hh:mm tt"), "03:07 PM");
    EXPECT_EQ(formatter.format({2006, 12, 31, 0, 0, 0}, "h w q"), "0 53 4");
    EXPECT_EQ(formatter.format({2006, 1, 4, 12, 0, 0}, "h tt"), "12 PM");
}

}  // namespace numora
