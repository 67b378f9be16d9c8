#pragma once

#include <QDialog>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "app/ScreenShape.h"
#include "picking/PickedLine.h"
#include "settings/LotteryProfile.h"
#include "ui/wheel/WheelJob.h"
#include "ui/wheel/WheelWindowLayout.h"
#include "wheels/WheelSearch.h"

namespace numora {

class Prompter;

// The "Wheel" window: the user taps the lottery's numbers into a pool (a
// second tap makes a key number), chooses the guarantee "Match T if P" and
// perhaps "Tickets at most N", and taps Generate. The search runs while the
// window shows its progress and can cancel it; the tickets then show one a
// line with their check under them. "Add to Pick List" closes the window with
// the tickets as picks for the main window's pick list; "Play Wheel" hands
// them over to be played as tickets and leaves the window open.
class WheelWindow : public QDialog {
    Q_OBJECT

public:
    // clock: seconds since 1970; seeds the tickets' bonus numbers, as it
    // seeds a random pick.
    WheelWindow(const LotteryProfile& lottery, ScreenSize screen, Prompter& prompter,
                std::function<std::int64_t()> clock, const SearchLimits& limits = {}, QWidget* parent = nullptr);
    ~WheelWindow() override;

    // The tickets as picks, once "Add to Pick List" was tapped.
    const std::vector<PickedLine>& picksToAdd() const { return picks_; }
    ScreenShape shape() const { return shape_; }

    // Ends the window; a running search is cancelled first.
    void done(int result) override;

Q_SIGNALS:
    // "Play Wheel" was tapped: the wheel's tickets as lines, each with its
    // bonus when the lottery shows one.
    void playRequested(const std::vector<PickedLine>& lines);

private:
    void generate();
    void showProgress(const SearchProgress& progress);
    void showWheel();
    void addToPickList();
    void playWheel();
    // The shown wheel's tickets as lines; none, after saying why, when they
    // cannot be made.
    std::optional<std::vector<PickedLine>> wheelLines();
    // Before a search, and whenever the pool or the guarantee change: what
    // the pool holds, and no wheel.
    void showPool();
    void setSearching(bool searching);

    LotteryProfile lottery_;
    ScreenShape shape_;
    Prompter& prompter_;
    std::function<std::int64_t()> clock_;
    SearchLimits limits_;
    WheelWindowControls controls_;
    WheelJob job_;
    std::optional<Wheel> wheel_;
    std::vector<PickedLine> picks_;
};

}  // namespace numora
