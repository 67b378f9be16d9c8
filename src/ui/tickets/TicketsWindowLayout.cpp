// The Tickets window's controls in its three layouts.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/services/DeviceWindow.h"
#include "ui/tickets/TicketsTexts.h"
#include "ui/tickets/TicketsWindow.h"

namespace numora {

namespace {

constexpr int kMargin = 4;
constexpr int kSpacing = 3;
// The landscape layout's right-hand column.
constexpr int kSideColumnWidth = 72;
constexpr int kColumnPadding = 8;

QLabel* makeLabel(QWidget& window, const char* objectName) {
    auto* label = named(new QLabel(&window), objectName);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

}  // namespace

void TicketsWindow::buildControls() {
    QVBoxLayout* column = dressDeviceWindow(*this, kMargin, kSpacing);
    title_ = makeLabel(*this, "ticketsTitle");
    list_ = named(new QTreeWidget(this), "ticketsList");
    list_->setHeaderLabels({QString::fromLatin1(tickets::kTicketColumn), QString::fromLatin1(tickets::kResultColumn),
                            QString::fromLatin1(tickets::kNumbersColumn)});
    // Days stand out in bold; their tickets need no indentation.
    list_->setRootIsDecorated(false);
    list_->setIndentation(0);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->header()->setStretchLastSection(true);
    list_->header()->setSectionsClickable(false);
    // The numbers get what the number and the result leave.
    const QFontMetrics metrics = list_->fontMetrics();
    list_->setColumnWidth(0, kColumnPadding + metrics.horizontalAdvance(tickets::kWidestNumber));
    list_->setColumnWidth(1, kColumnPadding + std::max(metrics.horizontalAdvance(tickets::kWidestResult),
                                                       metrics.horizontalAdvance(tickets::kResultColumn)));
    totals_ = makeLabel(*this, "ticketsTotals");
    delete_ = named(new QPushButton(QString::fromLatin1(tickets::kDelete), this), "ticketsDelete");
    close_ = named(new QPushButton(QString::fromLatin1(tickets::kClose), this), "ticketsClose");
    close_->setDefault(true);

    auto* body = new QGridLayout;
    body->setContentsMargins(kMargin, 0, kMargin, kMargin);
    body->setHorizontalSpacing(kMargin);
    body->setVerticalSpacing(kSpacing);
    if (shape_ == ScreenShape::Landscape) {
        // The list down the left; the totals and the buttons on the right.
        body->addWidget(title_, 0, 0, 1, 2);
        body->addWidget(list_, 1, 0, 4, 1);
        body->addWidget(totals_, 1, 1, Qt::AlignTop);
        body->setRowStretch(2, 1);
        body->addWidget(delete_, 3, 1);
        body->addWidget(close_, 4, 1);
        for (QWidget* side : std::initializer_list<QWidget*>{totals_, delete_, close_}) side->setFixedWidth(kSideColumnWidth);
        body->setColumnStretch(0, 1);
    } else {
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(delete_);
        buttons->addStretch(1);
        buttons->addWidget(close_);
        body->addWidget(title_, 0, 0);
        body->addWidget(list_, 1, 0);
        body->addWidget(totals_, 2, 0);
        body->addLayout(buttons, 3, 0);
        body->setRowStretch(1, 1);
    }
    column->addLayout(body, 1);
    fitDeviceWindow(*this, services_.screen);
}

}  // namespace numora
