#include "ui/editor/ProfileEditor.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/AppState.h"
#include "platform/FormatText.h"
#include "platform/Prompter.h"
#include "platform/AppProfile.h"
#include "settings/LotteryStore.h"
#include "settings/PickRulesStore.h"
#include "settings/SettingsLocation.h"
#include "ui/main/MainWindowTexts.h"
#include "ui/controls/LotterySelector.h"
#include "ui/editor/SecondDrumDialog.h"
#include "ui/help/EditHelpScreen.h"

namespace numora {

namespace {

constexpr char kTitle[] = "Add / Edit";
constexpr char kCannotLoad[] =
    "ERROR 1000:Cannot load ini file.\nPlease check your documentation\nfor possible causes.";
constexpr const char* kDeleteQuestionFormat = "Delete %s?\nSelect SAVE to save the changes when exiting.";
constexpr char kCannotDeleteIndex[] = "Could not delete Index";
constexpr char kCannotDeleteSection[] = "Could not delete Section";

}  // namespace

ProfileEditor::ProfileEditor(AppState& state, const DevicePaths& device, AppProfile& options, Prompter& prompter,
                             ScreenSize screen, QWidget* parent)
    : QDialog(parent),
      state_(state),
      device_(device),
      options_(options),
      prompter_(prompter),
      controls_(buildProfileEditor(*this, screen)),
      fields_(state.current) {
    setObjectName(QStringLiteral("profileEditor"));
    setWindowTitle(QString::fromLatin1(kTitle));
    connect(controls_.lottery, &LotterySelector::dropDownClosed, this, &ProfileEditor::chooseLottery);
    connect(controls_.save, &QPushButton::clicked, this, &ProfileEditor::save);
    connect(controls_.remove, &QPushButton::clicked, this, &ProfileEditor::deleteLottery);
    connect(controls_.exit, &QPushButton::clicked, this, [this] { done(kClosed); });
    connect(controls_.help, &QPushButton::clicked, this, &ProfileEditor::help);
    connect(controls_.secondDrum, &QPushButton::clicked, this, &ProfileEditor::editSecondDrum);
    connect(controls_.powerBall, &QCheckBox::clicked, this, &ProfileEditor::powerBallClicked);
    connect(controls_.showBonus, &QCheckBox::clicked, this, &ProfileEditor::showBonusClicked);
    runOpening();
}

ProfileEditor::~ProfileEditor() = default;

void ProfileEditor::runOpening() {
    showFields();
    // A settings file that cannot be read leaves the store, and so the list,
    // empty, without a word.
    loadSettings();
    fillList();
    // The name box keeps the current lottery's name, listed or not: a listed
    // name that merely begins with it would stand above this lottery's values,
    // and Save would write them over that other lottery.
    showFields();
}

bool ProfileEditor::loadSettings() {
    const auto file = device_.toHost(settingsFilePath(state_.dataFolder));
    return file && settings_.Load(*file);
}

void ProfileEditor::fillList() {
    controls_.lottery->setNames(readLotteryList(settings_));
    controls_.remove->setEnabled(static_cast<std::size_t>(controls_.lottery->count()) >= kFewestLotteriesToDelete);
}

void ProfileEditor::chooseLottery() {
    if (!loadSettings()) {
        prompter_.report(kCannotLoad, PromptIcon::Stop);
        done(kFailed);
        return;
    }
    const auto name = controls_.lottery->selectedName();
    if (!name) return;
    readLotteryProfile(settings_, *name, state_.current);
    fields_ = state_.current;
    showFields();
}

void ProfileEditor::save() {
    if (!takeFields(NameCheck::UsableName)) return;
    // The balls may have changed since the second drum was set.
    if (const auto problem = secondDrumProblem(fields_)) {
        showProblem(*problem);
        return;
    }
    const LotterySave saved = saveLottery(settings_, fields_);
    if (!saved.refusal.empty()) {
        prompter_.report(saved.refusal);
        return;
    }
    state_.current = fields_;
    state_.current.name = saved.name;
    // The editor stays open after a failed save, so that nothing typed is lost.
    if (!saved.saved) {
        prompter_.report(mainwindow::kSettingsNotSaved);
        return;
    }
    done(kSaved);
}

void ProfileEditor::deleteLottery() {
    if (!takeFields(NameCheck::FieldLength)) return;
    if (!prompter_.ask(formatText(kDeleteQuestionFormat, fields_.name.c_str()))) return;
    if (!loadSettings()) return;
    const LotteryDeletion deletion = numora::deleteLottery(settings_, fields_.name);
    if (!deletion.refusal.empty()) {
        prompter_.report(deletion.refusal);
        return;
    }
    if (deletion.listed) {
        fillList();
        if (!deletion.entryDeleted) prompter_.report(kCannotDeleteIndex);
        if (!deletion.sectionDeleted) prompter_.report(kCannotDeleteSection);
        if (!deletion.saved) prompter_.report(mainwindow::kSettingsNotSaved);
        if (deletion.saved && !removePickRules(options_, fields_.name)) {
            const std::string failure = options_.failure();
            prompter_.report(formatText(kPickRulesNotRemovedFormat, fields_.name.c_str(), failure.c_str()));
        }
        const std::vector<std::string> names = controls_.lottery->names();
        if (!names.empty()) fields_.name = names.front();
        showFields();
    }
    chooseLottery();
}

void ProfileEditor::powerBallClicked(bool checked) {
    if (checked) controls_.showBonus->setChecked(false);
}

void ProfileEditor::showBonusClicked(bool checked) {
    if (checked) controls_.powerBall->setChecked(false);
}

void ProfileEditor::editSecondDrum() {
    // The drum must leave room for the balls as typed, before Save takes them.
    LotteryProfile lottery = fields_;
    std::string ignored;
    if (const auto balls = parseProfileNumber(controls_.balls->text().toStdString(), kBallsLimits, ignored))
        lottery.balls = *balls;
    SecondDrumDialog dialog(lottery, prompter_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    fields_.drum2 = dialog.lottery().drum2;
    fields_.drum2Min = dialog.lottery().drum2Min;
    fields_.drum2Max = dialog.lottery().drum2Max;
}

void ProfileEditor::help() {
    EditHelpScreen screen(this);
    screen.exec();
}

void ProfileEditor::showFields() {
    LotterySelector& lottery = *controls_.lottery;
    const QString name = QString::fromStdString(fields_.name);
    lottery.setCurrentIndex(lottery.findText(name, Qt::MatchFixedString | Qt::MatchCaseSensitive));
    lottery.setEditText(name);
    const std::pair<QLineEdit*, int> numbers[] = {{controls_.balls, fields_.balls},
                                                  {controls_.lowestBall, fields_.min},
                                                  {controls_.highestBall, fields_.max},
                                                  {controls_.highestBonus, fields_.bonus}};
    for (const auto& [box, value] : numbers) box->setText(QString::number(value));
    controls_.repeat->setChecked(fields_.repeat);
    controls_.sort->setChecked(fields_.sort);
    controls_.powerBall->setChecked(fields_.powerBall);
    controls_.showBonus->setChecked(fields_.showBonus);
}

ProfileFieldTexts ProfileEditor::fieldTexts() const {
    return {controls_.lottery->currentText().toStdString(),
            {controls_.balls->text().toStdString(), controls_.lowestBall->text().toStdString(),
             controls_.highestBall->text().toStdString(), controls_.highestBonus->text().toStdString()}};
}

// Takes the controls' values into the fields. A field that fails its check
// is named in a message and gets the focus, and nothing is taken.
bool ProfileEditor::takeFields(NameCheck check) {
    if (const auto problem = takeProfileFields(fieldTexts(), check, fields_)) {
        showProblem(*problem);
        return false;
    }
    fields_.repeat = controls_.repeat->isChecked();
    fields_.sort = controls_.sort->isChecked();
    fields_.powerBall = controls_.powerBall->isChecked();
    fields_.showBonus = controls_.showBonus->isChecked();
    return true;
}

void ProfileEditor::showProblem(const ProfileFieldProblem& problem) {
    prompter_.report(problem.message);
    QWidget* control = controlOf(problem.field);
    control->setFocus();
    if (auto* box = qobject_cast<QLineEdit*>(control)) box->selectAll();
}

QWidget* ProfileEditor::controlOf(ProfileField field) const {
    switch (field) {
    case ProfileField::Name: return controls_.lottery;
    case ProfileField::Balls: return controls_.balls;
    case ProfileField::LowestBall: return controls_.lowestBall;
    case ProfileField::HighestBall: return controls_.highestBall;
    case ProfileField::HighestBonus: return controls_.highestBonus;
    // The second drum's boxes are in a window of their own, which its button opens.
    case ProfileField::Drum2:
    case ProfileField::Drum2Lowest:
    case ProfileField::Drum2Highest: return controls_.secondDrum;
    }
    return controls_.lottery;
}

}  // namespace numora
