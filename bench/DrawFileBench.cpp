#include <benchmark/benchmark.h>

#include <filesystem>

#include "platform/DevicePaths.h"
#include "draws/DrawFile.h"

namespace numora {
namespace {

DrawList manyDraws(std::size_t count) {
    DrawList draws;
    draws.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto n = static_cast<std::int32_t>(i);
        draws.append({n % 20000 * 86400, n % 49 + 1, 2, 3, 4, 5, 6, 0, 7});
    }
    return draws;
}

class DrawFileFixture : public benchmark::Fixture {
public:
    void SetUp(const benchmark::State&) override {
        root_ = std::filesystem::temp_directory_path() / "numora-bench-drawfile";
        std::filesystem::create_directories(root_ / "Data");
        device_ = std::make_unique<DevicePaths>(root_);
        draws_ = manyDraws(100000);
        DrawFile::save(*device_, "\\Data", "Bench", draws_);
    }
    void TearDown(const benchmark::State&) override { std::filesystem::remove_all(root_); }

protected:
    std::filesystem::path root_;
    std::unique_ptr<DevicePaths> device_;
    DrawList draws_;
};

BENCHMARK_F(DrawFileFixture, Load100000Records)(benchmark::State& state) {
    DrawList loaded;
    for (auto _ : state) {
        DrawFile::load(*device_, "\\Data", "Bench", loaded);
        benchmark::DoNotOptimize(loaded.size());
    }
}

BENCHMARK_F(DrawFileFixture, Save100000Records)(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(DrawFile::save(*device_, "\\Data", "Bench", draws_).ok());
}

}  // namespace
}  // namespace numora
