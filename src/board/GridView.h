// SPDX-License-Identifier: MIT
// The logic-grid board: cell fills for "T" and "F", a key box, the highlighted hint, the
// solution's plus signs; clicks cycle a cell or look up its hints.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "board/BoardColors.h"
#include "board/BoardCursor.h"
#include "board/DibView.h"
#include "board/HintFinder.h"
#include "board/MarkHistory.h"
#include "platform/Services.h"

class CGridDoc;

class CGridView : public CDibView {
    Q_OBJECT

public:
    // Reads the board colours from the settings file.
    explicit CGridView(QWidget* parent = nullptr);
    ~CGridView() override;

    CGridDoc* GetDocument() const;

    void OnDraw(QPainter& dc) override;
    // A left click at a point of the view's client area.
    virtual void OnLButtonDown(const QPoint& point);

    // New board colours (the settings command's): repaints everything.
    void SetColors(platform::ColorRef hint, platform::ColorRef primary,
                   platform::ColorRef secondary);
    board::BoardColors Colors() const { return {m_crHint, m_crPrimary, m_crSecondary}; }

    // Takes the hint finder; the view deletes it before itself.
    void SetHintFinder(std::unique_ptr<IHintFinder> finder);

    // The cell under a point of the client area, with the scroll position and the zoom.
    board::Hit HitTest(const QPoint& point) const;

    // The keyboard's cell cursor: a white cell, or none before the board first has the focus.
    std::optional<board::CellPos> Cursor() const { return m_cursor; }
    void SetCursor(board::CellPos pos);
    // A cell's rectangle on the screen (global coordinates).
    QRect CellScreenRect(board::CellPos pos) const;

    // The history every change of a mark is recorded in (null: none); the game keeps it.
    void SetHistory(board::MarkHistory* history) { m_pHistory = history; }
    // The modes the view follows, kept by the game (null: the view's own).
    void SetModes(board::BoardModes* modes) { m_pModes = modes ? modes : &m_ownModes; }
    board::BoardModes& Modes() const { return *m_pModes; }
    // The marks of a cell changed from outside the view (Undo, Redo): repaints and tells
    // assistive technology.
    void ShowChangedCell(board::CellPos cell);

    // Set to 1 at creation and whenever the view gets the focus: the logic board's next
    // paint draws the picture whatever else says.
    int m_bFirstPaint = 1;
    IHintFinder* m_pHintFinder = nullptr;
    platform::ColorRef m_crHint = platform::Rgb(0, 0, 255);
    platform::ColorRef m_crPrimary = platform::Rgb(0, 255, 0);
    platform::ColorRef m_crSecondary = platform::Rgb(255, 0, 0);
    // 0: the next paint leaves the picture on screen as it is and only draws over it.
    int m_bFullRepaint = 1;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void PaintOverlay(QPainter& dc) override;
    void OnDocumentChanged() override;
    // Hands the cell's hints to the hint finder; true when hint lookup took the click.
    bool LookUpHints(const board::Hit& hit);
    // A digit typed on the cursor's cell (-1: Backspace or Delete). The logic board has none.
    virtual void OnCellValueKey(int) {}
signals:
    // The player changed a mark: one more step to undo.
    void MarksChanged();

protected:
    // Runs a change of the document's marks as one step of the history (nothing is recorded
    // when the marks stay as they were), then repaints and tells assistive technology.
    void ChangeMarks(board::CellPos cell, const std::function<void()>& change);
    // Typing along an answer: across after Left or Right, down after Up or Down.
    bool m_bTypeAcross = true;

private:
    // The cell centre in the client area, where Enter and Space "click".
    QPoint CellCentre(board::CellPos pos) const;
    void CursorChanged();

    std::unique_ptr<IHintFinder> m_pOwnedHintFinder;
    std::optional<board::CellPos> m_cursor;
    board::MarkHistory* m_pHistory = nullptr;
    board::BoardModes m_ownModes;
    board::BoardModes* m_pModes = &m_ownModes;
};
