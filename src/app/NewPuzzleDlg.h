// SPDX-License-Identifier: MIT
// The New Puzzle dialog: the level, board size and topic of a puzzle the game makes for the
// player.
#pragma once

#include <QDialog>
#include <string>

class QComboBox;
class QSpinBox;

class CNewPuzzleDlg : public QDialog {
    Q_OBJECT

public:
    explicit CNewPuzzleDlg(QWidget* parent = nullptr);

    // Read after the dialog ends with OK (1): "easy", "medium" or "hard", and the board side.
    std::string m_strLevel = "easy";
    int m_nSize = 5;
    std::string m_strTopic;  // empty for any topic, else a tag of maker::GeneratorTopics()

    // Chooses a level by its index (0 easy, 1 medium, 2 hard); the size follows its range.
    void SetLevel(int index);
    void SetSize(int size);
    void accept() override;

private:
    QComboBox* m_pLevel = nullptr;
    QSpinBox* m_pSize = nullptr;
    QComboBox* m_pTopic = nullptr;
};
