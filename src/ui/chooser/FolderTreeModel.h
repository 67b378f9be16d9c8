#pragma once

#include <QAbstractItemModel>
#include <QIcon>

#include <memory>
#include <string>
#include <vector>

namespace numora {

class DevicePaths;

// The file chooser's folder tree: one top item "\" for the device root, and
// below each folder its subfolders, looked for only when the folder is first
// expanded. Until then a folder shows an expand button; a folder found to have
// none loses it.
class FolderTreeModel : public QAbstractItemModel {
    Q_OBJECT

public:
    static constexpr char kRootText[] = "\\";

    FolderTreeModel(const DevicePaths& device, QIcon rootIcon, QIcon folderIcon, QObject* parent = nullptr);
    ~FolderTreeModel() override;

    QModelIndex rootItem() const;
    // "\" for the root, "\My Documents\Sub\" below it.
    std::string folderPath(const QModelIndex& item) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& item, int role = Qt::DisplayRole) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    // Whether a folder's subfolders have been looked for, and found.
    enum class Search { NotYet, NoneFound, Found };

    struct Folder {
        std::string name;
        Folder* parent = nullptr;
        int row = 0;
        Search search = Search::NotYet;
        std::vector<std::unique_ptr<Folder>> children;
    };

    Folder* folderOf(const QModelIndex& item) const;
    QModelIndex indexOf(Folder* folder) const;

    const DevicePaths& device_;
    QIcon rootIcon_;
    QIcon folderIcon_;
    std::unique_ptr<Folder> top_;  // holds the root item, and is not shown itself
};

}  // namespace numora
