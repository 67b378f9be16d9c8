#pragma once

#include <filesystem>

namespace numora {

// Plays a wave file without waiting for it to end; a file that cannot be
// played is ignored without a word.
class WavePlayer {
public:
    virtual ~WavePlayer() = default;
    virtual void play(const std::filesystem::path& hostFile) = 0;
};

}  // namespace numora
