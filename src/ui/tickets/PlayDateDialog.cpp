#include "ui/tickets/PlayDateDialog.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/FormatText.h"
#include "ui/services/DeviceWindow.h"
#include "ui/tickets/TicketsTexts.h"

namespace numora {

namespace {

QDate qDate(const CalendarDay& day) { return {day.year, day.month, day.day}; }

}  // namespace

PlayDateDialog::PlayDateDialog(int lines, const CalendarDay& day, QWidget* parent)
    : QDialog(parent), date_(named(new QDateEdit(this), "playDate")) {
    setObjectName(QStringLiteral("playDateDialog"));
    setWindowTitle(QString::fromLatin1(tickets::kPlayTitle));
    applyDeviceLook(*this);
    auto* prompt = named(new QLabel(this), "playPrompt");
    prompt->setText(QString::fromStdString(lines == 1 ? std::string(tickets::kPlayOneLine)
                                                      : formatText(tickets::kPlayLines, lines)));
    prompt->setWordWrap(true);
    date_->setCalendarPopup(true);
    date_->setDisplayFormat(QString::fromLatin1(tickets::kDayFormat));
    date_->setDateRange(qDate(kFirstDrawDay), qDate(kLastDrawDay));
    date_->setDate(qDate(day));
    auto* buttons = named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this), "playButtons");

    auto* column = new QVBoxLayout(this);
    column->addWidget(prompt);
    column->addWidget(date_);
    column->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

CalendarDay PlayDateDialog::day() const {
    const QDate date = date_->date();
    return {date.year(), date.month(), date.day()};
}

}  // namespace numora
