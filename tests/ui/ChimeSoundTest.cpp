#include "ui/art/ChimeSound.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace numora::art {
namespace {

std::uint32_t littleEndian(const std::string& bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

std::int16_t sampleAt(const std::string& bytes, std::size_t index) {
    return static_cast<std::int16_t>(littleEndian(bytes, 44 + 2 * index, 2));
}

TEST(ChimeSound, isACanonicalMonoSixteenBitPcmWaveFile) {
    const std::string wav = chimeWaveBytes();
    ASSERT_GT(wav.size(), 44u);
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(littleEndian(wav, 4, 4), wav.size() - 8);
    EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(littleEndian(wav, 16, 4), 16u);
    EXPECT_EQ(littleEndian(wav, 20, 2), 1u);  // PCM
    EXPECT_EQ(littleEndian(wav, 22, 2), 1u);  // mono
    EXPECT_EQ(littleEndian(wav, 24, 4), static_cast<std::uint32_t>(kChimeSampleRate));
    EXPECT_EQ(littleEndian(wav, 28, 4), static_cast<std::uint32_t>(kChimeSampleRate * 2));
    EXPECT_EQ(littleEndian(wav, 32, 2), 2u);
    EXPECT_EQ(littleEndian(wav, 34, 2), 16u);
    EXPECT_EQ(wav.substr(36, 4), "data");
    EXPECT_EQ(littleEndian(wav, 40, 4), wav.size() - 44);
}

TEST(ChimeSound, isShortAudibleAndNeverClips) {
    const std::string wav = chimeWaveBytes();
    const std::size_t samples = (wav.size() - 44) / 2;
    const double seconds = static_cast<double>(samples) / kChimeSampleRate;
    EXPECT_GT(seconds, 0.5);
    EXPECT_LT(seconds, 2.0);
    int peak = 0;
    for (std::size_t i = 0; i < samples; ++i) peak = std::max(peak, std::abs(int{sampleAt(wav, i)}));
    EXPECT_GT(peak, 10000);
    EXPECT_LT(peak, 32000);
    // Starts from silence and fades out to silence: no click at either end.
    EXPECT_LT(std::abs(int{sampleAt(wav, 0)}), 200);
    EXPECT_LT(std::abs(int{sampleAt(wav, samples - 1)}), 200);
}

}  // namespace
}  // namespace numora::art
