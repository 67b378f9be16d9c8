#include "draws/DrawFile.h"

#include "platform/AtomicFile.h"
#include "platform/FileProblem.h"
#include "platform/DevicePaths.h"
#include "platform/FormatText.h"
#include "platform/WholeFile.h"

namespace numora {

namespace {

constexpr std::uint16_t kCountEscape = 0xFFFF;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kClassReference = 0x8001;
constexpr std::uint16_t kSchema = 1;
constexpr std::string_view kClassName = "CLottoItem";
constexpr char kExtension[] = ".dat";
constexpr std::size_t kBodySize = 4 * DrawRecord::kNumberCount + 4;
constexpr std::size_t kTagSize = 2;
constexpr std::size_t kClassDescriptionSize = 3 * kTagSize + kClassName.size();

// The bytes of a draw file of count records.
constexpr std::size_t fileSize(std::size_t count) {
    const std::size_t countSize = count < kCountEscape ? 2 : 6;
    return count == 0 ? countSize : countSize + kClassDescriptionSize + kBodySize + (count - 1) * (kTagSize + kBodySize);
}
constexpr std::size_t kLargestFile = fileSize(DrawFile::kMostDraws);

void putU16(std::string& out, std::uint16_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

void putI32(std::string& out, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((bits >> shift) & 0xFF));
}

// Reads little-endian values from the front of a byte string; a read past the
// end fails and leaves the reader failed.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    bool u16(std::uint16_t& value) {
        std::uint32_t bits = 0;
        if (!take(2, bits)) return false;
        value = static_cast<std::uint16_t>(bits);
        return true;
    }
    bool u32(std::uint32_t& value) { return take(4, value); }
    bool i32(std::int32_t& value) {
        std::uint32_t bits = 0;
        if (!take(4, bits)) return false;
        value = static_cast<std::int32_t>(bits);
        return true;
    }
    bool text(std::size_t length, std::string_view& value) {
        if (bytes_.size() < length) return false;
        value = bytes_.substr(0, length);
        bytes_.remove_prefix(length);
        return true;
    }

    bool atEnd() const { return bytes_.empty(); }

private:
    bool take(std::size_t size, std::uint32_t& value) {
        if (bytes_.size() < size) return false;
        value = 0;
        for (std::size_t i = 0; i < size; ++i) value |= std::uint32_t{static_cast<unsigned char>(bytes_[i])} << (8 * i);
        bytes_.remove_prefix(size);
        return true;
    }

    std::string_view bytes_;
};

bool readClassDescription(ByteReader& reader) {
    std::uint16_t tag = 0;
    std::uint16_t schema = 0;
    std::uint16_t nameLength = 0;
    std::string_view name;
    return reader.u16(tag) && tag == kNewClassTag && reader.u16(schema) && schema == kSchema &&
           reader.u16(nameLength) && nameLength == kClassName.size() && reader.text(nameLength, name) &&
           name == kClassName;
}

bool readBody(ByteReader& reader, DrawRecord& record) {
    if (!reader.i32(record.date)) return false;
    for (int i = 0; i < DrawRecord::kNumberCount; ++i) {
        if (!reader.i32(record.number(i))) return false;
    }
    return true;
}

}  // namespace

namespace DrawFile {

std::string deviceName(std::string_view dataFolder, std::string_view lotteryName) {
    return DevicePaths::join(dataFolder, std::string(lotteryName) + kExtension);
}

std::string encode(const DrawList& draws) {
    std::string out;
    out.reserve(fileSize(draws.size()));
    const std::size_t count = draws.size();
    if (count < kCountEscape) {
        putU16(out, static_cast<std::uint16_t>(count));
    } else {
        putU16(out, kCountEscape);
        putI32(out, static_cast<std::int32_t>(static_cast<std::uint32_t>(count)));
    }
    bool first = true;
    for (const DrawRecord& record : draws) {
        if (first) {
            putU16(out, kNewClassTag);
            putU16(out, kSchema);
            putU16(out, static_cast<std::uint16_t>(kClassName.size()));
            out.append(kClassName);
            first = false;
        } else {
            putU16(out, kClassReference);
        }
        putI32(out, record.date);
        for (int i = 0; i < DrawRecord::kNumberCount; ++i) putI32(out, record.number(i));
    }
    return out;
}

DrawFileResult decode(std::string_view bytes, DrawList& out) {
    out.clear();
    ByteReader reader(bytes);
    std::uint16_t shortCount = 0;
    if (!reader.u16(shortCount)) return {DrawFileResult::Status::Damaged, {}};
    std::uint32_t count = shortCount;
    if (shortCount == kCountEscape && !reader.u32(count)) return {DrawFileResult::Status::Damaged, {}};
    // Never trust the count for the allocation: a damaged count could ask for gigabytes.
    out.reserve(std::min<std::size_t>(count, bytes.size() / kBodySize));
    for (std::uint32_t i = 0; i < count; ++i) {
        if (i == 0) {
            if (!readClassDescription(reader)) return {DrawFileResult::Status::Damaged, {}};
        } else {
            std::uint16_t tag = 0;
            if (!reader.u16(tag) || tag != kClassReference) return {DrawFileResult::Status::Damaged, {}};
        }
        DrawRecord record;
        if (!readBody(reader, record)) return {DrawFileResult::Status::Damaged, {}};
        out.append(record);
    }
    if (!reader.atEnd()) return {DrawFileResult::Status::Damaged, {}};
    return {};
}

DrawFileResult load(const DevicePaths& device, std::string_view dataFolder, std::string_view lotteryName,
                    DrawList& out) {
    out.clear();
    const std::string name = deviceName(dataFolder, lotteryName);
    const auto host = device.toHost(name);
    if (!host) return {DrawFileResult::Status::Missing, {}};
    const WholeFile file = readWholeFile(*host, kLargestFile);
    switch (file.status) {
    case WholeFileStatus::Read:
        break;
    case WholeFileStatus::Missing:
        return {DrawFileResult::Status::Missing, {}};
    case WholeFileStatus::NotAFile:
        return {DrawFileResult::Status::Unreadable, formatText(kErrorNotAFile, name.c_str())};
    case WholeFileStatus::TooLarge:
        return {DrawFileResult::Status::Unreadable, formatText(kErrorTooLarge, name.c_str())};
    case WholeFileStatus::Unreadable:
        return {DrawFileResult::Status::Unreadable, formatText(kErrorUnreadable, name.c_str())};
    }
    DrawFileResult result = decode(file.bytes, out);
    if (!result.ok()) result.message = formatText(kErrorDamaged, name.c_str(), static_cast<int>(out.size()));
    return result;
}

DrawFileResult save(const DevicePaths& device, std::string_view dataFolder, std::string_view lotteryName,
                    const DrawList& draws) {
    const std::string name = deviceName(dataFolder, lotteryName);
    if (draws.size() > kMostDraws) {
        return {DrawFileResult::Status::CannotCreate,
                formatText(kErrorTooManyDraws, name.c_str(), static_cast<int>(kMostDraws))};
    }
    const auto host = device.toHost(name);
    const FileWriteResult written = writeFileAtomically(host, encode(draws));
    if (!written) {
        return {DrawFileResult::Status::CannotCreate,
                withCause(formatText(kErrorCannotCreate, name.c_str()), written.cause)};
    }
    return {};
}

}  // namespace DrawFile
}  // namespace numora
