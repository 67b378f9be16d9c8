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

// The picture, and beside it the same at twice the size.
InstalledPair ballPicture(const std::string& devicePath, int number, bool powerBall) {
    return {{devicePath, [number, powerBall] { return jpegBytes(paintBallPicture(number, powerBall)); }},
            {largerPicturePath(devicePath),
             [number, powerBall] { return jpegBytes(paintBallPicture(number, powerBall, kLargerPictureScale)); }}};
}

}  // namespace

InstallCounts installDeviceArt(const DevicePaths& paths, std::string_view dataFolder) {
    std::vector<InstalledPair> pictures;
    for (int number = kLastIdlePicture; number <= kHighestBallNumber; ++number)
        pictures.push_back(ballPicture(ballPicturePath(dataFolder, number), number, false));
    for (int number = kLowestBallNumber; number <= kHighestBallNumber; ++number)
        pictures.push_back(ballPicture(powerBallPicturePath(dataFolder, number), number, true));
    InstallCounts counts = installMissingFiles(paths, pictures);
    // The default sound file of the options is the one the program supplies.
    counts += installMissingFiles(paths, std::vector<InstalledFile>{{std::string(kDefaultSoundFile), chimeWaveBytes}});
    return counts;
}

}  // namespace numora::art
