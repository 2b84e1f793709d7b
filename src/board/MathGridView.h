// SPDX-License-Identifier: MIT
// The number board: the player's digits, the highlighted hint in its two colours, the
// solution's red digits and the asterisks on wrong marks; a click opens the number pad.
#pragma once

#include "board/GridView.h"

class CMathGridDoc;

class CMathGridView : public CGridView {
    Q_OBJECT

public:
    explicit CMathGridView(QWidget* parent = nullptr);

    CMathGridDoc* GetDocument() const;

    void OnDraw(QPainter& dc) override;
    void OnLButtonDown(const QPoint& point) override;
    // A solved board's finish: the first lit answers of the answer list glow (none at 0).
    void SetCelebration(int lit);
    int Celebration() const { return m_nCelebration; }

protected:
    void OnCellValueKey(int value) override;
    // Runs the number pad at a point of the main window's client area, beside the cell (a
    // screen rectangle). 1 with the chosen value (-1: clear) when a button was pressed.
    virtual int RunNumberPad(const QPoint& at, const QRect& cell, int& value);

private:
    void PaintCelebration(QPainter& dc, const CMathGridDoc& doc);

    int m_nCelebration = 0;
};
