#pragma once

#include <cstddef>
#include <string_view>

namespace numora {

// The options in the per-user AppProfile: every section, key, value form and
// default, declared once. A default is what a read yields when the value is
// absent; reading never writes it back.
//
//   section    key        form               default
//   Options    Path       text               \Program Files\Numora
//   Options    Name       text               PBall
//   Advanced   Hyper      integer            1
//   Advanced   Pattern    "TRUE" / "FALSE"   TRUE    (true when the text begins with TRUE)
//   Advanced   Style      "TRUE" / "FALSE"   FALSE   (true when the text begins with TRUE)
//   Advanced   Sound      "TRUE" / "FALSE"   TRUE    (true when the text contains TRUE)
//   Advanced   Wav1       text               \Windows\winner.wav   (the pick sound)
//   Advanced   Wav2       text               \Windows\winner.wav   (the start sound)

struct TextOptionKey {
    std::string_view section;
    std::string_view key;
    std::string_view fallback;
};

struct IntOptionKey {
    std::string_view section;
    std::string_view key;
    int fallback;
};

// How a stored "TRUE"/"FALSE" text is read back.
enum class FlagReading { BeginsWithTrue, ContainsTrue };

struct FlagOptionKey {
    std::string_view section;
    std::string_view key;
    bool fallback;
    FlagReading reading;
};

inline constexpr std::string_view kOptionsSection = "Options";
inline constexpr std::string_view kAdvancedSection = "Advanced";

inline constexpr std::string_view kDefaultDataFolder = "\\Program Files\\Numora";
inline constexpr std::string_view kDefaultSoundFile = "\\Windows\\winner.wav";

inline constexpr TextOptionKey kDataFolderOption{kOptionsSection, "Path", kDefaultDataFolder};
inline constexpr TextOptionKey kLotteryNameOption{kOptionsSection, "Name", "PBall"};
inline constexpr IntOptionKey kForecastModelOption{kAdvancedSection, "Hyper", 1};
inline constexpr FlagOptionKey kPatternOption{kAdvancedSection, "Pattern", true, FlagReading::BeginsWithTrue};
inline constexpr FlagOptionKey kStyleOption{kAdvancedSection, "Style", false, FlagReading::BeginsWithTrue};
inline constexpr FlagOptionKey kSoundOption{kAdvancedSection, "Sound", true, FlagReading::ContainsTrue};
inline constexpr TextOptionKey kPickSoundOption{kAdvancedSection, "Wav1", kDefaultSoundFile};
inline constexpr TextOptionKey kStartSoundOption{kAdvancedSection, "Wav2", kDefaultSoundFile};

// The two texts a flag is written as.
inline constexpr std::string_view kTrueText = "TRUE";
inline constexpr std::string_view kFalseText = "FALSE";

// A stored data folder shorter than this (in UTF-16 code units) gives the default.
inline constexpr std::size_t kShortestDataFolder = 5;

}  // namespace numora
