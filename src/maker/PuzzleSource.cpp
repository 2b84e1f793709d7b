// SPDX-License-Identifier: MIT
// Reading, numbering, solving and checking a puzzle source.
#include "maker/PuzzleSource.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "maker/Cp1252Text.h"
#include "maker/PuzzleSolver.h"

namespace maker {
namespace {

constexpr size_t kMaxSourceBytes = 1u << 20;
constexpr size_t kMaxTextChars = 2000;

// Splits "keyword rest" at the first blank.
std::pair<std::string, std::string> SplitKeyword(const std::string& line) {
    size_t cut = 0;
    while (cut < line.size() && !std::isspace(static_cast<unsigned char>(line[cut]))) {
        ++cut;
    }
    std::string keyword = line.substr(0, cut);
    std::transform(keyword.begin(), keyword.end(), keyword.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return {keyword, Trim(std::string_view(line).substr(cut))};
}

std::string Shown(const std::string& text) {
    return Cp1252ToUtf8(text.size() > 40 ? text.substr(0, 40) + "..." : text);
}

std::string SquareName(const BoardCell& cell) {
    return "column " + std::to_string(cell.column + 1) + ", row " + std::to_string(cell.row + 1);
}

// A number the words of a clue write: its digits without point or commas, and how many of
// them stand after the decimal point.
struct WrittenNumber {
    int64_t digits = 0;
    int decimals = 0;
    bool scalable = false;  // a decimal, money or a metric measure: may stand for x10, x100, x1000
    std::string text;       // as written, for messages
};

bool IsLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

int NumberWord(const std::string& word) {
    static const char* const kSmall[] = {"two",       "three",    "four",     "five",    "six",
                                         "seven",     "eight",    "nine",     "ten",     "eleven",
                                         "twelve",    "thirteen", "fourteen", "fifteen", "sixteen",
                                         "seventeen", "eighteen", "nineteen", "twenty"};
    static const char* const kTens[] = {"thirty",  "forty",  "fifty", "sixty",
                                        "seventy", "eighty", "ninety"};
    for (size_t i = 0; i < std::size(kSmall); ++i) {
        if (word == kSmall[i]) {
            return static_cast<int>(i) + 2;
        }
    }
    for (size_t i = 0; i < std::size(kTens); ++i) {
        if (word == kTens[i]) {
            return static_cast<int>(i) * 10 + 30;
        }
    }
    return 0;
}

bool IsMetricUnit(const std::string& word) {
    static const char* const kUnits[] = {
        "mm",         "cm",          "m",         "km",         "g",          "kg",
        "ml",         "l",           "litre",     "litres",     "millilitre", "millilitres",
        "metre",      "metres",      "kilometre", "kilometres", "centimetre", "centimetres",
        "millimetre", "millimetres", "gram",      "grams",      "kilogram",   "kilograms",
        "tonne",      "tonnes"};
    return std::find(std::begin(kUnits), std::end(kUnits), word) != std::end(kUnits);
}

// Reads the numbers of a clue's words and the answers they name. False with a reason when
// the words are not readable that way.
bool ReadWrittenNumbers(const std::string& words, std::vector<WrittenNumber>& numbers,
                        std::vector<EntryRef>& named, std::string& why) {
    size_t i = 0;
    while (i < words.size()) {
        const char c = words[i];
        if (c == '{') {
            const size_t close = words.find('}', i);
            if (close == std::string::npos) {
                why = "a '{' is not closed";
                return false;
            }
            const std::string inside = Trim(words.substr(i + 1, close - i - 1));
            ClueExpression ref;
            std::string error;
            if (!inside.empty() && inside[0] == '=') {
                why = "words name answers ({3A}) but never work a value out ({=...})";
                return false;
            }
            if (ref.Parse(inside, error) && ref.References().size() == 1) {
                named.push_back(ref.References().front());
            }
            i = close + 1;
            continue;
        }
        if (c == '\xBC' || c == '\xBD' || c == '\xBE') {
            numbers.push_back({c == '\xBE' ? 3 : 1, 0, false, "a fraction"});
            numbers.push_back({c == '\xBD' ? 2 : 4, 0, false, "a fraction"});
            ++i;
            continue;
        }
        if (IsLetter(c)) {
            size_t end = i;
            while (end < words.size() && IsLetter(words[end])) {
                ++end;
            }
            const std::string word = Lower(words.substr(i, end - i));
            int value = NumberWord(word);
            std::string text = word;
            // "twenty-five"
            if (value >= 20 && value % 10 == 0 && end + 1 < words.size() && words[end] == '-' &&
                IsLetter(words[end + 1])) {
                size_t next = end + 1;
                while (next < words.size() && IsLetter(words[next])) {
                    ++next;
                }
                const std::string unit = Lower(words.substr(end + 1, next - end - 1));
                const int ones = NumberWord(unit);
                if (ones > 0 && ones < 10) {
                    value += ones;
                    text += "-" + unit;
                    end = next;
                }
            }
            if (value > 0) {
                numbers.push_back({value, 0, false, text});
            }
            i = end;
            continue;
        }
        if (!IsDigit(c)) {
            ++i;
            continue;
        }
        if (i > 0 && IsLetter(words[i - 1])) {
            while (i < words.size() && IsDigit(words[i])) {
                ++i;  // part of a name such as "A4"
            }
            continue;
        }
        WrittenNumber number;
        const bool money =
            i > 0 && (words[i - 1] == '\xA3' || words[i - 1] == '$' || words[i - 1] == '\x80');
        size_t end = i;
        std::string digits;
        while (end < words.size()) {
            if (IsDigit(words[end])) {
                digits.push_back(words[end++]);
            } else if (words[end] == ',' && end + 3 < words.size() && IsDigit(words[end + 1]) &&
                       IsDigit(words[end + 2]) && IsDigit(words[end + 3]) &&
                       (end + 4 == words.size() || !IsDigit(words[end + 4]))) {
                end += 1;  // a thousands comma: "10,000"
            } else {
                break;
            }
        }
        if (end + 1 < words.size() && words[end] == '.' && IsDigit(words[end + 1])) {
            ++end;
            while (end < words.size() && IsDigit(words[end])) {
                digits.push_back(words[end++]);
                ++number.decimals;
            }
        }
        number.text = words.substr(i, end - i);
        if (digits.size() > 12) {
            why = "the words write " + Shown(number.text) + ", longer than a clue's number can be";
            return false;
        }
        number.digits = std::stoll(digits);
        // The word after it: a unit, or "Across" / "Down" naming an answer.
        size_t next = end;
        while (next < words.size() && words[next] == ' ') {
            ++next;
        }
        size_t wordEnd = next;
        while (wordEnd < words.size() && IsLetter(words[wordEnd])) {
            ++wordEnd;
        }
        const std::string after = Lower(words.substr(next, wordEnd - next));
        i = end;
        if (after == "across" || after == "down") {
            continue;
        }
        number.scalable = number.decimals > 0 || money || IsMetricUnit(after);
        numbers.push_back(number);
    }
    return true;
}

// Whether an expression's number is what the words wrote, or that times 10, 100 or 1000 when
// the written number is a decimal, money or a measure.
bool Matches(int64_t value, const WrittenNumber& written) {
    if (value < 0 || value > 1'000'000'000'000'000LL) {
        return false;
    }
    // value = digits / 10^decimals * 10^k, so value * 10^decimals = digits * 10^k: compared
    // as digit strings, which cannot overflow.
    const std::string left =
        std::to_string(value) + std::string(static_cast<size_t>(written.decimals), '0');
    for (size_t k = 0; k <= (written.scalable ? 3u : 0u); ++k) {
        if (left == std::to_string(written.digits) + std::string(k, '0')) {
            return true;
        }
    }
    return false;
}

bool IsKnownFact(int64_t value) {
    static const int64_t kFacts[] = {24, 60, 90, 100, 180, 360, 365, 1000};
    return (value >= 1 && value <= 12) ||
           std::find(std::begin(kFacts), std::end(kFacts), value) != std::end(kFacts);
}

}  // namespace

const std::vector<TopicInfo>& PuzzleTopics() {
    static const std::vector<TopicInfo> topics = {
        {"place-value", "place value and rounding"},
        {"operations", "the four operations and the order of operations"},
        {"factors", "factors, multiples, primes, HCF and LCM"},
        {"powers", "squares, cubes and roots"},
        {"fractions", "fractions of amounts"},
        {"decimals", "decimals and percentages"},
        {"ratio", "ratio and proportion"},
        {"negatives", "negative numbers"},
        {"algebra", "simple algebra"},
        {"sequences", "sequences"},
        {"measures", "measures, time and money"},
        {"geometry", "angles, perimeter, area and volume"},
        {"averages", "averages"},
    };
    return topics;
}

const TopicInfo* FindTopic(std::string_view tag) {
    for (const TopicInfo& topic : PuzzleTopics()) {
        if (tag == topic.tag) {
            return &topic;
        }
    }
    return nullptr;
}

bool CheckClueWords(const std::string& words, const ClueExpression& clue, std::string& why) {
    std::vector<WrittenNumber> written;
    std::vector<EntryRef> named;
    if (!ReadWrittenNumbers(words, written, named, why)) {
        return false;
    }
    const std::vector<int64_t> numbers = clue.Numbers();
    for (const WrittenNumber& number : written) {
        if (number.decimals == 0 && number.digits <= 1) {
            continue;
        }
        const bool used = std::any_of(numbers.begin(), numbers.end(),
                                      [&](int64_t value) { return Matches(value, number); });
        if (!used) {
            why = "the words write " + Shown(number.text) +
                  ", which the clue's expression does not use";
            return false;
        }
    }
    for (int64_t value : numbers) {
        const bool said =
            std::any_of(written.begin(), written.end(),
                        [&](const WrittenNumber& number) { return Matches(value, number); });
        if (!said && !IsKnownFact(value)) {
            why = "the expression uses " + std::to_string(value) + ", which its words do not write";
            return false;
        }
    }
    for (const EntryRef& ref : clue.References()) {
        if (std::find(named.begin(), named.end(), ref) == named.end()) {
            why = "the words do not name " + ref.Name() + " ({" + ref.Key() +
                  "}), which the clue uses";
            return false;
        }
    }
    for (const EntryRef& ref : named) {
        const std::vector<EntryRef> used = clue.References();
        if (std::find(used.begin(), used.end(), ref) == used.end()) {
            why = "the words name " + ref.Name() + ", which the clue's expression does not use";
            return false;
        }
    }
    return true;
}

bool PuzzleSource::IsCell(int column, int row) const {
    return row >= 0 && row < height && column >= 0 && column < width &&
           static_cast<size_t>(column) < grid[static_cast<size_t>(row)].size() &&
           grid[static_cast<size_t>(row)][static_cast<size_t>(column)] == '.';
}

int PuzzleSource::NumberAt(int column, int row) const {
    if (!IsCell(column, row) || m_numbers.empty()) {
        return 0;
    }
    return m_numbers[static_cast<size_t>(row * width + column)];
}

char PuzzleSource::DigitAt(int column, int row) const {
    if (!IsCell(column, row) || m_digits.empty()) {
        return '\0';
    }
    return m_digits[static_cast<size_t>(row * width + column)];
}

const Entry* PuzzleSource::Find(const EntryRef& ref) const {
    for (const Entry& entry : entries) {
        if (entry.ref == ref) {
            return &entry;
        }
    }
    return nullptr;
}

int PuzzleSource::HintNumber(const EntryRef& ref) const {
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].ref == ref) {
            return static_cast<int>(i + 1);
        }
    }
    return 0;
}

std::vector<BoardCell> PuzzleSource::Cells() const {
    std::vector<BoardCell> cells;
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            if (IsCell(column, row)) {
                cells.push_back({column, row});
            }
        }
    }
    return cells;
}

int PuzzleSource::AcrossCount() const {
    return static_cast<int>(
        std::count_if(entries.begin(), entries.end(), [](const Entry& e) { return e.ref.across; }));
}

class PuzzleReader {
public:
    PuzzleReader(const std::string& fileName, PuzzleSource& out, std::vector<std::string>& errors,
                 bool layoutOnly)
        : m_fileName(fileName),
          m_out(out),
          m_errors(errors),
          m_before(errors.size()),
          m_layoutOnly(layoutOnly) {}

    void Read(std::string_view text);

private:
    struct PendingClue {
        EntryRef ref;
        int line = 0;
        std::string expression;
        ClueExpression clue;
        bool parsed = false;
        std::pair<int, std::string> words;
        std::vector<std::pair<int, std::string>> hints;
        std::vector<std::pair<int, std::string>> asks;
        std::vector<std::pair<int, std::string>> explains;
    };

    void Error(int line, const std::string& why) {
        m_errors.push_back(m_fileName + ":" + std::to_string(line) + ": " + why);
    }

    void ReadLine(int line, const std::string& text);
    void ReadClueHeader(int line, bool across, const std::string& rest);
    void ReadTopics(int line, const std::string& rest);
    void ReadAge(int line, const std::string& rest);
    void FinishGrid();
    void NumberBoard();
    void MatchClues();
    void Solve();
    void SolveBySearch();
    bool SolveEntry(size_t index, std::vector<int>& state, std::vector<size_t>& path);
    void CheckCrossings();
    void ExpandTexts();
    std::string Expand(int line, const std::string& text);

    std::string m_fileName;
    PuzzleSource& m_out;
    std::vector<std::string>& m_errors;
    size_t m_before;  // errors of other files read before this one
    bool m_layoutOnly;

    bool Clean() const { return m_errors.size() == m_before; }

    bool m_inGrid = false;
    int m_gridLine = 0;
    int m_gridEndLine = 0;
    std::vector<std::pair<int, std::string>> m_intro;
    std::vector<std::pair<int, std::string>> m_notes;
    std::vector<PendingClue> m_clues;
    std::map<std::string, int> m_seenKeywords;
    std::vector<int> m_clueOfEntry;  // per entry: index into m_clues, or -1
    std::vector<bool> m_solved;
};

void PuzzleReader::Read(std::string_view text) {
    if (text.size() > kMaxSourceBytes) {
        Error(0, "the file is larger than a puzzle source can be (1 MB)");
        return;
    }
    int lineNumber = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view raw = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (!raw.empty() && raw.back() == '\r') {
            raw.remove_suffix(1);
        }
        std::string line;
        std::string bad;
        if (!Utf8ToCp1252(raw, line, &bad)) {
            Error(lineNumber, "the line holds " + bad +
                                  ", which the game's character set (Windows-1252) lacks");
            continue;
        }
        ReadLine(lineNumber, line);
    }
    if (m_inGrid) {
        Error(m_gridLine, "the grid has no \"end\" line");
        m_inGrid = false;
        FinishGrid();
    }
    if (m_out.title.empty()) {
        Error(0, "the puzzle has no title");
    }
    if (m_out.stem.empty()) {
        Error(0, "the puzzle has no stem (the name of its files)");
    }
    if (m_out.level.empty()) {
        Error(0, "the puzzle has no level (easy, medium or hard)");
    }
    if (m_gridLine == 0) {
        Error(0, "the puzzle has no grid");
        return;
    }
    if (m_out.width == 0) {
        return;  // the grid's own errors say why
    }
    NumberBoard();
    MatchClues();
    if (m_layoutOnly) {
        return;
    }
    const bool properties = std::any_of(m_out.entries.begin(), m_out.entries.end(),
                                        [](const Entry& entry) { return entry.clue.IsProperty(); });
    if (Clean()) {
        if (properties) {
            SolveBySearch();
        } else {
            Solve();
        }
    }
    if (Clean()) {
        CheckCrossings();
    }
    if (Clean()) {
        ExpandTexts();
    }
}

void PuzzleReader::ReadLine(int line, const std::string& text) {
    const std::string trimmed = Trim(text);
    if (trimmed.empty() || trimmed.rfind("//", 0) == 0) {
        return;
    }
    if (m_inGrid) {
        if (trimmed == "end") {
            m_inGrid = false;
            m_gridEndLine = line;
            FinishGrid();
            return;
        }
        std::string row;
        for (char c : trimmed) {
            if (c == ' ' || c == '\t') {
                continue;
            }
            if (c != '.' && c != '#') {
                Error(line, "a grid row holds only '.' (a square) and '#' (a block), not '" +
                                Shown(std::string(1, c)) + "'");
                return;
            }
            row.push_back(c);
        }
        m_out.grid.push_back(row);
        if (m_out.grid.size() > static_cast<size_t>(kMaxBoardSide)) {
            Error(line, "the grid has more than " + std::to_string(kMaxBoardSide) + " rows");
            m_out.grid.pop_back();
        }
        return;
    }
    // Named copies, not a structured binding: the lambda below captures them.
    const std::pair<std::string, std::string> parts = SplitKeyword(trimmed);
    const std::string& keyword = parts.first;
    const std::string& rest = parts.second;
    if (rest.size() > kMaxTextChars) {
        Error(line, "the line is longer than " + std::to_string(kMaxTextChars) + " characters");
        return;
    }
    auto once = [&](std::string& field, const char* what) {
        if (rest.empty()) {
            Error(line, std::string(what) + " needs a text after it");
        } else if (!field.empty()) {
            Error(line, "the puzzle has a " + std::string(what) + " already");
        } else {
            field = rest;
        }
    };
    if (keyword == "title") {
        once(m_out.title, "title");
        if (!rest.empty() && rest.size() < static_cast<size_t>(kMinTitleChars)) {
            Error(line, "the title \"" + Shown(rest) + "\" is shorter than " +
                            std::to_string(kMinTitleChars) + " characters");
        }
    } else if (keyword == "stem") {
        once(m_out.stem, "stem");
        const bool plain = !rest.empty() && rest.size() <= 20 &&
                           std::all_of(rest.begin(), rest.end(),
                                       [](unsigned char c) { return std::isalnum(c) != 0; });
        if (!rest.empty() && !plain) {
            Error(line, "the stem \"" + Shown(rest) +
                            "\" must be 1 to 20 letters and digits (it names the game's files)");
        }
    } else if (keyword == "level") {
        once(m_out.level, "level");
        if (!rest.empty() && rest != "easy" && rest != "medium" && rest != "hard") {
            Error(line, "the level is easy, medium or hard, not \"" + Shown(rest) + "\"");
        }
    } else if (keyword == "topic") {
        ReadTopics(line, rest);
    } else if (keyword == "age") {
        ReadAge(line, rest);
    } else if (keyword == "intro") {
        m_intro.emplace_back(line, rest);
    } else if (keyword == "note") {
        m_notes.emplace_back(line, rest);
    } else if (keyword == "grid") {
        if (m_gridLine != 0) {
            Error(line, "the puzzle has a grid already");
            return;
        }
        m_gridLine = line;
        m_inGrid = true;
    } else if (keyword == "across" || keyword == "down") {
        ReadClueHeader(line, keyword == "across", rest);
    } else if (keyword == "hint" || keyword == "ask" || keyword == "explain" ||
               keyword == "words") {
        if (m_clues.empty()) {
            Error(line, "\"" + keyword + "\" must follow an across or down clue");
            return;
        }
        if (rest.empty()) {
            Error(line, keyword + " needs a text after it");
            return;
        }
        PendingClue& clue = m_clues.back();
        if (keyword == "words") {
            std::string why;
            if (clue.words.first != 0) {
                Error(line, clue.ref.Name() + " has its words already (line " +
                                std::to_string(clue.words.first) + ")");
            } else if (clue.parsed && !CheckClueWords(rest, clue.clue, why)) {
                Error(line, "the words of " + clue.ref.Name() + " disagree with its clue \"" +
                                Shown(clue.expression) + "\": " + why);
            } else {
                clue.words = {line, rest};
            }
        } else if (keyword == "hint") {
            clue.hints.emplace_back(line, rest);
        } else if (keyword == "explain") {
            clue.explains.emplace_back(line, rest);
        } else {
            size_t bar = rest.find('|');
            if (bar == std::string::npos || Trim(rest.substr(0, bar)).empty() ||
                Trim(rest.substr(bar + 1)).empty()) {
                Error(line, "ask needs a question, a '|' and its answer");
                return;
            }
            clue.asks.emplace_back(line, rest);
        }
    } else if (keyword == "end") {
        Error(line, "\"end\" without a grid before it");
    } else {
        Error(line, "unknown keyword \"" + Shown(keyword) +
                        "\" (a line starts with title, stem, level, topic, age, intro, note, "
                        "grid, across, down, words, hint, ask or explain)");
    }
}

void PuzzleReader::ReadTopics(int line, const std::string& rest) {
    if (!m_out.topics.empty()) {
        Error(line, "the puzzle has a topic already");
        return;
    }
    std::string tag;
    std::vector<std::string> tags;
    for (size_t i = 0; i <= rest.size(); ++i) {
        if (i == rest.size() || rest[i] == ',' ||
            std::isspace(static_cast<unsigned char>(rest[i]))) {
            if (!tag.empty()) {
                tags.push_back(tag);
            }
            tag.clear();
        } else {
            tag.push_back(rest[i]);
        }
    }
    std::string known;
    for (const TopicInfo& topic : PuzzleTopics()) {
        known += (known.empty() ? "" : ", ") + std::string(topic.tag);
    }
    if (tags.empty() || tags.size() > 3) {
        Error(line, "topic names one to three of " + known);
        return;
    }
    for (const std::string& each : tags) {
        if (FindTopic(each) == nullptr) {
            Error(line, "the topic \"" + Shown(each) + "\" is not one of " + known);
            return;
        }
    }
    m_out.topics = tags;
}

void PuzzleReader::ReadAge(int line, const std::string& rest) {
    const size_t dash = rest.find('-');
    int low = 0;
    int high = 0;
    auto whole = [](const std::string& text, int& value) {
        if (text.empty() || text.size() > 2 ||
            !std::all_of(text.begin(), text.end(),
                         [](unsigned char c) { return std::isdigit(c) != 0; })) {
            return false;
        }
        value = std::stoi(text);
        return true;
    };
    if (!m_out.age.empty()) {
        Error(line, "the puzzle has an age already");
    } else if (dash == std::string::npos || !whole(Trim(rest.substr(0, dash)), low) ||
               !whole(Trim(rest.substr(dash + 1)), high) || low < 8 || high > 16 || low > high) {
        Error(line, "the age is a band of years from 8 to 16, such as 10-11, not \"" + Shown(rest) +
                        "\"");
    } else {
        m_out.age = std::to_string(low) + "-" + std::to_string(high);
    }
}

void PuzzleReader::ReadClueHeader(int line, bool across, const std::string& rest) {
    const char* direction = across ? "across" : "down";
    size_t cut = 0;
    while (cut < rest.size() && std::isdigit(static_cast<unsigned char>(rest[cut]))) {
        ++cut;
    }
    if (cut == 0 || cut > 3) {
        Error(line, std::string(direction) + " needs the answer's number and then its clue, " +
                        "like \"" + direction + " 3  12 + 9\"");
        return;
    }
    PendingClue clue;
    clue.ref = {std::stoi(rest.substr(0, cut)), across};
    clue.line = line;
    clue.expression = Trim(rest.substr(cut));
    if (clue.expression.empty()) {
        Error(line, clue.ref.Name() + " has no clue after its number");
        return;
    }
    for (const PendingClue& other : m_clues) {
        if (other.ref == clue.ref) {
            Error(line, clue.ref.Name() + " has a clue already (line " +
                            std::to_string(other.line) + ")");
            return;
        }
    }
    std::string error;
    clue.parsed = clue.clue.Parse(clue.expression, error);
    if (!clue.parsed) {
        Error(line, "the clue of " + clue.ref.Name() + " cannot be read: " + error);
    }
    m_clues.push_back(std::move(clue));
}

void PuzzleReader::FinishGrid() {
    std::vector<std::string>& grid = m_out.grid;
    if (grid.size() < 2) {
        Error(m_gridLine, "the grid needs at least 2 rows");
        grid.clear();
        return;
    }
    const size_t width = grid.front().size();
    for (size_t r = 0; r < grid.size(); ++r) {
        if (grid[r].size() != width) {
            Error(m_gridLine + 1 + static_cast<int>(r),
                  "row " + std::to_string(r + 1) + " of the grid has " +
                      std::to_string(grid[r].size()) + " squares, the first row " +
                      std::to_string(width));
            grid.clear();
            return;
        }
    }
    if (width < 2 || width > static_cast<size_t>(kMaxBoardSide)) {
        Error(m_gridLine, "the grid must be 2 to " + std::to_string(kMaxBoardSide) + " wide");
        grid.clear();
        return;
    }
    m_out.width = static_cast<int>(width);
    m_out.height = static_cast<int>(grid.size());
}

void PuzzleReader::NumberBoard() {
    PuzzleSource& p = m_out;
    p.m_numbers.assign(static_cast<size_t>(p.width * p.height), 0);
    std::vector<Entry> across;
    std::vector<Entry> down;
    int next = 1;
    for (int row = 0; row < p.height; ++row) {
        for (int column = 0; column < p.width; ++column) {
            if (!p.IsCell(column, row)) {
                continue;
            }
            const bool startsAcross = !p.IsCell(column - 1, row) && p.IsCell(column + 1, row);
            const bool startsDown = !p.IsCell(column, row - 1) && p.IsCell(column, row + 1);
            if (!startsAcross && !startsDown) {
                continue;
            }
            const int number = next++;
            p.m_numbers[static_cast<size_t>(row * p.width + column)] = number;
            if (startsAcross) {
                Entry entry;
                entry.ref = {number, true};
                for (int c = column; p.IsCell(c, row); ++c) {
                    entry.cells.push_back({c, row});
                }
                across.push_back(std::move(entry));
            }
            if (startsDown) {
                Entry entry;
                entry.ref = {number, false};
                for (int r = row; p.IsCell(column, r); ++r) {
                    entry.cells.push_back({column, r});
                }
                down.push_back(std::move(entry));
            }
        }
    }
    p.entries = std::move(across);
    p.entries.insert(p.entries.end(), std::make_move_iterator(down.begin()),
                     std::make_move_iterator(down.end()));

    // Every square must be part of an answer, or nothing could tell its digit.
    std::vector<int> uses(static_cast<size_t>(p.width * p.height), 0);
    for (const Entry& entry : p.entries) {
        for (const BoardCell& cell : entry.cells) {
            ++uses[static_cast<size_t>(cell.row * p.width + cell.column)];
        }
    }
    for (const BoardCell& cell : p.Cells()) {
        if (uses[static_cast<size_t>(cell.row * p.width + cell.column)] == 0) {
            Error(m_gridLine + 1 + cell.row,
                  "the square at " + SquareName(cell) + " belongs to no across or down answer");
        }
    }
    if (p.entries.empty()) {
        Error(m_gridLine, "the grid has no answers (an answer is 2 or more squares in a line)");
    }
    if (p.entries.size() > kMaxAnswers) {
        Error(m_gridLine, "the grid has " + std::to_string(p.entries.size()) +
                              " answers; the game has hint buttons for " +
                              std::to_string(kMaxAnswers) + " at most");
    }
    for (Entry& entry : p.entries) {
        for (const Entry& other : p.entries) {
            if (other.ref.across == entry.ref.across) {
                continue;
            }
            for (const BoardCell& cell : entry.cells) {
                if (std::find(other.cells.begin(), other.cells.end(), cell) != other.cells.end()) {
                    entry.crossings.push_back(other.ref);
                }
            }
        }
    }
}

void PuzzleReader::MatchClues() {
    PuzzleSource& p = m_out;
    m_clueOfEntry.assign(p.entries.size(), -1);
    for (size_t c = 0; c < m_clues.size(); ++c) {
        const PendingClue& clue = m_clues[c];
        const int hint = p.HintNumber(clue.ref);
        if (hint == 0) {
            std::string known;
            for (const Entry& entry : p.entries) {
                if (entry.ref.across == clue.ref.across) {
                    known += (known.empty() ? "" : ", ") + std::to_string(entry.ref.number);
                }
            }
            Error(clue.line, "the grid has no " + clue.ref.Name() + " (its " +
                                 (clue.ref.across ? "across" : "down") + " answers are " +
                                 (known.empty() ? std::string("none") : known) + ")");
            continue;
        }
        m_clueOfEntry[static_cast<size_t>(hint - 1)] = static_cast<int>(c);
    }
    for (size_t e = 0; e < p.entries.size(); ++e) {
        Entry& entry = p.entries[e];
        const int c = m_clueOfEntry[e];
        if (c < 0) {
            Error(m_gridEndLine, entry.ref.Name() + " has no clue");
            continue;
        }
        PendingClue& clue = m_clues[static_cast<size_t>(c)];
        entry.line = clue.line;
        entry.clue = clue.clue;
        if (clue.hints.empty()) {
            Error(clue.line, entry.ref.Name() + " has no hint");
        }
        if (!clue.parsed) {
            continue;
        }
        entry.uses = clue.clue.References();
        for (const EntryRef& used : entry.uses) {
            if (used == entry.ref) {
                Error(clue.line, "the clue of " + entry.ref.Name() + " uses its own answer");
            } else if (p.Find(used) == nullptr) {
                Error(clue.line, "the clue of " + entry.ref.Name() + " uses " + used.Name() +
                                     ", which is not an answer on this board");
            }
        }
    }
}

// States of the depth-first walk: 0 not yet, 1 on the current path, 2 solved, 3 failed.
bool PuzzleReader::SolveEntry(size_t index, std::vector<int>& state, std::vector<size_t>& path) {
    PuzzleSource& p = m_out;
    if (state[index] == 2) {
        return true;
    }
    if (state[index] == 3) {
        return false;
    }
    Entry& entry = p.entries[index];
    if (state[index] == 1) {
        std::string circle;
        auto start = std::find(path.begin(), path.end(), index);
        for (auto it = start; it != path.end(); ++it) {
            circle += p.entries[*it].ref.Key() + " uses ";
        }
        circle += entry.ref.Key();
        Error(entry.line, "clues use each other's answers in a circle (" + circle +
                              "), so none of them can be worked out first");
        return false;
    }
    state[index] = 1;
    path.push_back(index);
    bool ok = true;
    for (const EntryRef& used : entry.uses) {
        const int hint = p.HintNumber(used);
        ok = ok && SolveEntry(static_cast<size_t>(hint - 1), state, path);
    }
    path.pop_back();
    if (!ok) {
        state[index] = 3;
        return false;
    }
    auto lookup = [&p](const EntryRef& ref, int64_t& value) {
        const Entry* other = p.Find(ref);
        if (other == nullptr || other->digits.empty()) {
            return false;
        }
        value = other->value;
        return true;
    };
    int64_t value = 0;
    std::string error;
    if (!entry.clue.Evaluate(lookup, value, error)) {
        Error(entry.line, "the clue of " + entry.ref.Name() + " does not work out: " + error);
        state[index] = 3;
        return false;
    }
    const size_t length = entry.cells.size();
    const std::string digits = std::to_string(value);
    std::string problem;
    if (value < 0) {
        problem = "works out to " + digits + ", but an answer cannot be negative";
    } else if (digits.size() > length) {
        problem = "works out to " + digits + ", which has " + std::to_string(digits.size()) +
                  " digits: too long for its " + std::to_string(length) + " squares";
    } else if (digits.size() < length) {
        problem = "works out to " + digits + ", which has " + std::to_string(digits.size()) +
                  (digits.size() == 1 ? " digit" : " digits") + " but fills " +
                  std::to_string(length) + " squares (an answer never starts with 0)";
    }
    if (!problem.empty()) {
        Error(entry.line, entry.ref.Name() + " " + problem);
        state[index] = 3;
        return false;
    }
    entry.value = value;
    entry.digits = digits;
    state[index] = 2;
    return true;
}

void PuzzleReader::Solve() {
    std::vector<int> state(m_out.entries.size(), 0);
    std::vector<size_t> path;
    for (size_t i = 0; i < m_out.entries.size(); ++i) {
        SolveEntry(i, state, path);
    }
}

// Property clues give no value to work out: the whole board is searched for its one filling.
void PuzzleReader::SolveBySearch() {
    PuzzleSource& p = m_out;
    const SolveResult result = SolvePuzzle(p);
    switch (result.outcome) {
        case SolveResult::Outcome::Unique:
            break;
        case SolveResult::Outcome::None:
            Error(0, "no filling of the board fits every clue");
            return;
        case SolveResult::Outcome::Several:
            Error(0, "the clues allow 2 or more fillings of the board; they differ at " +
                         SquareName(result.differ));
            return;
        case SolveResult::Outcome::OutOfSteps:
            Error(0, "the clues could not be settled within " + std::to_string(kDefaultSolveSteps) +
                         " steps");
            return;
    }
    const std::string& board = result.solutions.front();
    for (Entry& entry : p.entries) {
        entry.digits.clear();
        for (const BoardCell& cell : entry.cells) {
            entry.digits.push_back(board[static_cast<size_t>(cell.row * p.width + cell.column)]);
        }
        entry.value = std::stoll(entry.digits);
    }
}

void PuzzleReader::CheckCrossings() {
    PuzzleSource& p = m_out;
    p.m_digits.assign(static_cast<size_t>(p.width * p.height), '\0');
    std::vector<const Entry*> owner(p.m_digits.size(), nullptr);
    for (const Entry& entry : p.entries) {
        for (size_t i = 0; i < entry.cells.size(); ++i) {
            const BoardCell& cell = entry.cells[i];
            const size_t at = static_cast<size_t>(cell.row * p.width + cell.column);
            const char digit = entry.digits[i];
            if (owner[at] == nullptr) {
                owner[at] = &entry;
                p.m_digits[at] = digit;
            } else if (p.m_digits[at] != digit) {
                const Entry& first = *owner[at];
                Error(entry.line, entry.ref.Name() + " is " + entry.digits + ", which puts " +
                                      std::string(1, digit) + " in the square at " +
                                      SquareName(cell) + "; but " + first.ref.Name() + " (line " +
                                      std::to_string(first.line) + ") is " + first.digits +
                                      ", which puts " + std::string(1, p.m_digits[at]) + " there");
            }
        }
    }
}

std::string PuzzleReader::Expand(int line, const std::string& text) {
    std::string out;
    std::string error;
    if (!ExpandPuzzleText(m_out, text, out, error)) {
        Error(line, error);
    }
    return out;
}

void PuzzleReader::ExpandTexts() {
    PuzzleSource& p = m_out;
    for (const auto& [line, text] : m_intro) {
        p.intro.push_back(Expand(line, text));
    }
    for (const auto& [line, text] : m_notes) {
        p.notes.push_back(Expand(line, text));
    }
    for (size_t e = 0; e < p.entries.size(); ++e) {
        Entry& entry = p.entries[e];
        const PendingClue& clue = m_clues[static_cast<size_t>(m_clueOfEntry[e])];
        if (clue.words.first != 0) {
            entry.words = Expand(clue.words.first, clue.words.second);
        }
        for (const auto& [line, text] : clue.hints) {
            entry.hints.push_back(Expand(line, text));
        }
        for (const auto& [line, text] : clue.explains) {
            entry.explains.push_back(Expand(line, text));
        }
        for (const auto& [line, text] : clue.asks) {
            const size_t bar = text.find('|');
            entry.asks.push_back({Expand(line, Trim(text.substr(0, bar))),
                                  Expand(line, Trim(text.substr(bar + 1)))});
        }
    }
}

bool ExpandPuzzleText(const PuzzleSource& puzzle, const std::string& text, std::string& out,
                      std::string& error) {
    out.clear();
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t open = text.find('{', pos);
        if (open == std::string::npos) {
            out += text.substr(pos);
            break;
        }
        out += text.substr(pos, open - pos);
        const size_t close = text.find('}', open);
        if (close == std::string::npos) {
            error = "a '{' is not closed";
            return false;
        }
        const std::string inside = Trim(text.substr(open + 1, close - open - 1));
        pos = close + 1;
        ClueExpression expression;
        const bool value = !inside.empty() && inside[0] == '=';
        if (!expression.Parse(value ? inside.substr(1) : inside, error)) {
            error = "{" + Shown(inside) + "} cannot be read: " + error;
            return false;
        }
        for (const EntryRef& ref : expression.References()) {
            if (puzzle.Find(ref) == nullptr) {
                error = "{" + Shown(inside) + "} names " + ref.Name() +
                        ", which is not an answer on this board";
                return false;
            }
        }
        if (!value) {
            const std::vector<EntryRef> refs = expression.References();
            if (refs.size() != 1 || expression.Display() != refs[0].Name()) {
                error = "{" + Shown(inside) +
                        "} is neither an answer such as {3A} nor a value such as {=3A + 1}";
                return false;
            }
            out += refs[0].Name();
            continue;
        }
        auto lookup = [&puzzle](const EntryRef& ref, int64_t& v) {
            const Entry* entry = puzzle.Find(ref);
            if (entry == nullptr || entry->digits.empty()) {
                return false;
            }
            v = entry->value;
            return true;
        };
        int64_t result = 0;
        if (!expression.Evaluate(lookup, result, error)) {
            error = "{" + Shown(inside) + "} does not work out: " + error;
            return false;
        }
        out += result < 0 ? "\x96" + std::to_string(-result) : std::to_string(result);
    }
    // A hyphen between blanks is a minus sign: shown as the en dash the clues use.
    for (size_t at = out.find(" - "); at != std::string::npos; at = out.find(" - ", at + 3)) {
        out[at + 1] = '\x96';
    }
    return true;
}

bool ReadPuzzleSource(std::string_view text, const std::string& fileName, PuzzleSource& out,
                      std::vector<std::string>& errors) {
    out = PuzzleSource();
    out.fileName = fileName;
    const size_t before = errors.size();
    PuzzleReader(fileName, out, errors, false).Read(text);
    return errors.size() == before;
}

bool ReadPuzzleLayout(std::string_view text, const std::string& fileName, PuzzleSource& out,
                      std::vector<std::string>& errors) {
    out = PuzzleSource();
    out.fileName = fileName;
    const size_t before = errors.size();
    PuzzleReader(fileName, out, errors, true).Read(text);
    return errors.size() == before;
}

}  // namespace maker
