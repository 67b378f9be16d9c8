#pragma once

#include "app/ScreenShape.h"
#include "settings/LotteryProfile.h"

class QCheckBox;
class QDialog;
class QLabel;
class QPushButton;

namespace numora {

class RulesGrid;

// The Pick Rules window's controls; every layout holds all of them.
struct PickRulesControls {
    QLabel* heading = nullptr;
    RulesGrid* grid = nullptr;
    QCheckBox* newLine = nullptr;
    QPushButton* clear = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

// Makes the controls in the window for the lottery's numbers and lays them
// out in the layout of the screen's shape: portrait and square, the grid
// across the window over the legend, the check box and the buttons;
// landscape, the legend and the buttons beside the grid. The window gets its
// fixed size.
PickRulesControls buildPickRulesWindow(QDialog& window, ScreenSize screen, const LotteryProfile& lottery);

}  // namespace numora
