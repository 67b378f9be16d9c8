#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "draws/DrawList.h"

namespace numora {

class DevicePaths;

// The outcome of loading or saving a draw file; message holds the program's
// text for a failure the user is told of (empty otherwise).
//
// A load is Ok when the whole file was read, Missing when there is no file
// (no draws yet), Unreadable when something stands at the file's place that
// could not be read (no permission, not a regular file, larger than any draw
// file), Damaged when its bytes broke off or went wrong after the draws that
// were read. A save fails with CannotCreate.
struct DrawFileResult {
    enum class Status { Ok, Missing, Unreadable, Damaged, CannotCreate };
    Status status = Status::Ok;
    std::string message;

    bool ok() const { return status == Status::Ok; }
    // Whether, after this load, saving the draws may replace the file: only a
    // file that was read whole, or none at all. Saving over any other would
    // lose the draws that could not be read.
    bool maySaveOver() const { return status == Status::Ok || status == Status::Missing; }
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
inline constexpr char kErrorUnreadable[] = "The draw file %s cannot be read; Numora leaves it as it is.";
inline constexpr char kErrorNotAFile[] = "The draw file %s is not a regular file; Numora leaves it as it is.";
inline constexpr char kErrorTooLarge[] =
    "The draw file %s is larger than a draw file can be; Numora leaves it as it is.";
inline constexpr char kErrorTooManyDraws[] = "The draw file %s cannot hold more than %d draws; nothing was saved.";

// The most draws a draw file holds, and so the largest file that is read.
inline constexpr std::size_t kMostDraws = 1'000'000;

// The device path of a lottery's draw file.
std::string deviceName(std::string_view dataFolder, std::string_view lotteryName);

std::string encode(const DrawList& draws);
// Reads the records into out (emptied first). A damaged file keeps the records
// read before the damage and reports Damaged; so do bytes after the last record.
DrawFileResult decode(std::string_view bytes, DrawList& out);

DrawFileResult load(const DevicePaths& device, std::string_view dataFolder, std::string_view lotteryName,
                    DrawList& out);
DrawFileResult save(const DevicePaths& device, std::string_view dataFolder, std::string_view lotteryName,
                    const DrawList& draws);

}  // namespace DrawFile
}  // namespace numora
