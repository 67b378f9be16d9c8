#pragma once

#include <string>

namespace numora::art {

// The sound installed as "\Windows\winner.wav": a short rising bell arpeggio
// (C, E, G, high C), synthesised here. Mono 16-bit PCM at 22050 Hz.
inline constexpr int kChimeSampleRate = 22050;
inline constexpr int kChimeBitsPerSample = 16;

// The complete bytes of the WAV file.
std::string chimeWaveBytes();

}  // namespace numora::art
