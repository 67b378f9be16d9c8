// The draw file reader takes any bytes; the draws it read (all of them, or
// those before the damage) are written and read back unchanged, and a whole
// file in the usual count form is written back byte for byte.

#include "FuzzCheck.h"
#include "draws/DrawFile.h"

namespace {

constexpr unsigned char kLongCountMark = 0xFF;
constexpr std::size_t kLongCountLimit = 0xFFFF;

// A count below 65535 written in the long form, which the writer never makes.
bool hasUnusualCount(std::string_view bytes, std::size_t count) {
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == kLongCountMark &&
           static_cast<unsigned char>(bytes[1]) == kLongCountMark && count < kLongCountLimit;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace numora;
    const std::string_view bytes = fuzz::bytesOf(data, size);
    DrawList read;
    const DrawFileResult result = DrawFile::decode(bytes, read);
    const std::string written = DrawFile::encode(read);
    DrawList again;
    fuzz::check(DrawFile::decode(written, again).ok(), "a written draw file reads whole");
    fuzz::check(again == read, "a written draw file reads back the draws it was written from");
    if (result.ok() && !hasUnusualCount(bytes, read.size())) {
        fuzz::check(bytes.substr(0, written.size()) == written, "a whole draw file is written back byte for byte");
    }
    return 0;
}
