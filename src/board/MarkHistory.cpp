// SPDX-License-Identifier: MIT
// The history of the board's marks, for Undo and Redo.
#include "board/MarkHistory.h"

#include "puzzle/GridDoc.h"

namespace board {

MarkState TakeMarks(const CGridDoc& doc) {
    MarkState state{doc.m_marks, {}};
    state.states.reserve(doc.m_cells.size());
    for (const CGridCell& cell : doc.m_cells) {
        state.states.push_back(cell.m_nState);
    }
    return state;
}

void PutMarks(CGridDoc& doc, const MarkState& state) {
    doc.m_marks = state.marks;
    for (size_t i = 0; i < doc.m_cells.size() && i < state.states.size(); ++i) {
        doc.m_cells[i].m_nState = state.states[i];
    }
}

bool MarkHistory::Change(CGridDoc& doc, CellPos cell, const std::function<void()>& change) {
    MarkState before = TakeMarks(doc);
    change();
    MarkState after = TakeMarks(doc);
    if (before == after) {
        return false;
    }
    // A new change drops what could have been redone.
    m_steps.resize(m_nNext);
    if (m_steps.size() == kMaxSteps) {
        m_steps.erase(m_steps.begin());
    }
    m_steps.push_back({cell, std::move(before), std::move(after)});
    m_nNext = m_steps.size();
    return true;
}

std::optional<CellPos> MarkHistory::Undo(CGridDoc& doc) {
    if (!CanUndo()) {
        return std::nullopt;
    }
    const Step& step = m_steps[--m_nNext];
    PutMarks(doc, step.before);
    return step.cell;
}

std::optional<CellPos> MarkHistory::Redo(CGridDoc& doc) {
    if (!CanRedo()) {
        return std::nullopt;
    }
    const Step& step = m_steps[m_nNext++];
    PutMarks(doc, step.after);
    return step.cell;
}

void MarkHistory::Clear() {
    m_steps.clear();
    m_nNext = 0;
}

}  // namespace board
