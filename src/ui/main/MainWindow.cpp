#include "ui/main/MainWindow.h"

#include <QAction>

#include "app/AppState.h"
#include "platform/Prompter.h"
#include "settings/LotteryStore.h"
#include "settings/OptionStore.h"
#include "settings/SettingsLocation.h"
#include "ui/main/MainWindowTexts.h"
#include "ui/art/Icons.h"
#include "ui/controls/BallDisplay.h"
#include "ui/controls/CommandBar.h"
#include "ui/controls/IconButton.h"
#include "ui/controls/LotterySelector.h"
#include "ui/controls/PickList.h"

namespace numora {

namespace {

constexpr int kButtonIconSide = 16;

}  // namespace

MainWindow::MainWindow(const MainWindowServices& services, QWidget* parent)
    : QDialog(parent),
      services_(services),
      shape_(screenShapeOf(services.screen)),
      controls_(buildMainWindow(*this, services.screen, services.state, services.device)),
      progress_(*controls_.status, *controls_.progress),
      engine_(random_) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QString::fromLatin1(mainwindow::kTitle));
    connectCommands();
    runOpening();
}

MainWindow::~MainWindow() = default;

void MainWindow::connectCommands() {
    connect(controls_.pick, &QPushButton::clicked, this, &MainWindow::OnPick);
    connect(controls_.pastDraws, &QPushButton::clicked, this, &MainWindow::pastDraws);
    connect(controls_.drawStats, &QPushButton::clicked, this, &MainWindow::drawStats);
    connect(controls_.selector, &LotterySelector::dropDownClosed, this, &MainWindow::selectorClosed);
    connect(controls_.pickList, &PickList::tapped, this, &MainWindow::pickListTapped);
    const CommandBar& bar = *controls_.commandBar;
    connect(bar.erasePicks(), &QAction::triggered, this, &MainWindow::erasePicks);
    connect(bar.addLotteryType(), &QAction::triggered, this, &MainWindow::addLotteryType);
    connect(bar.pastDraws(), &QAction::triggered, this, &MainWindow::pastDraws);
    connect(bar.exportPicks(), &QAction::triggered, this, &MainWindow::exportPicks);
    connect(bar.advanced(), &QAction::triggered, this, &MainWindow::advanced);
    connect(bar.help(), &QAction::triggered, this, &MainWindow::help);
    if (controls_.hiddenOk) connect(controls_.hiddenOk, &QPushButton::clicked, this, &QDialog::accept);
    if (controls_.hiddenCancel) connect(controls_.hiddenCancel, &QPushButton::clicked, this, &QDialog::reject);
    connectCheckCommands();
    connectWheelCommand();
    connectRulesCommands();
    connectTicketCommands();
}

void MainWindow::setUpButtons() {
    const std::pair<IconButton*, int> buttons[] = {
        {controls_.pick, art::kPickIcon},
        {controls_.pastDraws, art::kPastDrawsIcon},
        {controls_.drawStats, art::kDrawStatsIcon},
    };
    for (const auto& [button, icon] : buttons) {
        button->setFont(font());
        button->SetIcon(icon, kButtonIconSide, kButtonIconSide);
        button->SetFlat(false, false);
    }
}

bool MainWindow::loadSettings() {
    const auto file = services_.device.toHost(settingsFilePath(services_.state.dataFolder));
    return file && settings_.Load(*file);
}

void MainWindow::fillSelector() { controls_.selector->setNames(readLotteryList(settings_)); }

void MainWindow::runOpening() {
    AppState& state = services_.state;
    setWindowIcon(art::iconByNumber(art::kProgramIcon));
    setUpButtons();

    readAdvancedOptions(services_.profile, state.options);
    LoadOptions(services_.profile, state.options, state.dataFolder, state.current.name);

    if (loadSettings()) fillSelector();
    controls_.selector->selectName(state.current.name);
    readLotteryProfile(settings_, state.current.name, state.current);
    loadPickRules();
    loadDrawsAndMode(state.current.name);

    showWelcome(false);
    controls_.balls->showIdle();
    controls_.balls->repaint();
    if (state.options.playSounds) playSound(state.options.startSound);
    controls_.pick->setFocus();
    opened_ = true;
}

void MainWindow::done(int result) {
    if (!closed_) {
        closed_ = true;
        runClosing();
    }
    QDialog::done(result);
}

void MainWindow::runClosing() {
    takeControlValues();
    setLotteryProfile(settings_, services_.state.current);
    SaveOptions(services_.profile, services_.state.options, services_.state.current.name);
    if (!settings_.Save()) services_.prompter.report(mainwindow::kSettingsNotSaved);
    // Written once, and checked: the store does not write itself again as the
    // window goes.
    settings_.Clear();
}

void MainWindow::takeControlValues() { lotteryField_ = controls_.selector->currentText(); }

void MainWindow::showFieldValues() { controls_.selector->setEditText(lotteryField_); }

}  // namespace numora
