// SPDX-License-Identifier: MIT
// The board's marks as the player changed them, step by step, for Undo and Redo, and the
// modes that say what a click on the board does.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "board/BoardCursor.h"

class CGridDoc;

namespace board {

// What the board is showing, set by the game's flow and read by the board view: 1 in
// m_bHintLookup makes a click look up the cell's hints (with a hint finder), 1 in
// m_bShowSolution draws the solution and keeps every mark as it is.
struct BoardModes {
    int m_bHintLookup = 0;
    int m_bShowSolution = 0;
};

// The marks of a board as they stand.
struct MarkState {
    std::vector<std::string> marks;
    std::vector<int> states;
    friend bool operator==(const MarkState&, const MarkState&) = default;
};

MarkState TakeMarks(const CGridDoc& doc);
void PutMarks(CGridDoc& doc, const MarkState& state);

// Each step keeps the board's marks whole before and after, so an undone mark is exactly the
// mark the player had set by hand. The history belongs to one document: it is cleared
// whenever another is shown or its marks are replaced from outside.
class MarkHistory {
public:
    // Runs change on the document as one step; nothing is recorded when the marks stay as
    // they were. True when they changed.
    bool Change(CGridDoc& doc, CellPos cell, const std::function<void()>& change);
    // Puts back the marks before (Undo) or after (Redo) one step: the step's cell, or nothing
    // when there is no step to take.
    std::optional<CellPos> Undo(CGridDoc& doc);
    std::optional<CellPos> Redo(CGridDoc& doc);
    bool CanUndo() const { return m_nNext > 0; }
    bool CanRedo() const { return m_nNext < m_steps.size(); }
    void Clear();

    // A game's worth of steps is plenty.
    static constexpr size_t kMaxSteps = 1000;

private:
    struct Step {
        CellPos cell;
        MarkState before;
        MarkState after;
    };
    std::vector<Step> m_steps;
    size_t m_nNext = 0;
};

}  // namespace board
