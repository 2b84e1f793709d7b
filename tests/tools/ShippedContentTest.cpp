// SPDX-License-Identifier: MIT
// The shipped puzzles, read from content/ and built as the game will read them: every answer
// is its clue worked out, crossings agree, hints name grid cells, every page is there, and
// the smaller boards have exactly one solution.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "content/ContentBuilder.h"
#include "content/PuzzleSource.h"
#include "hypertext/FakeHtfMetrics.h"
#include "hypertext/PageNames.h"
#include "platform/FakeServices.h"
#include "platform/File.h"
#include "puzzle/MathGridDoc.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;
using content::Entry;
using content::EntryRef;
using content::PuzzleSource;

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
        EXPECT_TRUE(content::ReadPuzzleSource(text, line, puzzle, errors))
            << line << ": " << (errors.empty() ? "" : errors.front());
        puzzles.push_back(std::move(puzzle));
    }
    return puzzles;
}

// Counts the solutions of a puzzle by trying every number of the right length for each
// answer, keeping those that agree with the digits already placed, and checking each clue as
// soon as the answers it uses are placed. Stops at two.
class BruteForce {
public:
    explicit BruteForce(const PuzzleSource& puzzle) : m_puzzle(puzzle) {}

    int Count() {
        m_values.assign(m_puzzle.entries.size(), -1);
        m_cells.assign(static_cast<size_t>(m_puzzle.width * m_puzzle.height), 0);
        Search(0);
        return m_solutions;
    }

private:
    // Writes the digits into empty squares, noting them in placed; false on a clash.
    bool Place(size_t index, int64_t value, std::vector<size_t>& placed) {
        const std::string digits = std::to_string(value);
        for (size_t i = 0; i < digits.size(); ++i) {
            const auto& cell = m_puzzle.entries[index].cells[i];
            const size_t at = static_cast<size_t>(cell.row * m_puzzle.width + cell.column);
            if (m_cells[at] == 0) {
                m_cells[at] = digits[i];
                placed.push_back(at);
            } else if (m_cells[at] != digits[i]) {
                return false;
            }
        }
        return true;
    }

    // The clues that the answer just placed can decide: its own and those that use it.
    bool CluesHold(size_t placed) const {
        const EntryRef& placedRef = m_puzzle.entries[placed].ref;
        for (size_t i = 0; i < m_puzzle.entries.size(); ++i) {
            const auto& uses = m_puzzle.entries[i].uses;
            const bool concerned =
                i == placed || std::find(uses.begin(), uses.end(), placedRef) != uses.end();
            if (m_values[i] < 0 || !concerned) {
                continue;
            }
            int64_t value = 0;
            std::string error;
            auto lookup = [this](const EntryRef& ref, int64_t& v) {
                const int hint = m_puzzle.HintNumber(ref);
                if (hint == 0 || m_values[static_cast<size_t>(hint - 1)] < 0) {
                    return false;
                }
                v = m_values[static_cast<size_t>(hint - 1)];
                return true;
            };
            bool ready = true;
            for (const EntryRef& ref : m_puzzle.entries[i].uses) {
                ready = ready && m_values[static_cast<size_t>(m_puzzle.HintNumber(ref) - 1)] >= 0;
            }
            if (ready && (!m_puzzle.entries[i].clue.Evaluate(lookup, value, error) ||
                          value != m_values[i])) {
                return false;
            }
        }
        return true;
    }

    void Search(size_t index) {
        if (m_solutions >= 2) {
            return;
        }
        if (index == m_puzzle.entries.size()) {
            ++m_solutions;
            return;
        }
        const size_t length = m_puzzle.entries[index].cells.size();
        int64_t low = 1;
        for (size_t i = 1; i < length; ++i) {
            low *= 10;
        }
        for (int64_t value = low; value < low * 10; ++value) {
            std::vector<size_t> placed;
            if (Place(index, value, placed)) {
                m_values[index] = value;
                if (CluesHold(index)) {
                    Search(index + 1);
                }
                m_values[index] = -1;
            }
            for (size_t at : placed) {
                m_cells[at] = 0;
            }
        }
    }

    const PuzzleSource& m_puzzle;
    std::vector<int64_t> m_values;
    std::vector<char> m_cells;  // the digit in each square, 0 while empty
    int m_solutions = 0;
};

}  // namespace

TEST(ShippedContent, HasTenPuzzlesFromEasyToHard) {
    const std::vector<PuzzleSource> puzzles = ShippedPuzzles();
    ASSERT_GE(puzzles.size(), 10u);
    EXPECT_EQ(puzzles.front().level, "easy");
    EXPECT_EQ(puzzles.back().level, "hard");
    bool tenByTen = false;
    for (const PuzzleSource& puzzle : puzzles) {
        EXPECT_GE(puzzle.title.size(), 6u) << puzzle.title;
        EXPECT_LE(puzzle.entries.size(), 21u) << puzzle.title;
        tenByTen = tenByTen || (puzzle.width == 10 && puzzle.height == 10);
    }
    EXPECT_TRUE(tenByTen);
}

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
            ASSERT_TRUE(entry.clue.Evaluate(fromFile, value, error)) << error;
            int64_t inFile = 0;
            fromFile(entry.ref, inFile);
            EXPECT_EQ(value, inFile) << entry.ref.Name();
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

TEST(ShippedContent, SmallBoardsHaveExactlyOneSolution) {
    int tried = 0;
    for (const PuzzleSource& puzzle : ShippedPuzzles()) {
        size_t longest = 0;
        for (const Entry& entry : puzzle.entries) {
            longest = std::max(longest, entry.cells.size());
        }
        if (longest > 3 || puzzle.entries.size() > 12) {
            continue;  // the search tries every number of each length: small boards only
        }
        SCOPED_TRACE(puzzle.title);
        EXPECT_EQ(BruteForce(puzzle).Count(), 1);
        ++tried;
    }
    EXPECT_GE(tried, 2);
}
