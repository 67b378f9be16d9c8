#include "ui/app/DesktopScaleSetup.h"

#include <QGuiApplication>
#include <QScreen>

#include <optional>

#include "app/DesktopScale.h"

namespace numora {

namespace {

std::optional<DesktopScreen> primaryScreen(char* programName) {
    int argc = 1;
    char* argv[] = {programName, nullptr};
    const QGuiApplication probe(argc, argv);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return std::nullopt;
    const qreal ratio = screen->devicePixelRatio();
    const QRect available = screen->availableGeometry();
    return DesktopScreen{.availableWidth = qRound(available.width() * ratio),
                         .availableHeight = qRound(available.height() * ratio),
                         .devicePixelRatio = ratio};
}

}  // namespace

void chooseDesktopScale(ScreenSize deviceScreen, char* programName) {
    if (!qEnvironmentVariableIsEmpty(kScaleVariable)) return;
    const auto screen = primaryScreen(programName);
    if (!screen) return;
    const double scale = desktopScale(*screen, deviceScreen);
    if (scale > 1.0) qputenv(kScaleVariable, QByteArray::number(scale));
}

}  // namespace numora
