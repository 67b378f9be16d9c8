#pragma once

#include <string>
#include <string_view>

#include "draws/DrawList.h"

namespace numora {

class DevicePaths;

// The outcome of loading or saving a draw file; message holds the program's
// text for a failure the user is told of (empty otherwise).
struct DrawFileResult {
    enum class Status { Ok, CannotOpen, Damaged, CannotCreate };
    Status status = Status::Ok;
    std::string message;

    bool ok() const { return status == Status::Ok; }
};

// Each lottery's past draws live in "<data folder>\<lottery name>.dat", an
// object archive:
//
//   count      u16, or u16 0xFFFF then u32 when the count is 65535 or more
//   record 1   u16 0xFFFF (new class), u16 schema 1, u16 name length 10,
//              "CLottoItem", then the 36-byte body
//   record n   u16 0x8001 (reference to class 1), then the 36-byte body
//   body       i32 date, i32 ball1 .. ball7, i32 bonus
//
// All integers little-endian; nothing else is in the file.
namespace DrawFile {

inline constexpr char kErrorCannotCreate[] = "ERROR 101\nUnable to Open or Create %s";
inline constexpr char kErrorDamaged[] = "The draw file %s is damaged: only its first %d draws could be read.";

// The device path of a lottery's draw file.
std::string deviceName(std::string_view dataFolder, std::string_view lotteryName);

std::string encode(const DrawList& draws);
// Reads the records into out (emptied first). A damaged file keeps the records
// read before the damage and reports Damaged.
DrawFileResult decode(std::string_view bytes, DrawList& out);

DrawFileResult load(const DevicePaths& device, std::string_view dataFolder, std::string_view lotteryName,
                    DrawList& out);
DrawFileResult save(const DevicePaths& device, std::string_view dataFolder, std::string_view lotteryName,
                    const DrawList& draws);

}  // namespace DrawFile
}  // namespace numora
