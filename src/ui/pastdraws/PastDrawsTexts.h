#pragma once

// The Past Draws window's own texts.
namespace numora::pastdraws {

inline constexpr char kTitle[] = "Past Draws";
inline constexpr char kPastDrawsFor[] = "Past draws for";
inline constexpr char kDrawDate[] = "Draw Date";
inline constexpr char kAddToList[] = "Add to List";
inline constexpr char kInsert[] = "Insert";
inline constexpr char kClose[] = "Close";
inline constexpr char kOldestFirst[] = "Enter oldest draws first.  ";
inline constexpr char kToolsMenu[] = "Tools";
inline constexpr char kImportDraws[] = "Import Draws";
inline constexpr char kExportDraws[] = "Export Draws";
inline constexpr char kExportDatedDraws[] = "Export Draws with Dates";
inline constexpr char kHelp[] = "Help";

inline constexpr char kDeleteQuestion[] = "Delete this draw?\nARE YOU SURE?";
inline constexpr char kCsvFilter[] = "*.csv";
// Add, Insert, Delete and Import Draws, when the draw file was not read whole.
inline constexpr char kNotSavedOver[] =
    "The draw file %s could not be read whole, so Numora does not save over it.\n"
    "Export Draws can keep a copy of the draws shown.";

}  // namespace numora::pastdraws
