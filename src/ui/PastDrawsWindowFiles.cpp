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
#include "platform/DevicePaths.h"
#include "platform/Prompter.h"
#include "ui/PastDrawsTexts.h"
#include "ui/PastDrawsWindow.h"
#include "ui/WaitCursor.h"
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

void PastDrawsWindow::importFile(const std::filesystem::path& hostFile) {
    importing_ = true;
    setCursor(Qt::BusyCursor);
    // The draws are taken apart while they merge: the list shows none.
    model_->empty();
    showFieldValues();
    sinceEvents_.invalidate();
    const CsvImportSetup setup{profile_, services_.locale, services_.time, services_.state.startSeconds};
    editor_.importCsv(hostFile, setup, *this);
    showInfoLine();
    model_->refill();
    unsetCursor();
    importing_ = false;
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
    CsvExportResult exported;
    {
        const WaitCursor wait;
        exported = exportCsv(services_.device, editor_.draws(), profile_);
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
