#pragma once

#include <QStringList>
#include <filesystem>
#include <optional>

#include "app/ScreenShape.h"

namespace numora {

// What numora is started with: numora [--root DIR] [--screen WxH] [--check-start].
struct LaunchOptions {
    std::optional<std::filesystem::path> root;
    ScreenSize screen;
    // Close the main window as soon as it has been painted, saying so on the
    // standard output: a check that the program starts. Messages go to the
    // standard error instead of waiting in boxes, and fail the check.
    bool checkStart = false;
};

inline constexpr char kLaunchUsage[] =
    "usage: numora [--root DIR] [--screen WxH]\n"
    "  --root DIR     the device root: the folder that holds Numora's device files\n"
    "  --screen WxH   the device screen, 240x320 (portrait) unless given\n"
    "  --check-start  print \"started\" once the main window is painted, then close it;\n"
    "                 messages go to standard error and make the exit status 1\n"
    "  --version      the version of numora\n"
    "  --help         this text\n";

// Reads the arguments after the program name; nullopt and a message in error
// when they are not understood.
std::optional<LaunchOptions> parseLaunchOptions(const QStringList& arguments, QString& error);

}  // namespace numora
