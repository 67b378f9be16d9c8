// numora_gallery OUTDIR: renders the program's windows, controls and art to
// PNG files in OUTDIR, on a fresh device with a small lottery in place. At a
// scale above 1 (QT_SCALE_FACTOR=2) it renders the scale comparison instead.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

#include "Gallery.h"
#include "app/AppState.h"
#include "platform/DevicePaths.h"
#include "ui/art/DeviceArtInstaller.h"

namespace {

constexpr char kUsage[] = "usage: numora_gallery OUTDIR\n";
constexpr char kDataFolder[] = "\\Program Files\\Numora";
constexpr char kSampleLottery[] = "Lotto 6/49";

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const QDir outDir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(outDir.absolutePath())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    QTemporaryDir root;
    const numora::DevicePaths device(root.path().toStdString());
    numora::AppState state;
    state.dataFolder = kDataFolder;
    state.current.name = kSampleLottery;
    state.current.showBonus = true;
    numora::art::installDeviceArt(device, state.dataFolder);

    numora::gallery::Gallery gallery(outDir, device, state);
    numora::gallery::writeLotteries(device);
    if (app.devicePixelRatio() > 1) {
        numora::gallery::shootAtScaleTwo(gallery);
        numora::gallery::shootPastDrawsAtScaleTwo(gallery);
    } else {
        numora::gallery::shootArt(gallery);
        numora::gallery::shootControls(gallery);
        numora::gallery::shootMainWindows(gallery);
        numora::gallery::shootHelpScreens(gallery);
        numora::gallery::shootMessages(gallery);
        numora::gallery::shootAnalysis(gallery);
        numora::gallery::shootEditorWindows(gallery);
        numora::gallery::shootPastDrawsWindows(gallery);
        numora::gallery::shootImportPreview(gallery);
        numora::gallery::shootWheelWindows(gallery);
        numora::gallery::shootPickRules(gallery);
        numora::gallery::shootTickets(gallery);
    }

    for (const QString& file : gallery.written()) std::printf("%s\n", qPrintable(file));
    return gallery.failures() == 0 ? 0 : 1;
}
