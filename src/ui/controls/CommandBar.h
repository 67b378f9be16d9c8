#pragma once

#include "ui/controls/WindowBar.h"

namespace numora {

// The bar along the bottom of the main window: the menu "Lottery" (Erase
// Picks, Add Lottery Type, Past Draws, Export Picks, and apart from them Check
// Picks, Wheel, Pick Rules, Play Picks and Tickets) and a toolbar of 16 by 15
// pixel buttons (Export Picks, Add Lottery Type, Advanced, Erase Picks, Help).
class CommandBar : public WindowBar {
    Q_OBJECT

public:
    explicit CommandBar(QWidget* parent = nullptr);

    QAction* erasePicks() const { return erasePicks_; }
    QAction* addLotteryType() const { return addLotteryType_; }
    QAction* pastDraws() const { return pastDraws_; }
    QAction* exportPicks() const { return exportPicks_; }
    QAction* checkPicks() const { return checkPicks_; }
    QAction* wheel() const { return wheel_; }
    QAction* pickRules() const { return pickRules_; }
    QAction* playPicks() const { return playPicks_; }
    QAction* tickets() const { return tickets_; }
    QAction* advanced() const { return advanced_; }
    QAction* help() const { return help_; }

private:
    QAction* erasePicks_;
    QAction* addLotteryType_;
    QAction* pastDraws_;
    QAction* exportPicks_;
    QAction* checkPicks_;
    QAction* wheel_;
    QAction* pickRules_;
    QAction* playPicks_;
    QAction* tickets_;
    QAction* advanced_;
    QAction* help_;
};

}  // namespace numora
