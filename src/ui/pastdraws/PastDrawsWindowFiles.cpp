// The Past Draws window's import and export of CSV files.
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "app/AppState.h"
#include "draws/CsvExport.h"
#include "draws/DatedExport.h"
#include "draws/table/ReaderChoice.h"
#include "platform/DevicePaths.h"
#include "platform/LocaleInfo.h"
#include "platform/Prompter.h"
#include "ui/preview/ImportPreviewDialog.h"
#include "ui/pastdraws/PastDrawsTexts.h"
#include "ui/pastdraws/PastDrawsWindow.h"
#include "ui/services/WaitCursor.h"
#include "ui/controls/DrawListModel.h"

namespace numora {

namespace {

// While an import runs, the window paints and its info line moves this often.
constexpr qint64 kEventTurnMs = 25;

// The first CSV file among dropped ones.
std::optional<std::filesystem::path> droppedCsvFile(const QMimeData* dropped) {
    if (!dropped) return std::nullopt;
    const QString extension = QString::fromLatin1(pastdraws::kCsvFilter).mid(1);
    for (const QUrl& url : dropped->urls()) {
        if (url.isLocalFile() && url.toLocalFile().endsWith(extension, Qt::CaseInsensitive))
            return std::filesystem::path(url.toLocalFile().toStdString());
    }
    return std::nullopt;
}

}  // namespace

void PastDrawsWindow::importDraws() {
    if (refuseSaving()) return;
    const auto chosen = services_.chooseFile(pastdraws::kCsvFilter);
    if (!chosen) return;
    // A path that names no host file cannot be opened, which the import tells.
    importFile(services_.device.hostPathOf(*chosen).value_or(std::filesystem::path()));
}

// A file of the lenient reader's characters is imported at once; a
// publisher's file is imported after its preview, and one whose draws cannot
// be found is told why.
void PastDrawsWindow::importFile(const std::filesystem::path& hostFile) {
    importing_ = true;
    std::string problem;
    std::optional<std::string> bytes;
    ImportPlan plan;
    {
        const WaitCursor wait;
        bytes = readImportFile(hostFile, problem);
        if (bytes) plan = planImport(*bytes, std::nullopt, profile_, services_.locale.shortDateOrder());
    }
    if (!bytes) {
        mergeImport([&] { importUnreadable(problem, *this); });
    } else if (!plan.analysis) {
        const CsvImportSetup setup{profile_, services_.locale, services_.time, services_.state.startSeconds};
        mergeImport([&] { editor_.importCsv(*bytes, setup, *this); });
    } else if (!plan.analysis->layout) {
        services_.prompter.report(plan.analysis->problem);
    } else {
        previewImport(std::move(*plan.analysis));
    }
    importing_ = false;
}

void PastDrawsWindow::previewImport(TableAnalysis analysis) {
    std::optional<ImportPreviewDialog> preview;
    {
        const WaitCursor wait;  // the preview reads every row
        preview.emplace(std::move(analysis), profile_, editor_.draws(), services_.time, services_.screen, this);
    }
    if (preview->exec() != QDialog::Accepted) return;
    mergeImport([&] { editor_.importTable(preview->rows(), profile_, *this); });
}

void PastDrawsWindow::mergeImport(const std::function<void()>& import) {
    setCursor(Qt::BusyCursor);
    // The draws are taken apart while they merge: the list shows none.
    model_->empty();
    showFieldValues();
    sinceEvents_.invalidate();
    import();
    showInfoLine();
    model_->refill();
    unsetCursor();
    // After the import's own messages.
    tellTicketResults();
}

// The import runs to its end in one call: now and then it shows the latest
// info text and lets the window paint and its timers run. Showing every text
// as it comes would make a long import many times slower and show no more,
// since the screen shows only the latest. The user's taps and keys wait for
// the end.
void PastDrawsWindow::showInfo(const std::string& text) {
    info_ = text;
    if (sinceEvents_.isValid() && sinceEvents_.elapsed() < kEventTurnMs) return;
    showInfoLine();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sinceEvents_.start();
}

void PastDrawsWindow::showMessage(const std::string& text) {
    showInfoLine();
    services_.prompter.report(text);
}

void PastDrawsWindow::showInfoLine() { controls_.info->setText(QString::fromStdString(info_)); }

void PastDrawsWindow::exportDraws() {
    reportExport([this] { return exportCsv(services_.device, editor_.draws(), profile_); });
}

void PastDrawsWindow::exportDatedDraws() {
    reportExport([this] { return exportDatedCsv(services_.device, editor_.draws(), profile_, services_.time); });
}

void PastDrawsWindow::reportExport(const std::function<CsvExportResult()>& write) {
    CsvExportResult exported;
    {
        const WaitCursor wait;
        exported = write();
    }
    services_.prompter.report(exported.message);
}

void PastDrawsWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!importing_ && droppedCsvFile(event->mimeData())) event->acceptProposedAction();
}

void PastDrawsWindow::dropEvent(QDropEvent* event) {
    const auto file = droppedCsvFile(event->mimeData());
    if (importing_ || !file) return;
    event->acceptProposedAction();
    // The drop ends before the import starts.
    QTimer::singleShot(0, this, [this, hostFile = *file] {
        if (!importing_ && !refuseSaving()) importFile(hostFile);
    });
}

}  // namespace numora
