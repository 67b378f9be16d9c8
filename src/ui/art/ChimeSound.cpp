#include "ui/art/ChimeSound.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace numora::art {

namespace {

constexpr double kDurationSeconds = 1.1;
constexpr double kNoteSpacingSeconds = 0.11;
constexpr double kNoteFrequencies[] = {523.25, 659.25, 783.99, 1046.50};
constexpr double kAttackSeconds = 0.004;
constexpr double kDecayPerSecond = 4.5;
constexpr double kFadeOutSeconds = 0.08;
constexpr double kPeakAmplitude = 0.55;
constexpr int kChannels = 1;

// A bell-like tone: the fundamental with two quieter, faster-dying partials.
double bell(double frequency, double t) {
    const double envelope = std::min(1.0, t / kAttackSeconds) * std::exp(-kDecayPerSecond * t);
    const double w = 2.0 * std::numbers::pi * frequency * t;
    return envelope * (std::sin(w) + 0.35 * std::sin(2.0 * w) * std::exp(-6.0 * t) +
                       0.12 * std::sin(3.01 * w) * std::exp(-9.0 * t));
}

void putLittleEndian(std::string& bytes, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::vector<double> synthesise() {
    const auto count = static_cast<std::size_t>(kDurationSeconds * kChimeSampleRate);
    std::vector<double> samples(count, 0.0);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kChimeSampleRate;
        for (std::size_t note = 0; note < std::size(kNoteFrequencies); ++note) {
            const double start = static_cast<double>(note) * kNoteSpacingSeconds;
            if (t >= start) samples[i] += bell(kNoteFrequencies[note], t - start);
        }
        const double remaining = kDurationSeconds - t;
        if (remaining < kFadeOutSeconds) samples[i] *= remaining / kFadeOutSeconds;
    }
    double peak = 0.0;
    for (const double s : samples) peak = std::max(peak, std::abs(s));
    for (double& s : samples) s *= kPeakAmplitude / peak;
    return samples;
}

}  // namespace

std::string chimeWaveBytes() {
    const std::vector<double> samples = synthesise();
    constexpr int kBytesPerSample = kChimeBitsPerSample / 8;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    std::string bytes;
    bytes.reserve(44 + dataSize);
    bytes += "RIFF";
    putLittleEndian(bytes, 36 + dataSize, 4);
    bytes += "WAVEfmt ";
    putLittleEndian(bytes, 16, 4);                 // format chunk size
    putLittleEndian(bytes, 1, 2);                  // PCM
    putLittleEndian(bytes, kChannels, 2);
    putLittleEndian(bytes, kChimeSampleRate, 4);
    putLittleEndian(bytes, kChimeSampleRate * kChannels * kBytesPerSample, 4);
    putLittleEndian(bytes, kChannels * kBytesPerSample, 2);
    putLittleEndian(bytes, kChimeBitsPerSample, 2);
    bytes += "data";
    putLittleEndian(bytes, dataSize, 4);
    for (const double s : samples) {
        const auto value = static_cast<std::int16_t>(std::lround(s * 32767.0));
        putLittleEndian(bytes, static_cast<std::uint16_t>(value), kBytesPerSample);
    }
    return bytes;
}

}  // namespace numora::art
