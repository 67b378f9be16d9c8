#pragma once

#include <QAbstractTableModel>
#include <QIcon>

#include <vector>

#include "app/FileChooserRules.h"

namespace numora {

// The file chooser's list: one row per file of the chosen folder, with the
// columns "Name", "Size" and "Date", kept in the order of the sort key. The
// cells of the sorted column have a light-blue background.
class FileListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kColumnCount = 3;

    FileListModel(FileDateText dateText, QIcon fileIcon, QObject* parent = nullptr);

    // Replaces the rows with these files, in the order of the sort key.
    void setFiles(std::vector<ListedFile> files);
    // Sorts the rows by the key (see sortListedFiles); selected rows stay selected.
    void sortBy(int sortKey);
    int sortKey() const { return sortKey_; }
    const ListedFile& file(int row) const { return files_[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& cell, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    FileDateText dateText_;
    QIcon fileIcon_;
    std::vector<ListedFile> files_;
    int sortKey_ = kFirstSortKey;
};

}  // namespace numora
