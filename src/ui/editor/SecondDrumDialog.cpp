#include "ui/editor/SecondDrumDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/FormatText.h"
#include "platform/Prompter.h"
#include "settings/BallSlots.h"
#include "ui/editor/ProfileEditorLayout.h"
#include "ui/services/DeviceWindow.h"

namespace numora {

namespace {

constexpr char kTitle[] = "Second Drum";
constexpr char kUseSecondDrum[] = "Numbers from a second drum";
// A box's label: its name in messages and what it accepts, as the editor's
// "Number of Balls (3-7) =".
constexpr char kBoxLabelFormat[] = "%s (%d-%d) =";
constexpr char kOk[] = "OK";
constexpr char kCancel[] = "Cancel";
constexpr std::array<const char*, kDrum2NumberFields.size()> kBoxNames{"drum2Edit", "drum2LowestEdit",
                                                                       "drum2HighestEdit"};

constexpr int kMargin = 6;
constexpr int kSpacing = 4;

QPushButton* makeButton(QWidget& window, const char* objectName, const char* caption) {
    auto* button = named(new QPushButton(QString::fromLatin1(caption), &window), objectName);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

SecondDrumDialog::SecondDrumDialog(const LotteryProfile& lottery, Prompter& prompter, QWidget* parent)
    : QDialog(parent),
      lottery_(lottery),
      prompter_(prompter),
      used_(named(new QCheckBox(QString::fromLatin1(kUseSecondDrum), this), "drum2Check")),
      ok_(makeButton(*this, "okButton", kOk)),
      cancel_(makeButton(*this, "cancelButton", kCancel)) {
    setObjectName(QStringLiteral("secondDrumDialog"));
    setWindowTitle(QString::fromLatin1(kTitle));
    applyDeviceLook(*this);
    ok_->setDefault(true);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    column->setSpacing(kSpacing);
    column->addWidget(used_);
    auto* numbers = new QGridLayout;
    numbers->setSpacing(kSpacing);
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const ProfileNumberField& field = kDrum2NumberFields[i];
        const std::string text = formatText(kBoxLabelFormat, std::string(field.boxName).c_str(), field.limits.lowest,
                                            field.limits.highest);
        const int row = static_cast<int>(i);
        numbers->addWidget(profileLabel(*this, QString::fromStdString(text)), row, 0);
        boxes_[i] = profileNumberBox(*this, kBoxNames[i]);
        numbers->addWidget(boxes_[i], row, 1);
    }
    column->addLayout(numbers);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    column->addLayout(buttons);
    setFixedSize(sizeHint());

    connect(used_, &QCheckBox::toggled, this, &SecondDrumDialog::enableBoxes);
    connect(ok_, &QPushButton::clicked, this, &SecondDrumDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &SecondDrumDialog::reject);
    showDrum();
}

void SecondDrumDialog::showDrum() {
    const bool used = hasSecondDrum(lottery_);
    used_->setChecked(used);
    // A lottery without a second drum has no count to show, only the range a
    // new drum starts with.
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const ProfileNumberField& field = kDrum2NumberFields[i];
        const bool blank = !used && field.field == ProfileField::Drum2;
        boxes_[i]->setText(blank ? QString() : QString::number(lottery_.*field.value));
    }
    enableBoxes();
}

void SecondDrumDialog::enableBoxes() {
    for (QLineEdit* box : boxes_) box->setEnabled(used_->isChecked());
    if (used_->isChecked() && isVisible()) boxes_.front()->setFocus();
}

QLineEdit* SecondDrumDialog::boxOf(ProfileField field) const {
    const auto found = std::ranges::find(kDrum2NumberFields, field, &ProfileNumberField::field);
    return boxes_.at(static_cast<std::size_t>(found - kDrum2NumberFields.begin()));
}

void SecondDrumDialog::accept() {
    if (!used_->isChecked()) {
        lottery_.drum2 = 0;
        QDialog::accept();
        return;
    }
    Drum2FieldTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = boxes_[i]->text().toStdString();
    if (const auto problem = takeDrum2Fields(texts, lottery_)) {
        prompter_.report(problem->message);
        QLineEdit* box = boxOf(problem->field);
        box->setFocus();
        box->selectAll();
        return;
    }
    QDialog::accept();
}

}  // namespace numora
