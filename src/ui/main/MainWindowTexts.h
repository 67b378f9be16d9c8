#pragma once

#include <cstddef>

// The main window's own texts.
namespace numora::mainwindow {

inline constexpr char kTitle[] = "Numora";

// The empty lottery selector's hint and tooltip.
inline constexpr char kNoLotteryHint[] = "Add a lottery: Lottery menu";
inline constexpr char kNoLotteryTip[] =
    "No lottery yet: add one with Add Lottery Type in the Lottery menu or on the toolbar.";

inline constexpr char kStatusReady[] = "Ready";
inline constexpr char kStatusRandomMode[] = "RANDOM MODE";
inline constexpr char kStatusAnalyzing[] = "Analyzing!";
// After Past Draws, when the lottery has draws.
inline constexpr char kStatusReadyAfterPastDraws[] = "Ready         ";

// A lottery needs this many past draws before a trend can be predicted.
inline constexpr std::size_t kFewestDrawsForTrend = 3;
inline constexpr char kNotEnoughDraws[] =
    "ATTENTION!\nRandom Number Mode will be used.\nReason:\nNot enough past draws found to predict "
    "trend\nMinimum draws required is 3";

inline constexpr char kSettingsNotSaved[] = "ERROR 201:Ini file failed to save";
inline constexpr char kEraseQuestion[] = "Erase all lucky picks?\nARE YOU SURE?";

}  // namespace numora::mainwindow
