#pragma once

#include <QDialog>

#include "analysis/Trends.h"
#include "draws/DrawList.h"
#include "settings/LotteryProfile.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace numora {

class TrendsChart;

// The "Trends" window: for each number of the lottery, how often it was drawn
// over the last N draws (10, 25, 50, 100 or all), the count expected by chance
// and the draws since it was last seen, as a table and a bar chart with the
// expected line. Main balls, a second drum's numbers and the bonus are
// counted apart; the rows sort by number, count or draws since seen (the
// table's headings sort too). It keeps its own copy of the draws and changes
// nothing.
class TrendsWindow : public QDialog {
    Q_OBJECT

public:
    // The window takes its parent's size, or the device's portrait screen
    // below the navigation bar without one.
    TrendsWindow(const DrawList& draws, const LotteryProfile& lottery, QWidget* parent = nullptr);

private:
    void refresh();
    void sortByColumn(int column);

    DrawList draws_;
    LotteryProfile lottery_;
    QComboBox* last_;
    QComboBox* kind_;
    QComboBox* order_;
    QLabel* summary_;
    TrendsChart* chart_;
    QTreeWidget* table_;
    QPushButton* close_;
};

}  // namespace numora
