#include <gtest/gtest.h>

#include <algorithm>

#include "PlaysTestData.h"
#include "platform/DevicePaths.h"
#include "plays/TicketsFile.h"
#include "support/TestFiles.h"

namespace numora {
namespace {

using testing::kLotto649;
using testing::lineOf;
using testing::ticketOf;

constexpr char kDataFolder[] = "\\Program Files\\Numora";
constexpr CalendarDay kDay{2026, 12, 9};

TicketList sampleTickets() {
    PickedLine gap = lineOf({1, 2, 3, 4});
    gap.slots[1] = PickedLine::kEmpty;
    return {ticketOf(3, kDay, lineOf({3, 9, 17, 23, 40, 41}, 7), "4+1", TicketSource::Pick),
            ticketOf(1, {1970, 1, 1}, lineOf({1, 2, 3, 4, 5, 6}), "", TicketSource::Typed),
            ticketOf(7, {2038, 1, 18}, lineOf({10, 20, 30, 40, 41, 42, 43}, 0), "0", TicketSource::Wheel),
            ticketOf(8, kDay, gap, "5+2")};
}

}  // namespace

TEST(TicketsFile, linesAreTheVersionThenOneCommaSeparatedLineATicketAndReadBack) {
    const TicketList tickets = sampleTickets();
    const std::string bytes = TicketsFile::encode(tickets);
    EXPECT_EQ(bytes,
              "Numora tickets 1\n"
              "3,2026-12-09,pick,03 09 17 23 40 41,07,4+1\n"
              "1,1970-01-01,typed,01 02 03 04 05 06,,\n"
              "7,2038-01-18,wheel,10 20 30 40 41 42 43,00,0\n"
              "8,2026-12-09,typed,01 -1 03 04,,5+2\n");
    TicketList read;
    EXPECT_TRUE(TicketsFile::decode(bytes, read).ok());
    EXPECT_EQ(read, tickets);
    EXPECT_TRUE(TicketsFile::decode("Numora tickets 1\r\n", read).ok());
    EXPECT_TRUE(read.empty());
    EXPECT_EQ(TicketsFile::deviceName(kDataFolder, "Lotto 649"), "\\Program Files\\Numora\\Lotto 649.tickets");
}

TEST(TicketsFile, aCutOrDamagedFileKeepsTheTicketsBeforeTheDamage) {
    const std::string bytes = TicketsFile::encode(sampleTickets());
    // A cut inside a line is damage: a last line without its end was cut.
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const std::string_view kept(bytes.data(), length);
        const bool atLineEnd = length > 0 && kept.back() == '\n';
        TicketList read;
        EXPECT_EQ(TicketsFile::decode(kept, read).ok(), atLineEnd) << length;
        const auto lines = static_cast<std::size_t>(std::count(kept.begin(), kept.end(), '\n'));
        EXPECT_EQ(read.size(), lines == 0 ? 0 : lines - 1) << length;
    }
    const char* damaged[] = {
        "2,2026-12-09,pick,03 09,07,4+1\n",           // a number played twice
        "5,2026-02-30,pick,03 09,07,4+1\n",           // no such day
        "5,2038-01-19,pick,03 09,07,4+1\n",           // no draw can be dated then
        "5,2026-12-09,bought,03 09,07,4+1\n",         // no such source
        "5,2026-12-09,pick,03 09 100,07,4+1\n",       // not a ball
        "5,2026-12-09,pick,1 2 3 4 5 6 7 8,07,4\n",   // more than seven
        "5,2026-12-09,pick,,07,4\n",                  // no numbers
        "5,2026-12-09,pick,03 09,-1,4\n",             // an empty bonus is written empty
        "5,2026-12-09,pick,03 09,07,four\n",          // not a result
        "5,2026-12-09,pick,03 09,07,4+1,\n",          // a field too many
        "-5,2026-12-09,pick,03 09,07,4\n",            // not a ticket number
    };
    for (const char* line : damaged) {
        TicketList read;
        EXPECT_FALSE(TicketsFile::decode(std::string("Numora tickets 1\n2,2026-12-09,pick,01 02,,\n") + line, read).ok())
            << line;
        EXPECT_EQ(read.size(), 1u) << line;
    }
}

TEST(TicketsFile, loadTellsAMissingADamagedAndAnUnreadableFileApart) {
    testing::ScratchFolder root;
    const DevicePaths device(root.path());
    const auto host = device.toHost(TicketsFile::deviceName(kDataFolder, "Lotto")).value();
    std::filesystem::create_directories(host.parent_path());
    TicketList read{ticketOf(1, kDay, lineOf({1}))};
    EXPECT_EQ(TicketsFile::load(device, kDataFolder, "Lotto", read).status, TicketsFileResult::Status::Missing);
    EXPECT_TRUE(read.empty());

    ASSERT_TRUE(TicketsFile::save(device, kDataFolder, "Lotto", sampleTickets()).ok());
    EXPECT_TRUE(TicketsFile::load(device, kDataFolder, "Lotto", read).ok());
    EXPECT_EQ(read, sampleTickets());

    testing::writeBytes(host, TicketsFile::encode(sampleTickets()) + "9,2026-12-09,pick");
    TicketsFileResult loaded = TicketsFile::load(device, kDataFolder, "Lotto", read);
    EXPECT_EQ(loaded.status, TicketsFileResult::Status::Damaged);
    EXPECT_EQ(loaded.message,
              "The tickets file \\Program Files\\Numora\\Lotto.tickets is damaged at line 6. Numora leaves it as it is.");
    EXPECT_FALSE(loaded.maySaveOver());
    EXPECT_EQ(read.size(), 4u);

    // A later version of the file is not read as this one.
    testing::writeBytes(host, "Numora tickets 2\n1,2026-12-09,pick,01,,\n");
    loaded = TicketsFile::load(device, kDataFolder, "Lotto", read);
    EXPECT_EQ(loaded.status, TicketsFileResult::Status::Unreadable);
    EXPECT_NE(loaded.message.find("another version"), std::string::npos);

    std::filesystem::remove(host);
    std::filesystem::create_directory(host);
    loaded = TicketsFile::load(device, kDataFolder, "Lotto", read);
    EXPECT_EQ(loaded.status, TicketsFileResult::Status::Unreadable);
    EXPECT_FALSE(loaded.maySaveOver());
    const TicketsFileResult saved = TicketsFile::save(device, kDataFolder, "Lotto", sampleTickets());
    EXPECT_EQ(saved.status, TicketsFileResult::Status::CannotSave);
    EXPECT_EQ(saved.message.rfind("Unable to save the tickets file \\Program Files\\Numora\\Lotto.tickets", 0), 0u);
}

}  // namespace numora
