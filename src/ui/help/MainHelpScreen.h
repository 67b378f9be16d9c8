#pragma once

#include "ui/help/HelpScreen.h"

namespace numora {

// "Help": what the main window's buttons and toolbar do.
class MainHelpScreen : public HelpScreen {
    Q_OBJECT

public:
    explicit MainHelpScreen(QWidget* parent = nullptr);
};

}  // namespace numora
