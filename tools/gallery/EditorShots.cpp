// The lottery profile editor, the file chooser and the Advanced dialog in
// each of their layouts.
#include <QAction>
#include <QPushButton>
#include <QTreeView>

#include <filesystem>
#include <fstream>
#include "Gallery.h"
#include "app/AppState.h"
#include "platform/AppProfile.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"
#include "platform/Prompter.h"
#include "ui/advanced/AdvancedDialog.h"
#include "ui/chooser/FileChooser.h"
#include "ui/editor/ProfileEditor.h"
#include "ui/editor/SecondDrumDialog.h"

namespace numora::gallery {

namespace {

struct Screen {
    const char* name;
    ScreenSize size;
};

// One of the lotteries the main window's pictures list.
const LotteryProfile kEditedLottery{"Lotto 649", 6, 1, 49, 49, false, true, false, true};

constexpr Screen kScreens[] = {{"portrait", {240, 320}}, {"landscape", {320, 240}}, {"square", {240, 240}}};

QString shotName(const char* window, const Screen& screen) {
    return QStringLiteral("%1-%2").arg(QString::fromLatin1(window), QString::fromLatin1(screen.name));
}

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

class NoPrompts final : public Prompter {
public:
    void report(const std::string&, PromptIcon) override {}
    bool ask(const std::string&) override { return false; }
};

void shootProfileEditor(Gallery& gallery, const Screen& screen, const LotteryProfile& lottery, const char* name) {
    NoPrompts prompter;
    AppState state = gallery.state();
    state.current = lottery;
    InMemoryAppProfile options;
    ProfileEditor editor(state, gallery.device(), options, prompter, screen.size);
    gallery.saveWidget(shotName(name, screen), editor);
}

// The editor with its "Second Drum" window open over it.
void shootSecondDrum(Gallery& gallery, const Screen& screen) {
    NoPrompts prompter;
    AppState state = gallery.state();
    state.current = kEuroMillions;
    InMemoryAppProfile options;
    ProfileEditor editor(state, gallery.device(), options, prompter, screen.size);
    editor.show();
    auto* button = editor.findChild<QPushButton*>(QStringLiteral("secondDrumButton"));
    gallery.saveModal(shotName("profile-editor-second-drum-window", screen), [&] { button->click(); }, &editor);
}

void shootAdvancedDialog(Gallery& gallery, const Screen& screen) {
    InMemoryAppProfile profile;
    profile.writeText("Advanced", "Wav1", "\\My Documents\\Sounds\\bell.wav");
    NoPrompts prompter;
    AdvancedDialog dialog(gallery.state(), profile, prompter, [](std::string_view) { return std::nullopt; },
                          screen.size);
    gallery.saveWidget(shotName("advanced", screen), dialog);
}

}  // namespace

// The editor shows the lotteries that writeLotteries listed.
void shootEditorWindows(Gallery& gallery) {
    writeDocuments(gallery.device());
    for (const Screen& screen : kScreens) {
        shootProfileEditor(gallery, screen, kEditedLottery, "profile-editor");
        shootProfileEditor(gallery, screen, kEuroMillions, "profile-editor-second-drum");
        shootSecondDrum(gallery, screen);
        shootChooser(gallery, screen, ChooserView::TreeAndList, shotName("file-chooser", screen));
        shootAdvancedDialog(gallery, screen);
    }
    shootChooser(gallery, kScreens[0], ChooserView::TreeOnly, QStringLiteral("file-chooser-tree-only"));
}

}  // namespace numora::gallery
