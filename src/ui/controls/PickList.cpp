#include "ui/controls/PickList.h"

#include <QHeaderView>
#include <QMouseEvent>

#include <algorithm>

namespace numora {

namespace {

constexpr char kColumnTitle[] = "QuickPicks";
// Room for about three lines, so the list fits the smallest screen.
constexpr int kSmallestHeight = 40;
constexpr int kLabelColumn = 1;
// Room for the longest label, "7+1".
constexpr int kLabelWidth = 30;

QString lineText(const QTreeWidgetItem* item) { return item->text(0); }

}  // namespace

PickList::PickList(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("pickList"));
    setColumnCount(1);
    setHeaderLabels({QString::fromLatin1(kColumnTitle)});
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    header()->setStretchLastSection(false);
    setMinimumHeight(kSmallestHeight);
    // The selected line keeps its highlight when the focus is elsewhere.
    QPalette colours = palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    setPalette(colours);
}

void PickList::insertAtTop(const std::string& text, bool select) {
    auto* item = new QTreeWidgetItem(QStringList{QString::fromStdString(text)});
    insertTopLevelItem(0, item);
    if (!select) return;
    setCurrentItem(item);
    scrollToTop();
}

void PickList::setLines(const std::vector<std::string>& lines) {
    clear();
    // New lines have no labels, so their column goes.
    setColumnCount(1);
    fitColumns();
    // Each line goes in at the top, so the last one goes first.
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) insertAtTop(*line, false);
}

std::vector<std::string> PickList::lines() const {
    std::vector<std::string> texts;
    for (int i = 0; i < topLevelItemCount(); ++i) texts.push_back(lineText(topLevelItem(i)).toStdString());
    return texts;
}

std::string PickList::topLine() const {
    return topLevelItemCount() == 0 ? std::string() : lineText(topLevelItem(0)).toStdString();
}

std::optional<std::string> PickList::selectedLine() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    if (selected.isEmpty()) return std::nullopt;
    return lineText(selected.front()).toStdString();
}

void PickList::setLabels(const std::vector<std::string>& labels) {
    setColumnCount(kLabelColumn + 1);
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = topLevelItem(i);
        const std::size_t index = static_cast<std::size_t>(i);
        item->setText(kLabelColumn, index < labels.size() ? QString::fromStdString(labels[index]) : QString());
        item->setTextAlignment(kLabelColumn, Qt::AlignRight | Qt::AlignVCenter);
    }
    fitColumns();
}

std::vector<std::string> PickList::labels() const {
    std::vector<std::string> texts;
    for (int i = 0; i < topLevelItemCount(); ++i) texts.push_back(topLevelItem(i)->text(kLabelColumn).toStdString());
    return texts;
}

std::string PickList::selectedLabel() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? std::string() : selected.front()->text(kLabelColumn).toStdString();
}

void PickList::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) Q_EMIT tapped();
}

void PickList::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    fitColumns();
}

void PickList::fitColumns() {
    const int labels = columnCount() > kLabelColumn ? kLabelWidth : 0;
    if (labels > 0) setColumnWidth(kLabelColumn, labels);
    setColumnWidth(0, std::max(0, viewport()->width() - kColumnWidthLess - labels));
}

}  // namespace numora
