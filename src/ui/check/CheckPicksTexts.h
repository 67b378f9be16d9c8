#pragma once

#include <cstddef>

// The texts of the main window's Check Picks.
namespace numora::checkpicks {

inline constexpr char kCommand[] = "Check Picks";
inline constexpr char kChooseDraw[] = "Check the picks against the draw of";
inline constexpr char kNoDraws[] = "%s has no past draws to check the picks against.";
inline constexpr char kNoPicks[] = "There are no picks to check yet: tap Pick first.";
// Draws of the same day are told apart by their place among them.
inline constexpr char kSameDayDraw[] = "%s (%d)";

// How many of the latest draws the user chooses from.
inline constexpr std::size_t kRecentDraws = 10;

}  // namespace numora::checkpicks
