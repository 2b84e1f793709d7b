// SPDX-License-Identifier: MIT
// The readable source of one cross-number puzzle, as an author writes it: title, board, and a
// clue (an arithmetic expression) with hints for every answer. Reading it numbers the board,
// works out every answer from its clue and checks that crossing answers agree.
//
//   title   Number Steps
//   stem    steps
//   level   easy
//   intro   Work out each clue and fill in the board.
//   grid
//     . . #
//     . . .
//   end
//   across 1  12 + 9
//     hint  Add the tens first.
//     ask   What is 10 + 9? | 19
//     explain 12 + 9 = 21.
//
// A clue may instead say what its answer is like, leaving the crossings to pin it down:
//   down 4  a square and a multiple of 4
// with "a prime", "a square", "a cube", "a multiple of N", "digits add up to N",
// "a palindrome", "reads the same as 3D backwards", "between A and B" (both ends allowed),
// "even" and "odd", joined by "and". Such a board is searched for its one filling.
//
// Texts may write {3A} for "3 Across" and {=EXPR} for the value of an expression, such as
// {=3A + 1}; *stars* make bold and _underscores_ italic text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "maker/ClueExpression.h"

namespace content {

struct BoardCell {
    int column = 0;
    int row = 0;
    friend bool operator==(const BoardCell&, const BoardCell&) = default;
};

// A question on a hint page that the pupil clicks to see its answer.
struct RevealPair {
    std::string question;
    std::string answer;
};

struct Entry {
    EntryRef ref;
    std::vector<BoardCell> cells;  // first to last
    int line = 0;                  // the source line of its clue (0: no clue)
    ClueExpression clue;
    std::vector<std::string> hints;     // paragraphs for the hint page
    std::vector<RevealPair> asks;       // click-to-see questions for the hint page
    std::vector<std::string> explains;  // paragraphs for the worked-answer page
    // Worked out from the clue:
    int64_t value = 0;
    std::string digits;
    std::vector<EntryRef> crossings;  // answers sharing a square with this one
    std::vector<EntryRef> uses;       // answers its clue uses
};

// The game has numbered hint buttons for this many hints; one hint per answer.
inline constexpr size_t kMaxAnswers = 21;
inline constexpr int kMaxBoardSide = 20;
inline constexpr int kMinTitleChars = 6;

class PuzzleSource {
public:
    std::string fileName;  // for messages
    std::string title;     // Windows-1252, as all texts below
    std::string stem;
    std::string level;  // easy, medium or hard
    std::vector<std::string> intro;
    std::vector<std::string> notes;  // paragraphs for the answer page
    int width = 0;
    int height = 0;
    std::vector<std::string> grid;  // rows of '.' (square) and '#' (block)
    // In hint order: across answers by number, then down answers by number.
    std::vector<Entry> entries;

    bool IsCell(int column, int row) const;
    // The clue number printed in the square, 0 for none.
    int NumberAt(int column, int row) const;
    // The answer's digit in a square ('\0' for a block or an unsolved square).
    char DigitAt(int column, int row) const;
    const Entry* Find(const EntryRef& ref) const;
    // 1-based hint number of an answer, 0 when it is not on the board.
    int HintNumber(const EntryRef& ref) const;
    // The squares in reading order.
    std::vector<BoardCell> Cells() const;
    int AcrossCount() const;

private:
    friend class PuzzleReader;
    std::vector<int> m_numbers;
    std::string m_digits;
};

// Reads a puzzle source given as UTF-8 text. Every problem is added to errors as
// "FILE:LINE: reason" (line 0 when it concerns the whole puzzle). True when there is none;
// then every answer has its value and digits, and crossing answers agree.
bool ReadPuzzleSource(std::string_view text, const std::string& fileName, PuzzleSource& out,
                      std::vector<std::string>& errors);

// Reads a puzzle source up to its numbered board and read clues, without working out any
// answer: what the solver starts from.
bool ReadPuzzleLayout(std::string_view text, const std::string& fileName, PuzzleSource& out,
                      std::vector<std::string>& errors);

// Resolves {3A} and {=EXPR} in a text of the puzzle. False with a reason on an unknown answer
// or an expression that does not evaluate.
bool ExpandPuzzleText(const PuzzleSource& puzzle, const std::string& text, std::string& out,
                      std::string& error);

}  // namespace content
