// SPDX-License-Identifier: MIT
// The shipped puzzles, read from content/ and built as the game will read them: every answer
// is its clue worked out, crossings agree, hints name grid cells, every page is there, and
// every board has exactly one solution.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "content/ContentBuilder.h"
#include "content/ContentChecker.h"
#include "hypertext/FakeHtfMetrics.h"
#include "hypertext/PageNames.h"
#include "maker/PuzzleSolver.h"
#include "maker/PuzzleSource.h"
#include "platform/FakeServices.h"
#include "platform/File.h"
#include "puzzle/MathGridDoc.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;
using maker::BoardCell;
using maker::Entry;
using maker::EntryRef;
using maker::PuzzleSource;

namespace {

const fs::path kContent = fs::path(QZ_SOURCE_DIR) / "content";

std::vector<PuzzleSource> ShippedPuzzles() {
    std::vector<PuzzleSource> puzzles;
    std::ifstream list(kContent / "games.txt");
    std::string line;
    while (std::getline(list, line)) {
        if (line.empty() || line.rfind("//", 0) == 0) {
            continue;
        }
        std::vector<std::string> errors;
        PuzzleSource puzzle;
        const std::string text = testsupport::ReadFileBytes((kContent / "puzzles" / line).string());
        EXPECT_TRUE(maker::ReadPuzzleSource(text, line, puzzle, errors))
            << line << ": " << (errors.empty() ? "" : errors.front());
        puzzles.push_back(std::move(puzzle));
    }
    return puzzles;
}

}  // namespace

TEST(ShippedContent, BuiltPuzzleFilesHoldTheWorkedOutClues) {
    testsupport::TempProgramFolder folder;
    platform::FakeServices services;
    CFakeHtfMetrics metrics;
    std::vector<std::string> errors;
    content::BuildSummary summary;
    ASSERT_TRUE(content::BuildContent(kContent.string(), folder.Path(), metrics, errors, summary))
        << (errors.empty() ? "" : errors.front());
    for (const PuzzleSource& puzzle : ShippedPuzzles()) {
        SCOPED_TRACE(puzzle.title);
        CMathGridDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(folder.File("data/" + puzzle.stem + ".bgd")));
        EXPECT_FALSE(doc.m_hDIB.IsNull());
        std::map<std::pair<int, int>, int> answers;
        for (const std::string& line : doc.m_answers) {
            const CellKey key = ParseCellKey(line);
            // One answer per cell: crossing answers agree.
            EXPECT_TRUE(answers.emplace(std::make_pair(key.column, key.row), key.value).second)
                << line;
        }
        EXPECT_EQ(answers.size(), doc.m_cells.size());
        ASSERT_EQ(doc.m_nHintCount, static_cast<int>(puzzle.entries.size()));
        for (size_t i = 0; i < puzzle.entries.size(); ++i) {
            const Entry& entry = puzzle.entries[i];
            // Worked out again here from the clue and the other answers as the file holds them.
            auto fromFile = [&](const EntryRef& ref, int64_t& value) {
                const Entry* other = puzzle.Find(ref);
                value = 0;
                for (const auto& cell : other->cells) {
                    value = value * 10 + answers.at({cell.column, cell.row});
                }
                return true;
            };
            int64_t value = 0;
            std::string error;
            int64_t inFile = 0;
            fromFile(entry.ref, inFile);
            if (entry.clue.IsProperty()) {
                value = inFile;  // what it is like, not what it works out to
                EXPECT_TRUE(entry.clue.Holds(inFile, fromFile)) << entry.ref.Name();
            } else {
                ASSERT_TRUE(entry.clue.Evaluate(fromFile, value, error)) << error;
                EXPECT_EQ(value, inFile) << entry.ref.Name();
            }
            EXPECT_EQ(std::to_string(value).size(), entry.cells.size()) << entry.ref.Name();
            // The hint's own cells in the first colour, all of them grid cells.
            std::vector<std::string> primary;
            for (const auto& cell : entry.cells) {
                primary.push_back(MakeMarkKey(cell.column, cell.row, 1));
            }
            EXPECT_EQ(doc.m_hints[i], primary);
            for (const std::string& line : doc.m_secondaryHints[i]) {
                const CellKey key = ParseCellKey(line);
                EXPECT_TRUE(doc.IsGridCell(key.column, key.row)) << line;
                EXPECT_EQ(key.value, 2) << line;
            }
            for (bool solved : {false, true}) {
                EXPECT_TRUE(platform::FileExists(folder.File(
                    "data/" + HintPageName(puzzle.stem, solved, static_cast<int>(i + 1)))));
            }
        }
        EXPECT_TRUE(platform::FileExists(folder.File("data/" + InstructionsPageName(puzzle.stem))));
        EXPECT_TRUE(platform::FileExists(folder.File("data/" + AnswerPageName(puzzle.stem))));
    }
}

TEST(ShippedContent, EveryPuzzleHasExactlyOneSolution) {
    for (const PuzzleSource& puzzle : ShippedPuzzles()) {
        SCOPED_TRACE(puzzle.title);
        // The solver starts from the clues alone, then its board is compared with the answers.
        PuzzleSource layout = puzzle;
        for (Entry& entry : layout.entries) {
            entry.value = 0;
            entry.digits.clear();
        }
        const maker::SolveResult result = maker::SolvePuzzle(layout);
        ASSERT_EQ(result.outcome, maker::SolveResult::Outcome::Unique)
            << maker::DescribeSolveResult(layout, result);
        for (const BoardCell& cell : puzzle.Cells()) {
            EXPECT_EQ(
                result.solutions[0][static_cast<size_t>(cell.row * puzzle.width + cell.column)],
                puzzle.DigitAt(cell.column, cell.row));
        }
    }
}

TEST(ShippedContent, TeacherChecksRefuseGiveAwaysRepeatsAndMissingFacts) {
    auto read = [](const std::string& name, const std::string& head, const std::string& hints) {
        PuzzleSource puzzle;
        std::vector<std::string> errors;
        const std::string text = "title Check " + name + "\nstem " + name + "\n" + head +
                                 "grid\n . .\n . .\nend\nacross 1 12\n hint " + hints +
                                 "\nacross 3 34\n hint Not 3.4, nor 340, nor 1,234.\ndown 1 "
                                 "13\n hint h\n ask What is 10 + 3? | 13\ndown 2 24\n hint h\n";
        EXPECT_TRUE(maker::ReadPuzzleSource(text, name, puzzle, errors)) << errors.front();
        return puzzle;
    };
    std::vector<std::string> errors;
    content::CheckShippedPuzzles(
        {read("a", "level hard\ntopic sequences\nage 12-13\nnote n\nintro Start at 1,224.\n",
              "Count on one."),
         read("b", "level easy\nintro Start at 1,234.\n", "Count on to 12.")},
        errors);
    EXPECT_EQ(errors, (std::vector<std::string>{
                          "a:16: a question of 1 Down gives away its answer, 13",
                          "b:0: the puzzle has no topic: say what it practices",
                          "b:0: the puzzle has no age band, such as \"age 10-11\"",
                          "b:0: the puzzle has no note to wrap up its solution page",
                          "b:0: the puzzle is easy but comes after a hard one: the game list "
                          "runs from easy to hard",
                          "b:9: a hint of 1 Across gives away its answer, 12",
                          "b:9: the clue of 1 Across reads the same as a 1 Across",
                          "b:11: the clue of 3 Across reads the same as a 3 Across",
                          "b:13: a question of 1 Down gives away its answer, 13",
                          "b:13: the clue of 1 Down reads the same as a 1 Down",
                          "b:16: the clue of 2 Down reads the same as a 2 Down"}));
}
