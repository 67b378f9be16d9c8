#include "QtLocaleInfo.h"

#include <QDate>

namespace numora {

namespace {

bool isDateLetter(QChar c) { return c == QLatin1Char('d') || c == QLatin1Char('M') || c == QLatin1Char('y'); }

// Calls visit(character, quoted) for each character of a date picture;
// quoting follows the picture rules ('text', '' for a quote).
template <typename Visit>
void walkPicture(const QString& picture, Visit visit) {
    bool quoted = false;
    for (qsizetype i = 0; i < picture.size(); ++i) {
        if (picture[i] == QLatin1Char('\'')) {
            quoted = !quoted;
            continue;
        }
        if (!visit(picture[i], quoted)) return;
    }
}

}  // namespace

QtLocaleInfo::QtLocaleInfo(const QLocale& locale)
    : locale_(locale), picture_(locale.dateFormat(QLocale::ShortFormat)) {}

DateOrder QtLocaleInfo::shortDateOrder() const {
    DateOrder order = DateOrder::MonthDayYear;
    walkPicture(picture_, [&](QChar c, bool quoted) {
        if (quoted || !isDateLetter(c)) return true;
        order = c == QLatin1Char('d') ? DateOrder::DayMonthYear
                : c == QLatin1Char('y') ? DateOrder::YearMonthDay
                                        : DateOrder::MonthDayYear;
        return false;
    });
    return order;
}

std::string QtLocaleInfo::dateSeparator() const {
    QString separator;
    bool afterField = false;
    walkPicture(picture_, [&](QChar c, bool quoted) {
        if (!quoted && isDateLetter(c)) {
            afterField = true;
            return true;
        }
        if (afterField && !c.isLetter()) {
            separator = c;
            return false;
        }
        afterField = false;
        return true;
    });
    // A picture such as "d MMM yyyy" separates with spaces only: no numeric separator.
    if (separator.isEmpty() || separator == QLatin1String(" ")) return kDefaultSeparator;
    return separator.toStdString();
}

std::string QtLocaleInfo::shortDatePicture() const { return picture_.toStdString(); }

std::string QtLocaleInfo::formatShortDate(const CalendarTime& date) const {
    return locale_.toString(QDate(date.year, date.month, date.day), QLocale::ShortFormat).toStdString();
}

std::string QtLocaleInfo::dayName(int weekday, bool abbreviated) const {
    if (weekday < 0 || weekday > 6) return {};
    const int qtDay = weekday == 0 ? 7 : weekday;  // Qt counts Monday 1 to Sunday 7
    return locale_.dayName(qtDay, abbreviated ? QLocale::ShortFormat : QLocale::LongFormat).toStdString();
}

std::string QtLocaleInfo::monthName(int month, bool abbreviated) const {
    if (month < 1 || month > 12) return {};
    return locale_.monthName(month, abbreviated ? QLocale::ShortFormat : QLocale::LongFormat).toStdString();
}

std::string QtLocaleInfo::amDesignator() const { return locale_.amText().toStdString(); }

std::string QtLocaleInfo::pmDesignator() const { return locale_.pmText().toStdString(); }

}  // namespace numora
