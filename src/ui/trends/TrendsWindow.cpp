#include "ui/trends/TrendsWindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <array>

#include "analysis/TrendTexts.h"
#include "draws/NumberText.h"
#include "platform/FormatText.h"
#include "settings/BallSlots.h"
#include "ui/controls/TrendsChart.h"

namespace numora {

namespace {

constexpr char kTitle[] = "Trends";
constexpr char kLast[] = "Last";
constexpr char kAllDraws[] = "All";
constexpr char kSortBy[] = "Sort";
constexpr char kMainBalls[] = "Main balls";
constexpr char kSecondDrum[] = "Second drum";
constexpr char kBonus[] = "Bonus";
constexpr char kClose[] = "Close";
constexpr char kSummary[] = "%d of %d draws";
constexpr char kNoDraws[] = "No past draws";

// The draw counts to choose from; 0 stands for all.
constexpr std::array kLastChoices{10, 25, 50, 100, 0};

// The kinds of ball counted apart, in the order they are offered.
enum class BallKind { Main, SecondDrum, Bonus };

const TrendSet& trendsOf(const Trends& trends, BallKind kind) {
    switch (kind) {
    case BallKind::SecondDrum: return trends.secondDrum;
    case BallKind::Bonus: return trends.bonus;
    case BallKind::Main: break;
    }
    return trends.main;
}

struct OrderChoice {
    const char* text;
    TrendOrder order;
    int column;  // the table's column that sorts this way
};
constexpr std::array kOrders{OrderChoice{"Number", TrendOrder::Number, 0}, OrderChoice{"Count", TrendOrder::Count, 1},
                             OrderChoice{"Since seen", TrendOrder::DrawsSinceSeen, 3}};

constexpr int kFontPixelSize = 11;
constexpr QSize kPortraitClient(240, 294);
constexpr int kSpacing = 3;
constexpr int kMargin = 4;

QComboBox* makeChoice(QWidget& window, const char* objectName) {
    auto* choice = new QComboBox(&window);
    choice->setObjectName(QString::fromLatin1(objectName));
    return choice;
}

QLabel* makeLabel(QWidget& window, const char* text) { return new QLabel(QString::fromLatin1(text), &window); }

}  // namespace

TrendsWindow::TrendsWindow(const DrawList& draws, const LotteryProfile& lottery, QWidget* parent)
    : QDialog(parent),
      draws_(draws),
      lottery_(lottery),
      last_(makeChoice(*this, "trendsLast")),
      kind_(makeChoice(*this, "trendsBalls")),
      order_(makeChoice(*this, "trendsOrder")),
      summary_(new QLabel(this)),
      chart_(new TrendsChart(this)),
      table_(new QTreeWidget(this)),
      close_(new QPushButton(QString::fromLatin1(kClose), this)) {
    setObjectName(QStringLiteral("trendsWindow"));
    setWindowTitle(QString::fromLatin1(kTitle));
    QFont small = font();
    small.setPixelSize(kFontPixelSize);
    setFont(small);

    for (const int count : kLastChoices) {
        last_->addItem(count == 0 ? QString::fromLatin1(kAllDraws) : QString::number(count), count);
    }
    last_->setCurrentIndex(last_->findData(kDefaultTrendDraws));
    kind_->addItem(QString::fromLatin1(kMainBalls), static_cast<int>(BallKind::Main));
    if (hasSecondDrum(lottery_)) kind_->addItem(QString::fromLatin1(kSecondDrum), static_cast<int>(BallKind::SecondDrum));
    if (lottery_.bonus > 0) kind_->addItem(QString::fromLatin1(kBonus), static_cast<int>(BallKind::Bonus));
    kind_->setEnabled(kind_->count() > 1);
    for (const OrderChoice& choice : kOrders) order_->addItem(QString::fromLatin1(choice.text));
    summary_->setObjectName(QStringLiteral("trendsSummary"));
    summary_->setTextFormat(Qt::PlainText);
    summary_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    table_->setObjectName(QStringLiteral("trendsTable"));
    table_->setRootIsDecorated(false);
    table_->setUniformRowHeights(true);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    QStringList headings;
    for (const char* heading : kTrendColumns) headings << QString::fromLatin1(heading);
    table_->setHeaderLabels(headings);
    table_->header()->setStretchLastSection(false);
    table_->header()->setSectionResizeMode(QHeaderView::Stretch);
    table_->header()->setSectionsClickable(true);
    close_->setObjectName(QStringLiteral("trendsClose"));

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    column->setSpacing(kSpacing);
    auto* choices = new QHBoxLayout;
    choices->addWidget(makeLabel(*this, kLast));
    choices->addWidget(last_);
    choices->addWidget(makeLabel(*this, kSortBy));
    choices->addWidget(order_, 1);
    column->addLayout(choices);
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(kind_);
    kindRow->addWidget(summary_, 1);
    column->addLayout(kindRow);
    column->addWidget(chart_, 2);
    column->addWidget(table_, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close_);
    column->addLayout(buttons);

    connect(last_, &QComboBox::currentIndexChanged, this, &TrendsWindow::refresh);
    connect(kind_, &QComboBox::currentIndexChanged, this, &TrendsWindow::refresh);
    connect(order_, &QComboBox::currentIndexChanged, this, &TrendsWindow::refresh);
    connect(table_->header(), &QHeaderView::sectionClicked, this, &TrendsWindow::sortByColumn);
    connect(table_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { chart_->setHighlighted(item ? table_->indexOfTopLevelItem(item) : -1); });
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    resize(parent ? parent->size() : kPortraitClient);
    refresh();
}

void TrendsWindow::refresh() {
    const int last = last_->currentData().toInt();
    const Trends trends = countTrends(draws_, lottery_, last == 0 ? std::nullopt : std::optional<std::size_t>(last));
    const TrendSet& set = trendsOf(trends, static_cast<BallKind>(kind_->currentData().toInt()));
    const OrderChoice& order = kOrders[static_cast<std::size_t>(std::max(0, order_->currentIndex()))];
    std::vector<NumberTrend> rows = set.numbers;
    sortTrends(rows, order.order);

    summary_->setText(draws_.empty()
                          ? QString::fromLatin1(kNoDraws)
                          : QString::fromStdString(formatText(kSummary, static_cast<int>(trends.drawsCounted),
                                                              static_cast<int>(trends.drawsKept))));
    table_->clear();
    std::vector<ChartBar> bars;
    const QString expected = QString::fromStdString(expectedCountText(set.expected));
    for (const NumberTrend& trend : rows) {
        auto* item = new QTreeWidgetItem(QStringList{QString::fromStdString(twoDigitText(trend.number)),
                                                     QString::number(trend.count), expected,
                                                     QString::fromStdString(drawsSinceText(trend))});
        for (int cell = 1; cell < static_cast<int>(kTrendColumns.size()); ++cell)
            item->setTextAlignment(cell, Qt::AlignRight);
        table_->addTopLevelItem(item);
        bars.push_back({trend.number, trend.count});
    }
    chart_->setBars(std::move(bars), set.expected, order.order == TrendOrder::Number);
    chart_->setHighlighted(-1);
    table_->header()->setSortIndicatorShown(true);
    table_->header()->setSortIndicator(order.column,
                                       order.order == TrendOrder::Number ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void TrendsWindow::sortByColumn(int column) {
    for (std::size_t i = 0; i < kOrders.size(); ++i) {
        if (kOrders[i].column == column) order_->setCurrentIndex(static_cast<int>(i));
    }
}

}  // namespace numora
