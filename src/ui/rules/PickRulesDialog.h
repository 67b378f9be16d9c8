#pragma once

#include <QDialog>

#include "app/ScreenShape.h"
#include "settings/LotteryProfile.h"
#include "settings/PickRules.h"
#include "ui/rules/PickRulesLayout.h"

namespace numora {

class AppProfile;
class Prompter;

// The "Pick Rules" window: the lottery's numbers as a grid, each fixed,
// excluded or free, and whether each Pick makes a new line. OK checks the
// rules against the lottery and stores them; rules it cannot follow are told
// and the window stays open. When the store refuses them, that is told and
// the window closes with them all the same. Clear sets every rule off;
// Cancel changes nothing.
class PickRulesDialog : public QDialog {
    Q_OBJECT

public:
    PickRulesDialog(const LotteryProfile& lottery, const PickRules& rules, AppProfile& options, Prompter& prompter,
                    ScreenSize screen, QWidget* parent = nullptr);

    // The rules as the window shows them.
    PickRules rules() const;

private:
    void clearRules();
    void store();

    LotteryProfile lottery_;
    AppProfile& options_;
    Prompter& prompter_;
    PickRulesControls controls_;
};

}  // namespace numora
