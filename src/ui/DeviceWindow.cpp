#include "ui/DeviceWindow.h"

#include <QWidget>

#include "ui/art/ArtStyle.h"

namespace numora {

namespace {

// The handheld's top bar takes this much of the screen; the window has the rest.
constexpr int kNavigationBarHeight = 26;
constexpr int kFontPixelSize = 11;

}  // namespace

void applyDeviceLook(QWidget& window) {
    QFont font = window.font();
    font.setPixelSize(kFontPixelSize);
    window.setFont(font);
    // White, as the handheld's dialogs are.
    QPalette colours = window.palette();
    colours.setColor(QPalette::Window, art::Colors::paper());
    window.setPalette(colours);
}

QSize deviceWindowSize(ScreenSize screen) { return {screen.width, screen.height - kNavigationBarHeight}; }

}  // namespace numora
