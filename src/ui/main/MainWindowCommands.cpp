// The main window's commands on the pick list and the windows it opens.
#include "app/AppState.h"
#include "platform/Prompter.h"
#include "picking/PickListText.h"
#include "picking/PicksFile.h"
#include "ui/advanced/AdvancedDialog.h"
#include "ui/chooser/FileChooser.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MainWindowTexts.h"
#include "ui/controls/PickList.h"
#include "ui/help/MainHelpScreen.h"

namespace numora {

void MainWindow::exportPicks() {
    const PicksExportResult saved =
        PicksFile::save(services_.device, services_.state.dataFolder, controls_.pickList->lines());
    services_.prompter.report(saved.message, saved.ok ? PromptIcon::Information : PromptIcon::None);
}

void MainWindow::erasePicks() {
    if (!services_.prompter.ask(mainwindow::kEraseQuestion)) return;
    services_.state.welcomeShown = true;
    controls_.pickList->setLines({kErasedLine});
}

void MainWindow::advanced() {
    AdvancedDialog dialog(services_.state, services_.profile, services_.prompter,
                          makeChooseFile(services_.device, services_.locale, services_.time, services_.screen, this),
                          services_.screen, this);
    dialog.exec();
}

void MainWindow::help() {
    MainHelpScreen screen(this);
    screen.exec();
}

}  // namespace numora
