#include "ui/chooser/FileChooser.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QPointer>
#include <QStyle>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

#include <cstdlib>

#include "app/DeviceFolder.h"
#include "ui/services/DeviceWindow.h"
#include "ui/art/ChooserIcons.h"
#include "ui/chooser/BusyCursor.h"
#include "ui/chooser/FileListModel.h"
#include "ui/chooser/FolderTreeModel.h"

namespace numora {

namespace {

// "Date" takes the rest of the list's width, at least 60 pixels, so that a
// whole date shows in the device's font.
constexpr int kColumnWidths[FileListModel::kColumnCount] = {80, 60, 60};
constexpr int kToolBarHeight = 26;

constexpr char kOkText[] = "OK";
constexpr char kCancelText[] = "Cancel";
constexpr char kTreeAndListText[] = "Folders and Files";
constexpr char kTreeOnlyText[] = "Folders Only";
constexpr char kListOnlyText[] = "Files Only";
constexpr char kDesktopFileText[] = "A File on This Computer";
constexpr char kDesktopFilterFormat[] = "Files (%1)";

struct ViewTool {
    ChooserView view;
    const char* objectName;
    const char* text;
    art::ChooserTool icon;
};

constexpr ViewTool kViewTools[] = {
    {ChooserView::TreeAndList, "treeAndListAction", kTreeAndListText, art::ChooserTool::TreeAndList},
    {ChooserView::TreeOnly, "treeOnlyAction", kTreeOnlyText, art::ChooserTool::TreeOnly},
    {ChooserView::ListOnly, "listOnlyAction", kListOnlyText, art::ChooserTool::ListOnly},
};

QAction* toolAction(QToolBar& bar, const char* objectName, const char* text, art::ChooserTool icon) {
    QAction* action = bar.addAction(art::chooserToolIcon(icon), QString::fromLatin1(text));
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

}  // namespace

FileChooser::FileChooser(const DevicePaths& device, const LocaleInfo& locale, const LocalTime& time,
                         ScreenSize screen, QWidget* parent)
    : QDialog(parent),
      device_(device),
      folders_(new FolderTreeModel(device, style()->standardIcon(QStyle::SP_DriveHDIcon),
                                   style()->standardIcon(QStyle::SP_DirIcon), this)),
      files_(new FileListModel(FileDateText(locale, time), style()->standardIcon(QStyle::SP_FileIcon), this)),
      tree_(makeTree()),
      list_(makeList()),
      surface_(new ChooserSurface(QString::fromLatin1(kTitle), *tree_, *list_, this)) {
    setObjectName(QStringLiteral("fileChooser"));
    setWindowTitle(QString::fromLatin1(kTitle));
    applyDeviceLook(*this);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(surface_, 1);
    makeToolBar();
    setFixedSize(deviceWindowSize(screen));
}

FileChooser::~FileChooser() = default;

QTreeView* FileChooser::makeTree() {
    auto* tree = new QTreeView(this);
    tree->setObjectName(QStringLiteral("folderTree"));
    tree->setHeaderHidden(true);
    tree->setModel(folders_);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(tree->selectionModel(), &QItemSelectionModel::currentChanged, this, &FileChooser::folderChosen);
    return tree;
}

QTreeView* FileChooser::makeList() {
    auto* list = new QTreeView(this);
    list->setObjectName(QStringLiteral("fileList"));
    list->setModel(files_);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    QHeaderView* header = list->header();
    header->setStretchLastSection(true);
    header->setMinimumSectionSize(kColumnWidths[FileListModel::kColumnCount - 1]);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    for (int column = 0; column < FileListModel::kColumnCount; ++column) header->resizeSection(column, kColumnWidths[column]);
    connect(header, &QHeaderView::sectionClicked, this, &FileChooser::headerTapped);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &FileChooser::fileSelectionChanged);
    return list;
}

void FileChooser::makeToolBar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("chooserToolBar"));
    bar->setIconSize(QSize(16, 16));
    bar->setFixedHeight(kToolBarHeight);
    bar->setAutoFillBackground(true);
    QPalette colours = bar->palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    bar->setPalette(colours);

    ok_ = toolAction(*bar, "okAction", kOkText, art::ChooserTool::Ok);
    connect(ok_, &QAction::triggered, this, [this] { done(kOk); });
    connect(toolAction(*bar, "cancelAction", kCancelText, art::ChooserTool::Cancel), &QAction::triggered, this,
            &FileChooser::reject);
    bar->addSeparator();
    auto* group = new QActionGroup(this);
    for (const ViewTool& tool : kViewTools) {
        QAction* action = toolAction(*bar, tool.objectName, tool.text, tool.icon);
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, view = tool.view] { setView(view); });
        views_[static_cast<int>(tool.view)] = action;
    }
    bar->addSeparator();
    connect(toolAction(*bar, "desktopFileAction", kDesktopFileText, art::ChooserTool::DesktopFile),
            &QAction::triggered, this, &FileChooser::chooseOnDesktop);
    layout()->addWidget(bar);
    updateToolBar();
}

std::optional<std::string> FileChooser::chosenFile() const {
    if (desktopChoice_) return desktopChoice_;
    if (fileName_.empty()) return std::nullopt;
    return folderPath_ + fileName_;
}

void FileChooser::reject() { done(kCancel); }

void FileChooser::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (opened_) return;
    opened_ = true;
    const BusyCursor busy;
    const QModelIndex root = folders_->rootItem();
    tree_->expand(root);
    tree_->setCurrentIndex(root);
    tree_->setFocus();
    showSortArrow();
}

// A newly chosen folder has other files: the file tapped before is forgotten
// and OK waits for a new tap, so OK never answers a file of another folder.
void FileChooser::folderChosen(const QModelIndex& item) {
    if (!item.isValid()) return;
    folderPath_ = folders_->folderPath(item);
    list_->selectionModel()->clearSelection();
    fileName_.clear();
    if (view() != ChooserView::TreeOnly) listFolder();
    updateToolBar();
}

void FileChooser::listFolder() {
    const BusyCursor busy;
    list_->setUpdatesEnabled(false);
    files_->setFiles(listFiles(device_, folderPath_, filter_));
    fileName_.clear();
    list_->setUpdatesEnabled(true);
    updateToolBar();
}

void FileChooser::headerTapped(int section) {
    files_->sortBy(nextSortKey(files_->sortKey(), section + kNameColumn));
    showSortArrow();
}

void FileChooser::showSortArrow() {
    const int key = files_->sortKey();
    list_->header()->setSortIndicator(std::abs(key) - kNameColumn, key > 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void FileChooser::fileSelectionChanged() {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    if (!rows.isEmpty()) fileName_ = files_->file(rows.front().row()).name;
    updateToolBar();
}

void FileChooser::setView(ChooserView view) {
    const ChooserView previous = this->view();
    surface_->setView(view);
    // The list was not kept up to date while it was hidden.
    if (previous == ChooserView::TreeOnly && view != ChooserView::TreeOnly) listFolder();
    updateToolBar();
}

void FileChooser::updateToolBar() {
    for (const ViewTool& tool : kViewTools) views_[static_cast<int>(tool.view)]->setChecked(tool.view == view());
    ok_->setEnabled(list_->selectionModel()->hasSelection());
}

void FileChooser::chooseOnDesktop() {
    const QString filter = QString::fromStdString(filter_);
    QFileDialog dialog(this, QString::fromLatin1(kTitle), QDir::homePath(),
                       QString::fromLatin1(kDesktopFilterFormat).arg(filter));
    dialog.setObjectName(QStringLiteral("desktopFileDialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    desktopChoice_ = dialog.selectedFiles().front().toStdString();
    done(kOk);
}

ChooseFile makeChooseFile(const DevicePaths& device, const LocaleInfo& locale, const LocalTime& time,
                          ScreenSize screen, QWidget* window) {
    return [&device, &locale, &time, screen, parent = QPointer<QWidget>(window)](std::string_view filter) {
        FileChooser chooser(device, locale, time, screen, parent);
        chooser.setFilter(std::string(filter));
        if (chooser.exec() != FileChooser::kOk) return std::optional<std::string>();
        return chooser.chosenFile();
    };
}

}  // namespace numora
