#include "ui/art/ChimeSound.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>


namespace numora::art {
namespace {

// `value` as `width` little-endian bytes.
std::string littleEndian(std::size_t value, int width) {
    std::string bytes;
    for (int i = 0; i < width; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

TEST(ChimeSound, isAMonoSixteenBitPcmWaveFileThatFadesInAndOutWithoutClipping) {
    const std::string wav = chimeWaveBytes();
    ASSERT_GT(wav.size(), 44u);
    const std::size_t rate = kChimeSampleRate;
    // RIFF size, format chunk of 16 bytes: PCM, mono, rate, bytes a second, 2 bytes a sample of 16 bits.
    EXPECT_EQ(wav.substr(0, 44), "RIFF" + littleEndian(wav.size() - 8, 4) + "WAVEfmt " + littleEndian(16, 4) +
                                     littleEndian(1, 2) + littleEndian(1, 2) + littleEndian(rate, 4) +
                                     littleEndian(rate * 2, 4) + littleEndian(2, 2) + littleEndian(16, 2) + "data" +
                                     littleEndian(wav.size() - 44, 4));

    const std::size_t samples = (wav.size() - 44) / 2;
    const auto loudness = [&](std::size_t i) {
        return std::abs(int{static_cast<std::int16_t>(static_cast<unsigned char>(wav[44 + 2 * i]) |
                                                      static_cast<unsigned char>(wav[45 + 2 * i]) << 8)});
    };
    EXPECT_LT(samples, rate * 2);
    int peak = 0;
    for (std::size_t i = 0; i < samples; ++i) peak = std::max(peak, loudness(i));
    EXPECT_GT(peak, 10000);
    EXPECT_LT(peak, 32000);
    EXPECT_LT(loudness(0), 200);  // no click at either end
    EXPECT_LT(loudness(samples - 1), 200);
}

}  // namespace
}  // namespace numora::art
