#pragma once

#include <QSize>

#include "app/ScreenShape.h"

class QDialog;
class QLabel;
class QProgressBar;
class QPushButton;

namespace numora {

class BallDisplay;
class CommandBar;
class DevicePaths;
class IconButton;
class LotterySelector;
class PickList;
struct AppState;

// The main window's controls. Every layout holds the working ones; picture 172
// is in the portrait and landscape layouts only, the "PB" label in the square
// one only, and the landscape layout also has an OK and a Cancel button out of
// sight and out of reach.
struct MainWindowControls {
    LotterySelector* selector = nullptr;
    IconButton* pick = nullptr;
    IconButton* pastDraws = nullptr;
    IconButton* drawStats = nullptr;
    QLabel* status = nullptr;
    QProgressBar* progress = nullptr;
    PickList* pickList = nullptr;
    BallDisplay* balls = nullptr;
    CommandBar* commandBar = nullptr;
    QLabel* picture = nullptr;
    QLabel* pbLabel = nullptr;
    QPushButton* hiddenOk = nullptr;
    QPushButton* hiddenCancel = nullptr;
};

// The window's size on a device screen: the screen below the navigation bar,
// and never smaller than the layout needs.
QSize mainWindowClientSize(ScreenSize screen);

// Makes the controls in the window and lays them out in the layout of the
// screen's shape, with that layout's labels. The window gets its fixed size.
MainWindowControls buildMainWindow(QDialog& window, ScreenSize screen, const AppState& state,
                                   const DevicePaths& device);

}  // namespace numora
