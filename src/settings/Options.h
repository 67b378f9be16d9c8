#pragma once

#include <string>

#include "settings/OptionKeys.h"

namespace numora {

// The forecasting models; they change only the seed of a pick.
enum class ForecastModel { HyperGeometric = 0, Binomial = 1, MonteCarlo = 2 };

// The program options kept in the per-user AppProfile, starting from the
// defaults of a profile that holds none. The data folder and the current
// lottery's name are kept beside them by the caller.
struct Options {
    int model = kForecastModelOption.fallback;  // ForecastModel as stored ("Hyper")
    bool pattern = kPatternOption.fallback;     // "Use Pattern Prediction"
    bool moreWeightToLessFrequent = kStyleOption.fallback;
    bool playSounds = kSoundOption.fallback;
    std::string pickSound{kPickSoundOption.fallback};    // "Wav1"
    std::string startSound{kStartSoundOption.fallback};  // "Wav2"

    friend bool operator==(const Options&, const Options&) = default;
};

}  // namespace numora
