#include "app/BallPictureNames.h"

#include <cstdio>

namespace numora {

namespace {

constexpr const char* kBallPictureFormat = "%s\\Balls\\%d.jpg";
constexpr const char* kPowerBallPictureFormat = "%s\\Balls\\R%d.jpg";

std::string formatPicturePath(const char* format, std::string_view dataFolder, int number) {
    const std::string folder(dataFolder);
    const int length = std::snprintf(nullptr, 0, format, folder.c_str(), number);
    std::string path(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(path.data(), path.size(), format, folder.c_str(), number);
    path.resize(static_cast<std::size_t>(length));
    return path;
}

}  // namespace

int idlePictureNumber(int slot) { return slot == kBonusSlot ? kEmptyBall : -(slot + 1); }

std::string ballPicturePath(std::string_view dataFolder, int number) {
    return formatPicturePath(kBallPictureFormat, dataFolder, number);
}

std::string powerBallPicturePath(std::string_view dataFolder, int number) {
    return formatPicturePath(kPowerBallPictureFormat, dataFolder, number);
}

std::optional<std::string> ballPictureForSlot(std::string_view dataFolder, int slot, int number,
                                              BonusStyle bonus) {
    if (slot < kFirstBallSlot || slot > kBonusSlot) return std::nullopt;
    if (slot != kBonusSlot) return ballPicturePath(dataFolder, number);
    if (!bonus.powerBall && !bonus.showBonus) return ballPicturePath(dataFolder, kEmptyBall);
    if (number == kEmptyBall || !bonus.powerBall) return ballPicturePath(dataFolder, number);
    return powerBallPicturePath(dataFolder, number);
}

}  // namespace numora
