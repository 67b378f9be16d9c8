// Loading the settings file of a user with 1,000 lotteries: the list section
// and one section of eight keys per lottery (about 260 KB).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "settings/LotteryStore.h"
#include "settings/SettingsFile.h"

namespace {

constexpr int kLotteryCount = 1000;

class SettingsFileFixture : public benchmark::Fixture {
public:
    void SetUp(const benchmark::State&) override {
        folder_ = std::filesystem::temp_directory_path() / "numora-settings-bench";
        std::filesystem::create_directories(folder_);
        file_ = folder_ / "Numora.ini";
        numora::SettingsFile settings;
        for (int i = 0; i < kLotteryCount; ++i) {
            numora::LotteryProfile profile{"Lottery number " + std::to_string(i), 6, 1, 49, 49, i % 2 == 0};
            numora::addLotteryName(settings, profile.name);
            for (const auto& [key, value] : numora::lotteryProfileEntries(profile)) {
                settings.SetString(profile.name, key, value);
            }
        }
        settings.Save(file_);
        settings.Clear();
    }
    void TearDown(const benchmark::State&) override { std::filesystem::remove_all(folder_); }

protected:
    std::filesystem::path folder_;
    std::filesystem::path file_;
};

BENCHMARK_DEFINE_F(SettingsFileFixture, LoadThousandLotteries)(benchmark::State& state) {
    numora::SettingsFile settings;
    for (auto _ : state) {
        benchmark::DoNotOptimize(settings.Load(file_));
    }
    settings.Clear();
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(std::filesystem::file_size(file_)));
}
BENCHMARK_REGISTER_F(SettingsFileFixture, LoadThousandLotteries)->Unit(benchmark::kMillisecond);

// What start-up does with it: load, read the list, read one profile.
BENCHMARK_DEFINE_F(SettingsFileFixture, LoadAndReadListOfThousandLotteries)(benchmark::State& state) {
    numora::SettingsFile settings;
    for (auto _ : state) {
        settings.Load(file_);
        const auto names = numora::readLotteryList(settings);
        numora::LotteryProfile profile;
        numora::readLotteryProfile(settings, names.back(), profile);
        benchmark::DoNotOptimize(profile);
    }
    settings.Clear();
}
BENCHMARK_REGISTER_F(SettingsFileFixture, LoadAndReadListOfThousandLotteries)->Unit(benchmark::kMillisecond);

}  // namespace
