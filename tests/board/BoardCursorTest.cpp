// SPDX-License-Identifier: MIT
// The keyboard's cell cursor without windows: arrows over black squares, Home and End, typing
// along an answer, answer numbers, what a cell reads aloud as, and the cursor's colour.
// The history of marks behind Undo and Redo.
#include <gtest/gtest.h>

#include "board/BoardCursor.h"
#include "board/MarkHistory.h"
#include "puzzle/MathGridDoc.h"

using board::CellPos;
using board::Move;

namespace {

// A 5 × 3 board with black squares (.), its cells added row by row.
void IrregularBoard(CMathGridDoc& doc) {
    const char* const rows[] = {"WWW.W", "W.WWW", "WW..W"};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 5; ++column) {
            if (rows[row][column] == 'W') {
                doc.AddCell(column, row);
            }
        }
    }
}

}  // namespace

TEST(BoardCursor, ArrowsSkipBlackSquaresTypingFollowsTheAnswerAndNumbersGoCrosswordFashion) {
    CMathGridDoc doc;
    IrregularBoard(doc);
    board::CellMap map(doc);
    const struct {
        CellPos from;
        Move move;
        CellPos to;
    } cases[] = {
        {{2, 0}, Move::Right, {4, 0}},  // over (3, 0)
        {{4, 0}, Move::Right, {4, 0}}, {{2, 1}, Move::Left, {0, 1}},
        {{1, 0}, Move::Down, {1, 2}},  // over (1, 1)
        {{1, 2}, Move::Up, {1, 0}},    {{3, 1}, Move::Home, {0, 0}},
        {{0, 0}, Move::End, {4, 2}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(map.Step(c.from, c.move), c.to)
            << c.from.column << "," << c.from.row << " move " << static_cast<int>(c.move);
    }
    // Typing goes on along the answer, across or down.
    EXPECT_EQ(map.NextInAnswer({0, 0}, true), (CellPos{1, 0}));
    EXPECT_EQ(map.NextInAnswer({2, 0}, true), (CellPos{2, 0}));  // the answer ends
    EXPECT_EQ(map.NextInAnswer({2, 0}, false), (CellPos{2, 1}));

    const std::pair<CellPos, const char*> starts[] = {
        {{0, 0}, "1 Across, 1 Down"}, {{2, 0}, "2 Down"}, {{4, 0}, "3 Down"}, {{2, 1}, "4 Across"},
        {{0, 2}, "5 Across"},         {{1, 0}, ""},       {{3, 0}, ""},  // a black square
    };
    for (const auto& [pos, text] : starts) {
        EXPECT_EQ(map.AnswerStarts(pos), text) << pos.column << "," << pos.row;
    }
    EXPECT_EQ(map.FirstCell(), (CellPos{0, 0}));

    // An empty board has no cursor.
    CMathGridDoc empty;
    EXPECT_FALSE(board::CellMap(empty).FirstCell());
    EXPECT_EQ(board::CellMap(empty).Step({1, 1}, Move::Home), (CellPos{1, 1}));

    // What a cell reads aloud as.
    doc.m_marks = {"0,0,"};
    EXPECT_EQ(board::CellName(doc, map, {0, 0}), "row 1, column 1, empty");
    EXPECT_EQ(board::CellName(doc, map, {3, 0}), "row 1, column 4, black square");
    // A hostile mark is cut, as the board cuts it.
    doc.m_marks = {"1,0," + std::string(1000, '9')};
    EXPECT_EQ(board::CellMark(doc, {1, 0})->size(), 32u);
}

TEST(BoardCursor, TheCursorColourStandsApartFromEveryColourACellShows) {
    using platform::Rgb;
    for (const board::BoardColors& colors :
         {board::BoardColors{},
          board::BoardColors{Rgb(0, 160, 0), Rgb(255, 215, 0), Rgb(120, 0, 200)}}) {
        platform::ColorRef cursor = board::CursorColor(colors);
        for (platform::ColorRef shown : {Rgb(255, 255, 255), Rgb(0, 0, 0), Rgb(255, 0, 0),
                                         colors.hint, colors.primary, colors.secondary}) {
            int dr = platform::RedOf(cursor) - platform::RedOf(shown);
            int dg = platform::GreenOf(cursor) - platform::GreenOf(shown);
            int db = platform::BlueOf(cursor) - platform::BlueOf(shown);
            EXPECT_GT(dr * dr + dg * dg + db * db, 90 * 90) << std::hex << cursor << " " << shown;
        }
    }
}

TEST(MarkHistory, UndoAndRedoPutBackACellsStateAsWellAsItsMarks) {
    // A logic-grid cell cycles empty, crossed out, ticked: the first click changes no mark but
    // is still a step a player expects Undo to take back.
    CGridDoc doc;
    doc.AddCell(1, 1);
    board::MarkHistory history;
    ASSERT_TRUE(history.Change(doc, {1, 1}, [&] { doc.CycleCell(1, 1); }));
    ASSERT_TRUE(history.Change(doc, {1, 1}, [&] { doc.CycleCell(1, 1); }));
    EXPECT_EQ(doc.m_cells[0].m_nState, CGridCell::kTrue);
    EXPECT_EQ(doc.m_marks, std::vector<std::string>{"1,1"});
    history.Undo(doc);
    EXPECT_EQ(doc.m_cells[0].m_nState, CGridCell::kFalse);
    EXPECT_TRUE(doc.m_marks.empty());
    history.Undo(doc);
    EXPECT_EQ(doc.m_cells[0].m_nState, CGridCell::kEmpty);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.Redo(doc), (board::CellPos{1, 1}));
    EXPECT_EQ(doc.m_cells[0].m_nState, CGridCell::kFalse);
}
