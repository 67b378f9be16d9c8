#pragma once

#include <QLocale>

#include "platform/LocaleInfo.h"

namespace numora {

// The user's locale through QLocale (by default the system's: LC_ALL, then
// LC_TIME, as the C library would choose).
class QtLocaleInfo final : public LocaleInfo {
public:
    // The separator used when the short date has no non-letter between its fields.
    static constexpr char kDefaultSeparator[] = "/";

    explicit QtLocaleInfo(const QLocale& locale = QLocale::system());

    DateOrder shortDateOrder() const override;
    std::string dateSeparator() const override;
    std::string shortDatePicture() const override;
    std::string formatShortDate(const CalendarTime& date) const override;
    std::string dayName(int weekday, bool abbreviated) const override;
    std::string monthName(int month, bool abbreviated) const override;
    std::string amDesignator() const override;
    std::string pmDesignator() const override;

private:
    QLocale locale_;
    QString picture_;
};

}  // namespace numora
