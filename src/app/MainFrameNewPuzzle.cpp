// SPDX-License-Identifier: MIT
// File > New Puzzle...: a generated puzzle joins the game list and starts like a chosen game.
#include <QCoreApplication>
#include <QProgressDialog>
#include <chrono>

#include "app/MainFrame.h"
#include "app/NewPuzzleDlg.h"
#include "content/GeneratedGame.h"
#include "hypertext/HtfQtFonts.h"
#include "platform/Services.h"

int CMainFrame::RunNewPuzzle(CNewPuzzleDlg& dialog) {
    return dialog.exec();
}

bool CMainFrame::GenerationGoesOn(QProgressDialog& progress) {
    // The dialog shows itself once the work has taken half a second.
    progress.setValue((progress.value() + 1) % progress.maximum());
    QCoreApplication::processEvents();
    return !progress.wasCanceled();
}

void CMainFrame::OnNewPuzzle() {
    SetHintMode(false);
    CNewPuzzleDlg dialog(this);
    if (RunNewPuzzle(dialog) != QDialog::Accepted) {
        return;
    }
    content::GenerateOptions options;
    options.level = dialog.m_strLevel;
    options.size = dialog.m_nSize;
    options.seed =
        static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    QProgressDialog progress(tr("Making a new puzzle and checking that it has one solution..."),
                             tr("Cancel"), 0, 1000, this);
    progress.setObjectName(QStringLiteral("newPuzzleProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setValue(0);
    CHtfQtFonts fonts;
    content::GeneratedGame game;
    std::string error;
    bool cancelled = false;
    const bool made = content::AddGeneratedGame(
        options, fonts,
        [&](int) {
            cancelled = cancelled || !GenerationGoesOn(progress);
            return !cancelled;
        },
        game, error);
    progress.reset();
    if (!made) {
        if (!cancelled) {
            platform::MessageBox(error);
        }
        return;
    }
    // From here on as a game chosen with Play Selected Game.
    if (m_bShowQuickInstructions) {
        OnQuickInstructions();
    }
    SaveCurrentGame();
    const std::string leftStem = m_strGameStem;
    const std::string leftTitle = m_strGameTitle;
    m_strGameStem = game.stem;
    m_strGameTitle = game.title;
    if (!StartGame(m_strGameStem)) {
        KeepGame(leftStem, leftTitle);
        return;
    }
    SettleStartedGame(false);
    ShowStartMessage();
}
