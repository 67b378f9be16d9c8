#include "picking/LineText.h"


#include "platform/FormatText.h"
#include "platform/Utf16.h"
#include "settings/BallSlots.h"

namespace numora {

namespace {

constexpr int kFirstThreeSlots = 3;
constexpr std::size_t kPieceLength = 2;
constexpr std::size_t kPieceSpacing = 4;
// From the plus sign to the second drum's first number.
constexpr std::size_t kSecondDrumStart = 2;

bool isSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }
bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The whole part of the decimal number a piece starts with: leading white
// space, an optional sign, digits. 0 when there is none.
int readPiece(std::u16string_view piece) {
    std::size_t at = 0;
    while (at < piece.size() && isSpace(piece[at])) ++at;
    bool negative = false;
    if (at < piece.size() && (piece[at] == u'-' || piece[at] == u'+')) negative = piece[at++] == u'-';
    int value = 0;
    for (; at < piece.size() && isDigit(piece[at]); ++at) value = value * 10 + (piece[at] - u'0');
    return negative ? -value : value;
}

std::u16string_view pieceAt(std::u16string_view text, std::size_t start) {
    return start < text.size() ? text.substr(start, kPieceLength) : std::u16string_view{};
}

}  // namespace

std::string makeLineText(const PickedLine& line, const LotteryProfile& profile) {
    std::string text;
    text += formatText(kLineTextFirstThree, line.slots[0], line.slots[1], line.slots[2]);
    for (int slot = kFirstThreeSlots; slot < PickedLine::kSlotCount; ++slot) {
        if (line.slots[slot] != PickedLine::kEmpty && profile.balls > slot) {
            text += formatText(kLineTextFurtherBall, line.slots[slot]);
        }
    }
    const SlotIndexes drum = secondDrumIndexes(profile);
    for (int slot = drum.first; slot < drum.end; ++slot) {
        text += formatText(slot == drum.first ? kLineTextFirstOfSecondDrum : kLineTextFurtherBall, line.slots[slot]);
    }
    if (profile.bonus > 0) {
        if (profile.powerBall) text += formatText(kLineTextBonus, line.bonus);
        if (profile.showBonus) text += formatText(kLineTextBonus, line.bonus);
    }
    return text;
}

std::optional<PickedLine> readLineText(std::string_view text, const LotteryProfile& profile) {
    if (text.empty() || text.find_first_of(kNotPickLineLetters) != std::string_view::npos) return std::nullopt;
    const std::u16string wide = toUtf16(text);
    PickedLine line;
    for (int slot = 0; slot < PickedLine::kSlotCount && (slot < kFirstThreeSlots || slot < profile.balls); ++slot) {
        line.slots[slot] = readPiece(pieceAt(wide, static_cast<std::size_t>(slot) * kPieceSpacing));
    }
    const std::size_t mark = wide.find(kLineTextSecondDrumMark);
    const SlotIndexes drum = secondDrumIndexes(profile);
    for (int slot = drum.first; mark != std::u16string::npos && slot < drum.end; ++slot) {
        const auto inDrum = static_cast<std::size_t>(slot - drum.first);
        line.slots[slot] = readPiece(pieceAt(wide, mark + kSecondDrumStart + inDrum * kPieceSpacing));
    }
    if (profile.powerBall || profile.showBonus) {
        line.bonus = readPiece(pieceAt(wide, wide.size() < kPieceLength ? 0 : wide.size() - kPieceLength));
    }
    return line;
}

}  // namespace numora
