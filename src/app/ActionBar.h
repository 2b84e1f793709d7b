// SPDX-License-Identifier: MIT
// The action bar across the top of the game: Show The Solution, Check My Answer, Find Hints
// For A Cell, Clear and one numbered button per hint of the puzzle.
#pragma once

#include <QDialog>
#include <vector>

class QLabel;

class QAction;
class QPushButton;

class CActionBar : public QDialog {  // template 134
    Q_OBJECT

public:
    explicit CActionBar(QWidget* parent);
    ~CActionBar() override;

    // Show The Solution, Check My Answer and Find Hints For A Cell trigger the menu's own
    // commands and are enabled while those are.
    void SetCommands(QAction* showSolution, QAction* checkAnswer, QAction* findHints);

    // Replaces the numbered buttons by count new ones, "1" to count, in a row from the place
    // of the hidden control 1066. Only the first 21 show a hint when pressed.
    void BuildHintButtons(int count);
    void EnableAllHintButtons();
    // Enables every numbered button, then greys button n (the hint on show), if it exists.
    void SelectHintButton(int n);

    int HintButtonCount() const { return static_cast<int>(m_hintButtons.size()); }
    // Button i (from 1), or null.
    QPushButton* HintButton(int i) const;
    QPushButton* CheckButton() const { return m_pCheckButton; }
    QPushButton* SolutionButton() const { return m_pSolutionButton; }

    // Lays the bar out for that width: one row where everything fits, else the hints on a
    // second row, so no button is cut off. Returns the bar's height, kept in m_nHeight.
    int FitWidth(int width);

    // The bar's height in pixels: one row when it was built, two while the hints wrap.
    int m_nHeight = 0;
    // Set when the game closes; until then the bar ignores close requests, Enter and Escape.
    int m_bCloseAllowed = 0;

    // More buttons than this would not fit any screen, nor name a page ("_%.2d.htf").
    static constexpr int kMaxHintButtons = 99;
    static constexpr int kConnectedHints = 21;

    void accept() override;
    void reject() override;

signals:
    // A hint button was pressed; 0 is Clear.
    void HintChosen(int n);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* m_pFindButton = nullptr;
    std::vector<QPushButton*> m_hintButtons;
    QPushButton* m_pCheckButton = nullptr;
    QPushButton* m_pSolutionButton = nullptr;
    QPushButton* m_pHintPlace = nullptr;
    QLabel* m_pHintsLabel = nullptr;
    QPushButton* m_pClear = nullptr;
    // The hints' part of the bar: the label, Clear, the hidden place and the numbered buttons.
    std::vector<QWidget*> HintsRow() const;
    QPoint m_ptHintsShift;
};
