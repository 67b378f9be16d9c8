#include "ui/art/DeviceArtInstaller.h"

#include <QBuffer>
#include <QImage>

#include "app/BallPictureNames.h"
#include "settings/OptionKeys.h"
#include "ui/art/BallPictures.h"
#include "ui/art/ChimeSound.h"

namespace numora::art {

namespace {

constexpr int kJpegQuality = 95;
constexpr char kJpegFormat[] = "JPG";

std::string jpegBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, kJpegFormat, kJpegQuality);
    return bytes.toStdString();
}

}  // namespace

InstallCounts installDeviceArt(const DevicePaths& paths, std::string_view dataFolder) {
    std::vector<InstalledFile> files;
    for (int number = kLastIdlePicture; number <= kHighestBallNumber; ++number) {
        files.push_back({ballPicturePath(dataFolder, number),
                         [number] { return jpegBytes(paintBallPicture(number, false)); }});
    }
    for (int number = kLowestBallNumber; number <= kHighestBallNumber; ++number) {
        files.push_back({powerBallPicturePath(dataFolder, number),
                         [number] { return jpegBytes(paintBallPicture(number, true)); }});
    }
    // The default sound file of the options is the one the program supplies.
    files.push_back({std::string(kDefaultSoundFile), chimeWaveBytes});
    return installMissingFiles(paths, files);
}

}  // namespace numora::art
