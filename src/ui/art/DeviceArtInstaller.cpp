#include "ui/art/DeviceArtInstaller.h"

#include <QBuffer>
#include <QImage>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <system_error>

#include "app/BallPictureNames.h"
#include "settings/Options.h"
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

// Creates a new file with the bytes; fails, touching nothing, when anything
// is already at its place. A file that cannot be written whole is removed, so
// no damaged picture stays behind to be kept by the next run.
bool createNewFile(const std::filesystem::path& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.string().c_str(), "wbx");
    if (!file) return false;
    const bool whole = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (whole && closed) return true;
    std::error_code error;
    std::filesystem::remove(path, error);
    return false;
}

// Writes one file unless something is already at its place. The contents are
// made only when they are needed.
void installFile(const DevicePaths& paths, const std::string& devicePath,
                 const std::function<std::string()>& contents, InstallCounts& counts) {
    const auto host = paths.toHost(devicePath);
    if (!host) {
        ++counts.failed;
        return;
    }
    std::error_code error;
    if (std::filesystem::symlink_status(*host, error).type() !=
        std::filesystem::file_type::not_found) {
        ++counts.kept;
        return;
    }
    std::filesystem::create_directories(host->parent_path(), error);
    if (createNewFile(*host, contents()))
        ++counts.written;
    else
        ++counts.failed;
}

}  // namespace

InstallCounts installDeviceArt(const DevicePaths& paths, std::string_view dataFolder) {
    InstallCounts counts;
    for (int number = kLastIdlePicture; number <= kHighestBallNumber; ++number) {
        installFile(paths, ballPicturePath(dataFolder, number),
                    [number] { return jpegBytes(paintBallPicture(number, false)); }, counts);
    }
    for (int number = kLowestBallNumber; number <= kHighestBallNumber; ++number) {
        installFile(paths, powerBallPicturePath(dataFolder, number),
                    [number] { return jpegBytes(paintBallPicture(number, true)); }, counts);
    }
    // The default sound file of the options is the one the program supplies.
    installFile(paths, Options{}.startSound, chimeWaveBytes, counts);
    return counts;
}

}  // namespace numora::art
