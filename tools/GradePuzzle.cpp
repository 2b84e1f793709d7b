// SPDX-License-Identifier: MIT
// quizlex-tool grade: solves a puzzle source as a pupil does and says the level it needs.
#include <cstdio>
#include <string>
#include <vector>

#include "Tool.h"
#include "ToolSupport.h"
#include "maker/PuzzleGrader.h"
#include "maker/PuzzleSource.h"

namespace {

int RunGrade(const tool::Arguments& arguments) {
    if (arguments.size() != 1) {
        return tool::Fail("usage: quizlex-tool grade FILE.qzp");
    }
    const std::string& path = arguments[0];
    maker::PuzzleSource puzzle;
    if (!tool::ReadSourceFile(path, puzzle)) {
        return 1;
    }
    const maker::GradeResult result = maker::GradePuzzle(puzzle);
    std::printf("%s", maker::DescribeGrade(puzzle, result).c_str());
    const std::string grade = maker::GradeLevel(result);
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
