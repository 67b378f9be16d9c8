#pragma once

#include <string>
#include <string_view>

#include "settings/Options.h"

namespace numora {

class AppProfile;

// The options kept in the per-user AppProfile, sections "Options" and
// "Advanced". Absent values read as their defaults; reading writes nothing.

// The main window's first reads: Advanced "Wav1", "Wav2", "Hyper", "Pattern"
// and "Style".
void readAdvancedOptions(const AppProfile& profile, Options& options);

// Advanced "Wav1", "Wav2", "Hyper", "Sound"; Options "Path" (the data folder;
// a value shorter than 5 characters gives "\Program Files\Numora") and
// "Name" (the current lottery's name).
void LoadOptions(const AppProfile& profile, Options& options, std::string& dataFolder, std::string& lotteryName);

// Advanced "Sound", "Wav1", "Wav2" and Options "Name", stored together. False
// when they were not stored (the profile's failure says why).
bool SaveOptions(AppProfile& profile, const Options& options, std::string_view lotteryName);

// What the Advanced dialog shows when it opens: the six Advanced values.
void readAllAdvancedOptions(const AppProfile& profile, Options& options);

// What the Advanced dialog stores when it closes, in this order: "Pattern",
// "Style", "Sound", "Hyper", "Wav1", "Wav2", stored together. False when
// they were not stored, as for SaveOptions.
bool writeAdvancedOptions(AppProfile& profile, const Options& options);

// What is told when the option store cannot be used at all, or when options
// were not stored; %s is the store's failure, which follows "Numora".
inline constexpr char kOptionsUnusableFormat[] =
    "Numora %s; it goes on with the default options and leaves the file as it is.";
inline constexpr char kOptionsNotStoredFormat[] = "The options were not stored: Numora %s.";

}  // namespace numora
