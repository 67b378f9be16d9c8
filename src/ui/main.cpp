#include <QApplication>
#include <cstdio>

#include "NumoraApp.h"
#include "qt/QSettingsAppProfile.h"

namespace {

constexpr char kScaleVariable[] = "QT_SCALE_FACTOR";
constexpr char kDesktopScale[] = "2";

}  // namespace

int main(int argc, char* argv[]) {
    // The arguments are read before the display is opened, so a mistake is
    // reported even where no display can be had.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (arguments.contains(QStringLiteral("--help"))) {
        std::fputs(numora::kLaunchUsage, stdout);
        return 0;
    }
    QString error;
    const auto options = numora::parseLaunchOptions(arguments, error);
    if (!options) {
        std::fprintf(stderr, "numora: %s\n%s", qPrintable(error), numora::kLaunchUsage);
        return 2;
    }

    // The windows are laid out for a handheld screen of 240 by 320 pixels; on a
    // desktop they are shown twice as large unless the user chose a scale.
    if (qEnvironmentVariableIsEmpty(kScaleVariable)) qputenv(kScaleVariable, kDesktopScale);
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(numora::QSettingsAppProfile::kOrganisation));
    QApplication::setApplicationName(QString::fromLatin1(numora::QSettingsAppProfile::kApplication));
    numora::NumoraApp app(*options);
    return app.run();
}
