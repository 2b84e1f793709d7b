// SPDX-License-Identifier: MIT
// The readable source of one cross-number puzzle, as an author writes it: title, board, and a
// clue (an arithmetic expression) with hints for every answer. Reading it numbers the board,
// works out every answer from its clue and checks that crossing answers agree.
//
//   title   Number Steps
//   stem    steps
//   level   easy
//   topic   operations            (one to three tags of PuzzleTopics(), the first the main one)
//   age     10-11
//   intro   Work out each clue and fill in the board.
//   note    A wrap-up for the solution page.
//   grid
//     . . #
//     . . .
//   end
//   across 1  12 + 9
//     words The sum of twelve and 9   (optional: what the pupil reads instead of "12 + 9")
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
// Words and their expression must agree on every number (see CheckClueWords).
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

namespace maker {

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

// An area of the number work of ages 10 to 14 that a puzzle practices.
struct TopicInfo {
    const char* tag;   // as the source writes it: "powers"
    const char* name;  // as a teacher reads it: "squares, cubes and roots"
};
const std::vector<TopicInfo>& PuzzleTopics();
// Null for a tag that is not in PuzzleTopics().
const TopicInfo* FindTopic(std::string_view tag);

struct Entry {
    EntryRef ref;
    std::vector<BoardCell> cells;  // first to last
    int line = 0;                  // the source line of its clue (0: no clue)
    ClueExpression clue;
    std::string words;                  // the clue in the author's words; empty: clue.Display()
    std::vector<std::string> hints;     // paragraphs for the hint page
    std::vector<RevealPair> asks;       // click-to-see questions for the hint page
    std::vector<std::string> explains;  // paragraphs for the worked-answer page
    // Worked out from the clue:
    int64_t value = 0;
    std::string digits;
    std::vector<EntryRef> crossings;  // answers sharing a square with this one
    std::vector<EntryRef> uses;       // answers its clue uses

    // The clue as the pupil reads it.
    std::string ClueText() const { return words.empty() ? clue.Display() : words; }
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
    std::string level;                // easy, medium or hard
    std::vector<std::string> topics;  // tags of PuzzleTopics(), the main one first
    std::string age;                  // the age band it suits, "10-11"
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

// Whether a clue's words agree with its expression (words as the source writes them, before
// {3A} is resolved). The numbers the words write are read in figures ("47", "10,000", "4.35",
// "10th", "15%"), as the words two to twenty ("three", "twenty-five") and as the fractions
// ¼ ½ ¾; numbers inside {...} and before "Across" or "Down" name answers and are not read.
//  - Every number the words write, except 0 and 1, is a number of the expression.
//  - Every number of the expression is written in the words, unless it is a fact the pupil
//    brings: 1 to 12, 24, 60, 90, 100, 180, 360, 365 or 1000.
//  - A number written with a decimal point, after a currency sign (£20) or before a metric
//    unit (2 km, 1.5 kg, 250 ml) also matches itself times 10, 100 or 1000: £4.35 is 435 (pence),
//    £20 is 2000, 2 km is 2000 (metres). Signs are not compared: -8 in words matches 8.
//  - The answers the words name ({3A}) are exactly the answers the expression uses, and the
//    words never work a value out ({=...}).
// False with the reason of the first disagreement.
bool CheckClueWords(const std::string& words, const ClueExpression& clue, std::string& why);

// Resolves {3A} and {=EXPR} in a text of the puzzle. False with a reason on an unknown answer
// or an expression that does not evaluate.
bool ExpandPuzzleText(const PuzzleSource& puzzle, const std::string& text, std::string& out,
                      std::string& error);

}  // namespace maker
