#pragma once

#include <QDialog>

#include "app/ScreenShape.h"
#include "plays/TicketBook.h"
#include "ui/tickets/TicketServices.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace numora {

// The "Tickets" window: the lottery's tickets by the day of their draw, the
// latest day first, each day with how many tickets it has and its best result
// ("pending" until its draw is in), each ticket with its number, result and
// line; the totals by result below. A tapped ticket can be deleted, after a
// question. A tickets file that could not be read whole is shown as far as it
// was read, told once, and never changed.
class TicketsWindow : public QDialog {
    Q_OBJECT

public:
    TicketsWindow(const TicketServices& services, QWidget* parent = nullptr);

    ScreenShape shape() const { return shape_; }

private:
    void buildControls();
    void refresh();
    void deleteTicket();
    // The number of the ticket of the selected row; 0 for a day's row or none.
    int selectedTicket() const;

    TicketServices services_;
    ScreenShape shape_;
    TicketBook book_;
    QLabel* title_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QLabel* totals_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace numora
