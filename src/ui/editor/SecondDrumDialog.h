#pragma once

#include <QDialog>

#include <array>

#include "settings/LotteryProfile.h"
#include "settings/ProfileFields.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace numora {

class Prompter;

// The profile editor's "Second Drum" window: whether the lottery draws
// numbers from a second drum (EuroMillions' stars, 6aus49's Superzahl), how
// many, and from which lowest to which highest. OK checks the boxes as the
// editor checks its own: a box that fails is named in a message, gets the
// focus, and the window stays open. Cancel changes nothing.
class SecondDrumDialog : public QDialog {
    Q_OBJECT

public:
    // Starts from the lottery's second drum; the lottery's balls are the ones
    // the drum must leave room for.
    SecondDrumDialog(const LotteryProfile& lottery, Prompter& prompter, QWidget* parent = nullptr);

    // The lottery with the second drum as accepted.
    const LotteryProfile& lottery() const { return lottery_; }

    void accept() override;

private:
    void showDrum();
    void enableBoxes();
    QLineEdit* boxOf(ProfileField field) const;

    LotteryProfile lottery_;
    Prompter& prompter_;
    QCheckBox* used_;
    std::array<QLineEdit*, kDrum2NumberFields.size()> boxes_{};
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace numora
