#pragma once

#include <QDialog>

#include <optional>
#include <string>

#include "draws/DrawFile.h"
#include "picking/PickedLine.h"
#include "picking/PredictionEngine.h"
#include "platform/CrtRandom.h"
#include "plays/Ticket.h"
#include "settings/PickRules.h"
#include "settings/SettingsFile.h"
#include "ui/main/MainWindowLayout.h"
#include "ui/main/MainWindowServices.h"
#include "ui/services/StatusProgress.h"

namespace numora {

class RulesMark;

// The program's one top-level window, titled "Numora": the user chooses a
// lottery, taps "Pick" and sees the line as ball pictures and at the top of
// the pick list. It holds the current lottery's past draws and its own store
// of the settings file. Opening reads the options, the lottery list, the
// current lottery's profile and draws; closing writes the profile, the
// options and the settings file.
class MainWindow : public QDialog {
    Q_OBJECT

public:
    explicit MainWindow(const MainWindowServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    ScreenShape shape() const { return shape_; }

    // Ends the window; the first time, the closing steps run before it.
    void done(int result) override;

private:
    // Opening (MainWindow.cpp).
    void runOpening();
    void connectCommands();
    void setUpButtons();
    bool loadSettings();
    void fillSelector();
    void runClosing();

    // The lottery and its draws (MainWindowLottery.cpp).
    void selectorClosed();
    void chooseLottery(const std::string& name);
    void addLotteryType();
    void pastDraws();
    void drawStats();
    DrawFileResult loadDraws(const std::string& name);
    void loadDrawsAndMode(const std::string& name);
    void reportUnreadDraws(const DrawFileResult& loaded, const std::string& name);
    void setRandomMode(bool random);
    void showModeStatus();
    void showWelcome(bool withBallsLine);

    // Picks (MainWindowPick.cpp).
    void OnPick();
    void pickListTapped();
    void showLine(const PickedLine& line);
    void playSound(const std::string& soundFile);

    // The other commands (MainWindowCommands.cpp).
    void exportPicks();
    void erasePicks();
    void advanced();
    void help();

    // Checking the picks against a draw (MainWindowCheck.cpp).
    void connectCheckCommands();
    void checkPicks();
    void markCheckedBalls();

    // Wheels (MainWindowWheel.cpp).
    void connectWheelCommand();
    void openWheel();
    void addPicks(const std::vector<PickedLine>& picks);
    // The current lottery's pick rules (MainWindowRules.cpp).
    void connectRulesCommands();
    void loadPickRules();
    void pickRules();
    TakenLines listedLines() const;
    // A message, shown once the window is on screen.
    void tell(const std::string& message);
    // Tickets: the picks or a wheel played for a draw, and the Tickets window (MainWindowTickets.cpp).
    void connectTicketCommands();
    void playPicks();
    // Plays the lines as tickets, the day asked for over `over`.
    void playTickets(const std::vector<PickedLine>& lines, TicketSource source, QWidget* over);
    void showTickets();

    // The selector's edit field and the text the window keeps of it.
    void takeControlValues();
    void showFieldValues();

    MainWindowServices services_;
    ScreenShape shape_;
    MainWindowControls controls_;
    StatusProgress progress_;
    SettingsFile settings_;
    DrawList draws_;
    CrtRandom random_;
    PredictionEngine engine_;
    QString lotteryField_;
    std::string unreadReported_;
    std::optional<DrawRecord> checkedDraw_;
    PickRules rules_;
    RulesMark* rulesMark_ = nullptr;
    bool opened_ = false;
    bool closed_ = false;
};

}  // namespace numora
