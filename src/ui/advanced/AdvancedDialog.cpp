#include "ui/advanced/AdvancedDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/AppState.h"
#include "platform/AppProfile.h"
#include "platform/FormatText.h"
#include "platform/Prompter.h"
#include "settings/OptionStore.h"
#include "ui/art/Icons.h"
#include "ui/controls/RoundIconButton.h"

namespace numora {

namespace {

constexpr char kTitle[] = "Advanced";
constexpr char kSoundFilter[] = "*.wav";
constexpr char kUsedUntilClosing[] = "\nNumora uses them until it closes.";
constexpr int kBrowseIconSide = 16;
QColor browseLitText() { return {0, 128, 0}; }

}  // namespace

AdvancedDialog::AdvancedDialog(AppState& state, AppProfile& profile, Prompter& prompter, ChooseFile chooseFile,
                               ScreenSize screen, QWidget* parent)
    : QDialog(parent),
      state_(state),
      profile_(profile),
      prompter_(prompter),
      chooseFile_(std::move(chooseFile)),
      controls_(buildAdvancedDialog(*this, screen)) {
    setObjectName(QStringLiteral("advancedDialog"));
    setWindowTitle(QString::fromLatin1(kTitle));
    setUpBrowseButtons();
    connect(controls_.browsePick, &QPushButton::clicked, this, [this] { browse(*controls_.pickSound); });
    connect(controls_.browseStart, &QPushButton::clicked, this, [this] { browse(*controls_.startSound); });
    connect(controls_.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(controls_.cancel, &QPushButton::clicked, this, &QDialog::reject);

    readAllAdvancedOptions(profile_, values_);
    state_.options.pickSound = values_.pickSound;
    state_.options.startSound = values_.startSound;
    showValues();
}

AdvancedDialog::~AdvancedDialog() {
    if (!closed_) runClosing();
}

void AdvancedDialog::setUpBrowseButtons() {
    for (RoundIconButton* button : {controls_.browsePick, controls_.browseStart}) {
        button->setFont(font());
        button->SetIcon(art::kBrowseIcon, kBrowseIconSide, kBrowseIconSide);
        button->SetColor(IconButton::kLitBackground, palette().color(QPalette::Base), true);
        button->SetColor(IconButton::kLitText, browseLitText(), true);
        button->SetAlign(IconButton::kIconRight, true);
        button->SetRounded(true, true);
    }
}

// The chosen file replaces the box's text; the other controls keep what the
// user has set in them.
void AdvancedDialog::browse(QLineEdit& box) {
    if (const auto chosen = chooseFile_(kSoundFilter)) {
        box.setText(QString::fromStdString(*chosen));
        box.setCursorPosition(0);
    }
}

void AdvancedDialog::showValues() {
    if (QAbstractButton* model = controls_.model->button(values_.model)) model->setChecked(true);
    controls_.pattern->setChecked(values_.pattern);
    controls_.weight->setChecked(values_.moreWeightToLessFrequent);
    controls_.sound->setChecked(values_.playSounds);
    for (const auto& [box, path] : {std::pair{controls_.pickSound, &values_.pickSound},
                                    std::pair{controls_.startSound, &values_.startSound}}) {
        box->setText(QString::fromStdString(*path));
        box->setCursorPosition(0);
    }
}

void AdvancedDialog::takeValues() {
    // A stored model that no button stands for stays as it was.
    if (const int model = controls_.model->checkedId(); model >= 0) values_.model = model;
    values_.pattern = controls_.pattern->isChecked();
    values_.moreWeightToLessFrequent = controls_.weight->isChecked();
    values_.playSounds = controls_.sound->isChecked();
    values_.pickSound = controls_.pickSound->text().toStdString();
    values_.startSound = controls_.startSound->text().toStdString();
}

void AdvancedDialog::done(int result) {
    if (!closed_) runClosing();
    QDialog::done(result);
}

// OK, Cancel and the window's own close button all store the values.
void AdvancedDialog::runClosing() {
    closed_ = true;
    takeValues();
    state_.options = values_;
    if (!writeAdvancedOptions(profile_, values_)) {
        const std::string failure = profile_.failure();
        prompter_.report(formatText(kOptionsNotStoredFormat, failure.c_str()) + kUsedUntilClosing);
    }
}

}  // namespace numora
