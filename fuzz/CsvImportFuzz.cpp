// The CSV import takes any bytes. The file is imported twice over the same
// draws (the second run meets every date again: repeats and skipped lines),
// and the merge walk, which keeps the draws in blocks, must give the same
// draws and counts whatever the size of its blocks; no stored draw has a date
// a draw cannot have.

#include <optional>
#include <vector>

#include "FuzzCheck.h"
#include "draws/CsvDrawLine.h"
#include "draws/CsvImport.h"
#include "draws/CsvLineReader.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"
#include "settings/BallSlots.h"

namespace numora {
namespace {

constexpr std::size_t kSmallBlocks[] = {1, 3};
constexpr char kSeparators[] = "/-.";

class IgnoredMessages final : public ImportObserver {
public:
    void showInfo(const std::string&) override {}
    void showMessage(const std::string&) override {}
};

// The lottery and the locale, chosen by the input's length so that the file
// itself stays as the corpus holds it.
struct Setup {
    explicit Setup(std::size_t size)
        : locale(static_cast<DateOrder>(size % 3), std::string(1, kSeparators[(size / 3) % 3])) {
        profile.balls = 3 + static_cast<int>((size / 9) % 5);
        profile.min = static_cast<int>((size / 45) % 2);
        profile.bonus = (size / 90) % 2 == 0 ? 49 : 0;
        // A second drum of up to two numbers from 0 to 9, where the slots leave room.
        profile.drum2 = std::min(static_cast<int>((size / 180) % 3), kBallSlots - profile.balls);
        profile.drum2Min = 0;
        profile.drum2Max = 9;
    }

    CsvLineRules rules() const {
        return {slotsInPlay(profile),           profile.bonus, locale.shortDateOrder(),
                locale.dateSeparator().front(), kUndated,      &time};
    }

    static constexpr std::int32_t kUndated = 1'165'401'000;
    LotteryProfile profile;
    FixedLocaleInfo locale;
    FixedOffsetLocalTime time;
};

ImportCounters importOnce(std::string_view bytes, DrawList& draws, const Setup& setup) {
    IgnoredMessages messages;
    const DrawSaver keep = [](const DrawList&) { return DrawFileResult{}; };
    return importCsv(bytes, draws, {setup.profile, setup.locale, setup.time, Setup::kUndated}, keep, messages).counters;
}

// The import's own walk over the lines, in blocks of the given size.
ImportCounters mergeInBlocks(std::string_view bytes, DrawList& draws, const Setup& setup, std::size_t blockDraws) {
    CsvLineReader reader(bytes);
    const CsvLineRules rules = setup.rules();
    std::vector<CsvDrawLine> lines;
    std::vector<std::optional<std::int32_t>> dates;
    for (std::string line; reader.next(line);) {
        const auto draw = readCsvDrawLine(line, rules);
        if (!draw || !draw->badDate.empty()) continue;
        lines.push_back(*draw);
        dates.push_back(draw->dated ? std::optional(draw->record.date) : std::nullopt);
    }
    ImportCounters counters;
    DrawMerger merger(draws, setup.profile, blockDraws);
    for (const std::size_t index : mergeOrder(dates)) merger.merge(lines[index].record, lines[index].dated, counters);
    return counters;
}

}  // namespace
}  // namespace numora

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace numora;
    const std::string_view bytes = fuzz::bytesOf(data, size);
    const Setup setup(size);
    DrawList imported;
    const ImportCounters first = importOnce(bytes, imported, setup);
    const ImportCounters second = importOnce(bytes, imported, setup);

    // A date no draw can have is never stored, under its own or another.
    for (const DrawRecord& draw : imported) fuzz::check(draw.date >= 0, "every stored date is one a draw can have");

    for (const std::size_t blockDraws : kSmallBlocks) {
        DrawList merged;
        fuzz::check(mergeInBlocks(bytes, merged, setup, blockDraws) == first, "first run counts as in one block");
        fuzz::check(mergeInBlocks(bytes, merged, setup, blockDraws) == second, "second run counts as in one block");
        fuzz::check(merged == imported, "the merged draws do not depend on the block size");
    }
    return 0;
}
