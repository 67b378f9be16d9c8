#include "ui/stats/StatsWindow.h"

#include <QAction>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>

#include "app/AppState.h"
#include "draws/DrawFile.h"
#include "draws/DrawStats.h"
#include "draws/NumberText.h"
#include "ui/trends/TrendsWindow.h"
#include "ui/services/WaitCursor.h"
#include "ui/art/StatsArt.h"

namespace numora {

namespace {

constexpr char kTitle[] = "Draw Stats";
constexpr char kLandscapeTitle[] = "Statistics";
// The "Freq." column is this much wider than a third of the list.
constexpr int kFrequencyWidthMore = 9;

}  // namespace

StatsWindow::StatsWindow(const AppState& state, const DevicePaths& device, ScreenSize screen, QWidget* parent)
    : QDialog(parent), headerPicture_(art::statsHeaderPicture()), lottery_(state.current) {
    setObjectName(QStringLiteral("statsWindow"));
    const ScreenShape shape = screenShapeOf(screen);
    setWindowTitle(QString::fromLatin1(shape == ScreenShape::Landscape ? kLandscapeTitle : kTitle));
    buildControls(screen);
    connect(exit_, &QPushButton::clicked, this, &QDialog::reject);
    connect(close_, &QAction::triggered, this, &QDialog::reject);
    connect(trends_, &QAction::triggered, this, &StatsWindow::openTrends);
    fillStatistics(state, device);
}

StatsWindow::~StatsWindow() = default;

void StatsWindow::openTrends() {
    TrendsWindow window(draws_, lottery_, this);
    window.exec();
}

void StatsWindow::fillStatistics(const AppState& state, const DevicePaths& device) {
    // The list's client width, as laid out for the screen.
    layout()->activate();
    const int width = list_->contentsRect().width();
    list_->setColumnWidth(0, width / 3);
    list_->setColumnWidth(1, width / 3 + kFrequencyWidthMore);

    DrawFileResult loaded;
    {
        const WaitCursor wait;
        loaded = DrawFile::load(device, state.dataFolder, state.current.name, draws_);
    }
    records_->setText(QStringLiteral("0"));
    // A file that is not there or cannot be read leaves the list without
    // rows; a damaged one shows what was read of it.
    if (loaded.status == DrawFileResult::Status::Missing || loaded.status == DrawFileResult::Status::Unreadable)
        return;

    const DrawStatistics statistics = countDrawNumbers(draws_, state.current);
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(statistics.rows.size()));
    for (const NumberFrequency& row : statistics.rows) {
        rows.append(new QTreeWidgetItem(QStringList{QString::fromStdString(twoDigitText(row.number)),
                                                    QString::fromStdString(twoDigitText(row.count))}));
    }
    list_->addTopLevelItems(rows);
    records_->setText(QString::number(statistics.records));
}

void StatsWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (headerPicture_.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(header_->geometry().topLeft(), headerPicture_);
}

}  // namespace numora
