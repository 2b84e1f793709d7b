// SPDX-License-Identifier: MIT
// quizlex-tool solve: searches a puzzle source for every filling its clues allow.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Tool.h"
#include "maker/PuzzleSolver.h"
#include "maker/PuzzleSource.h"

namespace {

constexpr uintmax_t kMaxSource = 1u << 20;

int RunSolve(const tool::Arguments& arguments) {
    int64_t budget = content::kDefaultSolveSteps;
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
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) ||
        std::filesystem::file_size(path, ec) > kMaxSource) {
        return tool::Fail(path + " is not a puzzle source that can be read");
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    content::PuzzleSource puzzle;
    std::vector<std::string> errors;
    if (!content::ReadPuzzleLayout(bytes.str(), path, puzzle, errors)) {
        for (const std::string& error : errors) {
            std::printf("%s\n", error.c_str());
        }
        return 1;
    }
    const content::SolveResult result = content::SolvePuzzle(puzzle, budget);
    std::printf("%s", content::DescribeSolveResult(puzzle, result).c_str());
    switch (result.outcome) {
        case content::SolveResult::Outcome::Unique:
            return 0;
        case content::SolveResult::Outcome::OutOfSteps:
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
