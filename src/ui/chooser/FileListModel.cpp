#include "ui/chooser/FileListModel.h"

#include <QColor>

#include <cstdlib>

namespace numora {

namespace {

struct ColumnLook {
    const char* heading;
    Qt::Alignment alignment;
};

constexpr ColumnLook kColumns[FileListModel::kColumnCount] = {
    {"Name", Qt::AlignLeft | Qt::AlignVCenter},
    {"Size", Qt::AlignRight | Qt::AlignVCenter},
    {"Date", Qt::AlignLeft | Qt::AlignVCenter},
};

QColor sortedColumnBackground() { return {224, 224, 255}; }

// The model's column (from 0) of a sort key's column (from 1).
int columnOf(int sortKey) { return std::abs(sortKey) - kNameColumn; }

}  // namespace

FileListModel::FileListModel(FileDateText dateText, QIcon fileIcon, QObject* parent)
    : QAbstractTableModel(parent), dateText_(std::move(dateText)), fileIcon_(std::move(fileIcon)) {}

void FileListModel::setFiles(std::vector<ListedFile> files) {
    beginResetModel();
    files_.clear();
    for (const std::size_t row : sortedRows(files, sortKey_)) files_.push_back(std::move(files[row]));
    endResetModel();
}

void FileListModel::sortBy(int sortKey) {
    sortKey_ = sortKey;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<std::size_t> order = sortedRows(files_, sortKey);
    std::vector<ListedFile> sorted;
    std::vector<int> newRow(files_.size());
    for (std::size_t to = 0; to < order.size(); ++to) {
        sorted.push_back(std::move(files_[order[to]]));
        newRow[order[to]] = static_cast<int>(to);
    }
    files_ = std::move(sorted);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    for (const QModelIndex& cell : before) after << index(newRow[static_cast<std::size_t>(cell.row())], cell.column());
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(files_.size());
}

int FileListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant FileListModel::data(const QModelIndex& cell, int role) const {
    if (!cell.isValid()) return {};
    const ListedFile& listed = file(cell.row());
    switch (role) {
    case Qt::DisplayRole:
        if (cell.column() == 0) return QString::fromStdString(listed.name);
        if (cell.column() == 1) return QString::fromStdString(fileSizeText(listed.size));
        return QString::fromStdString(dateText_(listed.writeSeconds));
    case Qt::DecorationRole: return cell.column() == 0 ? fileIcon_ : QVariant();
    case Qt::TextAlignmentRole: return QVariant::fromValue(kColumns[cell.column()].alignment);
    case Qt::BackgroundRole:
        return cell.column() == columnOf(sortKey_) ? sortedColumnBackground() : QColor(Qt::white);
    default: return {};
    }
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) return {};
    if (role == Qt::DisplayRole) return QString::fromLatin1(kColumns[section].heading);
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(kColumns[section].alignment);
    return {};
}

}  // namespace numora
