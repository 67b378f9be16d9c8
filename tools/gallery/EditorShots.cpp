// The lottery profile editor, the file chooser and the Advanced dialog in
// each of their layouts.
#include <QAction>
#include <QTreeView>

#include <filesystem>
#include <fstream>
#include "Gallery.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"
#include "ui/FileChooser.h"

namespace numora::gallery {

namespace {

struct Screen {
    const char* name;
    ScreenSize size;
};

constexpr Screen kScreens[] = {{"portrait", {240, 320}}, {"landscape", {320, 240}}, {"square", {240, 240}}};

void writeFile(const DevicePaths& device, const char* devicePath, std::size_t size) {
    const auto file = device.toHost(devicePath).value();
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << std::string(size, 'x');
}

// A few files to choose from in My Documents.
void writeDocuments(const DevicePaths& device) {
    writeFile(device, "\\My Documents\\Lotto 649 Export.csv", 2300);
    writeFile(device, "\\My Documents\\draws 2024.csv", 88000);
    writeFile(device, "\\My Documents\\old draws.CSV", 640);
    writeFile(device, "\\My Documents\\notes.txt", 100);
    writeFile(device, "\\My Documents\\Sounds\\bell.wav", 30000);
}

void chooseFolder(FileChooser& chooser, const QString& name) {
    auto* tree = chooser.findChild<QTreeView*>(QStringLiteral("folderTree"));
    const QModelIndex root = tree->model()->index(0, 0);
    const QModelIndexList found = tree->model()->match(tree->model()->index(0, 0, root), Qt::DisplayRole, name);
    if (!found.isEmpty()) tree->setCurrentIndex(found.front());
}

void shootChooser(Gallery& gallery, const Screen& screen, ChooserView view, const QString& name) {
    const FixedLocaleInfo locale;
    const SystemLocalTime time;
    FileChooser chooser(gallery.device(), locale, time, screen.size);
    chooser.setFilter("*.csv");
    chooser.show();
    chooseFolder(chooser, QStringLiteral("My Documents"));
    auto* list = chooser.findChild<QTreeView*>(QStringLiteral("fileList"));
    list->setCurrentIndex(list->model()->index(1, 0));
    if (view == ChooserView::TreeOnly) chooser.findChild<QAction*>(QStringLiteral("treeOnlyAction"))->trigger();
    gallery.saveWidget(name, chooser);
}

}  // namespace

void shootEditorWindows(Gallery& gallery) {
    writeDocuments(gallery.device());
    for (const Screen& screen : kScreens) {
        shootChooser(gallery, screen, ChooserView::TreeAndList,
                     QStringLiteral("file-chooser-%1").arg(QString::fromLatin1(screen.name)));
    }
    shootChooser(gallery, kScreens[0], ChooserView::TreeOnly, QStringLiteral("file-chooser-tree-only"));
}

}  // namespace numora::gallery
