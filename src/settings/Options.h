#pragma once

#include <string>

namespace numora {

// The forecasting models; they change only the seed of a pick.
enum class ForecastModel { HyperGeometric = 0, Binomial = 1, MonteCarlo = 2 };

// The program options kept in the per-user AppProfile. The data folder and
// the current lottery's name live in AppState.
struct Options {
    int model = 1;                 // ForecastModel as stored ("Hyper")
    bool pattern = true;           // "Use Pattern Prediction"
    bool moreWeightToLessFrequent = false;
    bool playSounds = true;
    std::string pickSound = "\\Windows\\winner.wav";   // "Wav1"
    std::string startSound = "\\Windows\\winner.wav";  // "Wav2"

    friend bool operator==(const Options&, const Options&) = default;
};

}  // namespace numora
