#pragma once

#include <QDialog>

#include <optional>
#include <string>

#include "app/ScreenShape.h"
#include "ui/chooser/FileChoice.h"
#include "ui/chooser/ChooserSurface.h"

class QAction;
class QItemSelection;
class QTreeView;

namespace numora {

class DevicePaths;
class FileListModel;
class FolderTreeModel;
class LocaleInfo;
class LocalTime;

// The "File Open" window: a tree of the device's folders above a list of the
// chosen folder's files that match the filter, and a toolbar with OK, Cancel,
// the three views and a button for a file elsewhere on the computer. Every run
// starts at the device root "\", and nothing outside the root is shown.
class FileChooser : public QDialog {
    Q_OBJECT

public:
    static constexpr char kTitle[] = "File Open";
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;

    FileChooser(const DevicePaths& device, const LocaleInfo& locale, const LocalTime& time, ScreenSize screen,
                QWidget* parent = nullptr);
    ~FileChooser() override;

    // The file-name pattern the list shows, such as "*.wav"; "*" until set.
    void setFilter(std::string filter) { filter_ = std::move(filter); }

    // The chosen folder ("\" or "\My Documents\") and the file tapped in it.
    const std::string& folderPath() const { return folderPath_; }
    const std::string& fileName() const { return fileName_; }
    // After OK: the folder path followed by the file name, or the absolute
    // host path of a file picked in the desktop's own file dialog.
    std::optional<std::string> chosenFile() const;

    ChooserView view() const { return surface_->view(); }

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTreeView* makeTree();
    QTreeView* makeList();
    void makeToolBar();
    void folderChosen(const QModelIndex& item);
    void listFolder();
    void headerTapped(int section);
    void showSortArrow();
    void fileSelectionChanged();
    void setView(ChooserView view);
    void updateToolBar();
    void chooseOnDesktop();

    const DevicePaths& device_;
    FolderTreeModel* folders_;
    FileListModel* files_;
    QTreeView* tree_;
    QTreeView* list_;
    ChooserSurface* surface_;
    QAction* ok_ = nullptr;
    QAction* views_[3] = {};
    std::string filter_ = "*";
    std::string folderPath_;
    std::string fileName_;
    std::optional<std::string> desktopChoice_;
    bool opened_ = false;
};

// The program's ChooseFile: runs a FileChooser with the filter over the
// window and answers its chosen file.
ChooseFile makeChooseFile(const DevicePaths& device, const LocaleInfo& locale, const LocalTime& time,
                          ScreenSize screen, QWidget* window);

}  // namespace numora
