#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>

namespace numora::art {

// The program's icons by their resource numbers.
inline constexpr int kProgramIcon = 128;
inline constexpr int kExportPicksIcon = 182;
inline constexpr int kLotteryProfileIcon = 183;
inline constexpr int kErasePicksIcon = 184;
inline constexpr int kImportDrawsIcon = 188;
inline constexpr int kExportDrawsIcon = 189;
inline constexpr int kDrawStatsIcon = 194;
inline constexpr int kPastDrawsIcon = 196;
inline constexpr int kPickIcon = 197;
inline constexpr int kBrowseIcon = 208;
inline constexpr int kSoundIcon = 209;

// The icon with a resource number, drawn afresh at every size and pixel ratio
// it is shown at (it names 16, 24, 32 and 48 pixels as its sizes); a null icon
// for a number the program does not have.
QIcon iconByNumber(int number);

// One icon drawn at this size, in pixels as fine as the sharpest screen's; a
// null pixmap for an unknown number.
QPixmap iconPixmap(int number, QSize size);

// One icon drawn in exactly this many pixels, for an icon file; a null image
// for an unknown number.
QImage iconImage(int number, QSize pixels);

// The images of the main window's toolbar, in its order, 16 by 15 pixels,
// drawn afresh at every pixel ratio.
enum class ToolbarImage { ExportPicks, AddLotteryType, Advanced, ErasePicks, Help };
inline QSize toolbarImageSize() { return {16, 15}; }
QIcon toolbarIcon(ToolbarImage image);

}  // namespace numora::art
