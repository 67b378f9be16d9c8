#include <QApplication>
#include <cstdio>

#include "ui/app/DesktopScaleSetup.h"
#include "ui/app/NumoraApp.h"
#include "NumoraBuild.h"
#include "qt/QSettingsAppProfile.h"

int main(int argc, char* argv[]) {
    // The arguments are read before the display is opened, so a mistake is
    // reported even where no display can be had.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (arguments.contains(QStringLiteral("--help"))) {
        std::fputs(numora::kLaunchUsage, stdout);
        return 0;
    }
    if (arguments.contains(QStringLiteral("--version"))) {
        std::printf("numora %s\n", numora::kNumoraVersion);
        return 0;
    }
    QString error;
    const auto options = numora::parseLaunchOptions(arguments, error);
    if (!options) {
        std::fprintf(stderr, "numora: %s\n%s", qPrintable(error), numora::kLaunchUsage);
        return 2;
    }

    // The windows are laid out for the handheld's screen; on a desktop they
    // are shown larger, as far as the screen has room.
    numora::chooseDesktopScale(options->screen, argv[0]);
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(numora::QSettingsAppProfile::kOrganisation));
    QApplication::setApplicationName(QString::fromLatin1(numora::QSettingsAppProfile::kApplication));
    QApplication::setDesktopFileName(QString::fromLatin1(numora::kNumoraAppId));
    numora::NumoraApp app(*options);
    return app.run();
}
