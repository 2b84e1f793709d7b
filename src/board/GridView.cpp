// SPDX-License-Identifier: MIT
// The logic-grid board.
#include "board/GridView.h"

#include <QMouseEvent>
#include <QPainter>

#include "board/BoardPainter.h"
#include "platform/GameSwitches.h"
#include "puzzle/GridDoc.h"

CGridView::CGridView(QWidget* parent) : CDibView(parent) {
    setObjectName(QStringLiteral("gridView"));
    board::BoardColors colors = board::ReadBoardColors();
    m_crHint = colors.hint;
    m_crPrimary = colors.primary;
    m_crSecondary = colors.secondary;
}

CGridView::~CGridView() {
    // The hint finder's window goes before the view's own.
    m_pHintFinder = nullptr;
    m_pOwnedHintFinder.reset();
}

CGridDoc* CGridView::GetDocument() const {
    return dynamic_cast<CGridDoc*>(CDibView::GetDocument());
}

void CGridView::SetHintFinder(std::unique_ptr<IHintFinder> finder) {
    m_pOwnedHintFinder = std::move(finder);
    m_pHintFinder = m_pOwnedHintFinder.get();
}

void CGridView::SetColors(platform::ColorRef hint, platform::ColorRef primary,
                          platform::ColorRef secondary) {
    m_crHint = hint;
    m_crPrimary = primary;
    m_crSecondary = secondary;
    m_bFullRepaint = 1;
    InvalidateView();
}

void CGridView::OnDraw(QPainter& dc) {
    // A printout always carries the picture and leaves the screen's repaint flags alone.
    if (IsPrinting() || board::LogicBoardPaintsPicture(m_bFullRepaint, m_bFirstPaint)) {
        CDibView::OnDraw(dc);
    }
    if (CGridDoc* doc = GetDocument()) {
        board::PaintBoardOps(dc, board::PlanLogicBoard(*doc, m_bShowSolution != 0, VisibleRect()),
                             Colors());
    }
}

board::Hit CGridView::HitTest(const QPoint& point) const {
    CGridDoc* doc = GetDocument();
    if (!doc) {
        return board::Hit{};
    }
    QPoint scroll = GetScrollPosition();
    return board::HitTest(*doc, scroll.x(), scroll.y(), point.x(), point.y());
}

void CGridView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        OnLButtonDown(event->position().toPoint());
        event->accept();
        return;
    }
    CDibView::mousePressEvent(event);
}

void CGridView::focusInEvent(QFocusEvent* event) {
    CDibView::focusInEvent(event);
    m_bFullRepaint = 1;
    m_bFirstPaint = 1;
}

bool CGridView::LookUpHints(const board::Hit& hit) {
    CGridDoc* doc = GetDocument();
    if (!m_bHintLookup || !m_pHintFinder || !doc) {
        return false;
    }
    std::string text;
    int number = hit.hit ? doc->GetHintsForCell(hit.column, hit.row, text) : 0;
    m_pHintFinder->ShowCellHints(text, number);
    return true;
}

void CGridView::OnLButtonDown(const QPoint& point) {
    CGridDoc* doc = GetDocument();
    if (!doc) {
        return;
    }
    board::Hit hit = HitTest(point);
    platform::PlayGameSound("data\\qxup.wav");
    if (LookUpHints(hit) || m_bShowSolution) {
        return;
    }
    if (hit.hit && doc->CycleCell(hit.column, hit.row)) {
        // Only the cells change: the picture on screen stays.
        m_bFullRepaint = 0;
    }
    InvalidateView();
}
