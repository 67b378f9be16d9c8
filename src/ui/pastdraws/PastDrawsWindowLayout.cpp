#include "ui/pastdraws/PastDrawsWindowLayout.h"

#include <QAction>
#include <QDateEdit>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolBar>
#include <QVBoxLayout>

#include "ui/services/DeviceWindow.h"
#include "ui/pastdraws/PastDrawsTexts.h"
#include "ui/art/ArtStyle.h"
#include "ui/art/Icons.h"
#include "ui/controls/DrawListView.h"
#include "ui/controls/WindowBar.h"

namespace numora {

namespace {

constexpr int kMargin = 4;
constexpr int kSpacing = 3;
constexpr int kBoxWidth = 24;
// The bonus box stands apart from the balls.
constexpr int kBonusGap = 10;
constexpr int kFieldHeight = 20;
// How much lighter than the second drum's balls its boxes are.
constexpr int kSecondDrumBoxLightness = 185;
// "Add to List" beside the boxes in the landscape layout; the other two
// buttons share this width beside the info line.
constexpr int kSideButtonWidth = 80;
// Draw dates are signed 32-bit counts of seconds since 1970.
const QDate kFirstDrawDate(1970, 1, 1);
const QDate kLastDrawDate(2038, 1, 18);

QLabel* makeLabel(QWidget& window, const char* objectName, const QString& text = QString()) {
    auto* label = new QLabel(text, &window);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* makeButton(QWidget& window, const char* objectName, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), &window);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoDefault(false);
    // The buttons share their row, whatever the style's widest button.
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    button->setFixedHeight(kFieldHeight);
    return button;
}

QLineEdit* makeNumberBox(QWidget& window, int box) {
    auto* edit = new QLineEdit(&window);
    edit->setObjectName(box == kBonusBox ? QStringLiteral("bonusBox") : QStringLiteral("ballBox%1").arg(box + 1));
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    edit->setFixedWidth(kBoxWidth);
    edit->setFixedHeight(kFieldHeight);
    edit->setAlignment(Qt::AlignCenter);
    return edit;
}

QDateEdit* makeDatePicker(QWidget& window) {
    auto* picker = new QDateEdit(&window);
    picker->setObjectName(QStringLiteral("drawDate"));
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QLocale().dateFormat(QLocale::LongFormat));
    picker->setDateRange(kFirstDrawDate, kLastDrawDate);
    picker->setFixedHeight(kFieldHeight);
    return picker;
}

PastDrawsControls makeControls(QDialog& window) {
    PastDrawsControls controls;
    controls.lotteryName = makeLabel(window, "lotteryName");
    QFont bold = window.font();
    bold.setBold(true);
    controls.lotteryName->setFont(bold);
    for (int box = 0; box < static_cast<int>(controls.numberBoxes.size()); ++box)
        controls.numberBoxes[static_cast<std::size_t>(box)] = makeNumberBox(window, box);
    controls.drawDateLabel = makeLabel(window, "drawDateLabel", QString::fromLatin1(pastdraws::kDrawDate));
    controls.drawDate = makeDatePicker(window);
    controls.add = makeButton(window, "addButton", pastdraws::kAddToList);
    controls.add->setDefault(true);
    controls.insert = makeButton(window, "insertButton", pastdraws::kInsert);
    controls.close = makeButton(window, "closeButton", pastdraws::kClose);
    controls.info = new QLineEdit(&window);
    controls.info->setObjectName(QStringLiteral("infoLine"));
    controls.info->setReadOnly(true);
    controls.info->setFocusPolicy(Qt::NoFocus);
    controls.info->setFixedHeight(kFieldHeight);
    controls.list = new DrawListView(&window);

    controls.bar = new WindowBar(&window);
    controls.bar->setObjectName(QStringLiteral("commandBar"));
    const QSize image = art::toolbarImageSize();
    controls.importDraws = controls.bar->makeAction("importDrawsAction", pastdraws::kImportDraws,
                                                    art::iconPixmap(art::kImportDrawsIcon, image));
    controls.exportDraws = controls.bar->makeAction("exportDrawsAction", pastdraws::kExportDraws,
                                                    art::iconPixmap(art::kExportDrawsIcon, image));
    controls.exportDatedDraws = controls.bar->makeAction("exportDatedDrawsAction", pastdraws::kExportDatedDraws);
    controls.help = controls.bar->makeAction("helpAction", pastdraws::kHelp, art::toolbarIcon(art::ToolbarImage::Help));
    controls.bar->addMenu("toolsMenu", pastdraws::kToolsMenu)
        ->addActions({controls.importDraws, controls.exportDraws, controls.exportDatedDraws});
    QToolBar* tools = controls.bar->toolBar();
    tools->addAction(controls.importDraws);
    tools->addSeparator();
    tools->addActions({controls.exportDraws, controls.help});
    return controls;
}

QHBoxLayout* addRow(QVBoxLayout& column) {
    auto* row = new QHBoxLayout;
    row->setContentsMargins(kMargin, 0, kMargin, 0);
    row->setSpacing(kSpacing);
    column.addLayout(row);
    return row;
}

void addNumberBoxes(QBoxLayout& parent, const PastDrawsControls& controls) {
    auto* row = new QHBoxLayout;
    row->setSpacing(kSpacing);
    for (std::size_t box = 0; box < controls.numberBoxes.size(); ++box) {
        if (box == static_cast<std::size_t>(kBonusBox)) row->addSpacing(kBonusGap);
        row->addWidget(controls.numberBoxes[box]);
    }
    row->addStretch(1);
    parent.addLayout(row);
}

void fixWidth(QPushButton& button, int width) {
    button.setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    button.setFixedWidth(width);
}

// The date picker under its label, across the window: a long date needs
// the room.
void addDateRows(QVBoxLayout& column, const PastDrawsControls& controls) {
    addRow(column)->addWidget(controls.drawDateLabel);
    addRow(column)->addWidget(controls.drawDate);
}

void addButtons(QHBoxLayout& row, const PastDrawsControls& controls) {
    for (QPushButton* button : {controls.add, controls.insert, controls.close}) row.addWidget(button, 1);
}

// The list takes the height the other rows leave.
void addList(QVBoxLayout& column, const PastDrawsControls& controls) {
    QHBoxLayout* list = addRow(column);
    list->addWidget(controls.list);
    column.setStretchFactor(list, 1);
}

// The name after its label, the boxes, the date, the buttons, the info line
// and the list.
void arrangePortrait(QDialog& window, PastDrawsControls& controls, QVBoxLayout& column) {
    controls.pastDrawsFor = makeLabel(window, "pastDrawsForLabel", QString::fromLatin1(pastdraws::kPastDrawsFor));
    QHBoxLayout* title = addRow(column);
    title->addWidget(controls.pastDrawsFor);
    title->addWidget(controls.lotteryName, 1);
    addNumberBoxes(*addRow(column), controls);
    addDateRows(column, controls);
    addButtons(*addRow(column), controls);
    addRow(column)->addWidget(controls.info);
    addList(column, controls);
}

// The name beside the reminder to enter the oldest draws first; "Add to
// List" beside the boxes, the date after its label, the info line beside
// the other two buttons.
void arrangeLandscape(QDialog& window, PastDrawsControls& controls, QVBoxLayout& column) {
    controls.oldestFirst = makeLabel(window, "oldestFirstLabel", QString::fromLatin1(pastdraws::kOldestFirst));
    QHBoxLayout* title = addRow(column);
    title->addWidget(controls.lotteryName, 1);
    title->addWidget(controls.oldestFirst);

    QHBoxLayout* boxes = addRow(column);
    addNumberBoxes(*boxes, controls);
    boxes->addWidget(controls.add);
    fixWidth(*controls.add, kSideButtonWidth);
    QHBoxLayout* date = addRow(column);
    date->addWidget(controls.drawDateLabel);
    date->addWidget(controls.drawDate, 1);
    QHBoxLayout* info = addRow(column);
    info->addWidget(controls.info, 1);
    for (QPushButton* button : {controls.insert, controls.close}) {
        fixWidth(*button, kSideButtonWidth / 2);
        info->addWidget(button);
    }
    addList(column, controls);
}

// The name, the boxes, the date after its label (the square screen is short
// of height), the buttons, the info line and the list.
void arrangeSquare(QDialog&, PastDrawsControls& controls, QVBoxLayout& column) {
    addRow(column)->addWidget(controls.lotteryName);
    addNumberBoxes(*addRow(column), controls);
    QHBoxLayout* date = addRow(column);
    date->addWidget(controls.drawDateLabel);
    date->addWidget(controls.drawDate, 1);
    addButtons(*addRow(column), controls);
    addRow(column)->addWidget(controls.info);
    addList(column, controls);
}

}  // namespace

PastDrawsControls buildPastDrawsWindow(QDialog& window, ScreenSize screen) {
    QVBoxLayout* column = dressDeviceWindow(window, kMargin, kSpacing);
    PastDrawsControls controls = makeControls(window);
    switch (screenShapeOf(screen)) {
    case ScreenShape::Portrait: arrangePortrait(window, controls, *column); break;
    case ScreenShape::Landscape: arrangeLandscape(window, controls, *column); break;
    case ScreenShape::Square: arrangeSquare(window, controls, *column); break;
    }
    column->addWidget(controls.bar);
    fitDeviceWindow(window, screen);
    return controls;
}

void showAsSecondDrumBox(QLineEdit& box) {
    QPalette colours = box.palette();
    colours.setColor(QPalette::Base, art::Colors::secondDrum().lighter(kSecondDrumBoxLightness));
    box.setPalette(colours);
}

}  // namespace numora
