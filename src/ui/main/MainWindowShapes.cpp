#include "ui/main/MainWindowShapes.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/BallPictureNames.h"
#include "ui/services/DeviceWindow.h"
#include "ui/controls/BallDisplay.h"
#include "ui/controls/IconButton.h"
#include "ui/controls/LotterySelector.h"
#include "ui/controls/PickList.h"

namespace numora {

namespace {

constexpr char kPastDrawsPortrait[] = "Past Draws";
constexpr char kPastDrawsLandscape[] = "PastDraws";
constexpr char kPastDrawsSquare[] = "Draws";
constexpr char kDrawStatsPortrait[] = "Draw Stats";
constexpr char kDrawStatsShort[] = "Stats";
constexpr char kPowerBallLabel[] = "PB";
constexpr char kOk[] = "OK";
constexpr char kCancel[] = "Cancel";

// The row of balls is as wide as a portrait screen.
constexpr int kBallRowWidth = 240;
// The landscape layout's right-hand column, beside the balls.
constexpr int kSideColumnWidth = 68;
constexpr int kPowerBallLabelHeight = 12;
// Beside the two buttons, the progress bar leaves the status line its room.
constexpr int kLandscapeProgressWidth = 48;

void setCaptions(MainWindowControls& controls, const char* pastDraws, const char* drawStats) {
    controls.pastDraws->setText(QString::fromLatin1(pastDraws));
    controls.drawStats->setText(QString::fromLatin1(drawStats));
}

void fitBalls(MainWindowControls& controls) {
    controls.balls->setPlaceholders(BallDisplay::rowPlaceholders(kBallRowWidth));
    controls.balls->setFixedSize(kBallRowWidth, controls.balls->sizeHint().height());
}

void addBallRow(QVBoxLayout& column, MainWindowControls& controls) {
    fitBalls(controls);
    column.addWidget(controls.balls, 0, Qt::AlignHCenter);
}

// The pick list takes the height the other rows leave.
void addPickListRow(QVBoxLayout& column, MainWindowControls& controls) {
    QHBoxLayout* row = addMarginRow(column);
    row->addWidget(controls.pickList);
    column.setStretchFactor(row, 1);
}

void addButtonRow(QVBoxLayout& column, MainWindowControls& controls) {
    QHBoxLayout* buttons = addMarginRow(column);
    buttons->addWidget(controls.pastDraws, 1);
    buttons->addWidget(controls.drawStats, 1);
}

}  // namespace

// Picture 172 beside the selector and the Pick button, the balls across the
// screen, the two buttons, then the pick list.
void arrangePortrait(QDialog& window, MainWindowControls& controls, QVBoxLayout& column) {
    setCaptions(controls, kPastDrawsPortrait, kDrawStatsPortrait);
    controls.picture = makePicture(window);

    QHBoxLayout* top = addMarginRow(column);
    top->addWidget(controls.picture, 0, Qt::AlignVCenter);
    auto* choose = new QVBoxLayout;
    choose->setSpacing(column.spacing());
    choose->addWidget(controls.selector);
    choose->addWidget(controls.pick);
    top->addLayout(choose, 1);

    addBallRow(column, controls);
    addButtonRow(column, controls);
    addPickListRow(column, controls);
    addStatusRow(*addMarginRow(column), controls);
}

// The balls with picture 172 beside them, the Pick button above the picture,
// the pick list across the window and the buttons below it, beside the
// status line.
void arrangeLandscape(QDialog& window, MainWindowControls& controls, QVBoxLayout& column) {
    setCaptions(controls, kPastDrawsLandscape, kDrawStatsShort);
    controls.picture = makePicture(window);

    QHBoxLayout* top = addMarginRow(column);
    top->addWidget(controls.selector, 1);
    controls.pick->setFixedWidth(kSideColumnWidth);
    top->addWidget(controls.pick);

    auto* middle = new QHBoxLayout;
    fitBalls(controls);
    middle->addWidget(controls.balls);
    middle->addStretch(1);
    middle->addWidget(controls.picture, 0, Qt::AlignCenter);
    middle->addStretch(1);
    column.addLayout(middle);

    addPickListRow(column, controls);

    QHBoxLayout* bottom = addMarginRow(column);
    bottom->addWidget(controls.pastDraws);
    bottom->addWidget(controls.drawStats);
    controls.progress->setMaximumWidth(kLandscapeProgressWidth);
    addStatusRow(*bottom, controls);

    controls.hiddenOk = outOfSightButton(window, "okButton", kOk, 0);
    controls.hiddenCancel = outOfSightButton(window, "cancelButton", kCancel, outOfSightButtonHeight());
}

// No picture: the "PB" label stands over the bonus ball instead.
void arrangeSquare(QDialog&, MainWindowControls& controls, QVBoxLayout& column) {
    setCaptions(controls, kPastDrawsSquare, kDrawStatsShort);

    QHBoxLayout* top = addMarginRow(column);
    top->addWidget(controls.selector, 1);
    top->addWidget(controls.pick);

    addBallRow(column, controls);
    const QRect bonus = BallDisplay::rowPlaceholders(kBallRowWidth).balls[kBonusSlot - 1];
    controls.pbLabel = new QLabel(QString::fromLatin1(kPowerBallLabel), controls.balls);
    controls.pbLabel->setObjectName(QStringLiteral("powerBallLabel"));
    controls.pbLabel->setAlignment(Qt::AlignCenter);
    controls.pbLabel->setGeometry(bonus.left(), bonus.top() - kPowerBallLabelHeight, bonus.width(),
                                  kPowerBallLabelHeight);

    addButtonRow(column, controls);
    addPickListRow(column, controls);
    addStatusRow(*addMarginRow(column), controls);
}

}  // namespace numora
