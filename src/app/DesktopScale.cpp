#include "app/DesktopScale.h"

namespace numora {

namespace {

constexpr double kScales[] = {2.0, 1.5};
constexpr double kSmallestScale = 1.0;
constexpr double kLargestShare = 0.85;

}  // namespace

double desktopScale(const DesktopScreen& screen, ScreenSize window) {
    const double ratio = screen.devicePixelRatio > 0 ? screen.devicePixelRatio : 1.0;
    // The desktop's scaling already enlarges every window by its ratio: what
    // is left for the window is the screen in the desktop's own units.
    const double roomWidth = kLargestShare * screen.availableWidth / ratio;
    const double roomHeight = kLargestShare * screen.availableHeight / ratio;
    for (const double scale : kScales) {
        if (window.width * scale <= roomWidth && window.height * scale <= roomHeight) return scale;
    }
    return kSmallestScale;
}

}  // namespace numora
