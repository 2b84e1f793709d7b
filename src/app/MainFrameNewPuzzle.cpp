// SPDX-License-Identifier: MIT
// File > New Puzzle...: a generated puzzle joins the game list and starts like a chosen game.
#include <QCoreApplication>
#include <QProgressDialog>
#include <algorithm>
#include <chrono>

#include "app/MainFrame.h"
#include "app/NewPuzzleDlg.h"
#include "hypertext/HtfQtFonts.h"
#include "maker/GeneratedGame.h"
#include "platform/Services.h"

namespace {
// About as many boards as the generator tries before it gives up.
constexpr int kShownTries = 60;
}  // namespace

int CMainFrame::RunNewPuzzle(CNewPuzzleDlg& dialog) {
    return dialog.exec();
}

bool CMainFrame::GenerationGoesOn(QProgressDialog& progress) {
    // The dialog shows itself once the work has taken half a second.
    QCoreApplication::processEvents();
    return !progress.wasCanceled();
}

void CMainFrame::OnNewPuzzle() {
    m_flow.SetHintMode(false);
    CNewPuzzleDlg dialog(this);
    if (RunNewPuzzle(dialog) != QDialog::Accepted) {
        return;
    }
    maker::GenerateOptions options;
    options.level = dialog.m_strLevel;
    options.size = dialog.m_nSize;
    options.topic = dialog.m_strTopic;
    options.seed =
        static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    QProgressDialog progress(tr("Making a new puzzle and checking that it has one solution..."),
                             tr("Cancel"), 0, kShownTries, this);
    progress.setObjectName(QStringLiteral("newPuzzleProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setValue(0);
    CHtfQtFonts fonts;
    maker::GeneratedGame game;
    std::string error;
    bool cancelled = false;
    const bool made = maker::AddGeneratedGame(
        options, fonts,
        [&](int tries) {
            // Each try is a new board; the bar fills as tries are used up, never to the end.
            progress.setValue(std::clamp(tries + 1, 1, kShownTries - 1));
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
    m_flow.StartChosenGame(StartPath::NewGame, {results::kPlaySelectedGame, game.title, game.stem,
                                                m_flow.m_bShowQuickInstructions != 0});
}
