#include "ui/advanced/AdvancedDialogLayout.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/services/DeviceWindow.h"
#include "ui/art/Icons.h"
#include "ui/controls/RoundIconButton.h"

namespace numora {

namespace {

constexpr char kModelGroup[] = "Forecasting Model";
constexpr const char* kModelNames[] = {"Hyper Geometric", "Binomial", "Monte Carlo Method"};
constexpr const char* kModelObjectNames[] = {"hyperGeometricRadio", "binomialRadio", "monteCarloRadio"};
constexpr char kPatternCaption[] = "Use Pattern Prediction";
constexpr char kWeightCaption[] = "More weight to less freq. balls";
constexpr char kSoundCaption[] = "Play Sounds";
constexpr char kSoundFilesLabel[] = "Select sound files";
constexpr char kPickLabel[] = "Pick:";
constexpr char kStartLabel[] = "Start";
constexpr char kOk[] = "OK";
constexpr char kCancel[] = "Cancel";

constexpr int kMargin = 4;
constexpr int kSpacing = 3;
constexpr int kSoundIconSide = 32;
constexpr int kBrowseSide = 22;

AdvancedDialogControls makeControls(QDialog& window) {
    AdvancedDialogControls c;
    c.model = new QButtonGroup(&window);
    for (int model = 0; model < 3; ++model) {
        auto* radio = named(new QRadioButton(QString::fromLatin1(kModelNames[model]), &window), kModelObjectNames[model]);
        c.model->addButton(radio, model);
    }
    const auto check = [&](const char* objectName, const char* caption) {
        return named(new QCheckBox(QString::fromLatin1(caption), &window), objectName);
    };
    c.pattern = check("patternCheck", kPatternCaption);
    c.weight = check("weightCheck", kWeightCaption);
    c.sound = check("soundCheck", kSoundCaption);
    c.pickSound = named(new QLineEdit(&window), "pickSoundEdit");
    c.startSound = named(new QLineEdit(&window), "startSoundEdit");
    c.browsePick = named(new RoundIconButton(QString(), &window), "browsePickButton");
    c.browseStart = named(new RoundIconButton(QString(), &window), "browseStartButton");
    for (RoundIconButton* browse : {c.browsePick, c.browseStart}) browse->setFixedSize(kBrowseSide, kBrowseSide);
    c.soundIcon = named(new QLabel(&window), "soundIcon");
    c.soundIcon->setPixmap(art::iconPixmap(art::kSoundIcon, {kSoundIconSide, kSoundIconSide}));
    c.soundIcon->setFixedSize(kSoundIconSide, kSoundIconSide);
    return c;
}

// The three models, in a frame titled "Forecasting Model" or, without one, as
// a plain column.
QWidget* modelChoice(QDialog& window, const AdvancedDialogControls& c, bool framed) {
    QWidget* holder = framed ? new QGroupBox(QString::fromLatin1(kModelGroup), &window) : new QWidget(&window);
    holder->setObjectName(QStringLiteral("modelGroup"));
    auto* column = new QVBoxLayout(holder);
    column->setContentsMargins(framed ? kMargin : 0, framed ? kSpacing : 0, kMargin, framed ? kSpacing : 0);
    column->setSpacing(kSpacing);
    for (QAbstractButton* radio : c.model->buttons()) column->addWidget(radio);
    return holder;
}

QVBoxLayout* optionChecks(const AdvancedDialogControls& c) {
    auto* column = new QVBoxLayout;
    column->setSpacing(kSpacing);
    for (QCheckBox* box : {c.pattern, c.weight, c.sound}) column->addWidget(box);
    return column;
}

// A row for each sound: its label, its path and its browse button, from
// grid row `first` on, beginning at grid column `column`.
void addSoundRows(QDialog& window, const AdvancedDialogControls& c, QGridLayout& grid, int first, int column) {
    const std::tuple<const char*, QLineEdit*, RoundIconButton*> rows[] = {
        {kPickLabel, c.pickSound, c.browsePick}, {kStartLabel, c.startSound, c.browseStart}};
    int row = first;
    for (const auto& [text, box, browse] : rows) {
        grid.addWidget(new QLabel(QString::fromLatin1(text), &window), row, column);
        grid.addWidget(box, row, column + 1);
        grid.addWidget(browse, row++, column + 2);
    }
    grid.setColumnStretch(column + 1, 1);
}

// The sound icon and "Select sound files" above the two sound rows.
QGridLayout* labelledSounds(QDialog& window, const AdvancedDialogControls& c) {
    auto* grid = new QGridLayout;
    grid->setSpacing(kSpacing);
    auto* heading = new QHBoxLayout;
    heading->addWidget(c.soundIcon);
    heading->addWidget(named(new QLabel(QString::fromLatin1(kSoundFilesLabel), &window), "soundFilesLabel"), 1);
    grid->addLayout(heading, 0, 0, 1, 3);
    addSoundRows(window, c, *grid, 1, 0);
    return grid;
}
void hideOkAndCancel(QDialog& window, AdvancedDialogControls& c) {
    c.ok = outOfSightButton(window, "okButton", kOk, 0);
    c.cancel = outOfSightButton(window, "cancelButton", kCancel, outOfSightButtonHeight());
}

void arrangePortrait(QDialog& window, AdvancedDialogControls& c, QVBoxLayout& column) {
    column.addWidget(modelChoice(window, c, true));
    column.addLayout(optionChecks(c));
    column.addStretch(1);
    column.addLayout(labelledSounds(window, c));
    hideOkAndCancel(window, c);
}

// The models beside the sounds; below them the options, with OK and Cancel
// at the bottom right.
void arrangeLandscape(QDialog& window, AdvancedDialogControls& c, QVBoxLayout& column) {
    auto* top = new QHBoxLayout;
    top->addWidget(modelChoice(window, c, true));
    top->addLayout(labelledSounds(window, c), 1);
    column.addLayout(top);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(optionChecks(c));
    bottom->addStretch(1);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch(1);
    c.ok = named(new QPushButton(QString::fromLatin1(kOk), &window), "okButton");
    c.cancel = named(new QPushButton(QString::fromLatin1(kCancel), &window), "cancelButton");
    buttons->addWidget(c.ok);
    buttons->addWidget(c.cancel);
    bottom->addLayout(buttons);
    column.addLayout(bottom);
    column.addStretch(1);
}

// No frame round the models, and the sound icon alone beside the sound rows.
void arrangeSquare(QDialog& window, AdvancedDialogControls& c, QVBoxLayout& column) {
    column.addWidget(modelChoice(window, c, false));
    column.addLayout(optionChecks(c));
    column.addStretch(1);
    auto* sounds = new QGridLayout;
    sounds->setSpacing(kSpacing);
    sounds->addWidget(c.soundIcon, 0, 0, 2, 1, Qt::AlignVCenter);
    addSoundRows(window, c, *sounds, 0, 1);
    column.addLayout(sounds);
    hideOkAndCancel(window, c);
}

}  // namespace

AdvancedDialogControls buildAdvancedDialog(QDialog& window, ScreenSize screen) {
    applyDeviceLook(window);
    AdvancedDialogControls controls = makeControls(window);
    auto* column = new QVBoxLayout(&window);
    column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    column->setSpacing(kSpacing);
    switch (screenShapeOf(screen)) {
    case ScreenShape::Portrait: arrangePortrait(window, controls, *column); break;
    case ScreenShape::Landscape: arrangeLandscape(window, controls, *column); break;
    case ScreenShape::Square: arrangeSquare(window, controls, *column); break;
    }
    controls.ok->setDefault(true);
    window.setFixedSize(deviceWindowSize(screen).expandedTo(column->minimumSize()));
    return controls;
}

}  // namespace numora
