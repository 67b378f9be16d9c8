#include "ui/editor/ProfileEditorLayout.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/services/DeviceWindow.h"
#include "ui/controls/LotterySelector.h"

namespace numora {

namespace {

constexpr char kHint[] = "Select a lottery to edit or enter a new lottery name in the box below.  Click Save when done";
constexpr char kSquareHint[] = "Select lottery or enter new name";
constexpr char kLotteryLabel[] = "Lottery";
constexpr char kBallsLabel[] = "Number of Balls (3-7) =";
constexpr char kLowestBallLabel[] = "Lowest Ball  (1 or 0 ) =";
constexpr char kHighestBallLabel[] = "Highest Ball (3-99) =";
constexpr char kHighestBonusLabel[] = "Highest Bonus (0-99) =";
constexpr char kRepeatCaption[] = "Allow numbers to repeat";
constexpr char kShortRepeatCaption[] = "Numbers Repeat";
constexpr char kSortCaption[] = "Sort numbers in each line";
constexpr char kShortSortCaption[] = "Sort Numbers";
constexpr char kPowerBallCaption[] = "Show PowerBall";
constexpr char kShowBonusCaption[] = "Show Bonus";
constexpr char kSaveCaption[] = "Save";
constexpr char kDeleteCaption[] = "Delete";
constexpr char kExitCaption[] = "Exit";
constexpr char kHelpCaption[] = "?";
constexpr char kSecondDrumCaption[] = "Second Drum...";
// Beside the number boxes of the narrow layouts, on two lines.
constexpr char kNarrowSecondDrumCaption[] = "Second\nDrum...";

constexpr int kMargin = 4;
constexpr int kSpacing = 3;
constexpr int kNumberWidth = 34;
constexpr int kHelpButtonWidth = 24;

QLabel* label(QDialog& window, const char* text) { return profileLabel(window, QString::fromLatin1(text)); }

ProfileEditorControls makeControls(QDialog& window, ScreenShape shape) {
    const bool shortCaptions = shape != ScreenShape::Portrait;
    ProfileEditorControls c;
    c.hint = named(label(window, shape == ScreenShape::Square ? kSquareHint : kHint), "hintLabel");
    c.hint->setWordWrap(true);
    c.lottery = named(new LotterySelector(&window), "lotterySelector");
    c.balls = profileNumberBox(window, "ballsEdit");
    c.lowestBall = profileNumberBox(window, "lowestBallEdit");
    c.highestBall = profileNumberBox(window, "highestBallEdit");
    c.highestBonus = profileNumberBox(window, "highestBonusEdit");
    const auto check = [&](const char* objectName, const char* caption) {
        return named(new QCheckBox(QString::fromLatin1(caption), &window), objectName);
    };
    c.repeat = check("repeatCheck", shortCaptions ? kShortRepeatCaption : kRepeatCaption);
    c.sort = check("sortCheck", shortCaptions ? kShortSortCaption : kSortCaption);
    c.powerBall = check("powerBallCheck", kPowerBallCaption);
    c.showBonus = check("showBonusCheck", kShowBonusCaption);
    const auto button = [&](const char* objectName, const char* caption) {
        auto* pushButton = named(new QPushButton(QString::fromLatin1(caption), &window), objectName);
        pushButton->setAutoDefault(false);
        return pushButton;
    };
    c.save = button("saveButton", kSaveCaption);
    c.remove = button("deleteButton", kDeleteCaption);
    c.exit = button("exitButton", kExitCaption);
    c.help = button("helpButton", kHelpCaption);
    c.help->setFixedWidth(kHelpButtonWidth);
    c.secondDrum = button("secondDrumButton", shape == ScreenShape::Landscape ? kSecondDrumCaption
                                                                              : kNarrowSecondDrumCaption);
    return c;
}

// "Lottery" and the drop-down list on one row.
QHBoxLayout* lotteryRow(QDialog& window, const ProfileEditorControls& c) {
    auto* row = new QHBoxLayout;
    row->addWidget(label(window, kLotteryLabel));
    row->addWidget(c.lottery, 1);
    return row;
}

// The four numbers, each label beside its box, in column `column` of the grid.
void addNumbers(QDialog& window, const ProfileEditorControls& c, QGridLayout& grid, int column) {
    const std::pair<const char*, QLineEdit*> numbers[] = {{kBallsLabel, c.balls},
                                                          {kLowestBallLabel, c.lowestBall},
                                                          {kHighestBallLabel, c.highestBall},
                                                          {kHighestBonusLabel, c.highestBonus}};
    int row = 0;
    for (const auto& [text, box] : numbers) {
        grid.addWidget(label(window, text), row, column);
        grid.addWidget(box, row++, column + 1);
    }
    grid.setColumnStretch(column + 2, 1);
}

// Save, Delete and Exit share the row's width, however narrow the screen.
QHBoxLayout* buttonRow(const ProfileEditorControls& c) {
    auto* row = new QHBoxLayout;
    for (QPushButton* button : {c.save, c.remove, c.exit}) {
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        row->addWidget(button, 1);
    }
    row->addWidget(c.help);
    return row;
}

// The hint and the lottery above the four numbers, whose grid is returned
// for the layouts that put more beside them.
QGridLayout* addNameAndNumbers(QDialog& window, const ProfileEditorControls& c, QVBoxLayout& column) {
    column.addWidget(c.hint);
    column.addLayout(lotteryRow(window, c));
    auto* numbers = new QGridLayout;
    numbers->setSpacing(kSpacing);
    addNumbers(window, c, *numbers, 0);
    column.addLayout(numbers);
    return numbers;
}

// The buttons along the bottom.
void addButtons(const ProfileEditorControls& c, QVBoxLayout& column) {
    column.addStretch(1);
    column.addLayout(buttonRow(c));
}

// The second drum's button in the room right of the highest ball and bonus
// boxes, taking no more than the room there is.
void addSecondDrumBesideNumbers(const ProfileEditorControls& c, QGridLayout& numbers) {
    c.secondDrum->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    numbers.addWidget(c.secondDrum, 2, 2, 2, 1);
}

// Top to bottom: the hint, the lottery, the numbers with the second drum's
// button beside them, the four check boxes and the buttons.
void arrangePortrait(QDialog& window, const ProfileEditorControls& c, QVBoxLayout& column) {
    addSecondDrumBesideNumbers(c, *addNameAndNumbers(window, c, column));
    for (QCheckBox* box : {c.repeat, c.sort, c.powerBall, c.showBonus}) column.addWidget(box);
    addButtons(c, column);
}

// The check boxes beside the numbers, on the right, and the second drum's
// button under them.
void arrangeLandscape(QDialog& window, const ProfileEditorControls& c, QVBoxLayout& column) {
    QGridLayout* numbers = addNameAndNumbers(window, c, column);
    int row = 0;
    for (QCheckBox* box : {c.repeat, c.sort, c.powerBall, c.showBonus}) numbers->addWidget(box, row++, 3);
    numbers->addWidget(c.secondDrum, row, 3, Qt::AlignLeft);
    addButtons(c, column);
}

// The short hint, the numbers with the second drum's button beside them,
// then the check boxes two by two.
void arrangeSquare(QDialog& window, const ProfileEditorControls& c, QVBoxLayout& column) {
    addSecondDrumBesideNumbers(c, *addNameAndNumbers(window, c, column));
    auto* checks = new QGridLayout;
    checks->setSpacing(kSpacing);
    checks->addWidget(c.repeat, 0, 0);
    checks->addWidget(c.sort, 0, 1);
    checks->addWidget(c.powerBall, 1, 0);
    checks->addWidget(c.showBonus, 1, 1);
    column.addLayout(checks);
    addButtons(c, column);
}

}  // namespace

QLineEdit* profileNumberBox(QWidget& window, const char* objectName) {
    auto* box = named(new QLineEdit(&window), objectName);
    box->setFixedWidth(kNumberWidth);
    return box;
}

QLabel* profileLabel(QWidget& window, const QString& text) {
    auto* shown = new QLabel(text, &window);
    shown->setTextFormat(Qt::PlainText);
    return shown;
}

ProfileEditorControls buildProfileEditor(QDialog& window, ScreenSize screen) {
    applyDeviceLook(window);
    const ScreenShape shape = screenShapeOf(screen);
    ProfileEditorControls controls = makeControls(window, shape);
    auto* column = new QVBoxLayout(&window);
    column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    column->setSpacing(kSpacing);
    switch (shape) {
    case ScreenShape::Portrait: arrangePortrait(window, controls, *column); break;
    case ScreenShape::Landscape: arrangeLandscape(window, controls, *column); break;
    case ScreenShape::Square: arrangeSquare(window, controls, *column); break;
    }
    window.setFixedSize(deviceWindowSize(screen).expandedTo(column->minimumSize()));
    return controls;
}

}  // namespace numora
