// SPDX-License-Identifier: MIT
// Reading, numbering, solving and checking a puzzle source.
#include "maker/PuzzleSource.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "maker/Cp1252Text.h"
#include "maker/PuzzleSolver.h"

namespace content {
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

}  // namespace

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
        std::vector<std::pair<int, std::string>> hints;
        std::vector<std::pair<int, std::string>> asks;
        std::vector<std::pair<int, std::string>> explains;
    };

    void Error(int line, const std::string& why) {
        m_errors.push_back(m_fileName + ":" + std::to_string(line) + ": " + why);
    }

    void ReadLine(int line, const std::string& text);
    void ReadClueHeader(int line, bool across, const std::string& rest);
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
    } else if (keyword == "hint" || keyword == "ask" || keyword == "explain") {
        if (m_clues.empty()) {
            Error(line, "\"" + keyword + "\" must follow an across or down clue");
            return;
        }
        if (rest.empty()) {
            Error(line, keyword + " needs a text after it");
            return;
        }
        PendingClue& clue = m_clues.back();
        if (keyword == "hint") {
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
                        "\" (a line starts with title, stem, level, intro, note, grid, across, "
                        "down, hint, ask or explain)");
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

}  // namespace content
