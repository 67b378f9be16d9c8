#include "ui/wheel/WheelWindowLayout.h"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/services/DeviceWindow.h"
#include "ui/wheel/NumberGrid.h"
#include "ui/wheel/WheelWindowTexts.h"
#include "wheels/WheelRequest.h"

namespace numora {

namespace {

constexpr int kMargin = 3;
constexpr int kSpacing = 3;
constexpr int kProgressHeight = 16;
// A button is as wide as its caption and this much more; a chooser as its
// text and its arrow.
constexpr int kButtonPadding = 12;
constexpr int kChoiceArrowWidth = 28;
constexpr int kSpinArrowsWidth = 22;
constexpr int kFewestTicketsHeight = 40;
// The landscape layout's left column: the grid and the guarantee.
constexpr int kLandscapeChoicesWidth = 150;
// How the height left by the rows is shared, portrait and square.
constexpr int kGridStretch = 3;
constexpr int kTicketsStretch = 2;
// A wheel's default guarantee: 3 if 4, or as near as the lottery allows.
constexpr int kDefaultMatch = 3;

QLabel* makeLabel(QWidget& window, const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text), &window);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QComboBox* makeCountChoice(QWidget& window, const char* objectName, int balls, int chosen) {
    auto* choice = named(new QComboBox(&window), objectName);
    for (int count = 1; count <= balls; ++count) choice->addItem(QString::number(count), count);
    choice->setCurrentIndex(chosen - 1);
    return choice;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets) {
    auto* line = new QHBoxLayout;
    line->setSpacing(kSpacing);
    for (QWidget* widget : widgets) line->addWidget(widget);
    return line;
}

WheelWindowControls makeControls(QDialog& window, const LotteryProfile& lottery) {
    using namespace wheelwindow;
    WheelWindowControls controls;
    controls.grid = new NumberGrid(lottery.min, lottery.max, &window);
    const int balls = std::max(1, lottery.balls);
    const int match = std::clamp(kDefaultMatch, 1, std::max(1, balls - 1));
    controls.match = makeCountChoice(window, "wheelMatch", balls, match);
    controls.ifDrawn = makeCountChoice(window, "wheelIf", balls, std::min(match + 1, balls));
    controls.ticketLimit = named(new QSpinBox(&window), "wheelTicketLimit");
    controls.ticketLimit->setRange(0, kMostTickets);
    controls.ticketLimit->setSpecialValueText(QString::fromLatin1(kAnyNumberOfTickets));
    controls.generate = named(new QPushButton(QString::fromLatin1(kGenerate), &window), "wheelGenerate");
    controls.generate->setDefault(true);
    controls.progress = named(new QProgressBar(&window), "wheelProgress");
    controls.progress->setRange(0, kProgressSteps);
    controls.progress->setValue(0);
    controls.progress->setFixedHeight(kProgressHeight);
    controls.progress->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    controls.cancel = named(new QPushButton(QString::fromLatin1(kCancel), &window), "wheelCancel");
    controls.cancel->setEnabled(false);
    controls.tickets = named(new QListWidget(&window), "wheelTickets");
    controls.tickets->setWordWrap(true);
    controls.tickets->setResizeMode(QListView::Adjust);
    controls.tickets->setSelectionMode(QAbstractItemView::NoSelection);
    controls.tickets->setFocusPolicy(Qt::NoFocus);
    controls.tickets->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Always there, so that wrapped lines keep the width they were laid out in.
    controls.tickets->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    controls.addToPickList = named(new QPushButton(QString::fromLatin1(kAddToPickList), &window), "wheelAddToPickList");
    controls.addToPickList->setEnabled(false);
    controls.playWheel = named(new QPushButton(QString::fromLatin1(kPlayWheel), &window), "wheelPlay");
    controls.playWheel->setEnabled(false);
    controls.close = named(new QPushButton(QString::fromLatin1(kClose), &window), "wheelClose");
    for (QPushButton* button :
         {controls.generate, controls.cancel, controls.addToPickList, controls.playWheel, controls.close}) {
        button->setAutoDefault(false);
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(button->text()) + kButtonPadding);
    }
    // One digit, and the arrow.
    const int digitWidth = window.fontMetrics().horizontalAdvance(QStringLiteral("7"));
    for (QComboBox* choice : {controls.match, controls.ifDrawn}) choice->setFixedWidth(digitWidth + kChoiceArrowWidth);
    controls.ticketLimit->setFixedWidth(window.fontMetrics().horizontalAdvance(QString::number(kMostTickets)) +
                                        kSpinArrowsWidth);
    controls.tickets->setMinimumHeight(kFewestTicketsHeight);
    return controls;
}

QHBoxLayout* guaranteeRow(WheelWindowControls& controls, QWidget& window) {
    using namespace wheelwindow;
    QHBoxLayout* guarantee = row({makeLabel(window, kMatch), controls.match, makeLabel(window, kIf), controls.ifDrawn});
    guarantee->addStretch(1);
    return guarantee;
}

QHBoxLayout* limitRow(WheelWindowControls& controls, QWidget& window) {
    return row({makeLabel(window, wheelwindow::kTicketsAtMost), controls.ticketLimit});
}

}  // namespace

WheelWindowControls buildWheelWindow(QDialog& window, ScreenSize screen, const LotteryProfile& lottery) {
    WheelWindowControls controls = makeControls(window, lottery);
    QVBoxLayout* column = dressDeviceWindow(window, kMargin, kSpacing);
    column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    const ScreenShape shape = screenShapeOf(screen);
    // The wheel goes to the pick list or is played, beside Close; the
    // landscape's narrow column has Play Wheel on the row above.
    QHBoxLayout* endRow = row({controls.addToPickList});
    if (shape != ScreenShape::Landscape) endRow->addWidget(controls.playWheel);
    endRow->addStretch(1);
    endRow->addWidget(controls.close);
    if (shape == ScreenShape::Landscape) {
        // The grid and the guarantee on the left; the search and its tickets on the right.
        auto* choices = new QWidget(&window);
        choices->setObjectName(QStringLiteral("wheelChoices"));
        choices->setFixedWidth(kLandscapeChoicesWidth);
        auto* left = new QVBoxLayout(choices);
        left->setContentsMargins(0, 0, 0, 0);
        left->setSpacing(kSpacing);
        left->addWidget(controls.grid, 1);
        left->addLayout(guaranteeRow(controls, window));
        QHBoxLayout* limit = limitRow(controls, window);
        limit->addStretch(1);
        left->addLayout(limit);
        auto* right = new QVBoxLayout;
        right->setSpacing(kSpacing);
        QHBoxLayout* search = row({controls.generate});
        search->addStretch(1);
        search->addWidget(controls.cancel);
        right->addLayout(search);
        right->addWidget(controls.progress);
        right->addWidget(controls.tickets, 1);
        right->addWidget(controls.playWheel, 0, Qt::AlignLeft);
        right->addLayout(endRow);
        auto* sides = new QHBoxLayout;
        sides->setSpacing(kSpacing);
        sides->addWidget(choices);
        sides->addLayout(right, 1);
        column->addLayout(sides, 1);
    } else {
        column->addWidget(controls.grid, kGridStretch);
        QHBoxLayout* guarantee = guaranteeRow(controls, window);
        guarantee->addWidget(controls.generate);
        column->addLayout(guarantee);
        QHBoxLayout* limit = limitRow(controls, window);
        limit->addStretch(1);
        limit->addWidget(controls.cancel);
        column->addLayout(limit);
        column->addWidget(controls.progress);
        column->addWidget(controls.tickets, kTicketsStretch);
    }
    if (shape != ScreenShape::Landscape) column->addLayout(endRow);
    fitDeviceWindow(window, screen);
    return controls;
}

}  // namespace numora
