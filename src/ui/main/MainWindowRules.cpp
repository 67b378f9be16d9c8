// The main window's pick rules: the current lottery's, fitted to its profile
// as it is chosen, the Pick Rules window, and the mark on the Pick button.
#include <QAction>
#include <QTimer>

#include <algorithm>

#include "app/AppState.h"
#include "platform/AppProfile.h"
#include "platform/FormatText.h"
#include "platform/Prompter.h"
#include "settings/PickRulesStore.h"
#include "ui/controls/CommandBar.h"
#include "ui/controls/IconButton.h"
#include "ui/controls/LotterySelector.h"
#include "ui/controls/PickList.h"
#include "ui/main/MainWindow.h"
#include "ui/rules/PickRulesDialog.h"
#include "ui/rules/PickRulesTexts.h"
#include "ui/rules/RulesMark.h"

namespace numora {

void MainWindow::connectRulesCommands() {
    rulesMark_ = new RulesMark(*controls_.pick);
    connect(controls_.commandBar->pickRules(), &QAction::triggered, this, &MainWindow::pickRules);
}

// Rules that no longer fit the lottery (its profile changed) lose what does
// not fit, once: the window holds the device, so it stores what is left.
void MainWindow::loadPickRules() {
    AppProfile& options = services_.profile;
    const LotteryProfile& lottery = services_.state.current;
    const StoredPickRules stored = readPickRules(options, lottery.name);
    if (!stored.damage.empty()) tell(stored.damage);
    const FittedPickRules fitted = fitPickRules(stored.rules, lottery);
    rules_ = fitted.rules;
    if (!fitted.dropped.empty()) {
        tell(fitted.dropped);
        if (!writePickRules(options, lottery.name, rules_)) {
            tell(formatText(kPickRulesNotStoredFormat, options.failure().c_str()));
        }
    }
    rulesMark_->showRules(rules_);
}

void MainWindow::pickRules() {
    // Rules are kept under a listed lottery's name.
    const std::vector<std::string> listed = controls_.selector->names();
    if (std::find(listed.begin(), listed.end(), services_.state.current.name) == listed.end()) {
        services_.prompter.report(pickrules::kNoLottery);
        return;
    }
    PickRulesDialog dialog(services_.state.current, rules_, services_.profile, services_.prompter, services_.screen,
                           this);
    if (dialog.exec() == QDialog::Accepted) rules_ = dialog.rules();
    rulesMark_->showRules(rules_);
}

TakenLines MainWindow::listedLines() const {
    if (!rules_.newLine || services_.state.welcomeShown) return {};
    return TakenLines::fromListLines(controls_.pickList->lines(), services_.state.current);
}

void MainWindow::tell(const std::string& message) {
    // At opening the window is not on screen yet: the message waits for it.
    if (!opened_) {
        QTimer::singleShot(0, this, [this, message] { services_.prompter.report(message); });
        return;
    }
    services_.prompter.report(message);
}

}  // namespace numora
