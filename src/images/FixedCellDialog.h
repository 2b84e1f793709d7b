// SPDX-License-Identifier: MIT
// The dialog bases: CFixedCellDialog lays a dialog and its controls out as if the dialog font's
// cell were 8 × 16 pixels, so pictures and controls keep their designed pixel positions.
#pragma once

#include "images/GameDialog.h"

class QFont;

// Centres a dialog over its parent's window while that is shown, otherwise over the parent's
// screen (the primary screen for a dialog without a parent).
void CenterDialog(QWidget& dialog);

class CFixedCellDialog : public CGameDialog {
    Q_OBJECT

public:
    explicit CFixedCellDialog(QWidget* parent = nullptr);
    ~CFixedCellDialog() override;

    // One edge in pixels laid out with base units bx (or by) moved onto the fixed cell:
    // u = edge × 4 / bx, then u × cell width / 4 (and × 8 / by, × cell height / 8).
    static int CellEdgeX(int edge, int baseX, int cellWidth);
    static int CellEdgeY(int edge, int baseY, int cellHeight);

protected:
    // Derived dialogs call this first from their own initialisation, after their controls
    // exist: centres the dialog, moves it and every control onto the fixed cell, and gives
    // each control the font when one is set.
    bool OnInitDialog() override;

    const QFont* m_pFont = nullptr;  // not owned
    short m_nCellWidth = 8;
    short m_nCellHeight = 16;
};
