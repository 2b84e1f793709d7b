// SPDX-License-Identifier: MIT
// The pupil's way through a puzzle: after each answer settled, start again from the easiest
// technique, so the level found is the least a pupil needs.
#include "maker/PuzzleGrader.h"

#include <algorithm>

namespace maker {
namespace {

// Property answers longer than this are never listed: no pupil tries 900 000 numbers.
constexpr size_t kListedDigits = 5;

class Grader {
public:
    explicit Grader(const PuzzleSource& puzzle);
    GradeResult Run();

private:
    struct Answer {
        std::vector<size_t> cells;  // board indexes
        const ClueExpression* clue = nullptr;
        std::vector<int> uses;
        bool broken = false;  // names an answer not on the board, or itself
        int reverseOf = -1;
        std::vector<std::string> candidates;  // property clue: the numbers its clue allows alone
        bool settled = false;
        int64_t value = 0;
    };

    bool Matches(int a, const std::string& digits) const;
    std::vector<std::pair<size_t, int>> Known(int a) const;
    std::vector<const std::string*> Fitting(int a) const;
    bool Settle(int a, Technique technique, const std::string& digits, int partner = -1,
                size_t listed = 0);
    bool TryCompute(Technique technique);
    bool TryRead();
    bool TryOneCandidate();
    bool TryPairs();

    const PuzzleSource& m_puzzle;
    std::vector<Answer> m_answers;
    std::vector<std::vector<int>> m_answersOfCell;
    std::string m_board;  // a digit, or '\0' while empty
    ClueExpression::Lookup m_lookup;
    GradeResult m_result;
};

Grader::Grader(const PuzzleSource& puzzle) : m_puzzle(puzzle) {
    const size_t size = static_cast<size_t>(puzzle.width * puzzle.height);
    m_board.assign(size, '\0');
    m_answersOfCell.resize(size);
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
        answer.broken = entry.cells.empty() || entry.cells.size() > 18;
        for (const EntryRef& ref : entry.clue.References()) {
            const int used = puzzle.HintNumber(ref) - 1;
            answer.broken = answer.broken || used < 0 || used == static_cast<int>(a);
            answer.uses.push_back(used);
        }
        if (!entry.clue.IsProperty()) {
            answer.broken = answer.broken || entry.clue.Display().empty();
            continue;
        }
        for (const Property& property : entry.clue.Properties()) {
            if (property.kind == PropertyKind::ReverseOf) {
                answer.reverseOf = puzzle.HintNumber(property.ref) - 1;
                answer.broken = answer.broken || answer.reverseOf < 0;
            }
        }
        if (!answer.broken && answer.cells.size() <= kListedDigits) {
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
    }
    m_lookup = [this](const EntryRef& ref, int64_t& value) {
        const int a = m_puzzle.HintNumber(ref) - 1;
        if (a < 0 || !m_answers[static_cast<size_t>(a)].settled) {
            return false;
        }
        value = m_answers[static_cast<size_t>(a)].value;
        return true;
    };
}

bool Grader::Matches(int a, const std::string& digits) const {
    const Answer& answer = m_answers[static_cast<size_t>(a)];
    if (digits.size() != answer.cells.size() || digits[0] == '0') {
        return false;
    }
    for (size_t i = 0; i < digits.size(); ++i) {
        const char have = m_board[answer.cells[i]];
        if (digits[i] < '0' || digits[i] > '9' || (have != '\0' && have != digits[i])) {
            return false;
        }
    }
    return true;
}

// The filled squares of an answer, each with the settled answer that filled it.
std::vector<std::pair<size_t, int>> Grader::Known(int a) const {
    std::vector<std::pair<size_t, int>> known;
    const Answer& answer = m_answers[static_cast<size_t>(a)];
    for (size_t i = 0; i < answer.cells.size(); ++i) {
        for (int other : m_answersOfCell[answer.cells[i]]) {
            if (other != a && m_answers[static_cast<size_t>(other)].settled) {
                known.emplace_back(i, other);
                break;
            }
        }
    }
    return known;
}

std::vector<const std::string*> Grader::Fitting(int a) const {
    std::vector<const std::string*> fitting;
    for (const std::string& candidate : m_answers[static_cast<size_t>(a)].candidates) {
        if (Matches(a, candidate)) {
            fitting.push_back(&candidate);
        }
    }
    return fitting;
}

bool Grader::Settle(int a, Technique technique, const std::string& digits, int partner,
                    size_t listed) {
    Answer& answer = m_answers[static_cast<size_t>(a)];
    if (!Matches(a, digits)) {
        m_result.contradiction = true;
        return false;
    }
    GradeStep step;
    step.answer = a;
    step.technique = technique;
    step.digits = digits;
    step.known = Known(a);
    step.partner = partner;
    step.listed = listed;
    m_result.steps.push_back(step);
    ++m_result.counts[static_cast<size_t>(technique)];
    m_result.hardest = std::max(m_result.hardest, technique);
    answer.settled = true;
    answer.value = std::stoll(digits);
    for (size_t i = 0; i < digits.size(); ++i) {
        m_board[answer.cells[i]] = digits[i];
    }
    return true;
}

// A calculation whose every input is known; a reversed answer counts as one.
bool Grader::TryCompute(Technique technique) {
    for (size_t a = 0; a < m_answers.size(); ++a) {
        const Answer& answer = m_answers[a];
        if (answer.settled || answer.broken ||
            (answer.uses.empty() && answer.reverseOf < 0) != (technique == Technique::Compute)) {
            continue;
        }
        const bool known = std::all_of(answer.uses.begin(), answer.uses.end(), [&](int used) {
            return m_answers[static_cast<size_t>(used)].settled;
        });
        if (!known) {
            continue;
        }
        std::string digits;
        if (!answer.clue->IsProperty()) {
            int64_t value = 0;
            std::string error;
            if (!answer.clue->Evaluate(m_lookup, value, error)) {
                m_result.contradiction = true;
                return false;
            }
            digits = std::to_string(value);
        } else if (answer.reverseOf >= 0 &&
                   m_answers[static_cast<size_t>(answer.reverseOf)].settled) {
            digits = std::to_string(m_answers[static_cast<size_t>(answer.reverseOf)].value);
            std::reverse(digits.begin(), digits.end());
            if (!answer.clue->Holds(std::stoll(digits), m_lookup)) {
                m_result.contradiction = true;
                return false;
            }
        } else {
            continue;
        }
        return Settle(static_cast<int>(a), technique, digits);
    }
    return false;
}

bool Grader::TryRead() {
    for (size_t a = 0; a < m_answers.size(); ++a) {
        const Answer& answer = m_answers[a];
        if (answer.settled || answer.broken ||
            !std::all_of(answer.cells.begin(), answer.cells.end(),
                         [&](size_t at) { return m_board[at] != '\0'; })) {
            continue;
        }
        std::string read;
        for (size_t at : answer.cells) {
            read.push_back(m_board[at]);
        }
        // The clue must agree once the answers it names are known; until then it only waits.
        if (answer.clue->IsProperty() && !answer.clue->HoldsAlone(std::stoll(read))) {
            m_result.contradiction = true;
            return false;
        }
        return Settle(static_cast<int>(a), Technique::ReadCrossings, read);
    }
    return false;
}

bool Grader::TryOneCandidate() {
    for (size_t a = 0; a < m_answers.size(); ++a) {
        const Answer& answer = m_answers[a];
        if (answer.settled || answer.candidates.empty()) {
            continue;
        }
        // A pupil tries the digits of at most two empty squares, or lists what the clue allows.
        const size_t empty =
            static_cast<size_t>(std::count_if(answer.cells.begin(), answer.cells.end(),
                                              [&](size_t at) { return m_board[at] == '\0'; }));
        if (empty > kMaxTriedSquares && answer.candidates.size() > kMaxListedCandidates) {
            continue;
        }
        const std::vector<const std::string*> fitting = Fitting(static_cast<int>(a));
        if (fitting.size() == 1) {
            return Settle(static_cast<int>(a), Technique::OneCandidate, *fitting.front(), -1,
                          answer.candidates.size());
        }
    }
    return false;
}

bool Grader::TryPairs() {
    for (size_t a = 0; a < m_answers.size(); ++a) {
        if (m_answers[a].settled || m_answers[a].candidates.empty()) {
            continue;
        }
        const std::vector<const std::string*> mine = Fitting(static_cast<int>(a));
        if (mine.size() > kMaxListedCandidates) {
            continue;
        }
        for (size_t i = 0; i < m_answers[a].cells.size(); ++i) {
            for (int b : m_answersOfCell[m_answers[a].cells[i]]) {
                const Answer& other = m_answers[static_cast<size_t>(b)];
                if (b == static_cast<int>(a) || other.settled || other.candidates.empty()) {
                    continue;
                }
                const std::vector<const std::string*> theirs = Fitting(b);
                if (theirs.size() > kMaxListedCandidates) {
                    continue;
                }
                const size_t j = static_cast<size_t>(
                    std::find(other.cells.begin(), other.cells.end(), m_answers[a].cells[i]) -
                    other.cells.begin());
                std::vector<const std::string*> left;
                for (const std::string* candidate : mine) {
                    const bool agrees = std::any_of(
                        theirs.begin(), theirs.end(),
                        [&](const std::string* t) { return (*t)[j] == (*candidate)[i]; });
                    if (agrees) {
                        left.push_back(candidate);
                    }
                }
                if (left.size() == 1) {
                    return Settle(static_cast<int>(a), Technique::RuleOutPairs, *left.front(), b,
                                  m_answers[a].candidates.size());
                }
            }
        }
    }
    return false;
}

GradeResult Grader::Run() {
    while (!m_result.contradiction) {
        if (!TryCompute(Technique::Compute) && !TryCompute(Technique::ComputeFromFound) &&
            !TryRead() && !TryOneCandidate() && !TryPairs()) {
            break;
        }
    }
    for (size_t a = 0; a < m_answers.size(); ++a) {
        if (!m_answers[a].settled) {
            m_result.unsettled.push_back(static_cast<int>(a));
        }
    }
    m_result.solved = !m_result.contradiction && m_result.unsettled.empty() && !m_answers.empty();
    return m_result;
}

}  // namespace

GradeResult GradePuzzle(const PuzzleSource& puzzle) {
    if (puzzle.width <= 0 || puzzle.height <= 0 ||
        puzzle.grid.size() != static_cast<size_t>(puzzle.height)) {
        return {};
    }
    return Grader(puzzle).Run();
}

const char* TechniqueName(Technique technique) {
    switch (technique) {
        case Technique::Compute:
            return "compute from numbers";
        case Technique::ComputeFromFound:
            return "compute from answers already found";
        case Technique::ReadCrossings:
            return "read the digits from crossing answers";
        case Technique::OneCandidate:
            return "one number fits the property clue and the known digits";
        case Technique::RuleOutPairs:
            return "rule out candidates of two crossing property answers";
    }
    return "";
}

const char* LevelOf(Technique technique) {
    switch (technique) {
        case Technique::Compute:
        case Technique::ComputeFromFound:
            return "easy";
        case Technique::ReadCrossings:
            return "medium";
        case Technique::OneCandidate:
        case Technique::RuleOutPairs:
            return "hard";
    }
    return "";
}

std::string GradeLevel(const GradeResult& result) {
    return result.solved ? LevelOf(result.hardest) : std::string();
}

std::string DescribeGrade(const PuzzleSource& puzzle, const GradeResult& result) {
    std::string text;
    if (result.solved) {
        text =
            "level " + GradeLevel(result) + " (hardest: " + TechniqueName(result.hardest) + ")\n";
    } else {
        text = result.contradiction ? "no level: a clue's value does not fit its squares\n"
                                    : "no level: it needs guessing\n";
    }
    for (size_t k = 0; k < result.steps.size(); ++k) {
        const GradeStep& step = result.steps[k];
        const Entry& entry = puzzle.entries[static_cast<size_t>(step.answer)];
        text += "  " + std::to_string(k + 1) + ". " + entry.ref.Name() + " = " + step.digits +
                ": " + TechniqueName(step.technique);
        std::vector<int> from;
        for (const auto& [index, other] : step.known) {
            if (std::find(from.begin(), from.end(), other) == from.end()) {
                from.push_back(other);
            }
        }
        if (!from.empty() && step.technique >= Technique::ReadCrossings) {
            text += " (digits from";
            for (int other : from) {
                text += " " + puzzle.entries[static_cast<size_t>(other)].ref.Key();
            }
            text += ")";
        }
        if (step.partner >= 0) {
            text += " against " + puzzle.entries[static_cast<size_t>(step.partner)].ref.Key();
        }
        text += "\n";
    }
    for (int a : result.unsettled) {
        text += "  not settled: " + puzzle.entries[static_cast<size_t>(a)].ref.Name() + "\n";
    }
    for (size_t t = 0; t < kTechniqueCount; ++t) {
        text += std::string(TechniqueName(static_cast<Technique>(t))) + ": " +
                std::to_string(result.counts[t]) + "\n";
    }
    return text;
}

}  // namespace maker
