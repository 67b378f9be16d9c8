#include "ui/preview/ImportPreviewDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "draws/table/LayoutWords.h"
#include "draws/table/PreviewTexts.h"
#include "draws/table/SecondDrumColumns.h"
#include "draws/table/TableRows.h"
#include "settings/BallSlots.h"
#include "ui/main/MainWindowLayout.h"

namespace numora {

namespace {

constexpr char kTitle[] = "Import Preview";
constexpr char kDateLabel[] = "Date";
constexpr char kBallsLabel[] = "Balls";
constexpr char kBonusLabel[] = "Bonus";
constexpr char kSecondDrumLabel[] = "2nd Drum";
constexpr char kRowsTab[] = "Rows";
constexpr char kRejectedTab[] = "Rejected";
constexpr char kImportCaption[] = "Import";
constexpr char kCancelCaption[] = "Cancel";
constexpr int kFontPixelSize = 11;
constexpr int kRowsFontPixelSize = 10;
constexpr int kMargin = 2;
constexpr int kSpacing = 2;
constexpr int kButtonPadding = 8;
constexpr int kShownRows = 50;
constexpr std::size_t kShownReasons = 50;
constexpr int kLeastTableRows = 2;
constexpr int kDateColumn = 0;

constexpr DateOrder kDateOrders[] = {DateOrder::DayMonthYear, DateOrder::MonthDayYear, DateOrder::YearMonthDay};

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

QLabel* wrappedLabel(const char* objectName, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QComboBox* choiceBox(const char* objectName, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(1);
    return box;
}

QPushButton* button(const char* objectName, const char* caption, QWidget* parent) {
    auto* pushButton = new QPushButton(QString::fromLatin1(caption), parent);
    pushButton->setObjectName(QString::fromLatin1(objectName));
    pushButton->setAutoDefault(false);
    pushButton->setFixedWidth(pushButton->fontMetrics().horizontalAdvance(pushButton->text()) + 2 * kButtonPadding);
    return pushButton;
}

template <typename Source>
int indexOf(const std::vector<Source>& choices, const Source& chosen) {
    const auto found = std::find(choices.begin(), choices.end(), chosen);
    return found == choices.end() ? -1 : static_cast<int>(found - choices.begin());
}

}  // namespace

ImportPreviewDialog::ImportPreviewDialog(TableAnalysis analysis, const LotteryProfile& profile, const DrawList& stored,
                                         const LocalTime& time, ScreenSize screen, QWidget* parent)
    : QDialog(parent),
      analysis_(std::move(analysis)),
      profile_(profile),
      stored_(stored),
      time_(time),
      layout_(analysis_.layout.value_or(TableLayout{})) {
    setWindowTitle(QString::fromLatin1(kTitle));
    QFont screenFont = font();
    screenFont.setPixelSize(kFontPixelSize);
    setFont(screenFont);

    fileText_ = wrappedLabel("fileText", this);
    dateBox_ = choiceBox("dateBox", this);
    ballsBox_ = choiceBox("ballsBox", this);
    bonusBox_ = choiceBox("bonusBox", this);
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("pages"));
    pages_->setDocumentMode(true);
    rowsTable_ = new QTableWidget(pages_);
    rowsTable_->setObjectName(QStringLiteral("previewRows"));
    rowsTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rowsTable_->setSelectionMode(QAbstractItemView::NoSelection);
    rowsTable_->verticalHeader()->hide();
    QFont rowsFont = screenFont;
    rowsFont.setPixelSize(kRowsFontPixelSize);
    rowsTable_->setFont(rowsFont);
    rowsTable_->setTextElideMode(Qt::ElideNone);
    rowsTable_->verticalHeader()->setMinimumSectionSize(rowsTable_->fontMetrics().height());
    rowsTable_->verticalHeader()->setDefaultSectionSize(rowsTable_->fontMetrics().height() + 1);
    rowsTable_->horizontalHeader()->setMinimumSectionSize(1);
    rowsTable_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rowsTable_->setMinimumHeight(rowsTable_->horizontalHeader()->sizeHint().height() +
                                 kLeastTableRows * rowsTable_->verticalHeader()->defaultSectionSize());
    rejectsList_ = new QListWidget(pages_);
    rejectsList_->setObjectName(QStringLiteral("rejectsList"));
    rejectsList_->setSelectionMode(QAbstractItemView::NoSelection);
    rejectsList_->setWordWrap(true);
    rejectsList_->setResizeMode(QListView::Adjust);
    rejectsList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pages_->addTab(rowsTable_, QString::fromLatin1(kRowsTab));
    pages_->addTab(rejectsList_, QString::fromLatin1(kRejectedTab));
    countsText_ = wrappedLabel("countsText", this);

    auto* buttonBox = new QWidget(pages_);
    auto* buttons = new QHBoxLayout(buttonBox);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(kSpacing);
    importButton_ = button("importButton", kImportCaption, buttonBox);
    auto* cancel = button("cancelButton", kCancelCaption, buttonBox);
    buttons->addWidget(importButton_);
    buttons->addWidget(cancel);
    pages_->setCornerWidget(buttonBox, Qt::TopRightCorner);
    importButton_->setDefault(true);
    connect(importButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* roles = new QFormLayout;
    roles->setContentsMargins(0, 0, 0, 0);
    roles->setSpacing(kSpacing);
    roles->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    roles->addRow(QString::fromLatin1(kDateLabel), dateBox_);
    roles->addRow(QString::fromLatin1(kBallsLabel), ballsBox_);
    if (hasSecondDrum(profile_)) {
        // The second drum shares the bonus's row, so that the rows keep their height on every screen.
        drumBox_ = choiceBox("drumBox", this);
        auto* bonusAndDrum = new QHBoxLayout;
        bonusAndDrum->setSpacing(kSpacing);
        bonusAndDrum->addWidget(bonusBox_, 1);
        bonusAndDrum->addWidget(new QLabel(QString::fromLatin1(kSecondDrumLabel), this));
        // Without a bonus, the bonus box only ever says "none": the drum's takes more of the row.
        bonusAndDrum->addWidget(drumBox_, profile_.bonus > 0 ? 1 : 2);
        roles->addRow(QString::fromLatin1(kBonusLabel), bonusAndDrum);
    } else {
        roles->addRow(QString::fromLatin1(kBonusLabel), bonusBox_);
    }
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    column->setSpacing(kSpacing);
    column->addWidget(fileText_);
    column->addLayout(roles);
    column->addWidget(pages_, 1);
    column->addWidget(countsText_);

    QStringList headings;
    for (const std::string& heading : previewHeadings(profile_)) headings << text(heading);
    rowsTable_->setColumnCount(static_cast<int>(headings.size()));
    rowsTable_->setHorizontalHeaderLabels(headings);
    // The date and the bonus keep their width; the balls share the rest.
    QHeaderView* header = rowsTable_->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Stretch);
    header->setSectionResizeMode(kDateColumn, QHeaderView::ResizeToContents);
    if (profile_.bonus > 0)
        header->setSectionResizeMode(static_cast<int>(headings.size()) - 1, QHeaderView::ResizeToContents);

    fileText_->setText(text(layoutInWords(analysis_, layout_).front()));
    fillDateChoices();
    fillBallChoices();
    fillDrumChoices();
    fillBonusChoices();
    connect(dateBox_, &QComboBox::currentIndexChanged, this, &ImportPreviewDialog::dateChosen);
    connect(ballsBox_, &QComboBox::currentIndexChanged, this, &ImportPreviewDialog::ballsChosen);
    connect(bonusBox_, &QComboBox::currentIndexChanged, this, &ImportPreviewDialog::bonusChosen);
    if (drumBox_) connect(drumBox_, &QComboBox::currentIndexChanged, this, &ImportPreviewDialog::drumChosen);
    readAndShow();

    setFixedSize(mainWindowClientSize(screen).expandedTo(column->minimumSize()));
}

void ImportPreviewDialog::fillDateChoices() {
    dateChoices_.clear();
    if (dateOrderMatters(analysis_.records, layout_.date)) {
        for (const DateOrder order : kDateOrders)
            dateChoices_.push_back({layout_.date.split, layout_.date.column, order});
    } else {
        dateChoices_.push_back(layout_.date);
    }
    for (const DateSource& date : dateChoices_) dateBox_->addItem(text(dateSourceInWords(analysis_, date)));
    dateBox_->setCurrentIndex(indexOf(dateChoices_, layout_.date));
    dateBox_->setEnabled(dateChoices_.size() > 1);
}

void ImportPreviewDialog::fillBallChoices() {
    ballChoices_ = ballSourceChoices(analysis_.records, layout_.date, profile_);
    if (indexOf(ballChoices_, layout_.balls) < 0) ballChoices_.insert(ballChoices_.begin(), layout_.balls);
    for (const BallSource& balls : ballChoices_) ballsBox_->addItem(text(ballSourceInWords(analysis_, balls)));
    ballsBox_->setCurrentIndex(indexOf(ballChoices_, layout_.balls));
}

void ImportPreviewDialog::fillBonusChoices() {
    const QSignalBlocker quiet(bonusBox_);
    bonusChoices_ = bonusSourceChoices(analysis_.records, layout_, profile_);
    if (indexOf(bonusChoices_, layout_.bonus) < 0) layout_.bonus = {};
    bonusBox_->clear();
    for (const BonusSource& bonus : bonusChoices_) {
        bonusBox_->addItem(text(bonusSourceInWords(analysis_, bonus, layout_.balls)));
    }
    bonusBox_->setCurrentIndex(indexOf(bonusChoices_, layout_.bonus));
    bonusBox_->setEnabled(bonusChoices_.size() > 1);
}

// The second drum's sources for the balls chosen; a source the balls took is
// found again for them, or else the first that is left.
void ImportPreviewDialog::fillDrumChoices() {
    if (!drumBox_) return;
    const QSignalBlocker quiet(drumBox_);
    drumChoices_ = secondDrumSourceChoices(analysis_.records, layout_, profile_);
    if (indexOf(drumChoices_, layout_.drum2) < 0) {
        const SecondDrumSource found = detectSecondDrum(analysis_.records, analysis_.headings, layout_, profile_);
        if (found.kind != SecondDrumSource::Kind::None) {
            layout_.drum2 = found;
            if (indexOf(drumChoices_, found) < 0) drumChoices_.insert(drumChoices_.begin(), found);
        } else if (!drumChoices_.empty()) {
            layout_.drum2 = drumChoices_.front();
        }
    }
    drumBox_->clear();
    for (const SecondDrumSource& drum : drumChoices_) {
        drumBox_->addItem(text(secondDrumSourceInWords(analysis_, drum, layout_.balls)));
    }
    drumBox_->setCurrentIndex(indexOf(drumChoices_, layout_.drum2));
    drumBox_->setEnabled(drumChoices_.size() > 1);
}

void ImportPreviewDialog::dateChosen(int index) {
    if (index < 0) return;
    layout_.date = dateChoices_[static_cast<std::size_t>(index)];
    readAndShow();
}

void ImportPreviewDialog::ballsChosen(int index) {
    if (index < 0) return;
    layout_.balls = ballChoices_[static_cast<std::size_t>(index)];
    fillDrumChoices();
    fillBonusChoices();
    readAndShow();
}

void ImportPreviewDialog::bonusChosen(int index) {
    if (index < 0) return;
    layout_.bonus = bonusChoices_[static_cast<std::size_t>(index)];
    readAndShow();
}

void ImportPreviewDialog::drumChosen(int index) {
    if (index < 0) return;
    layout_.drum2 = drumChoices_[static_cast<std::size_t>(index)];
    fillBonusChoices();
    readAndShow();
}

void ImportPreviewDialog::readAndShow() {
    rows_ = readTableRows(analysis_.records, layout_, profile_, time_);
    preview_ = previewTableImport(rows_, stored_, profile_);

    const int shown = std::min(kShownRows, static_cast<int>(rows_.rows.size()));
    rowsTable_->setRowCount(shown);
    for (int row = 0; row < shown; ++row) {
        const TableRow& read = rows_.rows[static_cast<std::size_t>(row)];
        const std::vector<std::string> cells = previewCells(read, profile_, time_);
        for (std::size_t column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(text(cells[column]));
            item->setTextAlignment(Qt::AlignCenter);
            item->setToolTip(text(rowLineText(read)));
            rowsTable_->setItem(row, static_cast<int>(column), item);
        }
    }
    countsText_->setText(text(previewCountsText(preview_)));
    rejectsList_->clear();
    for (const std::string& reason : firstRejectReasons(rows_, kShownReasons)) rejectsList_->addItem(text(reason));
    pages_->setTabEnabled(pages_->indexOf(rejectsList_), !rows_.rejects.empty());
    importButton_->setEnabled(!rows_.rows.empty());
}

}  // namespace numora
