// SPDX-License-Identifier: MIT
// Fuzzes the puzzle source reader and its clue arithmetic: reading, solving, showing and
// working out every clue of whatever an author might type, and searching and grading its board.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "maker/ClueExpression.h"
#include "maker/PuzzleGrader.h"
#include "maker/PuzzleSolver.h"
#include "maker/PuzzleSource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    maker::PuzzleSource puzzle;
    std::vector<std::string> errors;
    if (maker::ReadPuzzleSource(text, "fuzz.qzp", puzzle, errors)) {
        auto lookup = [&puzzle](const maker::EntryRef& ref, int64_t& value) {
            const maker::Entry* entry = puzzle.Find(ref);
            if (entry == nullptr) {
                return false;
            }
            value = entry->value;
            return true;
        };
        for (const maker::Entry& entry : puzzle.entries) {
            (void)entry.clue.Display();
            (void)entry.clue.Working(lookup);
        }
    }
    // The solver on whatever board and clues were read, within a small budget.
    maker::PuzzleSource layout;
    errors.clear();
    if (maker::ReadPuzzleLayout(text, "fuzz.qzp", layout, errors)) {
        const maker::SolveResult result = maker::SolvePuzzle(layout, 2'000);
        (void)maker::DescribeSolveResult(layout, result);
        (void)maker::DescribeGrade(layout, maker::GradePuzzle(layout));
    }
    // Each line also as a clue on its own.
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        end = end == std::string_view::npos ? text.size() : end;
        maker::ClueExpression clue;
        std::string error;
        if (clue.Parse(text.substr(start, end - start), error)) {
            int64_t value = 0;
            auto seven = [](const maker::EntryRef&, int64_t& v) {
                v = 7;
                return true;
            };
            (void)clue.Evaluate(seven, value, error);
            (void)clue.Display();
            (void)clue.Working(seven);
            (void)clue.Holds(value, seven);
            (void)clue.Reasons(value, seven);
        }
        start = end + 1;
    }
    return 0;
}
