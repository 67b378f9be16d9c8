#pragma once

#include "app/ScreenShape.h"

class QButtonGroup;
class QCheckBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

class RoundIconButton;

// The controls of the "Advanced" window. Every layout holds all of them but
// the "Select sound files" label, which the square layout leaves out; only
// the landscape layout shows OK and Cancel, the others keep them out of sight.
struct AdvancedDialogControls {
    QButtonGroup* model = nullptr;  // button ids are the model indexes 0, 1, 2
    QCheckBox* pattern = nullptr;
    QCheckBox* weight = nullptr;
    QCheckBox* sound = nullptr;
    QLineEdit* pickSound = nullptr;
    QLineEdit* startSound = nullptr;
    RoundIconButton* browsePick = nullptr;
    RoundIconButton* browseStart = nullptr;
    QLabel* soundIcon = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

// Makes the controls in the window, lays them out for the screen's shape and
// gives the window its size.
AdvancedDialogControls buildAdvancedDialog(QDialog& window, ScreenSize screen);

}  // namespace numora
