#pragma once

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

#include "ui/support/Widgets.h"

namespace numora {

// In the day dialog of Play Picks or Play Wheel: tabs into the date box,
// which selects its year, types the digits of the day (YYYY-MM-DD) over it as
// a user does, the box moving on to the month and the day by itself, and taps
// OK. An empty day keeps the one offered.
inline void typePlayDay(QWidget& dialog, const QString& day) {
    auto& date = child<QDateEdit>(dialog, QStringLiteral("playDate"));
    if (!day.isEmpty()) {
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        date.setFocus(Qt::TabFocusReason);
        QTest::keyClicks(&date, QString(day).remove(QLatin1Char('-')));
    }
    auto& buttons = child<QDialogButtonBox>(dialog, QStringLiteral("playButtons"));
    QTest::mouseClick(buttons.button(QDialogButtonBox::Ok), Qt::LeftButton);
}

}  // namespace numora
