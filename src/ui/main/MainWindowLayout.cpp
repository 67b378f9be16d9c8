#include "ui/main/MainWindowLayout.h"

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "ui/services/DeviceWindow.h"
#include "ui/main/MainWindowShapes.h"
#include "ui/main/MainWindowTexts.h"
#include "ui/art/Pictures.h"
#include "ui/controls/BallDisplay.h"
#include "ui/controls/CommandBar.h"
#include "ui/controls/IconButton.h"
#include "ui/controls/LotterySelector.h"
#include "ui/controls/PickList.h"

namespace numora {

namespace {

constexpr char kPickCaption[] = "Pick";
constexpr int kRowSpacing = 3;
constexpr int kTopMargin = 4;
constexpr int kSideMargin = 4;
constexpr int kProgressWidth = 80;
constexpr int kProgressHeight = 10;

IconButton* makeButton(QWidget& window, const char* objectName, const QString& caption = QString()) {
    auto* button = new IconButton(caption, &window);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return button;
}

MainWindowControls makeControls(QDialog& window, const AppState& state, const DevicePaths& device) {
    MainWindowControls controls;
    controls.selector = new LotterySelector(&window);
    controls.selector->setHintWhenEmpty(QString::fromLatin1(mainwindow::kNoLotteryHint),
                                        QString::fromLatin1(mainwindow::kNoLotteryTip));
    controls.pick = makeButton(window, "pickButton", QString::fromLatin1(kPickCaption));
    controls.pick->setDefault(true);
    controls.pastDraws = makeButton(window, "pastDrawsButton");
    controls.drawStats = makeButton(window, "drawStatsButton");
    controls.status = new QLabel(&window);
    controls.status->setObjectName(QStringLiteral("statusLine"));
    controls.status->setTextFormat(Qt::PlainText);
    // The status line takes the room its row leaves; each layout leaves
    // enough for the longest status.
    controls.status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    controls.progress = new QProgressBar(&window);
    controls.progress->setObjectName(QStringLiteral("progressBar"));
    controls.progress->setTextVisible(false);
    controls.progress->setEnabled(false);
    controls.progress->setFixedHeight(kProgressHeight);
    controls.progress->setMaximumWidth(kProgressWidth);
    controls.pickList = new PickList(&window);
    controls.balls = new BallDisplay(state, device, &window);
    controls.commandBar = new CommandBar(&window);
    return controls;
}

}  // namespace

QHBoxLayout* addMarginRow(QVBoxLayout& column) {
    auto* row = new QHBoxLayout;
    row->setContentsMargins(kSideMargin, 0, kSideMargin, 0);
    row->setSpacing(kRowSpacing);
    column.addLayout(row);
    return row;
}

void addStatusRow(QBoxLayout& row, MainWindowControls& controls) {
    row.addWidget(controls.status, 1);
    row.addWidget(controls.progress, 0, Qt::AlignVCenter);
}

QLabel* makePicture(QWidget& window) {
    auto* picture = new QLabel(&window);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setPixmap(art::cloverPicture());
    picture->setFixedSize(art::cloverSize());
    return picture;
}

QSize mainWindowClientSize(ScreenSize screen) { return deviceWindowSize(screen); }

MainWindowControls buildMainWindow(QDialog& window, ScreenSize screen, const AppState& state,
                                   const DevicePaths& device) {
    // White, as the handheld's dialogs are, so the balls sit on the window itself.
    QVBoxLayout* column = dressDeviceWindow(window, kTopMargin, kRowSpacing);
    MainWindowControls controls = makeControls(window, state, device);
    switch (screenShapeOf(screen)) {
    case ScreenShape::Portrait: arrangePortrait(window, controls, *column); break;
    case ScreenShape::Landscape: arrangeLandscape(window, controls, *column); break;
    case ScreenShape::Square: arrangeSquare(window, controls, *column); break;
    }
    column->addWidget(controls.commandBar);
    fitDeviceWindow(window, screen);
    return controls;
}

}  // namespace numora
