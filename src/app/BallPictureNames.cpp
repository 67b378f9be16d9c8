#include "app/BallPictureNames.h"

#include "platform/FormatText.h"

namespace numora {

namespace {

constexpr const char* kBallPictureFormat = "%s\\Balls\\%d.jpg";
constexpr const char* kPowerBallPictureFormat = "%s\\Balls\\R%d.jpg";

std::string formatPicturePath(const char* format, std::string_view dataFolder, int number) {
    return formatText(format, std::string(dataFolder).c_str(), number);
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
