#pragma once

#include <string>

#include "app/ScreenShape.h"
#include "settings/LotteryProfile.h"

namespace numora {

class DevicePaths;
class LocalTime;
class Prompter;

// What the tickets' windows work with: the lottery's tickets file beside its
// draw file, the clock, the message boxes and the device screen.
struct TicketServices {
    const DevicePaths& device;
    std::string dataFolder;
    LotteryProfile lottery;
    const LocalTime& time;
    Prompter& prompter;
    ScreenSize screen;
};

}  // namespace numora
