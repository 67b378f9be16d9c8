#pragma once

#include <QDialog>

#include <vector>

#include "app/ScreenShape.h"
#include "draws/table/LayoutDetection.h"
#include "draws/table/TableAnalysis.h"
#include "draws/table/TableMerge.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace numora {

class LocalTime;

// Shows what importing a publisher's file would do before anything changes:
// the file's form in words, the roles of its columns (the date with its order
// of day and month, the balls, the bonus and, for a lottery with a second
// drum, its numbers: each changeable), the first rows as
// they will be stored (page "Rows"), the first rejected lines with their
// reasons (page "Rejected"), and how many rows were read, are to be imported,
// to be skipped and were rejected. "Import" ends it with Accepted, "Cancel"
// with Rejected; it changes nothing itself. One layout serves every screen
// shape: the two buttons sit beside the page tabs.
//
//     ImportPreviewDialog preview(std::move(analysis), profile, draws, time, screen, this);
//     if (preview.exec() == QDialog::Accepted)
//         importTableRows(preview.rows(), draws, profile, save, observer);
//
// The analysis must hold a layout (otherwise show analysis.problem instead).
class ImportPreviewDialog : public QDialog {
    Q_OBJECT

public:
    ImportPreviewDialog(TableAnalysis analysis, const LotteryProfile& profile, const DrawList& stored,
                        const LocalTime& time, ScreenSize screen, QWidget* parent = nullptr);

    // The layout as the user left it, the rows it reads and what they would do.
    const TableLayout& chosenLayout() const { return layout_; }
    const TableRows& rows() const { return rows_; }
    const TablePreview& preview() const { return preview_; }

private:
    void fillDateChoices();
    void fillBallChoices();
    void fillBonusChoices();
    void fillDrumChoices();
    void dateChosen(int index);
    void ballsChosen(int index);
    void bonusChosen(int index);
    void drumChosen(int index);
    // Reads the rows with the chosen layout and shows them, the counts and the reasons.
    void readAndShow();

    TableAnalysis analysis_;
    LotteryProfile profile_;
    DrawList stored_;  // a copy: the preview never changes the caller's draws
    const LocalTime& time_;
    TableLayout layout_;
    TableRows rows_;
    TablePreview preview_;
    std::vector<DateSource> dateChoices_;
    std::vector<BallSource> ballChoices_;
    std::vector<BonusSource> bonusChoices_;
    std::vector<SecondDrumSource> drumChoices_;

    QLabel* fileText_ = nullptr;
    QComboBox* dateBox_ = nullptr;
    QComboBox* ballsBox_ = nullptr;
    QComboBox* bonusBox_ = nullptr;
    QComboBox* drumBox_ = nullptr;  // only for a lottery with a second drum
    QTabWidget* pages_ = nullptr;
    QTableWidget* rowsTable_ = nullptr;
    QListWidget* rejectsList_ = nullptr;
    QLabel* countsText_ = nullptr;
    QPushButton* importButton_ = nullptr;
};

}  // namespace numora
