#pragma once

#include <QDialog>
#include <QElapsedTimer>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "app/ScreenShape.h"
#include "draws/CsvExport.h"
#include "draws/CsvImport.h"
#include "draws/DrawCheck.h"
#include "draws/DrawFile.h"
#include "draws/DrawListEditor.h"
#include "draws/table/TableAnalysis.h"
#include "platform/CalendarTime.h"
#include "settings/LotteryProfile.h"
#include "ui/chooser/FileChoice.h"
#include "ui/pastdraws/PastDrawsWindowLayout.h"

namespace numora {

class DevicePaths;
class DrawListModel;
class LocaleInfo;
class LocalTime;
class Prompter;
struct AppState;

// What the Past Draws window works with, handed in by the main window (and
// by tests, with in-memory and recording ones).
struct PastDrawsServices {
    const AppState& state;
    const DevicePaths& device;
    const LocaleInfo& locale;
    const LocalTime& time;
    Prompter& prompter;
    // Asks the user for the CSV file to import.
    ChooseFile chooseFile;
    // The device screen, whose shape chooses the layout.
    ScreenSize screen;
};

// The modal "Past Draws" window: the current lottery's draws in a list, where
// the user adds a draw at the end, inserts one above the selected row,
// deletes one with a double tap, imports a CSV file (chosen, or dropped on
// the window; a publisher's file after a preview) and exports them, with or
// without their dates. Only this window writes the draw file. A draw file
// that is there but could not be read whole is never saved over.
class PastDrawsWindow : public QDialog, private ImportObserver {
    Q_OBJECT

public:
    explicit PastDrawsWindow(PastDrawsServices services, QWidget* parent = nullptr);
    ~PastDrawsWindow() override;

    // Ends the window, asking first whether to save changed draws. While an
    // import runs the window stays.
    void done(int result) override;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Opening, entering and closing (PastDrawsWindow.cpp).
    void runOpening();
    void connectCommands();
    void addToList();
    void insertDraw();
    void deleteDraw(int row);
    void help();
    void runClosing();
    // The draw in the boxes and the date picker, checked; nullopt after the
    // message of the first check that failed.
    std::optional<DrawRecord> checkedDraw();
    void refuse(const DrawCheckFailure& failure);
    // Tells the user when the draw file may not be saved over; true then.
    bool refuseSaving();
    // After draws were added: how the tickets waiting for them did.
    void tellTicketResults();
    // Data exchange between the fields and the controls.
    std::optional<DrawCheckFailure> takeControlValues();
    void showFieldValues();

    // Import and export (PastDrawsWindowFiles.cpp).
    void importDraws();
    void importFile(const std::filesystem::path& hostFile);
    // Shows what the table reader would import; Import merges it.
    void previewImport(TableAnalysis analysis);
    // Runs an import that merges into the draws, with its progress on the info line.
    void mergeImport(const std::function<void()>& import);
    void exportDraws();
    void exportDatedDraws();
    void reportExport(const std::function<CsvExportResult()>& write);
    void showInfo(const std::string& text) override;
    void showMessage(const std::string& text) override;
    void showInfoLine();

    PastDrawsServices services_;
    const LotteryProfile profile_;
    DrawListEditor editor_;
    DrawFileResult loaded_;
    PastDrawsControls controls_;
    DrawListModel* model_;
    EnteredDraw numbers_{};
    CalendarTime date_;
    std::string info_;
    bool importing_ = false;
    QElapsedTimer sinceEvents_;
    bool closed_ = false;
};

}  // namespace numora
