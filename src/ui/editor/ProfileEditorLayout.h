#pragma once

#include "app/ScreenShape.h"

class QCheckBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QString;
class QWidget;

namespace numora {

class LotterySelector;

// The controls of the "Add / Edit" window. Every layout holds all of them;
// the landscape and square layouts give the first two check boxes short
// captions, and the square layout a short hint.
struct ProfileEditorControls {
    QLabel* hint = nullptr;
    LotterySelector* lottery = nullptr;
    QLineEdit* balls = nullptr;
    QLineEdit* lowestBall = nullptr;
    QLineEdit* highestBall = nullptr;
    QLineEdit* highestBonus = nullptr;
    QCheckBox* repeat = nullptr;
    QCheckBox* sort = nullptr;
    QCheckBox* powerBall = nullptr;
    QCheckBox* showBonus = nullptr;
    QPushButton* save = nullptr;
    QPushButton* remove = nullptr;
    QPushButton* exit = nullptr;
    QPushButton* help = nullptr;
    // Opens the "Second Drum" window; it sits in room each layout has spare.
    QPushButton* secondDrum = nullptr;
};

// Makes the controls in the window, lays them out for the screen's shape and
// gives the window its size.
ProfileEditorControls buildProfileEditor(QDialog& window, ScreenSize screen);

// A number box and a label as the editor's windows show them.
QLineEdit* profileNumberBox(QWidget& window, const char* objectName);
QLabel* profileLabel(QWidget& window, const QString& text);

}  // namespace numora
