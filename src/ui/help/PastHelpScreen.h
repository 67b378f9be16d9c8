#pragma once

#include "ui/help/HelpScreen.h"

namespace numora {

// "Past Help": how to enter, import and export past draws.
class PastHelpScreen : public HelpScreen {
    Q_OBJECT

public:
    explicit PastHelpScreen(QWidget* parent = nullptr);
};

}  // namespace numora
