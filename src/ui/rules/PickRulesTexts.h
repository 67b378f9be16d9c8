#pragma once

// The texts of the Pick Rules window and of the main window's mark of the rules.
namespace numora::pickrules {

inline constexpr char kCommand[] = "Pick Rules";
// The lottery's name, Balls, Min and Max.
inline constexpr char kHeadingFormat[] = "%s: %d balls from %d to %d";
inline constexpr char kHint[] = "Tap a number: fixed, again: excluded, again: free.";
inline constexpr char kFixed[] = "Fixed";
inline constexpr char kExcluded[] = "Excluded";
inline constexpr char kFree[] = "Free";
inline constexpr char kNewLine[] = "A new line each Pick";
inline constexpr char kClear[] = "Clear";
inline constexpr char kOk[] = "OK";
inline constexpr char kCancel[] = "Cancel";
// After a store's refusal: the rules hold in the window all the same.
inline constexpr char kUsedForNow[] = "\nNumora uses them until another lottery is chosen.";
// Pick Rules with no lottery chosen.
inline constexpr char kNoLottery[] = "Pick rules belong to a lottery: choose one, or add one with Add Lottery Type.";
// The first line of the main window's mark's tooltip; the rules follow, one a line.
inline constexpr char kMarkTip[] = "Pick rules on:";

}  // namespace numora::pickrules
