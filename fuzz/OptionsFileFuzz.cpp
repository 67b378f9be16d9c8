// The options file takes any bytes. One that the store reads is written back
// with the six Advanced options changed and every option read as before
// otherwise; one it cannot read leaves the defaults in force and is never
// written over.

#include <unistd.h>

#include <QString>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "FuzzCheck.h"
#include "qt/QSettingsAppProfile.h"
#include "settings/OptionStore.h"

namespace numora {
namespace {

struct ReadOptions {
    Options options;
    std::string dataFolder;
    std::string lotteryName;

    friend bool operator==(const ReadOptions&, const ReadOptions&) = default;
};

ReadOptions readAll(const AppProfile& profile) {
    ReadOptions read;
    readAllAdvancedOptions(profile, read.options);
    LoadOptions(profile, read.options, read.dataFolder, read.lotteryName);
    return read;
}

// The file each input is written to, in a folder of this run's own that goes
// when the run ends.
class ScratchOptionsFile {
public:
    ScratchOptionsFile()
        : folder_(std::filesystem::temp_directory_path() / ("numora-fuzz-options-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(folder_);
    }
    ~ScratchOptionsFile() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::filesystem::path path() const { return folder_ / "Numora.conf"; }

private:
    std::filesystem::path folder_;
};

std::string bytesIn(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace
}  // namespace numora

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace numora;
    static const ScratchOptionsFile scratch;
    const std::filesystem::path file = scratch.path();
    const std::string_view bytes = fuzz::bytesOf(data, size);
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(size));
    const QString name = QString::fromStdString(file.string());

    QSettingsAppProfile profile(name);
    const bool unusable = !profile.failure().empty();
    const ReadOptions before = readAll(profile);
    ReadOptions changed = before;
    changed.options.model = before.options.model == 1 ? 2 : 1;
    changed.options.pattern = !before.options.pattern;
    changed.options.pickSound = before.options.pickSound + "x";
    const bool written = writeAdvancedOptions(profile, changed.options);
    if (unusable) {
        fuzz::check(!written, "a file that cannot be read takes no options");
        fuzz::check(before == readAll(InMemoryAppProfile()), "a file that cannot be read gives the defaults");
        fuzz::check(bytesIn(file) == bytes, "a file that cannot be read is never written over");
        return 0;
    }
    fuzz::check(written, "a file that can be read takes the options written");
    const ReadOptions after = readAll(QSettingsAppProfile(name));
    fuzz::check(after == changed, "the options written read back, and the others as they were read");
    return 0;
}
