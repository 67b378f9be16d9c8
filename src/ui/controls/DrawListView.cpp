#include "ui/controls/DrawListView.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QStyleOptionHeader>

#include "draws/DrawListText.h"
#include "ui/controls/DrawListModel.h"

namespace numora {

namespace {

constexpr int kRowHeight = 14;
constexpr int kHeadingHeight = 18;
// Room for about three rows, so the list fits the smallest screen.
constexpr int kSmallestHeight = 60;
constexpr int kCellMargin = 3;

// Headings show their icon and text; a column too narrow for both shows
// its icon alone rather than a cut-off text.
class DrawListHeadings : public QHeaderView {
public:
    explicit DrawListHeadings(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

protected:
    void initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const override {
        QHeaderView::initStyleOptionForIndex(option, logicalIndex);
        const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, option, this);
        const int iconWidth =
            option->icon.isNull() ? 0 : style()->pixelMetric(QStyle::PM_SmallIconSize, option, this) + margin;
        if (sectionSize(logicalIndex) < iconWidth + option->fontMetrics.horizontalAdvance(option->text) + 2 * margin)
            option->text.clear();
    }
};

// Cells are short texts: painted directly, without the style's item
// panels, so a screen of rows paints quickly.
class PlainCells : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : option.state & QStyle::State_Active  ? QPalette::Active
                                                                                   : QPalette::Inactive;
        const bool selected = option.state & QStyle::State_Selected;
        if (selected) painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
        painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(option.rect.adjusted(kCellMargin, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data().toString());
    }
};

}  // namespace

DrawListView::DrawListView(QWidget* parent) : QTableView(parent) {
    setHorizontalHeader(new DrawListHeadings(this));
    setItemDelegate(new PlainCells(this));
    setObjectName(QStringLiteral("drawList"));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setMinimumHeight(kSmallestHeight);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTextElideMode(Qt::ElideNone);

    // Every row is as high as the next: the view never measures a row.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setDefaultSectionSize(kRowHeight);

    QHeaderView* headings = horizontalHeader();
    headings->setObjectName(QStringLiteral("drawListHeadings"));
    headings->setSectionResizeMode(QHeaderView::Fixed);
    headings->setMinimumSectionSize(1);
    headings->setStretchLastSection(false);
    headings->setHighlightSections(false);
    headings->setSortIndicatorShown(false);
    headings->setSectionsClickable(true);
    headings->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    headings->setFixedHeight(kHeadingHeight);
    connect(headings, &QHeaderView::sectionClicked, this, [this](int column) {
        if (model_) model_->sortForHeadingTap(column);
    });

    // The selected row keeps its highlight when the focus is elsewhere.
    QPalette colours = palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    setPalette(colours);
}

void DrawListView::setDrawModel(DrawListModel* model) {
    model_ = model;
    setModel(model);
    fitColumns();
}

std::optional<int> DrawListView::selectedRow() const {
    const QModelIndexList rows = selectionModel() ? selectionModel()->selectedRows() : QModelIndexList();
    if (rows.isEmpty()) return std::nullopt;
    return rows.front().row();
}

void DrawListView::selectRow(int row) {
    QTableView::selectRow(row);
    scrollTo(model()->index(row, 0));
}

void DrawListView::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) Q_EMIT tapped();
}

void DrawListView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton) return;
    const QModelIndex under = indexAt(event->position().toPoint());
    if (under.isValid()) Q_EMIT rowDoubleTapped(under.row());
}

void DrawListView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    fitColumns();
}

void DrawListView::fitColumns() {
    if (!model_) return;
    const int clientWidth = viewport()->width();
    for (int column = 0; column < kDrawListColumns; ++column)
        setColumnWidth(column, model_->columnWidth(column, clientWidth));
}

}  // namespace numora
