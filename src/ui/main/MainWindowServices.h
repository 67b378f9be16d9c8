#pragma once

#include <cstdint>
#include <functional>

#include "app/ScreenShape.h"

namespace numora {

class AppProfile;
class DevicePaths;
class LocaleInfo;
class LocalTime;
class Prompter;
class WavePlayer;
struct AppState;

// What the main window works with, handed in by the application (and by
// tests, with in-memory and recording ones).
struct MainWindowServices {
    AppState& state;
    const DevicePaths& device;
    AppProfile& profile;
    const LocaleInfo& locale;
    const LocalTime& time;
    Prompter& prompter;
    WavePlayer& sound;
    // Seconds since 1970; seeds the random lines.
    std::function<std::int64_t()> clock;
    // The device screen, whose shape chooses the layout.
    ScreenSize screen;
};

}  // namespace numora
