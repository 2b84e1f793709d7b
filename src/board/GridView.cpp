// SPDX-License-Identifier: MIT
// The logic-grid board.
#include "board/GridView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>

#include "board/BoardAccessible.h"
#include "board/BoardPainter.h"
#include "platform/GameSwitches.h"
#include "puzzle/GridDoc.h"

CGridView::CGridView(QWidget* parent) : CDibView(parent) {
    setObjectName(QStringLiteral("gridView"));
    board::InstallBoardAccessibility();
    // The default colours until the settings' are passed in.
    const board::BoardColors colors;
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
        board::PaintBoardOps(
            dc, board::PlanLogicBoard(*doc, Modes().m_bShowSolution != 0, VisibleRect()), Colors());
    }
}

board::Hit CGridView::HitTest(const QPoint& point) const {
    CGridDoc* doc = GetDocument();
    if (!doc) {
        return board::Hit{};
    }
    QPoint scroll = GetScrollPosition();
    if (Zoom() == kMinZoom) {
        return board::HitTest(*doc, scroll.x(), scroll.y(), point.x(), point.y());
    }
    // At a larger size the point is taken back to the picture's own pixels first.
    const int zoom = Zoom();
    auto down = [zoom](int v) { return static_cast<int>(std::floor(v * 100.0 / zoom)); };
    return board::HitTest(*doc, 0, 0, down(scroll.x() + point.x()), down(scroll.y() + point.y()));
}

QPoint CGridView::CellCentre(board::CellPos pos) const {
    const CGridDoc* doc = GetDocument();
    board::Origin origin = board::CellOrigin(*doc, pos.column, pos.row);
    const int zoom = Zoom();
    const int s = doc->m_nCellSize;
    return QPoint((origin.x + s / 2) * zoom / 100, (origin.y + s / 2) * zoom / 100) -
           GetScrollPosition();
}

QRect CGridView::CellScreenRect(board::CellPos pos) const {
    const CGridDoc* doc = GetDocument();
    if (!doc) {
        return QRect();
    }
    board::Origin origin = board::CellOrigin(*doc, pos.column, pos.row);
    const int zoom = Zoom();
    const int s = doc->m_nCellSize * zoom / 100;
    QPoint topLeft = QPoint(origin.x * zoom / 100, origin.y * zoom / 100) - GetScrollPosition();
    return QRect(viewport()->mapToGlobal(topLeft), QSize(s, s));
}

void CGridView::SetCursor(board::CellPos pos) {
    CGridDoc* doc = GetDocument();
    if (!doc || !board::CellMap(*doc).IsWhite(pos) || m_cursor == pos) {
        return;
    }
    m_cursor = pos;
    CursorChanged();
}

void CGridView::CursorChanged() {
    // The old cursor must go from the screen along with the picture under it.
    m_bFullRepaint = 1;
    InvalidateView();
    if (m_cursor && hasFocus()) {
        // Keep the cursor's cell in sight on a board larger than its window.
        QPoint centre = CellCentre(*m_cursor);
        const int s = GetDocument()->m_nCellSize * Zoom() / 100;
        QRect cell(centre.x() - s / 2, centre.y() - s / 2, s, s);
        QRect shown = viewport()->rect();
        if (!shown.contains(cell)) {
            QScrollBar* h = horizontalScrollBar();
            QScrollBar* v = verticalScrollBar();
            if (cell.left() < 0 || cell.right() > shown.right()) {
                h->setValue(h->value() + cell.center().x() - shown.center().x());
            }
            if (cell.top() < 0 || cell.bottom() > shown.bottom()) {
                v->setValue(v->value() + cell.center().y() - shown.center().y());
            }
        }
        board::NotifyCellFocus(this, *m_cursor);
    }
}

void CGridView::OnDocumentChanged() {
    m_cursor.reset();
}

void CGridView::ShowChangedCell(board::CellPos cell) {
    m_bFullRepaint = 1;
    InvalidateView();
    board::NotifyCellValue(this, cell);
}

void CGridView::ChangeMarks(board::CellPos cell, const std::function<void()>& change) {
    CGridDoc* doc = GetDocument();
    if (!doc) {
        return;
    }
    const bool changed = m_pHistory ? m_pHistory->Change(*doc, cell, change) : (change(), true);
    if (!changed) {
        InvalidateView();
        return;
    }
    ShowChangedCell(cell);
    emit MarksChanged();
}

void CGridView::PaintOverlay(QPainter& dc) {
    CGridDoc* doc = GetDocument();
    if (!m_cursor || !hasFocus() || !doc) {
        return;
    }
    // A frame two pixels wide just inside the cell's grid lines.
    board::Origin origin = board::CellOrigin(*doc, m_cursor->column, m_cursor->row);
    board::Rect cell = board::CellFillRect(origin.x, origin.y, doc->m_nCellSize);
    if (cell.Width() < 4 || cell.Height() < 4) {
        return;
    }
    QColor colour = board::ToQColor(board::CursorColor(Colors()));
    QRect r(cell.left, cell.top, cell.Width(), cell.Height());
    dc.fillRect(QRect(r.left(), r.top(), r.width(), 2), colour);
    dc.fillRect(QRect(r.left(), r.bottom() - 1, r.width(), 2), colour);
    dc.fillRect(QRect(r.left(), r.top(), 2, r.height()), colour);
    dc.fillRect(QRect(r.right() - 1, r.top(), 2, r.height()), colour);
}

void CGridView::keyPressEvent(QKeyEvent* event) {
    CGridDoc* doc = GetDocument();
    // Shortcuts with Ctrl or Alt belong to the menus.
    if (!doc || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        CDibView::keyPressEvent(event);
        return;
    }
    board::CellMap map(*doc);
    if (map.Empty()) {
        CDibView::keyPressEvent(event);
        return;
    }
    if (!m_cursor || !map.IsWhite(*m_cursor)) {
        m_cursor = map.FirstCell();
    }
    const int key = event->key();
    std::optional<board::Move> move;
    switch (key) {
        case Qt::Key_Left:
            move = board::Move::Left;
            break;
        case Qt::Key_Right:
            move = board::Move::Right;
            break;
        case Qt::Key_Up:
            move = board::Move::Up;
            break;
        case Qt::Key_Down:
            move = board::Move::Down;
            break;
        case Qt::Key_Home:
            move = board::Move::Home;
            break;
        case Qt::Key_End:
            move = board::Move::End;
            break;
        default:
            break;
    }
    if (move) {
        if (*move == board::Move::Left || *move == board::Move::Right) {
            m_bTypeAcross = true;
        } else if (*move == board::Move::Up || *move == board::Move::Down) {
            m_bTypeAcross = false;
        }
        board::CellPos to = map.Step(*m_cursor, *move);
        m_cursor = to;
        CursorChanged();
    } else if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        OnCellValueKey(key - Qt::Key_0);
    } else if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        OnCellValueKey(-1);
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        // As a click on the cell's centre: the number pad, a cycled cell or its hints.
        OnLButtonDown(CellCentre(*m_cursor));
    } else {
        CDibView::keyPressEvent(event);
        return;
    }
    event->accept();
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
    CGridDoc* doc = GetDocument();
    if (doc && (!m_cursor || !board::CellMap(*doc).IsWhite(*m_cursor))) {
        m_cursor = board::CellMap(*doc).FirstCell();
    }
    CursorChanged();
}

void CGridView::focusOutEvent(QFocusEvent* event) {
    CDibView::focusOutEvent(event);
    // The cursor shows only while the board has the focus.
    m_bFullRepaint = 1;
    InvalidateView();
}

bool CGridView::LookUpHints(const board::Hit& hit) {
    CGridDoc* doc = GetDocument();
    if (!Modes().m_bHintLookup || !m_pHintFinder || !doc) {
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
    if (LookUpHints(hit) || Modes().m_bShowSolution) {
        return;
    }
    if (hit.hit && board::CellMap(*doc).IsWhite({hit.column, hit.row})) {
        SetCursor({hit.column, hit.row});
    }
    bool cycled = false;
    if (hit.hit) {
        ChangeMarks({hit.column, hit.row}, [&] { cycled = doc->CycleCell(hit.column, hit.row); });
    }
    if (cycled) {
        // Only the cells change: the picture on screen stays.
        m_bFullRepaint = 0;
    }
    InvalidateView();
}
