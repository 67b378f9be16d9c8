#pragma once

#include <QStringList>
#include <filesystem>
#include <optional>

#include "app/ScreenShape.h"

namespace numora {

// What numora is started with: numora [--root DIR] [--screen WxH].
struct LaunchOptions {
    std::optional<std::filesystem::path> root;
    ScreenSize screen;
};

inline constexpr char kLaunchUsage[] =
    "usage: numora [--root DIR] [--screen WxH]\n"
    "  --root DIR     the device root: the folder that holds Numora's device files\n"
    "  --screen WxH   the device screen, 240x320 (portrait) unless given\n";

// Reads the arguments after the program name; nullopt and a message in error
// when they are not understood.
std::optional<LaunchOptions> parseLaunchOptions(const QStringList& arguments, QString& error);

}  // namespace numora
