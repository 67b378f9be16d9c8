#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QLabel;

namespace numora {

// One draw the picks can be checked against: its date and its numbers as the
// pick list writes a line.
struct CheckableDraw {
    std::string date;
    std::string numbers;
};

// Asks which draw to check the picks against: a short list of dates, the
// first chosen at the start, with the numbers of the chosen one below it.
class CheckDrawDialog : public QDialog {
    Q_OBJECT

public:
    CheckDrawDialog(const std::vector<CheckableDraw>& draws, QWidget* parent = nullptr);

    // The place of the chosen draw in the list it was given.
    int chosen() const;

private:
    void showNumbers(int index);

    std::vector<CheckableDraw> draws_;
    QComboBox* dates_;
    QLabel* numbers_;
};

}  // namespace numora
