// SPDX-License-Identifier: MIT
// The number board.
#include "board/MathGridView.h"

#include <QPainter>
#include <QPointer>

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
    }
}

int CMathGridView::RunNumberPad(const QPoint& at, int& value) {
    CNumberPadDlg pad(window());
    int result = pad.ShowAt(at.x(), at.y());
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
    int result = RunNumberPad(at, value);
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
