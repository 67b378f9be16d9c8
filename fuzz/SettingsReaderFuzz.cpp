// The settings file reader takes any bytes; what it read is written and read
// back unchanged, and writing that again gives the same bytes.

#include "FuzzCheck.h"
#include "settings/SettingsFile.h"

namespace numora {
namespace {

bool sameEntries(const SettingsFile& one, const SettingsFile& other) {
    if (one.sections() != other.sections()) return false;
    for (const std::string& name : one.sections()) {
        const SettingsSection& entries = *one.section(name);
        const SettingsSection& otherEntries = *other.section(name);
        if (entries.keys() != otherEntries.keys()) return false;
        for (const std::string& key : entries.keys()) {
            if (*entries.find(key) != *otherEntries.find(key)) return false;
        }
    }
    return true;
}

}  // namespace
}  // namespace numora

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace numora;
    SettingsFile read;
    read.parse(fuzz::bytesOf(data, size));
    const std::string written = read.serialize();
    SettingsFile again;
    again.parse(written);
    fuzz::check(sameEntries(read, again), "a written settings file reads back as it was read");
    fuzz::check(again.serialize() == written, "a settings file read back is written with the same bytes");
    return 0;
}
