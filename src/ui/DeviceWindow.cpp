#include "ui/DeviceWindow.h"

#include <QVBoxLayout>
#include <QWidget>

#include "ui/art/ArtStyle.h"

namespace numora {

namespace {

// The handheld's top bar takes this much of the screen; the window has the rest.
constexpr int kNavigationBarHeight = 26;
constexpr int kFontPixelSize = 11;

}  // namespace

QSize deviceWindowSize(ScreenSize screen) { return {screen.width, screen.height - kNavigationBarHeight}; }

QVBoxLayout* dressDeviceWindow(QWidget& window, int topMargin, int spacing) {
    QFont font = window.font();
    font.setPixelSize(kFontPixelSize);
    window.setFont(font);
    QPalette colours = window.palette();
    colours.setColor(QPalette::Window, art::Colors::paper());
    window.setPalette(colours);

    auto* column = new QVBoxLayout(&window);
    column->setContentsMargins(0, topMargin, 0, 0);
    column->setSpacing(spacing);
    return column;
}

void fitDeviceWindow(QWidget& window, ScreenSize screen) {
    window.setFixedSize(deviceWindowSize(screen).expandedTo(window.layout()->minimumSize()));
}

}  // namespace numora
