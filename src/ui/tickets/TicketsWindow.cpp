#include "ui/tickets/TicketsWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "draws/IsoDateText.h"
#include "platform/FormatText.h"
#include "platform/Prompter.h"
#include "ui/tickets/TicketsTexts.h"

namespace numora {

namespace {

constexpr int kNumberRole = Qt::UserRole;
constexpr char kLineBreak[] = "\n";

QString text(const std::string& value) { return QString::fromStdString(value); }

// A day's row across the columns: its date, how many tickets and their best
// result, or pending.
QTreeWidgetItem* dayRow(const TicketDay& day) {
    const std::string best = day.bestResult.empty() ? std::string(tickets::kPending)
                                                    : formatText(tickets::kBestOfDay, day.bestResult.c_str());
    const int count = static_cast<int>(day.tickets.size());
    const std::string counted = count == 1 ? std::string(tickets::kDayOneTicket) : formatText(tickets::kDayTickets, count);
    const std::string date = isoDayText(day.day.year, day.day.month, day.day.day);
    auto* row = new QTreeWidgetItem({text(formatText(tickets::kDayRow, date.c_str(), counted.c_str(), best.c_str()))});
    QFont bold = row->font(0);
    bold.setBold(true);
    row->setFont(0, bold);
    row->setFlags(Qt::ItemIsEnabled);
    return row;
}

QTreeWidgetItem* ticketRow(const Ticket& ticket, const LotteryProfile& lottery) {
    auto* row = new QTreeWidgetItem({text(formatText(tickets::kTicketNumber, ticket.number)),
                                     QString::fromUtf8(ticket.pending() ? tickets::kPendingMark : ticket.result.c_str()),
                                     text(ticketLineText(ticket, lottery, LineSpacing::Narrow))});
    row->setData(0, kNumberRole, ticket.number);
    if (ticket.pending()) {
        QFont marked = row->font(1);
        marked.setItalic(true);
        row->setFont(1, marked);
        row->setForeground(1, Qt::darkGray);
    }
    return row;
}

}  // namespace

TicketsWindow::TicketsWindow(const TicketServices& services, QWidget* parent)
    : QDialog(parent),
      services_(services),
      shape_(screenShapeOf(services.screen)),
      book_(services.device, services.dataFolder, services.lottery, services.time) {
    setObjectName(QStringLiteral("ticketsWindow"));
    setWindowTitle(QString::fromLatin1(tickets::kWindowTitle));
    buildControls();
    title_->setText(text(formatText(tickets::kTicketsOf, services_.lottery.name.c_str())));
    connect(delete_, &QPushButton::clicked, this, &TicketsWindow::deleteTicket);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this] { delete_->setEnabled(selectedTicket() > 0); });

    const TicketsFileResult& loaded = book_.load();
    // A file not read whole is told once, over the window once it is on screen.
    if (!loaded.maySaveOver()) {
        QTimer::singleShot(0, this, [this] { services_.prompter.report(book_.loaded().message); });
    }
    refresh();
}

void TicketsWindow::refresh() {
    list_->clear();
    for (const TicketDay& day : ticketsByDay(book_.tickets())) {
        QTreeWidgetItem* row = dayRow(day);
        for (const Ticket& ticket : day.tickets) row->addChild(ticketRow(ticket, services_.lottery));
        list_->addTopLevelItem(row);
        row->setFirstColumnSpanned(true);
    }
    list_->expandAll();
    // The landscape layout's narrow column has a total a line.
    const std::string totals =
        totalsText(totalTickets(book_.tickets()), shape_ == ScreenShape::Landscape ? kLineBreak : kTotalsSeparator);
    totals_->setText(text(totals.empty() ? std::string(tickets::kNoTickets) : totals));
    delete_->setEnabled(false);
}

int TicketsWindow::selectedTicket() const {
    const QTreeWidgetItem* item = list_->currentItem();
    return item ? item->data(0, kNumberRole).toInt() : 0;
}

void TicketsWindow::deleteTicket() {
    const int number = selectedTicket();
    if (number == 0) return;
    if (!book_.loaded().maySaveOver()) {
        services_.prompter.report(book_.loaded().message);
        return;
    }
    if (!services_.prompter.ask(formatText(tickets::kDeleteQuestion, number))) return;
    if (const std::string failure = book_.remove(number); !failure.empty()) services_.prompter.report(failure);
    refresh();
}

}  // namespace numora
