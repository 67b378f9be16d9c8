#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "settings/LotteryProfile.h"

namespace numora {

// The ball display shows eight pictures: slots 1 to 7 are the main balls in
// line order, slot 8 is the bonus (or PowerBall) ball. Each picture is a JPEG
// file in the folder "Balls" under the data folder, chosen by the number shown.
inline constexpr int kFirstBallSlot = 1;
inline constexpr int kBonusSlot = 8;
inline constexpr int kBallSlotCount = 8;

// Numbers with a picture: the balls 0 to 99, the empty ball -1, and the seven
// pictures of the idle display, -2 to -8.
inline constexpr int kLowestBallNumber = 0;
inline constexpr int kHighestBallNumber = 99;
inline constexpr int kEmptyBall = -1;
inline constexpr int kLastIdlePicture = -8;

// The number of the idle picture that slot 1 to 7 shows: -2 to -8. Slot 8 shows
// the empty ball.
int idlePictureNumber(int slot);

// "<data folder>\Balls\<number>.jpg": main balls, the empty ball and the idle
// pictures, with no leading zeros (7.jpg, 49.jpg, -1.jpg).
std::string ballPicturePath(std::string_view dataFolder, int number);
// "<data folder>\Balls\R<number>.jpg": the PowerBall of a PowerBall lottery.
std::string powerBallPicturePath(std::string_view dataFolder, int number);
// "<data folder>\Balls\S<number>.jpg": a number of a lottery's second drum,
// in the drum's colour (S0.jpg to S99.jpg).
std::string secondDrumPicturePath(std::string_view dataFolder, int number);

// A picture may have a larger variant beside it, at twice its size each way,
// for a high-resolution screen; it is named as Qt names such variants:
// "7.jpg" has "7@2x.jpg".
inline constexpr int kLargerPictureScale = 2;
std::string largerPicturePath(std::string_view picturePath);

// The larger variant of a picture file to show in its place: only when both
// exist and the variant is not older than the picture. A picture the user
// puts in place later is newer, and so shows instead of the program's variant.
std::optional<std::filesystem::path> largerPictureBeside(const std::filesystem::path& picture);

// The flags of the current lottery that decide the bonus ball's picture.
struct BonusStyle {
    bool powerBall = false;
    bool showBonus = false;
};

// The device path of the picture that a slot shows for a number. A lottery
// without PowerBall or a shown bonus always shows the empty ball in slot 8; a
// PowerBall is red (R12.jpg) except when empty (-1.jpg). No picture for a slot
// outside 1 to 8.
std::optional<std::string> ballPictureForSlot(std::string_view dataFolder, int slot, int number,
                                              BonusStyle bonus);

// The same for the lottery: a number in one of the slots of its second drum
// (the slots after its balls) shows the second drum's picture (S0.jpg); the
// empty ball and the idle pictures stay as they are in every slot.
std::optional<std::string> lotteryBallPicture(std::string_view dataFolder, int slot, int number,
                                              const LotteryProfile& lottery);

}  // namespace numora
