// The main window's tickets: Play Picks keeps the pick list's lines as tickets
// for a draw, as the Wheel window's Play Wheel does its tickets, and the
// Tickets window lists them.
#include <QAction>

#include "app/AppState.h"
#include "picking/LineText.h"
#include "picking/PickListText.h"
#include "platform/Prompter.h"
#include "ui/controls/CommandBar.h"
#include "ui/controls/PickList.h"
#include "ui/main/MainWindow.h"
#include "ui/tickets/PlayLines.h"
#include "ui/tickets/TicketsTexts.h"
#include "ui/tickets/TicketsWindow.h"

namespace numora {

namespace {

TicketServices ticketServices(const MainWindowServices& services) {
    return {services.device, services.state.dataFolder, services.state.current, services.time, services.prompter,
            services.screen};
}

}  // namespace

void MainWindow::connectTicketCommands() {
    connect(controls_.commandBar->playPicks(), &QAction::triggered, this, &MainWindow::playPicks);
    connect(controls_.commandBar->tickets(), &QAction::triggered, this, &MainWindow::showTickets);
}

void MainWindow::playPicks() {
    const PickList& list = *controls_.pickList;
    std::vector<PickedLine> lines;
    if (!showsNoPicks(list.topLine())) {
        for (const std::string& text : list.lines()) {
            if (const auto line = readLineText(text, services_.state.current)) lines.push_back(*line);
        }
    }
    if (lines.empty()) {
        services_.prompter.report(tickets::kNoPicksToPlay);
        return;
    }
    playTickets(lines, TicketSource::Pick, this);
}

void MainWindow::playTickets(const std::vector<PickedLine>& lines, TicketSource source, QWidget* over) {
    playLines(ticketServices(services_), lines, source, draws_, over);
}

void MainWindow::showTickets() {
    TicketsWindow window(ticketServices(services_), this);
    window.exec();
}

}  // namespace numora
