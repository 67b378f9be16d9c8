#pragma once

#include <QDialog>

#include "app/ScreenShape.h"
#include "settings/Options.h"
#include "ui/advanced/AdvancedDialogLayout.h"
#include "ui/chooser/FileChoice.h"

class QLineEdit;

namespace numora {

class AppProfile;
class Prompter;
struct AppState;

// The "Advanced" window: the forecasting model, the two options of the
// prediction engine, whether sounds play, and the two sound files. It shows
// the stored values when it opens; however it closes, it stores all six and
// hands them to the running program, so the next Pick uses them. When the
// store refuses them, it says so once: the program uses them until it ends.
class AdvancedDialog : public QDialog {
    Q_OBJECT

public:
    AdvancedDialog(AppState& state, AppProfile& profile, Prompter& prompter, ChooseFile chooseFile,
                   ScreenSize screen, QWidget* parent = nullptr);
    ~AdvancedDialog() override;

    void done(int result) override;

private:
    void setUpBrowseButtons();
    void browse(QLineEdit& box);
    void showValues();
    void takeValues();
    void runClosing();

    AppState& state_;
    AppProfile& profile_;
    Prompter& prompter_;
    ChooseFile chooseFile_;
    AdvancedDialogControls controls_;
    Options values_;
    bool closed_ = false;
};

}  // namespace numora
