#include "app/StartUp.h"

#include "app/AppState.h"
#include "platform/LocalTime.h"
#include "settings/OptionStore.h"

namespace numora {

void loadStartValues(AppState& state, const AppProfile& profile, const LocalTime& time) {
    // A copy of a named value: GCC 12 at -O3 takes a moved-from temporary's
    // string for an uninitialised one and warns.
    const AppState initial;
    state = initial;
    state.startTime = time.now();
    state.startSeconds = time.toSeconds(state.startTime);
    readAdvancedOptions(profile, state.options);
    LoadOptions(profile, state.options, state.dataFolder, state.current.name);
}

}  // namespace numora
