// Writes the picks file of a device root as the main window's Export Picks
// does, with a pick list made from a seed: the writer that scripts/kill-test
// kills half-way.
//
//   numora_picks_writer ROOT SEED

#include <iostream>
#include <string>
#include <vector>

#include "KilledWriter.h"
#include "picking/LineText.h"
#include "picking/PicksFile.h"
#include "settings/LotteryProfile.h"
#include "settings/OptionKeys.h"

namespace {

constexpr char kUsage[] = "usage: numora_picks_writer ROOT SEED";
constexpr int kLines = 20000;

}  // namespace

int main(int argc, char** argv) {
    return numora::runWriter(argc, argv, kUsage, [](const numora::DevicePaths& device, numora::CrtRandom& random) {
        const numora::LotteryProfile lotto;
        std::vector<std::string> lines;
        for (int i = 0; i < kLines; ++i) {
            numora::PickedLine line;
            for (int ball = 0; ball < lotto.balls; ++ball)
                line.slots[static_cast<std::size_t>(ball)] = random.rand() % 49 + 1;
            lines.push_back(numora::makeLineText(line, lotto));
        }
        const numora::PicksExportResult saved = numora::PicksFile::save(device, numora::kDefaultDataFolder, lines);
        std::cout << saved.message << '\n';
        return saved.ok;
    });
}
