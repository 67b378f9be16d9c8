// The main window's Wheel: the tickets of a wheel join the pick list as picks
// do, so that Export Picks, Erase Picks and Check Picks work on them, or are
// played as tickets for a draw.
#include <QAction>

#include "app/AppState.h"
#include "picking/LineText.h"
#include "ui/controls/CommandBar.h"
#include "ui/controls/PickList.h"
#include "ui/main/MainWindow.h"
#include "ui/wheel/WheelWindow.h"

namespace numora {

void MainWindow::connectWheelCommand() {
    connect(controls_.commandBar->wheel(), &QAction::triggered, this, &MainWindow::openWheel);
}

void MainWindow::openWheel() {
    WheelWindow window(services_.state.current, services_.screen, services_.prompter, services_.clock, {}, this);
    connect(&window, &WheelWindow::playRequested, this, [this, &window](const std::vector<PickedLine>& lines) {
        playTickets(lines, TicketSource::Wheel, &window);
    });
    if (window.exec() == QDialog::Accepted) addPicks(window.picksToAdd());
}

void MainWindow::addPicks(const std::vector<PickedLine>& picks) {
    if (picks.empty()) return;
    AppState& state = services_.state;
    if (state.welcomeShown) {
        controls_.pickList->clear();
        state.welcomeShown = false;
    }
    // The first ticket ends on top, selected, as the newest pick would be.
    for (auto pick = picks.rbegin(); pick != picks.rend(); ++pick)
        controls_.pickList->insertAtTop(makeLineText(*pick, state.current), pick + 1 == picks.rend());
    showLine(picks.front());
}

}  // namespace numora
