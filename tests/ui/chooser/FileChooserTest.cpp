#include "ui/chooser/FileChooser.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"
#include "ui/chooser/FolderTreeModel.h"
#include "ui/support/DeviceRoot.h"

namespace numora {
namespace {

namespace fs = std::filesystem;

// A chooser for "*.wav" over a small device: a.wav in the root and in
// My Documents beside b.WAV, c.txt and hidden entries, and an empty Windows.
class FileChooserTest : public ::testing::Test, protected DeviceRoot {
protected:
    FileChooserTest() {
        testing::writeBytes(host("\\a.wav"), "12345");
        testing::writeBytes(host("\\My Documents\\a.wav"), std::string(1025, 'a'));
        testing::writeBytes(host("\\My Documents\\b.WAV"), std::string(1024, 'b'));
        testing::writeBytes(host("\\My Documents\\c.txt"), "");
        testing::writeBytes(host("\\My Documents\\.h.wav"), "");
        testing::writeBytes(host("\\My Documents\\.Hidden\\x.wav"), "");
        fs::create_directories(host("\\My Documents\\Sub"));
        fs::create_directories(host("\\Windows"));
        fs::create_directories(host("\\.Secret"));
        fs::last_write_time(host("\\My Documents\\b.WAV"), fs::file_time_type::clock::now() - std::chrono::hours(48));
    }

    FileChooser& open(ScreenSize screen = {240, 320}) {
        chooser = std::make_unique<FileChooser>(paths, locale, time, screen);
        chooser->setFilter("*.wav");
        chooser->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(chooser.get()));
        return *chooser;
    }

    QTreeView& tree() const { return *chooser->findChild<QTreeView*>(QStringLiteral("folderTree")); }
    QTreeView& list() const { return *chooser->findChild<QTreeView*>(QStringLiteral("fileList")); }
    QAction& action(const char* name) const { return *chooser->findChild<QAction*>(QString::fromLatin1(name)); }

    // The rows of the list, each as its three cells.
    std::vector<std::string> rows() const {
        std::vector<std::string> shown;
        const QAbstractItemModel& model = *list().model();
        for (int row = 0; row < model.rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < 2; ++column) cells << model.index(row, column).data().toString();
            shown.push_back(cells.join(QLatin1Char(' ')).toStdString());
        }
        return shown;
    }
    void tapRow(int row) const {
        const QRect cell = list().visualRect(list().model()->index(row, 0));
        QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, cell.center());
    }
    void tapHeader(int column) const {
        QHeaderView& header = *list().header();
        const QPoint at(header.sectionViewportPosition(column) + header.sectionSize(column) / 2, header.height() / 2);
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, at);
    }
    // Chooses a folder under the root in the tree, as a tap does.
    void tapFolder(const QString& name) const {
        const QAbstractItemModel& model = *tree().model();
        const QModelIndex root = model.index(0, 0);
        const QModelIndexList found = model.match(model.index(0, 0, root), Qt::DisplayRole, name, 1, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QTest::mouseClick(tree().viewport(), Qt::LeftButton, {}, tree().visualRect(found.front()).center());
    }

    FixedLocaleInfo locale;
    FixedOffsetLocalTime time;
    std::unique_ptr<FileChooser> chooser;
};

TEST_F(FileChooserTest, startsAtTheRootAndGivesTheFolderPathAndFileNameOfATappedFile) {
    open();
    EXPECT_EQ(chooser->folderPath(), "\\");
    EXPECT_EQ(rows(), std::vector<std::string>{"a.wav 5"});
    EXPECT_FALSE(action("okAction").isEnabled());
    tapRow(0);
    EXPECT_TRUE(action("okAction").isEnabled());
    EXPECT_EQ(chooser->chosenFile(), "\\a.wav");

    // Another folder forgets the file tapped before; its hidden entries and
    // the files the filter leaves out are not listed, whatever their capitals.
    tapFolder(QStringLiteral("My Documents"));
    EXPECT_EQ(chooser->folderPath(), "\\My Documents\\");
    EXPECT_EQ(rows(), (std::vector<std::string>{"a.wav 1K", "b.WAV 1024"}));
    EXPECT_FALSE(action("okAction").isEnabled());
    EXPECT_EQ(chooser->chosenFile(), std::nullopt);
    tapRow(0);
    action("okAction").trigger();
    EXPECT_EQ(chooser->result(), FileChooser::kOk);
    EXPECT_EQ(chooser->folderPath() + "|" + chooser->fileName(), "\\My Documents\\|a.wav");

    open();
    EXPECT_EQ(chooser->folderPath(), "\\");
    action("cancelAction").trigger();
    EXPECT_EQ(chooser->result(), FileChooser::kCancel);
}

TEST_F(FileChooserTest, theTreeShowsNoHiddenFolderAndLooksForSubfoldersOnlyWhenAFolderIsExpanded) {
    open();
    auto& folders = *static_cast<FolderTreeModel*>(tree().model());
    const QModelIndex root = folders.rootItem();
    EXPECT_EQ(root.data().toString(), QStringLiteral("\\"));
    EXPECT_EQ(folders.rowCount(root), 2);  // My Documents and Windows
    const QModelIndex documents = folders.match(folders.index(0, 0, root), Qt::DisplayRole, "My Documents").front();
    EXPECT_EQ(folders.rowCount(documents), 0);
    tree().expand(documents);
    ASSERT_EQ(folders.rowCount(documents), 1);
    EXPECT_EQ(folders.folderPath(folders.index(0, 0, documents)), "\\My Documents\\Sub\\");
}

TEST_F(FileChooserTest, headerTapsSortAscendingThenDescendingShowTheArrowAndTintTheSortedColumn) {
    open();
    tapFolder(QStringLiteral("My Documents"));
    tapRow(1);
    const QHeaderView& header = *list().header();
    const auto tint = [&](int column) { return list().model()->index(0, column).data(Qt::BackgroundRole).value<QColor>(); };
    EXPECT_EQ(header.sortIndicatorSection(), 0);

    tapHeader(1);
    EXPECT_EQ(rows(), (std::vector<std::string>{"b.WAV 1024", "a.wav 1K"}));
    EXPECT_EQ(header.sortIndicatorOrder(), Qt::AscendingOrder);
    EXPECT_EQ(tint(1), QColor(224, 224, 255));
    EXPECT_EQ(tint(0), QColor(Qt::white));
    tapHeader(1);
    EXPECT_EQ(rows(), (std::vector<std::string>{"a.wav 1K", "b.WAV 1024"}));
    EXPECT_EQ(header.sortIndicatorOrder(), Qt::DescendingOrder);
    tapHeader(2);  // b.WAV was written two days earlier
    EXPECT_EQ(rows(), (std::vector<std::string>{"b.WAV 1024", "a.wav 1K"}));
    EXPECT_EQ(header.sortIndicatorSection(), 2);
    EXPECT_EQ(header.sortIndicatorOrder(), Qt::AscendingOrder);
    // The row tapped before stays selected wherever the sort put it.
    EXPECT_EQ(chooser->fileName(), "b.WAV");
    EXPECT_EQ(list().selectionModel()->selectedRows().front().row(), 0);
}

TEST_F(FileChooserTest, viewsShowTreeListOrBothAndTheListCatchesUpWithAFolderChosenWhileHidden) {
    open();
    const ChooserSurface& surface = *chooser->findChild<ChooserSurface*>();
    EXPECT_TRUE(action("treeAndListAction").isChecked());

    action("treeOnlyAction").trigger();
    EXPECT_TRUE(action("treeOnlyAction").isChecked());
    EXPECT_FALSE(list().isVisible());
    EXPECT_EQ(tree().geometry(), QRect(surface.treeArea().topLeft(), surface.listArea().bottomRight()));
    tapFolder(QStringLiteral("My Documents"));
    EXPECT_EQ(rows(), std::vector<std::string>{"a.wav 5"});
    action("treeAndListAction").trigger();
    EXPECT_EQ(rows(), (std::vector<std::string>{"a.wav 1K", "b.WAV 1024"}));

    action("listOnlyAction").trigger();
    EXPECT_FALSE(tree().isVisible());
    EXPECT_EQ(list().geometry(), QRect(surface.treeArea().topLeft(), surface.listArea().bottomRight()));
    action("treeAndListAction").trigger();

    // Dragging between the two lines moves the split; tree and list follow.
    QWidget& grip = const_cast<ChooserSurface&>(surface);
    QTest::mousePress(&grip, Qt::LeftButton, {}, QPoint(50, 103));
    QTest::mouseMove(&grip, QPoint(50, 153));
    QTest::mouseRelease(&grip, Qt::LeftButton, {}, QPoint(50, 153));
    EXPECT_EQ(surface.splitPosition(), 150);
    EXPECT_EQ(tree().geometry().bottom(), 149);
    EXPECT_EQ(list().geometry().top(), 157);
}

TEST_F(FileChooserTest, aFileChosenInTheDesktopsOwnDialogIsAnsweredAsAHostPath) {
    const fs::path elsewhere = folder / "elsewhere.wav";
    testing::writeBytes(elsewhere, "sound");
    open();
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(QString::fromStdString(elsewhere.string()));
        static_cast<QDialog*>(dialog)->accept();
    });
    action("desktopFileAction").trigger();
    EXPECT_EQ(chooser->result(), FileChooser::kOk);
    EXPECT_EQ(chooser->chosenFile(), elsewhere.string());
}

}  // namespace
}  // namespace numora
