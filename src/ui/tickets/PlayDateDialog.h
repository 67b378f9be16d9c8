#pragma once

#include <QDialog>

#include "draws/DrawDay.h"

class QDateEdit;

namespace numora {

// Asks for the day of the draw that lines are played for: a date box with a
// calendar, set to a day at the start and holding the days a draw can have.
class PlayDateDialog : public QDialog {
    Q_OBJECT

public:
    PlayDateDialog(int lines, const CalendarDay& day, QWidget* parent = nullptr);

    CalendarDay day() const;

private:
    QDateEdit* date_;
};

}  // namespace numora
