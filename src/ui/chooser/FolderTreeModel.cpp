#include "ui/chooser/FolderTreeModel.h"

#include <algorithm>

#include "app/DeviceFolder.h"
#include "app/FileChooserRules.h"

namespace numora {

FolderTreeModel::FolderTreeModel(const DevicePaths& device, QIcon rootIcon, QIcon folderIcon, QObject* parent)
    : QAbstractItemModel(parent),
      device_(device),
      rootIcon_(std::move(rootIcon)),
      folderIcon_(std::move(folderIcon)),
      top_(std::make_unique<Folder>()) {
    top_->search = Search::Found;
    auto root = std::make_unique<Folder>();
    root->name = std::string(kRootText);
    root->parent = top_.get();
    top_->children.push_back(std::move(root));
}

FolderTreeModel::~FolderTreeModel() = default;

QModelIndex FolderTreeModel::rootItem() const { return index(0, 0); }

std::string FolderTreeModel::folderPath(const QModelIndex& item) const {
    std::vector<std::string> names;
    for (const Folder* folder = folderOf(item); folder->parent && folder->parent != top_.get(); folder = folder->parent) {
        names.push_back(folder->name);
    }
    std::ranges::reverse(names);
    return folderPathOf(names);
}

FolderTreeModel::Folder* FolderTreeModel::folderOf(const QModelIndex& item) const {
    if (!item.isValid()) return top_.get();
    return static_cast<Folder*>(item.internalPointer());
}

QModelIndex FolderTreeModel::indexOf(Folder* folder) const {
    if (folder == top_.get()) return {};
    return createIndex(folder->row, 0, folder);
}

QModelIndex FolderTreeModel::index(int row, int column, const QModelIndex& parent) const {
    const Folder* folder = folderOf(parent);
    if (column != 0 || row < 0 || static_cast<std::size_t>(row) >= folder->children.size()) return {};
    return createIndex(row, 0, folder->children[static_cast<std::size_t>(row)].get());
}

QModelIndex FolderTreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid()) return {};
    return indexOf(folderOf(child)->parent);
}

int FolderTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) return 0;
    return static_cast<int>(folderOf(parent)->children.size());
}

int FolderTreeModel::columnCount(const QModelIndex&) const { return 1; }

QVariant FolderTreeModel::data(const QModelIndex& item, int role) const {
    if (!item.isValid()) return {};
    const Folder* folder = folderOf(item);
    if (role == Qt::DisplayRole) return QString::fromStdString(folder->name);
    if (role == Qt::DecorationRole) return folder->parent == top_.get() ? rootIcon_ : folderIcon_;
    return {};
}

bool FolderTreeModel::hasChildren(const QModelIndex& parent) const {
    return folderOf(parent)->search != Search::NoneFound;
}

bool FolderTreeModel::canFetchMore(const QModelIndex& parent) const {
    return folderOf(parent)->search == Search::NotYet;
}

void FolderTreeModel::fetchMore(const QModelIndex& parent) {
    Folder* folder = folderOf(parent);
    if (folder->search != Search::NotYet) return;
    const std::vector<std::string> names = listSubfolders(device_, folderPath(parent));
    if (!names.empty()) {
        beginInsertRows(parent, 0, static_cast<int>(names.size()) - 1);
        for (const std::string& name : names) {
            auto child = std::make_unique<Folder>();
            child->name = name;
            child->parent = folder;
            child->row = static_cast<int>(folder->children.size());
            folder->children.push_back(std::move(child));
        }
        endInsertRows();
    }
    folder->search = names.empty() ? Search::NoneFound : Search::Found;
    // The view asks again whether the folder has children, and drops its
    // expand button when it has none.
    Q_EMIT dataChanged(parent, parent);
}

}  // namespace numora
