// SPDX-License-Identifier: MIT
// The logic-grid board: cell fills for "T" and "F", a key box, the highlighted hint, the
// solution's plus signs; clicks cycle a cell or look up its hints.
#pragma once

#include <memory>

#include "board/BoardColors.h"
#include "board/DibView.h"
#include "board/HintFinder.h"
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

    // The cell under a point of the client area, with the scroll position.
    board::Hit HitTest(const QPoint& point) const;

    // Set to 1 at creation and whenever the view gets the focus: the logic board's next
    // paint draws the picture whatever else says.
    int m_bFirstPaint = 1;
    IHintFinder* m_pHintFinder = nullptr;
    // 1: a click looks up the cell's hints (with a hint finder) instead of marking.
    int m_bHintLookup = 0;
    // 1: the solution is drawn and clicks change no mark.
    int m_bShowSolution = 0;
    platform::ColorRef m_crHint = platform::Rgb(0, 0, 255);
    platform::ColorRef m_crPrimary = platform::Rgb(0, 255, 0);
    platform::ColorRef m_crSecondary = platform::Rgb(255, 0, 0);
    // 0: the next paint leaves the picture on screen as it is and only draws over it.
    int m_bFullRepaint = 1;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    // Hands the cell's hints to the hint finder; true when hint lookup took the click.
    bool LookUpHints(const board::Hit& hit);

private:
    std::unique_ptr<IHintFinder> m_pOwnedHintFinder;
};
