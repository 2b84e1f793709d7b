// SPDX-License-Identifier: MIT
// quizlex-tool grade: solves a puzzle source as a pupil does and says the level it needs.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Tool.h"
#include "maker/PuzzleGrader.h"
#include "maker/PuzzleSource.h"

namespace {

constexpr uintmax_t kMaxSource = 1u << 20;

int RunGrade(const tool::Arguments& arguments) {
    if (arguments.size() != 1) {
        return tool::Fail("usage: quizlex-tool grade FILE.qzp");
    }
    const std::string& path = arguments[0];
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
    const content::GradeResult result = content::GradePuzzle(puzzle);
    std::printf("%s", content::DescribeGrade(puzzle, result).c_str());
    const std::string grade = content::GradeLevel(result);
    std::printf("stated level: %s%s\n", puzzle.level.c_str(),
                grade.empty() || grade == puzzle.level ? "" : " (differs from the grade)");
    if (grade.empty()) {
        return 2;
    }
    return grade == puzzle.level ? 0 : 4;
}

}  // namespace

QZ_TOOL_COMMAND("grade", "FILE.qzp",
                "solves a puzzle source as a pupil does: the level it needs, each step and the "
                "count of each technique (exit 0; 2 when it needs guessing, 4 when the grade "
                "differs from the stated level)",
                RunGrade);
