// numora_icons FILE PIXELS [FILE PIXELS...]: writes the program's icon as PNG
// files, each drawn at its own size (never scaled from another).
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

#include "ui/art/Icons.h"

int main(int argc, char* argv[]) {
    if (argc < 3 || argc % 2 == 0) {
        std::fputs("usage: numora_icons FILE PIXELS [FILE PIXELS...]\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    for (int i = 1; i + 1 < argc; i += 2) {
        const QString file = QString::fromLocal8Bit(argv[i]);
        const int pixels = QString::fromLatin1(argv[i + 1]).toInt();
        const QImage icon = numora::art::iconImage(numora::art::kProgramIcon, {pixels, pixels});
        if (pixels < 1 || !QDir().mkpath(QFileInfo(file).absolutePath()) || !icon.save(file, "PNG")) {
            std::fprintf(stderr, "numora_icons: cannot write %s at %s pixels\n", argv[i], argv[i + 1]);
            return 1;
        }
    }
    return 0;
}
