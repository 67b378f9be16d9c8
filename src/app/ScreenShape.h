#pragma once

#include <optional>
#include <string_view>

namespace numora {

// The shape of the device screen, which chooses a window's layout once, when
// the window is made.
enum class ScreenShape { Portrait, Landscape, Square };

struct ScreenSize {
    int width = 240;
    int height = 320;

    friend bool operator==(const ScreenSize&, const ScreenSize&) = default;
};

// Equal sides: square; otherwise a height below 320: landscape; otherwise portrait.
ScreenShape screenShapeOf(ScreenSize size);

// Reads "WxH" (for example "320x240"); nullopt unless both are whole numbers
// from 1 to 10000.
std::optional<ScreenSize> parseScreenSize(std::string_view text);

}  // namespace numora
