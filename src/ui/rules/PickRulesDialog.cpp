#include "ui/rules/PickRulesDialog.h"

#include <QCheckBox>
#include <QPushButton>

#include "platform/AppProfile.h"
#include "platform/FormatText.h"
#include "platform/Prompter.h"
#include "settings/PickRulesStore.h"
#include "ui/rules/PickRulesTexts.h"
#include "ui/rules/RulesGrid.h"

namespace numora {

PickRulesDialog::PickRulesDialog(const LotteryProfile& lottery, const PickRules& rules, AppProfile& options,
                                 Prompter& prompter, ScreenSize screen, QWidget* parent)
    : QDialog(parent),
      lottery_(lottery),
      options_(options),
      prompter_(prompter),
      controls_(buildPickRulesWindow(*this, screen, lottery)) {
    setObjectName(QStringLiteral("pickRulesDialog"));
    setWindowTitle(QString::fromLatin1(pickrules::kCommand));
    controls_.grid->setRules(rules.fixed, rules.excluded);
    controls_.newLine->setChecked(rules.newLine);
    connect(controls_.clear, &QPushButton::clicked, this, &PickRulesDialog::clearRules);
    connect(controls_.ok, &QPushButton::clicked, this, &PickRulesDialog::store);
    connect(controls_.cancel, &QPushButton::clicked, this, &QDialog::reject);
    controls_.grid->setFocus();
}

PickRules PickRulesDialog::rules() const {
    return {controls_.grid->fixed(), controls_.grid->excluded(), controls_.newLine->isChecked()};
}

void PickRulesDialog::clearRules() {
    controls_.grid->clear();
    controls_.newLine->setChecked(false);
}

void PickRulesDialog::store() {
    const PickRules chosen = rules();
    if (const std::string problem = pickRulesProblemText(chosen, lottery_); !problem.empty()) {
        prompter_.report(problem);
        return;
    }
    if (!writePickRules(options_, lottery_.name, chosen)) {
        const std::string failure = options_.failure();
        prompter_.report(formatText(kPickRulesNotStoredFormat, failure.c_str()) + pickrules::kUsedForNow);
    }
    accept();
}

}  // namespace numora
