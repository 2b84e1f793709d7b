// SPDX-License-Identifier: MIT
// The "10 Highest Scores" dialog: the result of the reward game and the table with the new
// entry in its place; the table is stored when the dialog closes, however it closes.
#pragma once

#include <QDialog>
#include <string>

#include "reward/HighScoreTable.h"

class QLabel;
class QListWidget;
class QPushButton;

class CHighScoresDlg : public QDialog {
    Q_OBJECT

public:
    explicit CHighScoresDlg(QWidget* parent = nullptr);
    ~CHighScoresDlg() override;

    // Shows the result and the table with the entry placed; returns IDOK or IDCANCEL.
    int Run(const std::string& newEntry, const std::string& resultText);

    // Sets what Run shows without running the modal loop.
    void SetEntry(const std::string& newEntry, const std::string& resultText);
    // Reads the table and fills the list; runs once, before the dialog first shows.
    bool OnInitDialog();

    const CHighScoreTable& Table() const { return m_table; }
    QListWidget* List() const { return m_pList; }
    QLabel* ResultLabel() const { return m_pResult; }

    void done(int result) override;
    void reject() override;
    void setVisible(bool visible) override;

private:
    void SaveTable();

    CHighScoreTable m_table;
    std::string m_strNewEntry;
    std::string m_strResult = "Game over...";
    QLabel* m_pResult = nullptr;
    QListWidget* m_pList = nullptr;
    QPushButton* m_pOk = nullptr;
    bool m_bInitialised = false;
    bool m_bSaved = false;
};
