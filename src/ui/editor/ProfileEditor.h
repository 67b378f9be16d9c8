#pragma once

#include <QDialog>

#include "app/ScreenShape.h"
#include "settings/LotteryProfile.h"
#include "settings/ProfileFields.h"
#include "settings/SettingsFile.h"
#include "ui/editor/ProfileEditorLayout.h"

class QLineEdit;

namespace numora {

class AppProfile;
class DevicePaths;
class Prompter;
struct AppState;

// The "Add / Edit" window: the user adds a lottery, changes a lottery's
// profile or deletes a lottery. It works on the current lottery itself:
// choosing a lottery here makes it current, and Save writes the current
// values. It owns its own store of the settings file, which writes itself to
// the file once more when the window goes. A deleted lottery's pick rules go
// from the option store with it.
class ProfileEditor : public QDialog {
    Q_OBJECT

public:
    // How a run ended.
    static constexpr int kSaved = QDialog::Accepted;
    static constexpr int kClosed = QDialog::Rejected;
    static constexpr int kFailed = 2;  // the settings file could not be loaded for a chosen lottery

    ProfileEditor(AppState& state, const DevicePaths& device, AppProfile& options, Prompter& prompter,
                  ScreenSize screen, QWidget* parent = nullptr);
    ~ProfileEditor() override;

private:
    void runOpening();
    bool loadSettings();
    void fillList();
    void chooseLottery();
    void save();
    void deleteLottery();
    void powerBallClicked(bool checked);
    void showBonusClicked(bool checked);
    void editSecondDrum();
    void help();

    // The exchange between the window's fields and its controls.
    void showFields();
    ProfileFieldTexts fieldTexts() const;
    bool takeFields(NameCheck check);
    // Names the field's problem in a message and gives its control the focus.
    void showProblem(const ProfileFieldProblem& problem);
    QWidget* controlOf(ProfileField field) const;

    AppState& state_;
    const DevicePaths& device_;
    AppProfile& options_;
    Prompter& prompter_;
    ProfileEditorControls controls_;
    SettingsFile settings_;
    LotteryProfile fields_;
};

}  // namespace numora
