// SPDX-License-Identifier: MIT
// The main frame's side of a game: the windows as the game's flow drives them, and the
// settings.
#include <QAction>
#include <QEventLoop>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>

#include "app/ActionBar.h"
#include "app/ChildFrame.h"
#include "app/DialogPlacement.h"
#include "app/GameSettings.h"
#include "app/MainFrame.h"
#include "app/SelectCellDlg.h"
#include "app/SettingsDlg.h"
#include "board/MathGridView.h"
#include "hypertext/MuWnd.h"
#include "platform/Cp1252.h"
#include "platform/GamePaths.h"
#include "platform/GameSwitches.h"
#include "puzzle/MathGridDoc.h"
#include "resources/ResourceIds.h"

// ---- The windows ----

void CMainFrame::ShowMainWindow() {
    // Centred by the game rather than wherever a window manager would put it later, so what
    // opens beside it (the quick instructions) knows where it stands.
    if (!testAttribute(Qt::WA_Moved) && screen()) {
        const QRect area = screen()->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    show();
}

bool CMainFrame::CloseMainWindow() {
    return close();
}

bool CMainFrame::LoadPage(const std::string& path) {
    return m_pHypertext->LoadFile(path, 0, CMuWnd::LoadErrors::Reported, kHtfAnswerModeNormal);
}

std::pair<std::string, int> CMainFrame::PageOnShow() const {
    return {m_pHypertext->FileName(), m_pHypertext->TopLine()};
}

void CMainFrame::ReturnToPage(const std::pair<std::string, int>& page) {
    m_pHypertext->LoadFile(page.first, page.second, CMuWnd::LoadErrors::Silent,
                           kHtfAnswerModeNormal);
}

void CMainFrame::SetBoardDocument(CMathGridDoc* document) {
    m_pBoardView->SetDocument(document);
}

void CMainFrame::RefreshBoard() {
    m_pBoardView->OnInitialUpdate();
}

void CMainFrame::ShowMarkChange(board::CellPos cell) {
    m_pBoardView->ShowChangedCell(cell);
}

void CMainFrame::RepaintBoard() {
    m_pBoardFrame->update();
}

void CMainFrame::Celebrate() {
    CMathGridDoc* doc = Document();
    if (!HasGameWindows() || !doc || s_nCelebrationMs <= 0 || doc->m_answers.empty()) {
        return;
    }
    // The answers light up in turn while the finishing sound plays; the player's clicks wait.
    const int count = static_cast<int>(doc->m_answers.size());
    QEventLoop loop;
    QTimer timer;
    int lit = 0;
    connect(&timer, &QTimer::timeout, &loop, [&] {
        if (++lit > count + count / 4) {
            loop.quit();
        } else {
            m_pBoardView->SetCelebration(lit);
        }
    });
    timer.start(std::max(15, s_nCelebrationMs / (count + count / 4 + 1)));
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (m_pBoardView) {
        m_pBoardView->SetCelebration(0);
    }
}

void CMainFrame::ShowHintFinder(bool on) {
    if (on && !m_pHintFinder->isVisible()) {
        // Beside the board, whose cells the player is asked to click, until the player puts
        // the finder somewhere else.
        m_bFinderMoved =
            m_bFinderMoved || (m_ptFinderPlaced.x() >= 0 &&
                               placement::MovedByPlayer(m_ptFinderPlaced, m_pHintFinder->pos()));
        const QRect board = BoardOnScreen();
        if (!m_bFinderMoved && !board.isEmpty() && screen()) {
            m_ptFinderPlaced =
                placement::PlaceBeside(*m_pHintFinder, board, screen()->availableGeometry());
        }
    }
    m_pHintFinder->setVisible(on);
    if (on) {
        m_pHintFinder->raise();
    }
}

void CMainFrame::BuildHintButtons(int count) {
    m_pActionBar->BuildHintButtons(count);
    // Actions > Hints lists the hints this puzzle has.
    for (int id = ids::ID_HINT_CLEAR + 1; id <= ids::ID_HINT_LAST; ++id) {
        if (QAction* action = CommandAction(id)) {
            action->setVisible(id - ids::ID_HINT_CLEAR <= count);
        }
    }
    // More or fewer hints may take the bar to two rows or back to one.
    const int height = m_pActionBar->m_nHeight;
    PlaceActionBar();
    if (m_bLaidOut && height != m_pActionBar->m_nHeight) {
        ArrangeGameWindows();
    }
}

void CMainFrame::SelectHintButton(int n) {
    if (n != 0) {
        m_pActionBar->SelectHintButton(n);
    } else {
        m_pActionBar->EnableAllHintButtons();
    }
    UpdateCommandStates();
}

void CMainFrame::ShowGameWindows(const std::string& title) {
    m_pActionBar->show();
    m_pActionBar->raise();
    m_pHypertext->show();
    m_pBoardFrame->setWindowTitle(platform::FromCp1252(title));
    m_pBoardFrame->show();
    m_pBoardView->setFocus();
    m_pHypertext->setFocus();
    // Also when the main window first shows (at start-up): the MDI area gives the focus back
    // to its active window, which must be the page's, not the board's.
    m_pMdiClient->setActiveSubWindow(m_pHypertext);
}

void CMainFrame::SetPane(int index, const std::string& text) {
    if (QLabel* pane = StatusPane(index)) {
        pane->setText(QString::fromStdString(text));
    }
}

void CMainFrame::RepaintStatusBar() {
    statusBar()->update();
}

// ---- Settings ----

void CMainFrame::OnSettings() {
    SetHintMode(false);
    CSettingsDlg dialog(this);
    dialog.m_bPlaySounds = platform::PlaySoundsOn() ? 1 : 0;
    dialog.m_bUseErrorDetection = m_flow.m_bUseErrorDetection;
    if (m_pBoardView) {
        dialog.m_crHighlight = m_pBoardView->m_crHint;
        dialog.m_crPrimary = m_pBoardView->m_crPrimary;
        dialog.m_crSecondary = m_pBoardView->m_crSecondary;
    }
    if (RunSettings(dialog) != platform::IDOK) {
        return;
    }
    platform::SetPlaySounds(dialog.m_bPlaySounds != 0);
    m_flow.m_bUseErrorDetection = dialog.m_bUseErrorDetection ? 1 : 0;
    const GameSettings chosen{dialog.m_bPlaySounds != 0,
                              dialog.m_bUseErrorDetection != 0,
                              {dialog.m_crHighlight, dialog.m_crPrimary, dialog.m_crSecondary}};
    chosen.Write(platform::GamePaths::Settings());
    if (m_pBoardView) {
        m_pBoardView->SetColors(dialog.m_crHighlight, dialog.m_crPrimary, dialog.m_crSecondary);
    }
}

int CMainFrame::RunSettings(CSettingsDlg& dialog) {
    return dialog.DoModal();
}
