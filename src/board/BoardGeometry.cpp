// SPDX-License-Identifier: MIT
// The board's geometry, hit test and drawing lists.
#include "board/BoardGeometry.h"

#include <algorithm>

#include "puzzle/MathGridDoc.h"

namespace board {
namespace {

int Bound(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, -kCoordinateLimit, kCoordinateLimit));
}

Rect MakeRect(int64_t left, int64_t top, int64_t right, int64_t bottom) {
    return Rect{Bound(left), Bound(top), Bound(right), Bound(bottom)};
}

Rect Shrunk(const Rect& r, int dx, int dy) {
    return MakeRect(int64_t{r.left} + dx, int64_t{r.top} + dy, int64_t{r.right} - dx,
                    int64_t{r.bottom} - dy);
}

// How far a text written at a point may reach from it.
constexpr int kTextMargin = 64;

Rect Grown(const Rect& r, int by) {
    return Shrunk(r, -by, -by);
}

uint64_t CellIndex(int column, int row) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(column)) << 32) |
           static_cast<uint32_t>(row);
}

// Collects the operations that can show inside the visible area.
class Plan {
public:
    explicit Plan(const Rect& visible) : m_visible(visible) {}

    void Add(BoardOp::Kind kind, Ink ink, const Rect& rect, std::string_view text = {}) {
        bool isText = kind == BoardOp::TextAt || kind == BoardOp::TextCentered;
        // Texts at a point reach out from it; everything else stays inside its rectangle.
        if (kind != BoardOp::TextAt && rect.IsEmpty()) {
            return;
        }
        Rect reach = kind == BoardOp::TextAt ? Grown(rect, kTextMargin) : rect;
        if (!reach.Intersects(m_visible)) {
            return;
        }
        if (isText && text.empty()) {
            return;
        }
        m_ops.push_back(BoardOp{kind, ink, rect, text.substr(0, kMaxCellText)});
    }

    void Reserve(size_t count) { m_ops.reserve(count); }
    std::vector<BoardOp> Take() { return std::move(m_ops); }

private:
    Rect m_visible;
    std::vector<BoardOp> m_ops;
};

// The marks looked up once per paint by their cells: the same answers as IsMarked and
// IsMarkCorrect without walking every mark for every line. A sorted vector, not a hash table:
// a board repaints often, and an allocation per mark would cost more than the lookups.
class MarkIndex {
public:
    MarkIndex(const CMathGridDoc& doc, bool forErrors) {
        m_cells.reserve(doc.m_marks.size());
        m_lines.reserve(doc.m_marks.size());
        for (const std::string& mark : doc.m_marks) {
            Line line;
            line.key = ParseCellKey(mark, &line.rest);
            m_lines.push_back(line);
            m_cells.push_back({CellIndex(line.key.column, line.key.row), &mark});
        }
        // Stable: the first mark of a cell stays first, as IsMarkCorrect finds it.
        std::stable_sort(m_cells.begin(), m_cells.end(),
                         [](const Cell& a, const Cell& b) { return a.index < b.index; });
        if (forErrors) {
            m_answers.assign(doc.m_answers.begin(), doc.m_answers.end());
            std::sort(m_answers.begin(), m_answers.end());
        }
    }

    // Whether the line is one of the marks; a mark equal to it names the same cell.
    bool IsMarked(const std::string& line, const CellKey& key) const {
        auto [first, last] = Range(key);
        return std::any_of(first, last, [&](const Cell& cell) { return *cell.mark == line; });
    }

    // Whether the cell's mark is not an answer (only with forErrors).
    bool HasWrongMark(const CellKey& key) const {
        auto [first, last] = Range(key);
        return first != last && !std::binary_search(m_answers.begin(), m_answers.end(),
                                                    std::string_view(*first->mark));
    }

    // Each mark read, in the order of the marks.
    struct Line {
        CellKey key;
        std::string_view rest;
    };
    const std::vector<Line>& Lines() const { return m_lines; }

private:
    struct Cell {
        uint64_t index;
        const std::string* mark;
    };
    struct Less {
        bool operator()(const Cell& cell, uint64_t index) const { return cell.index < index; }
        bool operator()(uint64_t index, const Cell& cell) const { return index < cell.index; }
    };
    std::pair<std::vector<Cell>::const_iterator, std::vector<Cell>::const_iterator> Range(
        const CellKey& key) const {
        return std::equal_range(m_cells.begin(), m_cells.end(), CellIndex(key.column, key.row),
                                Less{});
    }

    std::vector<Line> m_lines;
    std::vector<Cell> m_cells;
    std::vector<std::string_view> m_answers;
};

const std::vector<std::string>* ListOf(const std::vector<std::vector<std::string>>& lists,
                                       int number) {
    if (number < 1 || static_cast<size_t>(number) > lists.size()) {
        return nullptr;
    }
    return &lists[static_cast<size_t>(number) - 1];
}

}  // namespace

bool Rect::Intersects(const Rect& other) const {
    return !IsEmpty() && !other.IsEmpty() && left < other.right && other.left < right &&
           top < other.bottom && other.top < bottom;
}

Origin CellOrigin(const CGridDoc& doc, int column, int row) {
    int64_t s = doc.m_nCellSize;
    return Origin{Bound(int64_t{doc.m_nOffsetX} + int64_t{column} * s),
                  Bound(int64_t{doc.m_nOffsetY} + int64_t{row} * s)};
}

Rect CellFillRect(int x, int y, int s) {
    return MakeRect(int64_t{x} + 1, int64_t{y} + 1, int64_t{x} + s, int64_t{y} + s);
}

Rect HintSquareRect(int x, int y, int s) {
    Rect r = MakeRect(int64_t{x} + 1, int64_t{y} + 2, int64_t{x} + s, int64_t{y} + s + 1);
    return Shrunk(r, s / 4, s / 4);
}

Rect PlusVerticalBar(int x, int y, int s) {
    return Shrunk(Shrunk(CellFillRect(x, y, s), s / 3, 0), s / 8, s / 8);
}

Rect PlusHorizontalBar(int x, int y, int s) {
    return Shrunk(Shrunk(CellFillRect(x, y, s), 0, s / 3), s / 8, s / 8);
}

Rect CornerRect(int x, int y, int s) {
    return MakeRect(int64_t{x} + s / 3 + 1, int64_t{y} + 1, int64_t{x} + s, int64_t{y} + s / 3);
}

Rect DigitRect(int x, int y, int s) {
    return CellFillRect(x, y, s);
}

Hit HitTest(const CGridDoc& doc, int scrollX, int scrollY, int clickX, int clickY) {
    int64_t s = doc.m_nCellSize;
    if (s < 1) {
        return Hit{};
    }
    int64_t px = int64_t{scrollX} - doc.m_nOffsetX + clickX;
    int64_t py = int64_t{scrollY} - doc.m_nOffsetY + clickY;
    if (px < 0 || py < 0) {
        return Hit{};
    }
    // Indices beyond any cell a puzzle can hold stay beyond it.
    return Hit{true, Bound(px / s), Bound(py / s)};
}

Origin PlaceNumberPad(int x, int y, int padHeight, int mainBottom, int screenTop) {
    int64_t top = int64_t{y} - padHeight / 2;
    int64_t excess = top + padHeight - mainBottom;
    if (excess > 0) {
        top -= excess;
    }
    top = std::max<int64_t>(top, screenTop);
    return Origin{x, Bound(top)};
}

Rect PrintDestination(int pageWidth, int dpiX, int dpiY, int pictureWidth, int pictureHeight) {
    if (pageWidth <= 0 || dpiX <= 0 || dpiY <= 0 || pictureWidth <= 0 || pictureHeight <= 0) {
        return Rect{};
    }
    double height = static_cast<double>(pageWidth) * pictureHeight * dpiY /
                    (static_cast<double>(pictureWidth) * dpiX);
    return Rect{0, 0, pageWidth, Bound(static_cast<int64_t>(std::min(height, 1e18)))};
}

bool LogicBoardPaintsPicture(int& fullRepaint, int& firstPaint) {
    if (fullRepaint || firstPaint) {
        firstPaint = 0;
        return true;
    }
    fullRepaint = 1;
    return false;
}

bool MathBoardPaintsPicture(int& fullRepaint) {
    if (fullRepaint) {
        return true;
    }
    fullRepaint = 1;
    return false;
}

std::vector<BoardOp> PlanLogicBoard(const CGridDoc& doc, bool showSolution, const Rect& visible) {
    Plan plan(visible);
    plan.Add(BoardOp::Fill, Ink::White, kKeyBox);
    plan.Add(BoardOp::Frame, Ink::Black, kKeyBox);
    plan.Add(BoardOp::TextAt, Ink::Primary, Rect{27, 27, 27, 27}, " T ");
    plan.Add(BoardOp::TextAt, Ink::Secondary, Rect{27, 44, 27, 44}, " F ");
    plan.Add(BoardOp::TextAt, Ink::White, Rect{23, 10, 23, 10}, "Key");

    const int s = doc.m_nCellSize;
    if (s < 1) {
        return plan.Take();
    }
    for (const CGridCell& cell : doc.m_cells) {
        Origin o = CellOrigin(doc, cell.m_nColumn, cell.m_nRow);
        Ink ink = cell.m_nState == CGridCell::kFalse  ? Ink::Secondary
                  : cell.m_nState == CGridCell::kTrue ? Ink::Primary
                                                      : Ink::White;
        plan.Add(BoardOp::Fill, ink, CellFillRect(o.x, o.y, s));
    }
    if (doc.m_nSelectedHint <= doc.m_nHintCount) {
        if (const std::vector<std::string>* hint = ListOf(doc.m_hints, doc.m_nSelectedHint)) {
            for (const std::string& line : *hint) {
                CellKey key = ParseCellKey(line);
                Origin o = CellOrigin(doc, key.column, key.row);
                plan.Add(BoardOp::Fill, Ink::Highlight, HintSquareRect(o.x, o.y, s));
            }
        }
    }
    if (showSolution) {
        for (const std::string& line : doc.m_answers) {
            CellKey key = ParseCellKey(line);
            Origin o = CellOrigin(doc, key.column, key.row);
            plan.Add(BoardOp::Fill, Ink::Black, PlusVerticalBar(o.x, o.y, s));
            plan.Add(BoardOp::Fill, Ink::Black, PlusHorizontalBar(o.x, o.y, s));
        }
    }
    return plan.Take();
}

std::vector<BoardOp> PlanMathBoard(const CMathGridDoc& doc, bool showSolution,
                                   const Rect& visible) {
    Plan plan(visible);
    const int s = doc.m_nCellSize;
    if (s < 1) {
        return plan.Take();
    }
    const bool showErrors = doc.m_bShowErrors && !showSolution;
    const std::vector<std::string>* primary = ListOf(doc.m_hints, doc.m_nSelectedHint);
    const std::vector<std::string>* secondary = ListOf(doc.m_secondaryHints, doc.m_nSelectedHint);
    MarkIndex marks(doc, showErrors && (primary || secondary));
    plan.Reserve((primary ? primary->size() * 2 : 0) + (secondary ? secondary->size() * 2 : 0) +
                 (showSolution ? doc.m_answers.size() : 0) + doc.m_marks.size());

    auto drawHintList = [&](const std::vector<std::string>& list) {
        for (const std::string& line : list) {
            CellKey key = ParseCellKey(line);
            Origin o = CellOrigin(doc, key.column, key.row);
            if (key.value == 1 || key.value == 2) {
                plan.Add(BoardOp::Fill, key.value == 1 ? Ink::Primary : Ink::Secondary,
                         HintSquareRect(o.x, o.y, s));
            }
            if (showErrors && marks.HasWrongMark(key)) {
                plan.Add(BoardOp::TextCentered, Ink::Red, CornerRect(o.x, o.y, s), "*");
            }
        }
    };
    if (primary) {
        drawHintList(*primary);
    }
    if (secondary) {
        drawHintList(*secondary);
    }

    if (showSolution) {
        for (const std::string& line : doc.m_answers) {
            std::string_view digit;
            CellKey key = ParseCellKey(line, &digit);
            if (marks.IsMarked(line, key)) {
                continue;
            }
            Origin o = CellOrigin(doc, key.column, key.row);
            plan.Add(BoardOp::TextCentered, Ink::Red, CornerRect(o.x, o.y, s), digit);
        }
    }

    for (const MarkIndex::Line& line : marks.Lines()) {
        Origin o = CellOrigin(doc, line.key.column, line.key.row);
        plan.Add(BoardOp::TextCentered, Ink::Black, DigitRect(o.x, o.y, s), line.rest);
    }
    return plan.Take();
}

}  // namespace board
