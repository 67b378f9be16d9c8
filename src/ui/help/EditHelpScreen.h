#pragma once

#include "ui/help/HelpScreen.h"

namespace numora {

// "Edit Help": what each field of the lottery profile editor means.
class EditHelpScreen : public HelpScreen {
    Q_OBJECT

public:
    explicit EditHelpScreen(QWidget* parent = nullptr);
};

}  // namespace numora
