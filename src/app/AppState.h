#pragma once

#include <cstdint>
#include <string>

#include "draws/DrawList.h"
#include "platform/CalendarTime.h"
#include "settings/LotteryProfile.h"
#include "settings/Options.h"

namespace numora {

// The process-wide values: one instance, owned by the application and handed
// by reference to each window (a fresh one per test).
struct AppState {
    LotteryProfile current;             // the current lottery: name and profile values
    std::string dataFolder;             // device path, replaced at start from the options
    Options options;
    CalendarTime startTime;             // local time at which the program started
    std::int32_t startSeconds = 0;      // the same moment as a draw date
    bool randomMode = false;            // the main window picks at random
    bool welcomeShown = false;          // the main window's welcome lines are shown
};

}  // namespace numora
