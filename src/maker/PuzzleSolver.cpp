// SPDX-License-Identifier: MIT
// A depth-first search over the answers of a board: it always fills next the answer with the
// fewest possible values, so chains of worked-out clues cost one step each.
#include "maker/PuzzleSolver.h"

#include <algorithm>
#include <limits>

namespace maker {
namespace {

// Property answers this short have their possible values listed once, before the search.
constexpr size_t kListedDigits = 5;
constexpr size_t kMaxAnswerDigits = 18;

class Solver {
public:
    Solver(const PuzzleSource& puzzle, int64_t budget);
    SolveResult Run();

private:
    struct Answer {
        std::vector<size_t> cells;  // board indexes, first to last
        const ClueExpression* clue = nullptr;
        std::vector<int> uses;    // answers its clue names
        std::vector<int> usedBy;  // answers whose clues name it
        int reverseOf = -1;       // property clue "reads the same as ... backwards"
        bool impossible = false;  // too long, or naming an answer not on the board
        bool listed = false;
        std::vector<std::string> candidates;
    };

    bool Full(int a) const;
    int64_t ValueOf(int a) const;
    bool Check(int a) const;
    bool Fits(int a, const std::string& digits) const;
    // The values an answer can take now; stops counting past limit.
    int64_t Count(int a, int64_t limit, std::string& only) const;
    bool Place(int a, const std::string& digits, std::vector<size_t>& changed);
    void Undo(const std::vector<size_t>& changed);
    void Search();
    void Record();

    const PuzzleSource& m_puzzle;
    int64_t m_budget;
    std::vector<Answer> m_answers;
    std::vector<std::vector<int>> m_answersOfCell;
    std::string m_board;  // a digit, '\0' for an empty square, '#' for a block
    ClueExpression::Lookup m_lookup;
    SolveResult m_result;
    bool m_stop = false;
};

Solver::Solver(const PuzzleSource& puzzle, int64_t budget) : m_puzzle(puzzle), m_budget(budget) {
    const size_t size = static_cast<size_t>(puzzle.width * puzzle.height);
    m_board.assign(size, '#');
    m_answersOfCell.resize(size);
    for (const BoardCell& cell : puzzle.Cells()) {
        m_board[static_cast<size_t>(cell.row * puzzle.width + cell.column)] = '\0';
    }
    m_answers.resize(puzzle.entries.size());
    for (size_t a = 0; a < puzzle.entries.size(); ++a) {
        const Entry& entry = puzzle.entries[a];
        Answer& answer = m_answers[a];
        answer.clue = &entry.clue;
        for (const BoardCell& cell : entry.cells) {
            const size_t at = static_cast<size_t>(cell.row * puzzle.width + cell.column);
            answer.cells.push_back(at);
            m_answersOfCell[at].push_back(static_cast<int>(a));
        }
        answer.impossible = entry.cells.empty() || entry.cells.size() > kMaxAnswerDigits;
        for (const EntryRef& ref : entry.clue.References()) {
            const int used = puzzle.HintNumber(ref) - 1;
            if (used < 0 || used == static_cast<int>(a)) {
                answer.impossible = true;
                continue;
            }
            answer.uses.push_back(used);
        }
        if (entry.clue.IsProperty()) {
            for (const Property& property : entry.clue.Properties()) {
                if (property.kind == PropertyKind::ReverseOf) {
                    answer.reverseOf = puzzle.HintNumber(property.ref) - 1;
                }
            }
            if (!answer.impossible && answer.cells.size() <= kListedDigits) {
                answer.listed = true;
                int64_t low = 1;
                for (size_t i = 1; i < answer.cells.size(); ++i) {
                    low *= 10;
                }
                for (int64_t v = low; v < low * 10; ++v) {
                    if (entry.clue.HoldsAlone(v)) {
                        answer.candidates.push_back(std::to_string(v));
                    }
                }
            }
        } else if (entry.clue.Display().empty()) {
            answer.impossible = true;  // a clue that was never read
        }
    }
    for (size_t a = 0; a < m_answers.size(); ++a) {
        for (int used : m_answers[a].uses) {
            m_answers[static_cast<size_t>(used)].usedBy.push_back(static_cast<int>(a));
        }
    }
    m_lookup = [this](const EntryRef& ref, int64_t& value) {
        const int a = m_puzzle.HintNumber(ref) - 1;
        if (a < 0 || !Full(a)) {
            return false;
        }
        value = ValueOf(a);
        return true;
    };
}

bool Solver::Full(int a) const {
    for (size_t at : m_answers[static_cast<size_t>(a)].cells) {
        if (m_board[at] == '\0') {
            return false;
        }
    }
    return true;
}

int64_t Solver::ValueOf(int a) const {
    int64_t value = 0;
    for (size_t at : m_answers[static_cast<size_t>(a)].cells) {
        value = value * 10 + (m_board[at] - '0');
    }
    return value;
}

// Whether a full answer agrees with its clue, once every answer the clue names is known.
bool Solver::Check(int a) const {
    const Answer& answer = m_answers[static_cast<size_t>(a)];
    if (!Full(a)) {
        return true;
    }
    if (answer.impossible || m_board[answer.cells.front()] == '0') {
        return false;
    }
    for (int used : answer.uses) {
        if (!Full(used)) {
            return true;
        }
    }
    const int64_t value = ValueOf(a);
    if (answer.clue->IsProperty()) {
        return answer.clue->Holds(value, m_lookup);
    }
    int64_t worked = 0;
    std::string error;
    return answer.clue->Evaluate(m_lookup, worked, error) && worked == value;
}

bool Solver::Fits(int a, const std::string& digits) const {
    const Answer& answer = m_answers[static_cast<size_t>(a)];
    if (digits.size() != answer.cells.size()) {
        return false;
    }
    for (size_t i = 0; i < digits.size(); ++i) {
        const char have = m_board[answer.cells[i]];
        if (have != '\0' && have != digits[i]) {
            return false;
        }
    }
    return true;
}

int64_t Solver::Count(int a, int64_t limit, std::string& only) const {
    const Answer& answer = m_answers[static_cast<size_t>(a)];
    only.clear();
    if (answer.impossible) {
        return 0;
    }
    bool usesKnown = true;
    for (int used : answer.uses) {
        usesKnown = usesKnown && Full(used);
    }
    if (usesKnown && !answer.clue->IsProperty()) {
        int64_t value = 0;
        std::string error;
        if (!answer.clue->Evaluate(m_lookup, value, error) || value < 0) {
            return 0;
        }
        only = std::to_string(value);
        return Fits(a, only) ? 1 : 0;
    }
    if (usesKnown && answer.reverseOf >= 0) {
        only = std::to_string(ValueOf(answer.reverseOf));
        std::reverse(only.begin(), only.end());
        return Fits(a, only) && answer.clue->Holds(std::stoll(only), m_lookup) ? 1 : 0;
    }
    if (answer.listed) {
        int64_t count = 0;
        for (const std::string& candidate : answer.candidates) {
            if (Fits(a, candidate)) {
                only = candidate;
                if (++count > limit) {
                    break;
                }
            }
        }
        return count;
    }
    // Any digits in the empty squares.
    int64_t count = 1;
    for (size_t i = 0; i < answer.cells.size(); ++i) {
        if (m_board[answer.cells[i]] == '\0') {
            count = count > std::numeric_limits<int64_t>::max() / 10 ? count : count * (i ? 10 : 9);
        }
    }
    return count;
}

bool Solver::Place(int a, const std::string& digits, std::vector<size_t>& changed) {
    const Answer& answer = m_answers[static_cast<size_t>(a)];
    for (size_t i = 0; i < digits.size(); ++i) {
        if (m_board[answer.cells[i]] == '\0') {
            m_board[answer.cells[i]] = digits[i];
            changed.push_back(answer.cells[i]);
        }
    }
    for (size_t at : changed) {
        for (int touched : m_answersOfCell[at]) {
            if (!Check(touched)) {
                return false;
            }
            for (int user : m_answers[static_cast<size_t>(touched)].usedBy) {
                if (!Check(user)) {
                    return false;
                }
            }
        }
    }
    return true;
}

void Solver::Undo(const std::vector<size_t>& changed) {
    for (size_t at : changed) {
        m_board[at] = '\0';
    }
}

void Solver::Record() {
    std::string board = m_board;
    for (char& c : board) {
        c = c == '\0' ? '?' : c;
    }
    m_result.solutions.push_back(board);
    if (m_result.solutions.size() == 2) {
        m_stop = true;
    }
}

void Solver::Search() {
    if (m_stop) {
        return;
    }
    if (++m_result.steps > m_budget) {
        m_result.outcome = SolveResult::Outcome::OutOfSteps;
        m_stop = true;
        return;
    }
    int best = -1;
    int64_t bestCount = std::numeric_limits<int64_t>::max();
    std::string only;
    for (size_t a = 0; a < m_answers.size() && bestCount > 1; ++a) {
        if (Full(static_cast<int>(a))) {
            continue;
        }
        std::string one;
        const int64_t count = Count(static_cast<int>(a), bestCount, one);
        if (count < bestCount) {
            best = static_cast<int>(a);
            bestCount = count;
            only = one;
        }
    }
    if (best < 0) {
        Record();
        return;
    }
    if (bestCount == 0) {
        return;
    }
    auto attempt = [&](const std::string& digits) {
        std::vector<size_t> changed;
        if (Place(best, digits, changed)) {
            Search();
        }
        Undo(changed);
        return !m_stop;
    };
    const Answer& answer = m_answers[static_cast<size_t>(best)];
    if (bestCount == 1 && !only.empty()) {
        attempt(only);
        return;
    }
    if (answer.listed) {
        const std::vector<std::string> candidates = answer.candidates;
        for (const std::string& candidate : candidates) {
            if (Fits(best, candidate)) {
                m_result.steps += 1;
                if (!attempt(candidate)) {
                    return;
                }
            }
        }
        return;
    }
    // Every filling of the empty squares, in counting order.
    std::string digits;
    std::vector<size_t> free;
    for (size_t i = 0; i < answer.cells.size(); ++i) {
        const char have = m_board[answer.cells[i]];
        digits.push_back(have == '\0' ? (i == 0 ? '1' : '0') : have);
        if (have == '\0') {
            free.push_back(i);
        }
    }
    while (true) {
        if (!attempt(digits)) {
            return;
        }
        size_t k = free.size();
        while (k > 0) {
            char& d = digits[free[k - 1]];
            if (d < '9') {
                ++d;
                break;
            }
            d = free[k - 1] == 0 ? '1' : '0';
            --k;
        }
        if (k == 0) {
            return;
        }
    }
}

SolveResult Solver::Run() {
    if (m_answers.empty()) {
        return m_result;
    }
    Search();
    if (m_result.outcome == SolveResult::Outcome::OutOfSteps) {
        return m_result;
    }
    if (m_result.solutions.size() >= 2) {
        m_result.outcome = SolveResult::Outcome::Several;
        const std::string& one = m_result.solutions[0];
        const std::string& two = m_result.solutions[1];
        for (size_t i = 0; i < one.size(); ++i) {
            if (one[i] != two[i]) {
                m_result.differ = {static_cast<int>(i) % m_puzzle.width,
                                   static_cast<int>(i) / m_puzzle.width};
                break;
            }
        }
    } else {
        m_result.outcome =
            m_result.solutions.empty() ? SolveResult::Outcome::None : SolveResult::Outcome::Unique;
    }
    return m_result;
}

std::string Board(const PuzzleSource& puzzle, const std::string& solution) {
    std::string text;
    for (int row = 0; row < puzzle.height; ++row) {
        text += " ";
        for (int column = 0; column < puzzle.width; ++column) {
            text += " ";
            text += solution[static_cast<size_t>(row * puzzle.width + column)];
        }
        text += "\n";
    }
    return text;
}

}  // namespace

SolveResult SolvePuzzle(const PuzzleSource& puzzle, int64_t stepBudget) {
    if (puzzle.width <= 0 || puzzle.height <= 0 ||
        puzzle.grid.size() != static_cast<size_t>(puzzle.height)) {
        return {};
    }
    return Solver(puzzle, stepBudget).Run();
}

std::string DescribeSolveResult(const PuzzleSource& puzzle, const SolveResult& result) {
    switch (result.outcome) {
        case SolveResult::Outcome::Unique:
            return "one solution\n" + Board(puzzle, result.solutions[0]);
        case SolveResult::Outcome::None:
            return "no solution\n";
        case SolveResult::Outcome::Several:
            return "2 or more solutions; they differ first at column " +
                   std::to_string(result.differ.column + 1) + ", row " +
                   std::to_string(result.differ.row + 1) + "\n" +
                   Board(puzzle, result.solutions[0]) + "\n" + Board(puzzle, result.solutions[1]);
        case SolveResult::Outcome::OutOfSteps:
            return "gave up after " + std::to_string(result.steps - 1) +
                   " steps without settling the puzzle\n";
    }
    return {};
}

}  // namespace maker
