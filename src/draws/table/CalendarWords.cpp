#include "draws/table/CalendarWords.h"

#include <array>

namespace numora {

namespace {

constexpr std::size_t kShortestMonthStart = 3;
constexpr std::size_t kShortestWeekdayStart = 2;

struct MonthName {
    const char* name;
    int month;
};

constexpr MonthName kMonthNames[] = {
    {"january", 1},   {"januar", 1},    {"janvier", 1},   {"enero", 1},      {"gennaio", 1},    {"janeiro", 1},
    {"januari", 1},   {"janner", 1},    {"february", 2},  {"februar", 2},    {"fevrier", 2},    {"febrero", 2},
    {"febbraio", 2},  {"fevereiro", 2}, {"februari", 2},  {"march", 3},      {"marz", 3},       {"maerz", 3},
    {"mars", 3},      {"marzo", 3},     {"marco", 3},     {"maart", 3},      {"mrt", 3},        {"mrz", 3},
    {"april", 4},     {"avril", 4},     {"abril", 4},     {"aprile", 4},     {"may", 5},        {"mai", 5},
    {"mayo", 5},      {"maggio", 5},    {"maio", 5},      {"mei", 5},        {"june", 6},       {"juni", 6},
    {"juin", 6},      {"junio", 6},     {"giugno", 6},    {"junho", 6},      {"july", 7},       {"juli", 7},
    {"juillet", 7},   {"julio", 7},     {"luglio", 7},    {"julho", 7},      {"august", 8},     {"aout", 8},
    {"agosto", 8},    {"augustus", 8},  {"september", 9}, {"septembre", 9},  {"septiembre", 9}, {"setiembre", 9},
    {"settembre", 9}, {"setembro", 9},  {"october", 10},  {"oktober", 10},   {"octobre", 10},   {"octubre", 10},
    {"ottobre", 10},  {"outubro", 10},  {"november", 11}, {"novembre", 11},  {"noviembre", 11}, {"novembro", 11},
    {"december", 12}, {"dezember", 12}, {"decembre", 12}, {"diciembre", 12}, {"dicembre", 12},  {"dezembro", 12},
};

constexpr const char* kWeekdayNames[] = {
    "sunday",    "monday",    "tuesday",  "wednesday",  "thursday", "friday",    "saturday",  "sonntag",
    "montag",    "dienstag",  "mittwoch", "donnerstag", "freitag",  "samstag",   "sonnabend", "dimanche",
    "lundi",     "mardi",     "mercredi", "jeudi",      "vendredi", "samedi",    "domingo",   "lunes",
    "martes",    "miercoles", "jueves",   "viernes",    "sabado",   "domenica",  "lunedi",    "martedi",
    "mercoledi", "giovedi",   "venerdi",  "sabato",     "segunda",  "terca",     "quarta",    "quinta",
    "sexta",     "zondag",    "maandag",  "dinsdag",    "woensdag", "donderdag", "vrijdag",   "zaterdag",
};

// Latin-1 letters U+00C0 to U+00FF without their accents; "" for the two
// signs that are no letters (multiplication and division).
constexpr std::array<const char*, 64> kLatin1Folded = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",   // C0
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",  // D0
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",   // E0
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};  // F0

constexpr char32_t kFeminineOrdinal = 0xAA;
constexpr char32_t kMasculineOrdinal = 0xBA;

bool startsWith(std::string_view name, std::string_view start) { return name.substr(0, start.size()) == start; }

}  // namespace

std::string foldedWord(std::string_view utf8) {
    std::string folded;
    folded.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            folded.push_back(byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a')
                                                        : static_cast<char>(byte));
            continue;
        }
        // Two-byte sequences C2 xx and C3 xx hold U+0080 to U+00FF.
        if ((byte == 0xC2 || byte == 0xC3) && i + 1 < utf8.size()) {
            const auto code =
                static_cast<char32_t>(((byte & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu));
            if (code >= 0xC0) {
                folded += kLatin1Folded[code - 0xC0];
                ++i;
                continue;
            }
            if (code == kFeminineOrdinal || code == kMasculineOrdinal) {
                folded.push_back(code == kFeminineOrdinal ? 'a' : 'o');
                ++i;
                continue;
            }
        }
        folded.push_back(static_cast<char>(byte));
    }
    return folded;
}

std::optional<int> monthOfWord(std::string_view folded) {
    std::optional<int> month;
    for (const MonthName& entry : kMonthNames) {
        const std::string_view name = entry.name;
        if (name == folded) return entry.month;
        if (folded.size() < kShortestMonthStart || !startsWith(name, folded)) continue;
        if (month && *month != entry.month) return std::nullopt;
        month = entry.month;
    }
    return month;
}

bool isWeekdayWord(std::string_view folded) {
    if (folded.size() < kShortestWeekdayStart) return false;
    for (const std::string_view name : kWeekdayNames) {
        if (startsWith(name, folded)) return true;
    }
    return false;
}

}  // namespace numora
