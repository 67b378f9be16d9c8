#include "draws/table/HeadingWords.h"

#include <algorithm>

#include "draws/table/CalendarWords.h"
#include "draws/table/NumberCell.h"

namespace numora {

namespace {

constexpr std::string_view kDateWords[] = {"date", "datum", "fecha", "data", "dato"};
constexpr std::string_view kDayWords[] = {"dd", "d", "day", "tag", "jour", "dia", "giorno", "dag"};
constexpr std::string_view kMonthWords[] = {"mm", "mmm", "m", "month", "monat", "mois", "mes", "mese", "maand"};
constexpr std::string_view kYearWords[] = {"yyyy", "yy", "y", "year", "jahr", "annee", "ano", "anno", "jaar"};
constexpr std::string_view kBallWords[] = {"ball",    "balls",   "number",   "numbers", "num",    "n",       "b",
                                           "digit",   "digits",  "zahl",     "zahlen",  "numero", "numeros", "numeri",
                                           "nummer",  "getal",   "getallen", "bola",    "bolas",  "boule",   "boules",
                                           "pallina", "winning", "main",     "white",   "whites"};
constexpr std::string_view kBonusWords[] = {"bonus",
                                            "powerball",
                                            "pb",
                                            "mb",
                                            "megaball",
                                            "strong",
                                            "extra",
                                            "special",
                                            "additional",
                                            "supplementary",
                                            "zusatzzahl",
                                            "superzahl",
                                            "zusatz",
                                            "complementaire",
                                            "complementario",
                                            "complementar",
                                            "reintegro",
                                            "jolly",
                                            "superstar",
                                            "chance",
                                            "bn",
                                            "bb",
                                            "star",
                                            "stars"};
constexpr std::string_view kNotBallWords[] = {
    "no",       "nr",        "dno",       "id",       "jackpot", "multiplier", "megaplier", "powerplay", "sum",
    "total",    "winners",   "winner",    "wins",     "payout",  "prize",      "prizes",    "set",       "machine",
    "sequence", "seq",       "product",   "game",     "sales",   "amount",     "estimated", "count",     "gewinner",
    "gagnants", "ganadores", "vincitori", "winnaars", "summe",   "somme",      "suma",      "somma",     "soma"};
// The second drum's words in the languages the dates are read in, and the
// short forms of "Lucky Star", "Eurozahl" and "Superzahl".
constexpr std::string_view kSecondDrumWords[] = {"star",     "stars",     "stern",     "sterne", "etoile",  "etoiles",
                                                 "estrella", "estrellas", "stella",    "stelle", "estrela", "estrelas",
                                                 "ster",     "sterren",   "superzahl", "ls",     "ez",      "sz"};
constexpr std::string_view kEuroWord = "euro";
// Two words that name a role together.
struct WordPair {
    std::string_view first;
    std::string_view second;
    HeadingRole role;
};
constexpr WordPair kWordPairs[] = {{"mega", "ball", HeadingRole::Bonus},    {"power", "ball", HeadingRole::Bonus},
                                   {"power", "play", HeadingRole::NotBall}, {"draw", "number", HeadingRole::NotBall},
                                   {"draw", "no", HeadingRole::NotBall},    {"draw", "nr", HeadingRole::NotBall}};

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool isLower(char c) { return c >= 'a' && c <= 'z'; }
bool isWordByte(char c) { return isDigit(c) || isUpper(c) || isLower(c) || static_cast<unsigned char>(c) >= 0x80; }

template <std::size_t N>
bool hasAny(const std::vector<std::string>& words, const std::string_view (&list)[N]) {
    return std::any_of(words.begin(), words.end(), [&](const std::string& word) {
        return std::find(std::begin(list), std::end(list), word) != std::end(list);
    });
}

bool hasPair(const std::vector<std::string>& words, const WordPair& pair) {
    for (std::size_t i = 0; i + 1 < words.size(); ++i) {
        if (words[i] == pair.first && words[i + 1] == pair.second) return true;
    }
    return false;
}

// A ball word, or its plural: "Nummers" as well as "Nummer".
bool isBallWord(std::string_view word) {
    const auto listed = [](std::string_view candidate) {
        return std::find(std::begin(kBallWords), std::end(kBallWords), candidate) != std::end(kBallWords);
    };
    return listed(word) || (word.size() > 1 && word.back() == 's' && listed(word.substr(0, word.size() - 1)));
}

// "Euro number", "Eurozahlen", "Euronumeri", "Euro 1": "euro" before or at the
// start of a ball word, or before a number alone.
bool namesEuroNumbers(const std::vector<std::string>& words) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words[i];
        if (word == kEuroWord && i + 1 < words.size() && isBallWord(words[i + 1])) return true;
        if (word.starts_with(kEuroWord) && isBallWord(word.substr(kEuroWord.size()))) return true;
    }
    return words.size() == 2 && words[0] == kEuroWord && cellNumber(words[1]).has_value();
}

}  // namespace

std::vector<std::string> headingWords(std::string_view heading) {
    std::vector<std::string> words;
    std::string word;
    const auto finish = [&] {
        if (!word.empty()) words.push_back(foldedWord(word));
        word.clear();
    };
    for (std::size_t i = 0; i < heading.size(); ++i) {
        const char c = heading[i];
        if (!isWordByte(c)) {
            finish();
            continue;
        }
        // A new word starts where a lower-case letter meets a capital or a
        // letter meets a digit.
        if (!word.empty()) {
            const char before = word.back();
            if ((isLower(before) && isUpper(c)) || (isDigit(before) != isDigit(c))) finish();
        }
        word.push_back(c);
    }
    finish();
    return words;
}

HeadingRole headingRole(std::string_view heading, bool secondDrum) {
    const std::vector<std::string> words = headingWords(heading);
    for (const WordPair& pair : kWordPairs) {
        if (hasPair(words, pair)) return pair.role;
    }
    if (secondDrum && !hasAny(words, kNotBallWords) && (hasAny(words, kSecondDrumWords) || namesEuroNumbers(words))) {
        return HeadingRole::SecondDrum;
    }
    if (hasAny(words, kBonusWords)) return HeadingRole::Bonus;
    if (hasAny(words, kNotBallWords)) return HeadingRole::NotBall;
    if (hasAny(words, kDateWords)) return HeadingRole::Date;
    if (words.size() == 1 && hasAny(words, kDayWords)) return HeadingRole::Day;
    if (words.size() == 1 && hasAny(words, kMonthWords)) return HeadingRole::Month;
    if (words.size() == 1 && hasAny(words, kYearWords)) return HeadingRole::Year;
    if (hasAny(words, kBallWords) || numberedHeading(heading)) return HeadingRole::Ball;
    return HeadingRole::Unknown;
}

std::optional<NumberedHeading> numberedHeading(std::string_view heading) {
    std::vector<std::string> words = headingWords(heading);
    if (words.empty()) return std::nullopt;
    const auto number = cellNumber(words.back());
    if (!number) return std::nullopt;
    words.pop_back();
    NumberedHeading numbered{{}, *number};
    for (const std::string& word : words) numbered.stem += (numbered.stem.empty() ? "" : " ") + word;
    return numbered;
}

}  // namespace numora
