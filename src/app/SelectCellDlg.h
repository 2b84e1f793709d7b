// SPDX-License-Identifier: MIT
// The hint finder "Select A Cell": while it shows, a click on the board lists the hints that
// name the cell, and a cell that one hint names shows that hint.
#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "board/HintFinder.h"

class QLabel;
class QLineEdit;

class CSelectCellDlg : public QDialog {  // template 135
    Q_OBJECT

public:
    explicit CSelectCellDlg(QWidget* parent);
    ~CSelectCellDlg() override;

    // The board's report of a clicked cell: the hints' list and the single hint's number (0
    // when none or several hints name the cell). Several are listed without opening a page;
    // none leaves the dialog as it was.
    void ShowCellHints(const std::string& text, int hintNumber);

    // What the board view holds: it forwards to this dialog, which Qt owns with the view.
    std::unique_ptr<IHintFinder> MakeForwarder();

    std::string m_strHintList;

    void accept() override;
    void reject() override;

signals:
    // The only hint of the clicked cell is to be shown.
    void HintChosen(int n);
    // The player put the finder away (OK, Escape, the close box).
    void Dismissed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void UpdateControls();
    void Dismiss();

    QLabel* m_pListLabel = nullptr;
    QLineEdit* m_pList = nullptr;
};
