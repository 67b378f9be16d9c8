#include "app/StartUp.h"

#include "app/AppState.h"
#include "platform/LocalTime.h"
#include "settings/OptionStore.h"

namespace numora {

void loadStartValues(AppState& state, const AppProfile& profile, const LocalTime& time) {
    state = AppState{};
    state.startTime = time.now();
    state.startSeconds = time.toSeconds(state.startTime);
    readAdvancedOptions(profile, state.options);
    LoadOptions(profile, state.options, state.dataFolder, state.current.name);
}

}  // namespace numora
