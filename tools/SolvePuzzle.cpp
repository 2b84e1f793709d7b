// SPDX-License-Identifier: MIT
// quizlex-tool solve: searches a puzzle source for every filling its clues allow.
#include <cstdio>
#include <string>
#include <vector>

#include "Tool.h"
#include "ToolSupport.h"
#include "maker/PuzzleSolver.h"
#include "maker/PuzzleSource.h"

namespace {

int RunSolve(const tool::Arguments& arguments) {
    int64_t budget = maker::kDefaultSolveSteps;
    std::string path;
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--steps" && i + 1 < arguments.size()) {
            const std::string& n = arguments[++i];
            if (n.empty() || n.size() > 12 ||
                n.find_first_not_of("0123456789") != std::string::npos) {
                return tool::Fail("--steps needs a whole number");
            }
            budget = std::stoll(n);
        } else if (path.empty()) {
            path = arguments[i];
        } else {
            return tool::Fail("usage: quizlex-tool solve [--steps N] FILE.qzp");
        }
    }
    if (path.empty()) {
        return tool::Fail("usage: quizlex-tool solve [--steps N] FILE.qzp");
    }
    maker::PuzzleSource puzzle;
    if (!tool::ReadSourceFile(path, puzzle)) {
        return 1;
    }
    const maker::SolveResult result = maker::SolvePuzzle(puzzle, budget);
    std::printf("%s", maker::DescribeSolveResult(puzzle, result).c_str());
    switch (result.outcome) {
        case maker::SolveResult::Outcome::Unique:
            return 0;
        case maker::SolveResult::Outcome::OutOfSteps:
            return 3;
        default:
            return 2;
    }
}

}  // namespace

QZ_TOOL_COMMAND("solve", "[--steps N] FILE.qzp",
                "finds every filling of a puzzle source's board from its clues alone: one "
                "(exit 0), none or 2 or more (exit 2), or none settled within the steps (exit 3)",
                RunSolve);
