#include "ui/rules/PickRulesLayout.h"

#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/FormatText.h"
#include "ui/art/ArtStyle.h"
#include "ui/rules/PickRulesTexts.h"
#include "ui/rules/RulesGrid.h"
#include "ui/services/DeviceWindow.h"

namespace numora {

namespace {

constexpr int kTopMargin = 4;
constexpr int kSpacing = 3;
constexpr int kSideMargin = 4;
constexpr int kPortraitColumns = 10;
constexpr int kLandscapeColumns = 10;
constexpr int kSquareColumns = 12;
constexpr QSize kSwatchSize(16, 14);
constexpr int kButtonPadding = 10;

QLabel* label(QWidget& window, const QString& text, const char* objectName) {
    auto* made = named(new QLabel(text, &window), objectName);
    made->setTextFormat(Qt::PlainText);
    return made;
}

PickRulesControls makeControls(QDialog& window, const LotteryProfile& lottery, int columns) {
    PickRulesControls c;
    c.heading = label(window,
                      QString::fromStdString(formatText(pickrules::kHeadingFormat, lottery.name.c_str(),
                                                        lottery.balls, lottery.min, lottery.max)),
                      "rulesHeading");
    c.grid = new RulesGrid(lottery.min, lottery.max, columns, &window);
    c.grid->setToolTip(QString::fromLatin1(pickrules::kHint));
    c.newLine = named(new QCheckBox(QString::fromLatin1(pickrules::kNewLine), &window), "newLineCheck");
    c.clear = named(new QPushButton(QString::fromLatin1(pickrules::kClear), &window), "clearButton");
    c.ok = named(new QPushButton(QString::fromLatin1(pickrules::kOk), &window), "okButton");
    c.cancel = named(new QPushButton(QString::fromLatin1(pickrules::kCancel), &window), "cancelButton");
    c.ok->setDefault(true);
    // One width for the three, as narrow as their captions allow: the style's
    // own would not fit three in a row of the portrait screen.
    int widest = 0;
    for (QPushButton* button : {c.clear, c.ok, c.cancel}) {
        button->setAutoDefault(false);
        widest = std::max(widest, button->fontMetrics().horizontalAdvance(button->text()));
    }
    for (QPushButton* button : {c.clear, c.ok, c.cancel}) button->setFixedWidth(widest + 2 * kButtonPadding);
    return c;
}

// A sample cell of each mark with its name, in a row or a column.
QBoxLayout* legend(QWidget& window, QBoxLayout::Direction direction) {
    auto* items = new QBoxLayout(direction);
    items->setSpacing(kSpacing);
    const std::tuple<RuleMark, const char*, const char*> marks[] = {
        {RuleMark::Fixed, pickrules::kFixed, "legendFixed"},
        {RuleMark::Excluded, pickrules::kExcluded, "legendExcluded"},
        {RuleMark::Free, pickrules::kFree, "legendFree"},
    };
    for (const auto& [mark, text, objectName] : marks) {
        auto* item = new QHBoxLayout;
        item->setSpacing(kSpacing);
        auto* swatch = new QLabel(&window);
        swatch->setPixmap(art::paintedPixmap(kSwatchSize, [mark = mark](QPainter& painter) {
            paintRuleCell(painter, QRectF(QPointF(0, 0), kSwatchSize), mark, QString(), false);
        }));
        item->addWidget(swatch);
        item->addWidget(label(window, QString::fromLatin1(text), objectName));
        item->addStretch(1);
        items->addLayout(item);
    }
    return items;
}

QHBoxLayout* marginRow(QVBoxLayout& column) { return addMarginRow(column, kSideMargin, kSpacing); }

void addButtonRow(QVBoxLayout& column, const PickRulesControls& c) {
    QHBoxLayout* row = marginRow(column);
    row->addWidget(c.clear);
    row->addStretch(1);
    row->addWidget(c.ok);
    row->addWidget(c.cancel);
}

// The rows from top to bottom; the hint where the screen is tall enough.
void arrangeColumn(QDialog& window, const PickRulesControls& c, QVBoxLayout& column, bool withHint) {
    marginRow(column)->addWidget(c.heading);
    if (withHint) {
        auto* hint = label(window, QString::fromLatin1(pickrules::kHint), "rulesHint");
        hint->setWordWrap(true);
        marginRow(column)->addWidget(hint);
    }
    marginRow(column)->addWidget(c.grid);
    marginRow(column)->addLayout(legend(window, QBoxLayout::LeftToRight));
    marginRow(column)->addWidget(c.newLine);
    column.addStretch(1);
    addButtonRow(column, c);
}

void arrangeLandscape(QDialog& window, const PickRulesControls& c, QVBoxLayout& column) {
    marginRow(column)->addWidget(c.heading);
    QHBoxLayout* middle = marginRow(column);
    middle->addWidget(c.grid, 1);
    auto* side = new QVBoxLayout;
    side->setSpacing(kSpacing);
    side->addLayout(legend(window, QBoxLayout::TopToBottom));
    side->addStretch(1);
    for (QPushButton* button : {c.clear, c.ok, c.cancel}) side->addWidget(button);
    middle->addLayout(side);
    column.setStretchFactor(middle, 1);
    marginRow(column)->addWidget(c.newLine);
}

}  // namespace

PickRulesControls buildPickRulesWindow(QDialog& window, ScreenSize screen, const LotteryProfile& lottery) {
    QVBoxLayout* column = dressDeviceWindow(window, kTopMargin, kSpacing);
    column->setContentsMargins(0, kTopMargin, 0, kTopMargin);
    const ScreenShape shape = screenShapeOf(screen);
    const int columns = shape == ScreenShape::Portrait    ? kPortraitColumns
                        : shape == ScreenShape::Landscape ? kLandscapeColumns
                                                          : kSquareColumns;
    const PickRulesControls controls = makeControls(window, lottery, columns);
    switch (shape) {
    case ScreenShape::Portrait: arrangeColumn(window, controls, *column, true); break;
    case ScreenShape::Landscape: arrangeLandscape(window, controls, *column); break;
    case ScreenShape::Square: arrangeColumn(window, controls, *column, false); break;
    }
    fitDeviceWindow(window, screen);
    return controls;
}

}  // namespace numora
