#pragma once

#include <array>

#include "app/ScreenShape.h"
#include "draws/DrawCheck.h"

class QAction;
class QDateEdit;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

class DrawListView;
class WindowBar;

// The Past Draws window's controls. Every layout holds the working ones; the
// label "Past draws for" is in the portrait layout only, "Enter oldest draws
// first.  " in the landscape layout only.
struct PastDrawsControls {
    QLabel* pastDrawsFor = nullptr;
    QLabel* lotteryName = nullptr;
    std::array<QLineEdit*, std::tuple_size_v<EnteredDraw>> numberBoxes{};
    QLabel* drawDateLabel = nullptr;
    QDateEdit* drawDate = nullptr;
    QPushButton* add = nullptr;
    QPushButton* insert = nullptr;
    QPushButton* close = nullptr;
    QLineEdit* info = nullptr;
    QLabel* oldestFirst = nullptr;
    DrawListView* list = nullptr;
    WindowBar* bar = nullptr;
    QAction* importDraws = nullptr;
    QAction* exportDraws = nullptr;
    QAction* exportDatedDraws = nullptr;  // in the Tools menu only
    QAction* help = nullptr;
};

// Makes the controls in the window and lays them out in the layout of the
// screen's shape. The window gets its fixed size.
PastDrawsControls buildPastDrawsWindow(QDialog& window, ScreenSize screen);

// Gives a number box the look of the second drum's boxes: the drum's colour.
void showAsSecondDrumBox(QLineEdit& box);

}  // namespace numora
