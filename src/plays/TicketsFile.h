#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "plays/TicketList.h"

namespace numora {

class DevicePaths;

// How loading or saving the tickets file went; message holds the text to
// tell the user of a failure (empty otherwise).
//
// A load is Ok when the whole file was read, Missing when there is none (no
// tickets yet), Unreadable when something stands there that could not be
// read, Damaged when a line is not a ticket line (the tickets before it are
// kept). A save fails with CannotSave.
struct TicketsFileResult {
    enum class Status { Ok, Missing, Unreadable, Damaged, CannotSave };
    Status status = Status::Ok;
    std::string message;

    bool ok() const { return status == Status::Ok; }
    // Only a file that was read whole, or none at all, may be saved over: any
    // other would lose the tickets that could not be read.
    bool maySaveOver() const { return status == Status::Ok || status == Status::Missing; }
};

// Each lottery's tickets live beside its draw file, in "<data folder>\<lottery
// name>.tickets": text, each line ended by LF.
//
//   Numora tickets 1                              the version line
//   NUMBER,DAY,SOURCE,NUMBERS,BONUS,RESULT        one line a ticket, in the order played
//
//   NUMBER   the ticket's number, from 1, each once
//   DAY      the day of the draw it was played for, YYYY-MM-DD, 1970-01-01 to 2038-01-18
//   SOURCE   pick, wheel or typed
//   NUMBERS  the line's slots from the first to the last that holds a number,
//            space separated, two digits each; -1 for an empty slot among them
//   BONUS    the line's bonus, two digits; empty when the line has none
//   RESULT   the label of its best match with the draws of its day ("4+1",
//            "3", "0"); empty while it is pending
//
// For example "3,2026-12-09,pick,03 09 17 23 40 41,07,4+1".
namespace TicketsFile {

inline constexpr char kExtension[] = ".tickets";
inline constexpr char kVersionLine[] = "Numora tickets 1";
// Some 300,000 tickets; a larger file is taken for something else.
inline constexpr std::uint64_t kLargestFile = std::uint64_t{16} << 20;

inline constexpr char kErrorDamaged[] =
    "The tickets file %s is damaged at line %d. Numora leaves it as it is.";
inline constexpr char kErrorOtherVersion[] =
    "The tickets file %s was written by another version of Numora. Numora leaves it as it is.";
inline constexpr char kErrorUnreadable[] = "The tickets file %s cannot be read. Numora leaves it as it is.";
inline constexpr char kErrorCannotSave[] = "Unable to save the tickets file %s";

// The device path of a lottery's tickets file.
std::string deviceName(std::string_view dataFolder, std::string_view lotteryName);

std::string encode(const TicketList& tickets);
// Reads the tickets into out (emptied first); a damaged file keeps the tickets
// before the first line that is not one, and a file of another version none.
TicketsFileResult decode(std::string_view bytes, TicketList& out);

TicketsFileResult load(const DevicePaths& device, std::string_view dataFolder, std::string_view lotteryName,
                       TicketList& out);
TicketsFileResult save(const DevicePaths& device, std::string_view dataFolder, std::string_view lotteryName,
                       const TicketList& tickets);

}  // namespace TicketsFile
}  // namespace numora
