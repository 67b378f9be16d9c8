// The Tickets window in each layout, with checked and pending tickets, and
// the day dialog of Play Picks.
#include "Gallery.h"
#include "draws/DrawFile.h"
#include "platform/LocalTime.h"
#include "plays/TicketBook.h"
#include "ui/tickets/PlayDateDialog.h"
#include "ui/tickets/TicketsWindow.h"

namespace numora::gallery {

namespace {

const LotteryProfile kLottery{"Atlantic 649", 6, 1, 49, 49, false, true, false, true};

// Wednesday and Saturday draws, and the lines played for them.
const struct {
    CalendarDay day;
    std::array<int, 7> drawn;  // none for a draw still to come
    std::vector<std::array<int, 7>> played;
} kDays[] = {
    {{2026, 11, 28}, {4, 11, 19, 27, 33, 45, 8}, {{4, 11, 20, 27, 33, 40, 8}, {1, 11, 19, 30, 38, 45, 2}, {5, 9, 22, 28, 31, 44, 17}}},
    {{2026, 12, 2}, {3, 9, 17, 23, 40, 41, 7}, {{3, 9, 17, 23, 40, 44, 7}, {3, 12, 17, 29, 35, 41, 30}, {2, 6, 18, 24, 36, 47, 12},
                                                {9, 17, 21, 33, 40, 48, 7}, {1, 3, 9, 14, 26, 39, 19}}},
    {{2026, 12, 5}, {6, 15, 22, 30, 37, 48, 21}, {{6, 15, 21, 30, 42, 49, 3}, {2, 13, 22, 26, 37, 44, 21}}},
    {{2026, 12, 9}, {}, {{3, 9, 17, 23, 40, 41, 7}, {8, 14, 19, 25, 36, 43, 11}, {5, 10, 28, 31, 39, 46, 26}}},
};

PickedLine lineOf(const std::array<int, 7>& numbers) {
    PickedLine line;
    for (std::size_t slot = 0; slot < 6; ++slot) line.slots[slot] = numbers[slot];
    line.bonus = numbers[6];
    return line;
}

void writeTickets(Gallery& gallery, const LocalTime& time) {
    const std::string& dataFolder = gallery.state().dataFolder;
    DrawList draws;
    TicketBook book(gallery.device(), dataFolder, kLottery, time);
    book.load();
    for (const auto& [day, drawn, played] : kDays) {
        std::vector<PickedLine> lines;
        for (const auto& numbers : played) lines.push_back(lineOf(numbers));
        book.play(lines, day, TicketSource::Pick, draws);
        if (drawn[0] == 0) continue;
        DrawRecord draw;
        draw.date = time.toSeconds({day.year, day.month, day.day, 20, 0, 0});
        for (int ball = 1; ball <= 6; ++ball) draw.ball(ball) = drawn[static_cast<std::size_t>(ball - 1)];
        draw.bonus = drawn[6];
        draws.append(draw);
        book.check(draws);
    }
    DrawFile::save(gallery.device(), dataFolder, kLottery.name, draws);
}

}  // namespace

void shootTickets(Gallery& gallery) {
    const FixedOffsetLocalTime time;
    writeTickets(gallery, time);
    SilentPrompter prompter;
    const struct {
        const char* name;
        ScreenSize screen;
    } screens[] = {{"tickets", {240, 320}}, {"tickets-landscape", {320, 240}}, {"tickets-square", {240, 240}}};
    for (const auto& [name, screen] : screens) {
        TicketsWindow window({gallery.device(), gallery.state().dataFolder, kLottery, time, prompter, screen});
        gallery.saveWidget(QString::fromLatin1(name), window);
    }
    PlayDateDialog dialog(5, {2026, 12, 12});
    gallery.saveWidget(QStringLiteral("play-picks-day"), dialog);
}

}  // namespace numora::gallery
