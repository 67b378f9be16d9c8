#include "ui/controls/DrawListModel.h"

#include <algorithm>
#include <numeric>

#include "ui/art/DrawListArt.h"

namespace numora {

DrawListModel::DrawListModel(const DrawList& draws, const LotteryProfile& profile, const LocaleInfo& locale,
                             const LocalTime& time, QObject* parent)
    : QAbstractTableModel(parent), draws_(draws), profile_(profile), locale_(locale), time_(time) {
    for (int column = 0; column < kDrawListColumns; ++column)
        headingIcons_[static_cast<std::size_t>(column)] = QIcon(art::drawHeadingIcon(column, profile));
}

int DrawListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int DrawListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kDrawListColumns; }

QVariant DrawListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    const std::size_t position = drawPosition(index.row());
    if (position >= draws_.size()) return {};
    return QString::fromStdString(drawCellText(draws_.at(position), index.column(), profile_, locale_, time_));
}

QVariant DrawListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kDrawListColumns) return {};
    switch (role) {
    case Qt::DisplayRole: return QString::fromStdString(drawColumnHeading(section, profile_));
    case Qt::DecorationRole: return headingIcons_[static_cast<std::size_t>(section)];
    case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    default: return {};
    }
}

void DrawListModel::refill() {
    beginResetModel();
    rows_.resize(draws_.size());
    std::iota(rows_.begin(), rows_.end(), std::size_t{0});
    endResetModel();
}

void DrawListModel::empty() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void DrawListModel::insertDraw(int row, std::size_t position, const std::function<void()>& insertDraw) {
    beginInsertRows({}, row, row);
    insertDraw();
    for (std::size_t& shown : rows_)
        if (shown >= position) ++shown;
    rows_.insert(rows_.begin() + row, position);
    endInsertRows();
}

void DrawListModel::removeDraw(int row, const std::function<void()>& removeDraw) {
    const std::size_t position = drawPosition(row);
    beginRemoveRows({}, row, row);
    removeDraw();
    rows_.erase(rows_.begin() + row);
    for (std::size_t& shown : rows_)
        if (shown > position) --shown;
    endRemoveRows();
}

void DrawListModel::sortForHeadingTap(int column) {
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<std::size_t> positions;
    positions.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex& index : before) positions.push_back(drawPosition(index.row()));

    sorting_.sortForHeadingTap(rows_, draws_, column, time_);

    // The selection and the current row stay with their draws.
    std::vector<int> rowOf(draws_.size());
    for (std::size_t row = 0; row < rows_.size(); ++row) rowOf[rows_[row]] = static_cast<int>(row);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after.append(index(rowOf[positions[static_cast<std::size_t>(i)]], before[i].column()));
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int DrawListModel::columnWidth(int column, int clientWidth) const {
    return drawColumnWidth(column, profile_, clientWidth);
}

}  // namespace numora
