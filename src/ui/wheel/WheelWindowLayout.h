#pragma once

#include "app/ScreenShape.h"
#include "settings/LotteryProfile.h"

class QComboBox;
class QDialog;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace numora {

class NumberGrid;

// The Wheel window's controls; every layout holds them all.
struct WheelWindowControls {
    NumberGrid* grid = nullptr;
    QComboBox* match = nullptr;
    QComboBox* ifDrawn = nullptr;
    // "Tickets at most": 0 (shown as "any") for no limit.
    QSpinBox* ticketLimit = nullptr;
    QPushButton* generate = nullptr;
    QProgressBar* progress = nullptr;
    QPushButton* cancel = nullptr;
    // The tickets, one a line, then the lines of their check; before a
    // search, what the pool holds.
    QListWidget* tickets = nullptr;
    QPushButton* addToPickList = nullptr;
    QPushButton* playWheel = nullptr;
    QPushButton* close = nullptr;
};

// Makes the controls for the lottery and lays them out in the layout of the
// screen's shape: the grid above the rest (portrait and square), or beside
// the search (landscape). The window gets its fixed size.
WheelWindowControls buildWheelWindow(QDialog& window, ScreenSize screen, const LotteryProfile& lottery);

}  // namespace numora
