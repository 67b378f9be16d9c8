#pragma once

namespace numora {

class AppProfile;
class LocalTime;
struct AppState;

// Gives the process-wide values their start values: the built-in profile, the
// program's start time, then the options in the order the main window reads
// them (the Advanced values, then LoadOptions with the data-folder rule). The
// current lottery's profile comes from the settings file afterwards.
void loadStartValues(AppState& state, const AppProfile& profile, const LocalTime& time);

}  // namespace numora
