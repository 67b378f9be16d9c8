#pragma once

// The Wheel window's own texts.
namespace numora::wheelwindow {

inline constexpr char kTitle[] = "Wheel";
inline constexpr char kCommand[] = "Wheel";
inline constexpr char kMatch[] = "Match";
inline constexpr char kIf[] = "if";
inline constexpr char kTicketsAtMost[] = "Tickets at most";
// The ticket limit's value for no limit.
inline constexpr char kAnyNumberOfTickets[] = "any";
inline constexpr char kGenerate[] = "Generate";
inline constexpr char kCancel[] = "Cancel";
inline constexpr char kAddToPickList[] = "Add to Pick List";
inline constexpr char kPlayWheel[] = "Play Wheel";
inline constexpr char kClose[] = "Close";
inline constexpr char kEmptyPool[] =
    "Tap the numbers to play: they join the pool. Tap one again to make it a key number, in every ticket.";
inline constexpr char kPoolSummary[] = "%1 numbers in the pool";
inline constexpr char kPoolSummaryWithKeys[] = "%1 numbers in the pool, %2 of them key numbers";
// The progress bar's text once the search has a wheel.
inline constexpr char kBestSoFar[] = "%1 tickets";

inline constexpr int kProgressSteps = 100;

}  // namespace numora::wheelwindow
