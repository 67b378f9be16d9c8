#include "ui/art/DeviceArtInstaller.h"

#include <QBuffer>
#include <QImage>

#include <functional>

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

// The picture `paint` paints at a scale, and beside it the same at twice the size.
InstalledPair ballPicture(const std::string& devicePath, const std::function<QImage(int scale)>& paint) {
    return {{devicePath, [paint] { return jpegBytes(paint(1)); }},
            {largerPicturePath(devicePath), [paint] { return jpegBytes(paint(kLargerPictureScale)); }}};
}

}  // namespace

InstallCounts installDeviceArt(const DevicePaths& paths, std::string_view dataFolder) {
    std::vector<InstalledPair> pictures;
    for (int number = kLastIdlePicture; number <= kHighestBallNumber; ++number) {
        pictures.push_back(ballPicture(ballPicturePath(dataFolder, number),
                                       [number](int scale) { return paintBallPicture(number, false, scale); }));
    }
    for (int number = kLowestBallNumber; number <= kHighestBallNumber; ++number) {
        pictures.push_back(ballPicture(powerBallPicturePath(dataFolder, number),
                                       [number](int scale) { return paintBallPicture(number, true, scale); }));
        pictures.push_back(ballPicture(secondDrumPicturePath(dataFolder, number),
                                       [number](int scale) { return paintSecondDrumPicture(number, scale); }));
    }
    InstallCounts counts = installMissingFiles(paths, pictures);
    // The default sound file of the options is the one the program supplies.
    counts += installMissingFiles(paths, std::vector<InstalledFile>{{std::string(kDefaultSoundFile), chimeWaveBytes}});
    return counts;
}

}  // namespace numora::art
