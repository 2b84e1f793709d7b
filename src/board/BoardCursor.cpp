// SPDX-License-Identifier: MIT
// The keyboard's cell cursor on the board.
#include "board/BoardCursor.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "board/BoardGeometry.h"
#include "puzzle/GridDoc.h"

namespace board {
namespace {

bool ReadingOrder(const CellPos& a, const CellPos& b) {
    return a.row != b.row ? a.row < b.row : a.column < b.column;
}

}  // namespace

CellMap::CellMap(const CGridDoc& doc) {
    m_cells.reserve(doc.m_cells.size());
    for (const CGridCell& cell : doc.m_cells) {
        if (cell.m_nColumn >= 0 && cell.m_nRow >= 0) {
            m_cells.push_back({cell.m_nColumn, cell.m_nRow});
        }
    }
    std::sort(m_cells.begin(), m_cells.end(), ReadingOrder);
    m_cells.erase(std::unique(m_cells.begin(), m_cells.end()), m_cells.end());
    for (const CellPos& pos : m_cells) {
        m_nColumns = std::max(m_nColumns, pos.column + 1);
        m_nRows = std::max(m_nRows, pos.row + 1);
    }
}

bool CellMap::IsWhite(CellPos pos) const {
    return std::binary_search(m_cells.begin(), m_cells.end(), pos, ReadingOrder);
}

CellPos CellMap::Step(CellPos from, Move move) const {
    if (m_cells.empty()) {
        return from;
    }
    switch (move) {
        case Move::Home:
            return m_cells.front();
        case Move::End:
            return m_cells.back();
        default:
            break;
    }
    const bool across = move == Move::Left || move == Move::Right;
    const bool forward = move == Move::Right || move == Move::Down;
    std::optional<CellPos> best;
    for (const CellPos& pos : m_cells) {
        int along = across ? pos.column - from.column : pos.row - from.row;
        bool sameLine = across ? pos.row == from.row : pos.column == from.column;
        if (!sameLine || along == 0 || (along > 0) != forward) {
            continue;
        }
        int bestAlong =
            !best ? INT_MAX : std::abs(across ? best->column - from.column : best->row - from.row);
        if (std::abs(along) < bestAlong) {
            best = pos;
        }
    }
    return best.value_or(from);
}

CellPos CellMap::NextInAnswer(CellPos from, bool across) const {
    CellPos next = across ? CellPos{from.column + 1, from.row} : CellPos{from.column, from.row + 1};
    return IsWhite(next) ? next : from;
}

bool CellMap::StartsAcross(CellPos pos) const {
    return IsWhite(pos) && !IsWhite({pos.column - 1, pos.row}) &&
           IsWhite({pos.column + 1, pos.row});
}

bool CellMap::StartsDown(CellPos pos) const {
    return IsWhite(pos) && !IsWhite({pos.column, pos.row - 1}) &&
           IsWhite({pos.column, pos.row + 1});
}

std::optional<CellPos> CellMap::FirstCell() const {
    for (const CellPos& pos : m_cells) {
        if (StartsAcross(pos) || StartsDown(pos)) {
            return pos;
        }
    }
    // A board of lone cells: the first of them.
    if (!m_cells.empty()) {
        return m_cells.front();
    }
    return std::nullopt;
}

std::string CellMap::AnswerStarts(CellPos pos) const {
    int number = 0;
    for (const CellPos& cell : m_cells) {
        bool across = StartsAcross(cell);
        bool down = StartsDown(cell);
        if (across || down) {
            ++number;
        }
        if (cell == pos) {
            std::string text;
            if (across) {
                text = std::to_string(number) + " Across";
            }
            if (down) {
                text += (text.empty() ? "" : ", ") + std::to_string(number) + " Down";
            }
            return text;
        }
    }
    return {};
}

std::optional<std::string> CellMark(const CGridDoc& doc, CellPos pos) {
    for (const std::string& mark : doc.m_marks) {
        std::string_view rest;
        CellKey key = ParseCellKey(mark, &rest);
        if (key.column == pos.column && key.row == pos.row) {
            return std::string(rest.substr(0, kMaxCellText));
        }
    }
    return std::nullopt;
}

std::string CellName(const CGridDoc& doc, const CellMap& map, CellPos pos) {
    std::string name =
        "row " + std::to_string(pos.row + 1) + ", column " + std::to_string(pos.column + 1) + ", ";
    if (!map.IsWhite(pos)) {
        return name + "black square";
    }
    std::optional<std::string> mark = CellMark(doc, pos);
    return name + (mark && !mark->empty() ? *mark : std::string("empty"));
}

platform::ColorRef CursorColor(const BoardColors& colors) {
    const platform::ColorRef shown[] = {platform::Rgb(255, 255, 255),
                                        platform::Rgb(0, 0, 0),
                                        platform::Rgb(255, 0, 0),
                                        colors.hint,
                                        colors.primary,
                                        colors.secondary};
    const platform::ColorRef candidates[] = {
        platform::Rgb(255, 140, 0), platform::Rgb(255, 0, 255), platform::Rgb(0, 190, 255),
        platform::Rgb(0, 160, 0),   platform::Rgb(255, 215, 0), platform::Rgb(120, 0, 200)};
    auto distance = [](platform::ColorRef a, platform::ColorRef b) {
        int r = platform::RedOf(a) - platform::RedOf(b);
        int g = platform::GreenOf(a) - platform::GreenOf(b);
        int bl = platform::BlueOf(a) - platform::BlueOf(b);
        return r * r + g * g + bl * bl;
    };
    platform::ColorRef best = candidates[0];
    int bestDistance = -1;
    for (platform::ColorRef candidate : candidates) {
        int nearest = INT_MAX;
        for (platform::ColorRef colour : shown) {
            nearest = std::min(nearest, distance(candidate, colour));
        }
        if (nearest > bestDistance) {
            bestDistance = nearest;
            best = candidate;
        }
    }
    return best;
}

}  // namespace board
