// The Draw Stats window's controls in its three layouts.
#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/services/DeviceWindow.h"
#include "ui/stats/StatsWindow.h"
#include "ui/art/Icons.h"
#include "ui/art/StatsArt.h"
#include "ui/controls/WindowBar.h"

namespace numora {

namespace {

constexpr char kNumberFrequency[] = "Number Frequency";
constexpr char kBallHeading[] = "Ball";
constexpr char kFrequencyHeading[] = "Freq.";
constexpr char kRecords[] = "Records";
constexpr char kBasedOn[] =
    "Probability and pattern recognition is based on past draws for the selected lottery";
constexpr char kExit[] = "EXIT";
constexpr char kClose[] = "Close";
constexpr char kTrends[] = "Trends";

constexpr int kMargin = 4;
constexpr int kSpacing = 3;
constexpr int kRecordsWidth = 48;
// The landscape layout's right-hand column.
constexpr int kSideColumnWidth = 120;

QLabel* makeLabel(QWidget& window, const char* objectName, const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text), &window);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QHBoxLayout* recordsRow(QLabel* label, QLineEdit* records) {
    auto* row = new QHBoxLayout;
    row->setSpacing(kSpacing);
    row->addWidget(label);
    row->addWidget(records);
    row->addStretch(1);
    return row;
}

}  // namespace

void StatsWindow::buildControls(ScreenSize screen) {
    const ScreenShape shape = screenShapeOf(screen);
    QVBoxLayout* column = dressDeviceWindow(*this, 0, kSpacing);

    // Only its place is used: the header picture is painted there.
    header_ = new QWidget(this);
    header_->setObjectName(QStringLiteral("header"));
    header_->setFixedSize(art::statsHeaderSize());
    QSizePolicy keepPlace = header_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    header_->setSizePolicy(keepPlace);
    header_->hide();
    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("picture"));
    picture_->setPixmap(art::statsPicture());
    picture_->setFixedSize(art::statsPictureSize());
    frequencyLabel_ = makeLabel(*this, "numberFrequencyLabel", kNumberFrequency);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("frequencyList"));
    list_->setHeaderLabels({QString::fromLatin1(kBallHeading), QString::fromLatin1(kFrequencyHeading)});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->header()->setSectionsClickable(false);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(QHeaderView::Fixed);

    recordsLabel_ = makeLabel(*this, "recordsLabel", kRecords);
    records_ = new QLineEdit(this);
    records_->setObjectName(QStringLiteral("records"));
    records_->setReadOnly(true);
    records_->setFixedWidth(kRecordsWidth);
    if (shape != ScreenShape::Square) {
        basedOn_ = makeLabel(*this, "basedOnLabel", kBasedOn);
        basedOn_->setWordWrap(true);
    }
    exit_ = new QPushButton(QString::fromLatin1(kExit), this);
    exit_->setObjectName(QStringLiteral("exitButton"));
    exit_->setDefault(true);

    bar_ = new WindowBar(this);
    bar_->setObjectName(QStringLiteral("commandBar"));
    close_ = bar_->makeAction("closeAction", kClose, art::closeToolbarIcon());
    bar_->toolBar()->addAction(close_);
    trends_ = bar_->makeAction("trendsAction", kTrends, art::iconByNumber(art::kDrawStatsIcon));
    bar_->toolBar()->addAction(trends_);

    auto* body = new QGridLayout;
    body->setContentsMargins(kMargin, kMargin, kMargin, 0);
    body->setHorizontalSpacing(kMargin);
    body->setVerticalSpacing(kSpacing);
    if (shape == ScreenShape::Landscape) {
        // The list down the left; the picture, the count, the note and EXIT on the right.
        body->addWidget(header_, 0, 0);
        body->addWidget(frequencyLabel_, 1, 0);
        body->addWidget(list_, 2, 0, 5, 1);
        body->addWidget(picture_, 0, 1, 2, 1, Qt::AlignCenter);
        body->addLayout(recordsRow(recordsLabel_, records_), 2, 1);
        body->addWidget(basedOn_, 3, 1);
        body->setRowStretch(4, 1);
        body->addWidget(exit_, 5, 1);
        body->setColumnMinimumWidth(1, kSideColumnWidth);
        body->setColumnStretch(0, 1);
    } else {
        // The header beside the picture, the list, then the count beside EXIT.
        body->addWidget(header_, 0, 0, Qt::AlignTop);
        body->addWidget(picture_, 0, 1, 2, 1, Qt::AlignRight);
        body->addWidget(frequencyLabel_, 1, 0, Qt::AlignBottom);
        body->addWidget(list_, 2, 0, 1, 2);
        body->setRowStretch(2, 1);
        auto* bottom = recordsRow(recordsLabel_, records_);
        bottom->addWidget(exit_);
        body->addLayout(bottom, 3, 0, 1, 2);
        if (basedOn_) body->addWidget(basedOn_, 4, 0, 1, 2);
        body->setColumnStretch(0, 1);
    }
    column->addLayout(body, 1);
    column->addWidget(bar_);
    fitDeviceWindow(*this, screen);
}

}  // namespace numora
