#pragma once

namespace numora {

class AppProfile;
struct AppState;

// The options kept in the per-user AppProfile, sections "Options" and
// "Advanced". Absent values read as their defaults; reading writes nothing.

// The main window's first reads: Advanced "Wav1", "Wav2", "Hyper", "Pattern"
// and "Style".
void readAdvancedOptions(const AppProfile& profile, AppState& state);

// Advanced "Wav1", "Wav2", "Hyper", "Sound"; Options "Path" (the data folder;
// a value shorter than 5 characters gives "\Program Files\Numora") and
// "Name" (the current lottery's name).
void LoadOptions(const AppProfile& profile, AppState& state);

// Advanced "Sound", "Wav1", "Wav2" and Options "Name".
void SaveOptions(AppProfile& profile, const AppState& state);

// What the Advanced dialog stores: "Hyper", "Pattern", "Style", "Sound",
// "Wav1", "Wav2".
void writeAdvancedOptions(AppProfile& profile, const AppState& state);

}  // namespace numora
