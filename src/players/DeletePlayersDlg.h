// SPDX-License-Identifier: MIT
// The Delete Players dialog: removes other players for good, with their files, their saved
// games and their places in the players index.
#pragma once

#include <QDialog>
#include <string>

class CItemTextListBox;
class QPushButton;

class CDeletePlayersDlg : public QDialog {
    Q_OBJECT

public:
    explicit CDeletePlayersDlg(QWidget* parent = nullptr);

    // Lists every player but the current one and runs the dialog modally.
    int Run(const std::string& currentName, const std::string& currentFileName);
    // Lists every player but the current one (what Run does before it runs the dialog).
    void Prepare(const std::string& currentName, const std::string& currentFileName);

    void OnSelChange();
    void OnOK();

private:
    std::string m_strName;
    std::string m_strFileName;
    CItemTextListBox* m_pList = nullptr;
    QPushButton* m_pOk = nullptr;
};
