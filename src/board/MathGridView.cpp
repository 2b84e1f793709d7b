// SPDX-License-Identifier: MIT
// The number board.
#include "board/MathGridView.h"

#include <QPainter>
#include <QPointer>
#include <algorithm>

#include "board/BoardGeometry.h"
#include "board/BoardPainter.h"
#include "board/NumberPadDlg.h"
#include "platform/GameSwitches.h"
#include "puzzle/MathGridDoc.h"

CMathGridView::CMathGridView(QWidget* parent) : CGridView(parent) {
    setObjectName(QStringLiteral("mathGridView"));
}

CMathGridDoc* CMathGridView::GetDocument() const {
    return dynamic_cast<CMathGridDoc*>(CDibView::GetDocument());
}

void CMathGridView::OnDraw(QPainter& dc) {
    bool picture = IsPrinting() || board::MathBoardPaintsPicture(m_bFullRepaint);
    if (picture) {
        CDibView::OnDraw(dc);
    }
    if (CMathGridDoc* doc = GetDocument()) {
        board::PaintMathBoard(dc, *doc, Colors(), Modes().m_bShowSolution != 0, false,
                              VisibleRect());
        if (m_nCelebration > 0 && !IsPrinting()) {
            PaintCelebration(dc, *doc);
        }
    }
}

void CMathGridView::SetCelebration(int lit) {
    m_nCelebration = lit;
    m_bFullRepaint = 1;
    InvalidateView();
}

void CMathGridView::PaintCelebration(QPainter& dc, const CMathGridDoc& doc) {
    // The answers light up gold one after another, the newest brightest, over their digits.
    const int count = std::min<int>(m_nCelebration, static_cast<int>(doc.m_answers.size()));
    for (int i = 0; i < count; ++i) {
        CellKey key = ParseCellKey(doc.m_answers[static_cast<size_t>(i)]);
        board::Origin origin = board::CellOrigin(doc, key.column, key.row);
        board::Rect cell = board::CellFillRect(origin.x, origin.y, doc.m_nCellSize);
        dc.fillRect(QRect(cell.left, cell.top, cell.Width(), cell.Height()),
                    QColor(255, 200, 0, i + 1 == count ? 200 : 110));
    }
}

int CMathGridView::RunNumberPad(const QPoint& at, const QRect& cell, int& value) {
    CNumberPadDlg pad(window());
    int result = pad.ShowAt(at.x(), at.y(), cell);
    value = pad.m_nValue;
    return result;
}

void CMathGridView::OnLButtonDown(const QPoint& point) {
    CMathGridDoc* doc = GetDocument();
    if (!doc) {
        return;
    }
    board::Hit hit = HitTest(point);
    if (!hit.hit || !doc->IsGridCell(hit.column, hit.row)) {
        return;
    }
    SetCursor({hit.column, hit.row});
    if (LookUpHints(hit) || Modes().m_bShowSolution) {
        return;
    }
    // The pad opens beside the click, in the main window's client coordinates.
    QPoint viewOrigin = mapTo(window(), QPoint(0, 0));
    QPoint at(viewOrigin.x() + point.x(),
              viewOrigin.y() + point.y() - doc->m_nCellSize * Zoom() / 100 / 2);
    platform::PlayGameSound("data\\qxup.wav");
    int value = -1;
    QPointer<CMathGridView> self(this);
    int result = RunNumberPad(at, CellScreenRect({hit.column, hit.row}), value);
    if (!self) {
        return;
    }
    // The pad is modal, but the game may have closed behind it.
    doc = GetDocument();
    if (result == 1 && doc) {
        ChangeMarks({hit.column, hit.row}, [&] { doc->SetCellValue(hit.column, hit.row, value); });
        m_bFullRepaint = 1;
        InvalidateView();
    }
    platform::PlayGameSound("data\\qzxdown.wav");
}

void CMathGridView::OnCellValueKey(int value) {
    CMathGridDoc* doc = GetDocument();
    std::optional<board::CellPos> cell = Cursor();
    // A typed digit marks only where a click would open the pad.
    if (!doc || !cell || Modes().m_bShowSolution || (Modes().m_bHintLookup && m_pHintFinder) ||
        !doc->IsGridCell(cell->column, cell->row)) {
        return;
    }
    ChangeMarks(*cell, [&] { doc->SetCellValue(cell->column, cell->row, value); });
    m_bFullRepaint = 1;
    InvalidateView();
    platform::PlayGameSound("data\\qzxdown.wav");
    if (value != -1) {
        SetCursor(board::CellMap(*doc).NextInAnswer(*cell, m_bTypeAcross));
    }
}
