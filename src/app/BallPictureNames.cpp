#include "app/BallPictureNames.h"

#include <chrono>

#include "platform/FormatText.h"
#include "settings/BallSlots.h"

namespace numora {

namespace {

constexpr const char* kBallPictureFormat = "%s\\Balls\\%d.jpg";
constexpr const char* kPowerBallPictureFormat = "%s\\Balls\\R%d.jpg";
constexpr const char* kSecondDrumPictureFormat = "%s\\Balls\\S%d.jpg";
constexpr char kLargerPictureMark[] = "@2x";
// Files copied together get times a moment apart, in either order.
constexpr auto kSameTimeSlack = std::chrono::seconds(2);

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

std::string secondDrumPicturePath(std::string_view dataFolder, int number) {
    return formatPicturePath(kSecondDrumPictureFormat, dataFolder, number);
}

std::string largerPicturePath(std::string_view picturePath) {
    std::string path(picturePath);
    const auto dot = path.find_last_of('.');
    const auto separator = path.find_last_of("\\/");
    const bool hasExtension = dot != std::string::npos && (separator == std::string::npos || dot > separator);
    path.insert(hasExtension ? dot : path.size(), kLargerPictureMark);
    return path;
}

std::optional<std::filesystem::path> largerPictureBeside(const std::filesystem::path& picture) {
    const std::filesystem::path larger = largerPicturePath(picture.string());
    std::error_code error;
    const auto pictureTime = std::filesystem::last_write_time(picture, error);
    if (error) return std::nullopt;
    const auto largerTime = std::filesystem::last_write_time(larger, error);
    if (error || largerTime + kSameTimeSlack < pictureTime) return std::nullopt;
    return larger;
}

std::optional<std::string> ballPictureForSlot(std::string_view dataFolder, int slot, int number,
                                              BonusStyle bonus) {
    if (slot < kFirstBallSlot || slot > kBonusSlot) return std::nullopt;
    if (slot != kBonusSlot) return ballPicturePath(dataFolder, number);
    if (!bonus.powerBall && !bonus.showBonus) return ballPicturePath(dataFolder, kEmptyBall);
    if (number == kEmptyBall || !bonus.powerBall) return ballPicturePath(dataFolder, number);
    return powerBallPicturePath(dataFolder, number);
}

std::optional<std::string> lotteryBallPicture(std::string_view dataFolder, int slot, int number,
                                              const LotteryProfile& lottery) {
    if (slot >= kFirstBallSlot && slot < kBonusSlot && number >= kLowestBallNumber &&
        slotDrum(lottery, slot) == SlotDrum::Second) {
        return secondDrumPicturePath(dataFolder, number);
    }
    return ballPictureForSlot(dataFolder, slot, number, {.powerBall = lottery.powerBall, .showBonus = lottery.showBonus});
}

}  // namespace numora
