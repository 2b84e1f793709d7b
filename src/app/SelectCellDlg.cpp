// SPDX-License-Identifier: MIT
// The hint finder "Select A Cell".
#include "app/SelectCellDlg.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "images/DialogTemplate.h"
#include "platform/Cp1252.h"
#include "platform/DialogUnits.h"
#include "platform/Services.h"
#include "resources/ResourceIds.h"

namespace {

class CellHintsForwarder : public IHintFinder {
public:
    explicit CellHintsForwarder(CSelectCellDlg* dialog) : m_pDialog(dialog) {}
    void ShowCellHints(const std::string& text, int hintNumber) override {
        if (m_pDialog) {
            m_pDialog->ShowCellHints(text, hintNumber);
        }
    }

private:
    QPointer<CSelectCellDlg> m_pDialog;
};

}  // namespace

CSelectCellDlg::CSelectCellDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("selectCell"));
    setProperty("controlId", ids::IDD_SELECT_CELL);
    setModal(false);
    dlgtemplate::SetupDialog(this, tr("Select A Cell"), 191, 79);

    QLabel* prompt = dlgtemplate::AddText(
        this, -1, "cellPrompt", tr("Please click on the cell to see its associated hints."), 5, 6,
        181, 10);
    prompt->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_pListLabel = dlgtemplate::AddText(this, ids::IDC_CELL_HINT_LABEL, "cellHintLabel",
                                        tr("The associated hints for this cell are listed below."),
                                        5, 22, 181, 10);
    m_pListLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_pList = new QLineEdit(this);
    m_pList->setReadOnly(true);
    dlgtemplate::Place(m_pList, ids::IDC_CELL_HINT_LIST, "cellHintList", 5, 35, 181, 13);
    QPushButton* ok = dlgtemplate::AddButton(this, ids::IDOK, "okButton", tr("OK"), 30, 58, 50, 14);
    ok->setDefault(true);
    QPushButton* help =
        dlgtemplate::AddButton(this, ids::IDHELP, "helpButton", tr("Help"), 111, 58, 50, 14);
    connect(ok, &QPushButton::clicked, this, &CSelectCellDlg::accept);
    connect(help, &QPushButton::clicked, this,
            [] { platform::WinHelp(platform::HelpCommand::Context, ids::HELP_SELECT_CELL); });
    m_pListLabel->setEnabled(false);
    m_pList->setEnabled(false);
}

CSelectCellDlg::~CSelectCellDlg() = default;

std::unique_ptr<IHintFinder> CSelectCellDlg::MakeForwarder() {
    return std::make_unique<CellHintsForwarder>(this);
}

void CSelectCellDlg::showEvent(QShowEvent* event) {
    // Every showing starts afresh: the last cell's list is gone.
    m_pListLabel->setEnabled(false);
    m_pList->setEnabled(false);
    m_strHintList.clear();
    UpdateControls();
    QDialog::showEvent(event);
}

void CSelectCellDlg::ShowCellHints(const std::string& text, int hintNumber) {
    // Most cells of a cross-number board belong to two answers: their hints are listed, and the
    // player presses the button of the one wanted. A cell of one hint shows that hint at once;
    // a cell of none leaves the dialog as it was.
    if (hintNumber != 0 || !text.empty()) {
        if (hintNumber != 0) {
            emit HintChosen(hintNumber);
        }
        m_pListLabel->setEnabled(true);
        m_pList->setEnabled(true);
        m_strHintList = text;
    }
    UpdateControls();
}

void CSelectCellDlg::UpdateControls() {
    m_pList->setText(platform::FromCp1252(m_strHintList));
}

void CSelectCellDlg::Dismiss() {
    emit Dismissed();
    hide();
}

void CSelectCellDlg::accept() {
    Dismiss();
}

void CSelectCellDlg::reject() {
    Dismiss();
}

void CSelectCellDlg::closeEvent(QCloseEvent* event) {
    // Hidden, never destroyed: the board view keeps it for the game's whole run.
    event->ignore();
    Dismiss();
}
