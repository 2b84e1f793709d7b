// SPDX-License-Identifier: MIT
// The main window of the game: menu, status bar, game windows and their layout, closing.
#include "app/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QUndoStack>
#include <algorithm>

#include "app/ActionBar.h"
#include "app/ChildFrame.h"
#include "app/GameApp.h"
#include "app/SelectCellDlg.h"
#include "board/MathGridView.h"
#include "hypertext/MuWnd.h"
#include "platform/Cp1252.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"
#include "platform/UserPrefs.h"
#include "players/Player.h"
#include "puzzle/MathGridDoc.h"
#include "resources/ResourceIds.h"

CMainFrame::CMainFrame(CPlayer& player) : m_player(player) {
    setWindowTitle(QString::fromLatin1(platform::kAppTitle));
}

CMainFrame::~CMainFrame() {
    // The view leaves the document as it goes, so it goes first.
    delete m_pBoardFrame;
    m_pBoardFrame = nullptr;
    m_pBoardView = nullptr;
    m_pHintFinder = nullptr;
}

bool CMainFrame::Create() {
    setObjectName("mainFrame");
    m_pMdiClient = new QMdiArea(this);
    m_pMdiClient->setObjectName("mdiClient");
    m_pMdiClient->setBackground(QBrush(QColor(128, 128, 128)));
    m_pMdiClient->viewport()->installEventFilter(this);
    setCentralWidget(m_pMdiClient);
    CreateMenus();
    if (!CreateStatusBar()) {
        return false;
    }
    resize(1060, 720);
    return true;
}

QAction* CMainFrame::AddCommand(QMenu* menu, const QString& text, int commandId, const char* prompt,
                                void (CMainFrame::*handler)()) {
    QAction* action = menu->addAction(text);
    action->setProperty("commandId", commandId);
    if (prompt) {
        // The prompt's first line is the status-bar text; a second line names the command.
        QString full = QString::fromLatin1(prompt);
        action->setProperty("prompt", full);
        action->setStatusTip(full.section(QLatin1Char('\n'), 0, 0));
    }
    if (handler) {
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    }
    return action;
}

void CMainFrame::CreateMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    AddCommand(file, tr("&New Game"), ids::ID_NEW_GAME, "Select a new game to play\nNew Game",
               &CMainFrame::OnNewGame);
    AddCommand(file, tr("&Load Saved Game"), ids::ID_LOAD_SAVED_GAME,
               "Load a previously saved game\nLoad Saved Game", &CMainFrame::OnLoadSavedGame);
    AddCommand(file, tr("&Save Game"), ids::ID_SAVE_GAME, "Save this game\nSave Game",
               &CMainFrame::SaveCurrentGame);
    AddCommand(file, tr("New &Puzzle..."), ids::ID_NEW_PUZZLE,
               "Make a new puzzle of your own and play it\nNew Puzzle", &CMainFrame::OnNewPuzzle);
    file->addSeparator();
    QAction* exit = AddCommand(file, tr("E&xit"), ids::ID_APP_EXIT,
                               "Quit the application; prompts to save documents\nExit", nullptr);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* actions = menuBar()->addMenu(tr("&Actions"));
    AddCommand(actions, tr("&Show Solution"), ids::ID_SHOW_SOLUTION,
               "See the answer and end the game.", &CMainFrame::OnShowSolution);
    AddCommand(actions, tr("Check &Answer"), ids::ID_CHECK_ANSWER,
               "See if your answer is correct so far.", &CMainFrame::OnCheckAnswer);
    AddCommand(actions, tr("&Find Hints For A Cell"), ids::ID_FIND_HINTS,
               "Click on a cell and see its associated hint.", &CMainFrame::OnFindHints);
    AddCommand(actions, tr("Play Reward Game"), ids::ID_PLAY_REWARD_GAME,
               "Play the reward game!\nReward Game!", &CMainFrame::OnPlayRewardGame);
    actions->addSeparator();
    QMenu* stats = actions->addMenu(tr("&View Statistics"));
    AddCommand(stats, tr("&Current Player"), ids::ID_STATS_CURRENT_PLAYER,
               "See statistics for games this player has played.",
               &CMainFrame::OnStatsCurrentPlayer);
    AddCommand(stats, tr("&Any Player"), ids::ID_STATS_ANY_PLAYER,
               "See statistics for games a player has played.", &CMainFrame::OnStatsAnyPlayer);
    QMenu* maintenance = actions->addMenu(tr("Game &Maintenance"));
    AddCommand(maintenance, tr("&Settings"), ids::ID_SETTINGS, "Modify various game settings.",
               &CMainFrame::OnSettings);
    AddCommand(maintenance, tr("&Delete Player"), ids::ID_DELETE_PLAYER,
               "Remove a player from the player database.", &CMainFrame::OnDeletePlayer);
    AddCommand(actions, tr("&New Player"), ids::ID_NEW_PLAYER, "Select or create a new player.",
               &CMainFrame::OnNewPlayer);
    actions->addSeparator();
    QAction* undo =
        AddCommand(actions, tr("&Undo"), ids::ID_UNDO_MARK,
                   "Take back the last change of a cell\nUndo", &CMainFrame::OnUndoMark);
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo =
        AddCommand(actions, tr("&Redo"), ids::ID_REDO_MARK,
                   "Make the change just taken back again\nRedo", &CMainFrame::OnRedoMark);
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    QMenu* view = menuBar()->addMenu(tr("&View"));
    QAction* statusBarToggle = AddCommand(view, tr("&Status Bar"), ids::ID_VIEW_STATUS_BAR,
                                          "Show or hide the status bar\nToggle StatusBar", nullptr);
    statusBarToggle->setCheckable(true);
    statusBarToggle->setChecked(true);
    connect(statusBarToggle, &QAction::toggled, this,
            [this](bool on) { statusBar()->setVisible(on); });
    view->addSeparator();
    QAction* zoomIn = AddCommand(view, tr("Zoom &In"), ids::ID_ZOOM_IN,
                                 "Show the board larger\nZoom In", &CMainFrame::OnZoomIn);
    zoomIn->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    QAction* zoomOut = AddCommand(view, tr("Zoom &Out"), ids::ID_ZOOM_OUT,
                                  "Show the board smaller\nZoom Out", &CMainFrame::OnZoomOut);
    zoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    QAction* actualSize =
        AddCommand(view, tr("&Actual Size"), ids::ID_ACTUAL_SIZE,
                   "Show the board at its own size\nActual Size", &CMainFrame::OnActualSize);
    actualSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* about =
        AddCommand(help, tr("&About..."), ids::ID_APP_ABOUT,
                   "Display program information, version number and copyright\nAbout", nullptr);
    connect(about, &QAction::triggered, this, [] {
        if (CGameApp* app = CGameApp::Get()) {
            app->OnAbout();
        }
    });
    help->addSeparator();
    AddCommand(help, tr("&Quick Instructions"), ids::ID_QUICK_INSTRUCTIONS,
               "Displays example game\nExample Game", &CMainFrame::OnQuickInstructions);
    QAction* instructions = AddCommand(help, tr("&Instructions"), ids::ID_HELP_INDEX,
                                       "Displays Game Help File\nHelp", nullptr);
    connect(instructions, &QAction::triggered, this, [] {
        if (CGameApp* app = CGameApp::Get()) {
            app->OnHelp();
        }
    });
    AddCommand(help, tr("&Scoring"), ids::ID_SCORING, nullptr, &CMainFrame::OnScoring);

    for (QMenu* menu : {file, actions, view}) {
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
    }
    // Once a menu of the bar closes, the last item's prompt gives way to "Ready" again.
    for (QMenu* menu : {file, actions, view, help}) {
        connect(menu, &QMenu::aboutToHide, this, [this] {
            if (m_panes[0]) {
                m_panes[0]->setText(QStringLiteral("Ready"));
            }
        });
    }
    UpdateCommandStates();
}

QAction* CMainFrame::CommandAction(int commandId) const {
    for (QAction* action : menuBar()->findChildren<QAction*>()) {
        if (action->property("commandId").toInt() == commandId) {
            return action;
        }
    }
    return nullptr;
}

void CMainFrame::UpdateCommandStates() {
    bool playing = !(m_pBoardView && m_pBoardView->m_bShowSolution);
    for (int id : {ids::ID_SAVE_GAME, ids::ID_CHECK_ANSWER, ids::ID_SHOW_SOLUTION}) {
        if (QAction* action = CommandAction(id)) {
            action->setEnabled(playing);
        }
    }
    if (QAction* reward = CommandAction(ids::ID_PLAY_REWARD_GAME)) {
        reward->setEnabled(m_bRewardAvailable != 0);
    }
    const QUndoStack* history = m_pBoardView ? m_pBoardView->UndoStack() : nullptr;
    if (QAction* undo = CommandAction(ids::ID_UNDO_MARK)) {
        undo->setEnabled(playing && history && history->canUndo());
    }
    if (QAction* redo = CommandAction(ids::ID_REDO_MARK)) {
        redo->setEnabled(playing && history && history->canRedo());
    }
    const int zoom = m_pBoardView ? m_pBoardView->Zoom() : CDibView::kMinZoom;
    if (QAction* zoomIn = CommandAction(ids::ID_ZOOM_IN)) {
        zoomIn->setEnabled(m_pBoardView && zoom < CDibView::kMaxZoom);
    }
    if (QAction* zoomOut = CommandAction(ids::ID_ZOOM_OUT)) {
        zoomOut->setEnabled(m_pBoardView && zoom > CDibView::kMinZoom);
    }
    if (QAction* actualSize = CommandAction(ids::ID_ACTUAL_SIZE)) {
        actualSize->setEnabled(m_pBoardView && zoom != CDibView::kMinZoom);
    }
}

void CMainFrame::OnUndoMark() {
    if (HasGameWindows() && !m_pBoardView->m_bShowSolution) {
        m_pBoardView->UndoStack()->undo();
    }
}

void CMainFrame::OnRedoMark() {
    if (HasGameWindows() && !m_pBoardView->m_bShowSolution) {
        m_pBoardView->UndoStack()->redo();
    }
}

void CMainFrame::OnZoomIn() {
    if (HasGameWindows()) {
        SetBoardZoom(m_pBoardView->Zoom() + CDibView::kZoomStep);
    }
}

void CMainFrame::OnZoomOut() {
    if (HasGameWindows()) {
        SetBoardZoom(m_pBoardView->Zoom() - CDibView::kZoomStep);
    }
}

void CMainFrame::OnActualSize() {
    SetBoardZoom(CDibView::kMinZoom);
}

void CMainFrame::SetBoardZoom(int percent) {
    if (!HasGameWindows()) {
        return;
    }
    m_pBoardView->SetZoom(percent);
    platform::WriteBoardZoom(m_pBoardView->Zoom());
    SizeBoardFrame();
    UpdateCommandStates();
}

bool CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    if (!bar) {
        return false;
    }
    bar->setObjectName("statusBar");
    bar->setProperty("controlId", ids::AFX_IDW_STATUS_BAR);
    static const char* const kInitial[4] = {"Ready", "Hints: 0   ", "Checks: 0   ", "Played: 0   "};
    static const char* const kNames[4] = {"Status", "Hints taken", "Checks made", "Times played"};
    for (int i = 0; i < 4; ++i) {
        m_panes[i] = new QLabel(QString::fromLatin1(kInitial[i]), bar);
        m_panes[i]->setObjectName(QStringLiteral("pane%1").arg(i));
        m_panes[i]->setAccessibleName(QString::fromLatin1(kNames[i]));
        m_panes[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (i == 0) {
            bar->addWidget(m_panes[i], 1);
        } else {
            m_panes[i]->setMinimumWidth(m_panes[i]->sizeHint().width());
            bar->addPermanentWidget(m_panes[i]);
        }
    }
    return true;
}

QLabel* CMainFrame::StatusPane(int index) const {
    return index >= 0 && index < 4 ? m_panes[index] : nullptr;
}

bool CMainFrame::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        // Prompts go to pane 0 and leave the counters in sight.
        QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        m_panes[0]->setText(tip.isEmpty() ? QStringLiteral("Ready") : tip);
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::SetGameTitle(const std::string& title) {
    setWindowTitle(platform::FromCp1252(title));
}

void CMainFrame::changeEvent(QEvent* event) {
    // The page window blanks the caption when it takes the focus; the game's title comes back.
    if (event->type() == QEvent::WindowTitleChange && windowTitle().isEmpty() &&
        !m_strGameTitle.empty()) {
        SetGameTitle(m_strGameTitle);
    }
    QMainWindow::changeEvent(event);
}

bool CMainFrame::CreateGameWindows() {
    if (HasGameWindows() || !m_pMdiClient) {
        return HasGameWindows();
    }
    // The bar lies over the top of the MDI area, where the game windows never go.
    m_pActionBar = new CActionBar(*this, m_pMdiClient);
    PlaceActionBar();
    m_pActionBar->show();
    m_pActionBar->raise();

    m_pHypertext = new CMuWnd;
    if (!m_pHypertext->Create(m_pMdiClient)) {
        delete m_pHypertext;
        m_pHypertext = nullptr;
        return false;
    }
    m_pHypertext->move(0, 1);
    m_pHypertext->resize(320, 398);
    m_pHypertext->show();

    m_pBoardFrame = new CChildFrame;
    m_pBoardView = new CMathGridView;
    m_pBoardView->setObjectName(QStringLiteral("boardView"));
    m_pBoardView->setProperty("controlId", ids::AFX_IDW_PANE_FIRST);
    m_pBoardFrame->setWidget(m_pBoardView);
    m_pMdiClient->addSubWindow(m_pBoardFrame);
    m_pBoardFrame->setGeometry(0, 1, 320, 398);

    m_pHintFinder = new CSelectCellDlg(*this, m_pBoardView);
    m_pBoardView->SetHintFinder(m_pHintFinder->MakeForwarder());

    m_pDocument = std::make_unique<CMathGridDoc>();
    m_pBoardView->SetDocument(m_pDocument.get());
    m_pBoardView->SetZoom(platform::ReadBoardZoom(CDibView::kMinZoom));
    QUndoStack* history = m_pBoardView->UndoStack();
    connect(history, &QUndoStack::indexChanged, this, &CMainFrame::UpdateCommandStates);
    connect(history, &QUndoStack::canRedoChanged, this, &CMainFrame::UpdateCommandStates);

    m_pBoardFrame->move(321, 1);
    m_pBoardFrame->show();
    m_pActionBar->raise();
    // Tab keys are seen before the page and board windows keep them to themselves.
    qApp->installEventFilter(this);
    return true;
}

void CMainFrame::PlaceActionBar() {
    if (!m_pActionBar || !m_pMdiClient) {
        return;
    }
    QPoint origin = m_pMdiClient->viewport()->geometry().topLeft();
    m_pActionBar->setGeometry(origin.x() + 1, origin.y() + 1,
                              std::max(1, m_pMdiClient->viewport()->width() - 1),
                              m_pActionBar->m_nHeight);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (m_pMdiClient && watched == m_pMdiClient->viewport() &&
        (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
        PlaceActionBar();
        if (HasGameWindows() && m_pBoardView->Zoom() != CDibView::kMinZoom) {
            SizeBoardFrame();
        }
    }
    if (event->type() == QEvent::KeyPress && HasGameWindows()) {
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::ShiftModifier;
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            (mods == Qt::NoModifier || mods == Qt::ControlModifier) &&
            watched == QApplication::focusWidget()) {
            bool forward = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
            if (TabToPane(static_cast<QWidget*>(watched), forward, mods == Qt::ControlModifier)) {
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool CMainFrame::TabToPane(QWidget* focus, bool forward, bool wholePane) {
    // The focusable buttons of the bar, left to right.
    std::vector<QWidget*> bar;
    for (QWidget* w = m_pActionBar->nextInFocusChain(); w && w != m_pActionBar;
         w = w->nextInFocusChain()) {
        if (m_pActionBar->isAncestorOf(w) && w->isVisibleTo(m_pActionBar) && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus)) {
            bar.push_back(w);
        }
    }
    std::stable_sort(bar.begin(), bar.end(),
                     [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
    QWidget* page = m_pHypertext->ClientArea();
    QWidget* panes[3] = {bar.empty() ? nullptr : (forward ? bar.front() : bar.back()), page,
                         m_pBoardView};
    int pane = -1;
    if (m_pActionBar->isAncestorOf(focus)) {
        pane = 0;
        auto at = std::find(bar.begin(), bar.end(), focus);
        // Within the bar Tab goes from button to button, leaving at either end.
        if (!wholePane && at != bar.end()) {
            if (forward && at + 1 != bar.end()) {
                (*(at + 1))->setFocus(Qt::TabFocusReason);
                return true;
            }
            if (!forward && at != bar.begin()) {
                (*(at - 1))->setFocus(Qt::BacktabFocusReason);
                return true;
            }
        }
    } else if (focus == m_pHypertext || m_pHypertext->isAncestorOf(focus)) {
        pane = 1;
    } else if (focus == m_pBoardView || m_pBoardView->isAncestorOf(focus)) {
        pane = 2;
    } else {
        return false;
    }
    for (int step = 1; step <= 3; ++step) {
        QWidget* next = panes[(pane + (forward ? step : 3 - step)) % 3];
        if (next && next->isVisible() && next->isEnabled()) {
            next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void CMainFrame::LayOutGameWindows() {
    // The bar lies on rows 1 to its height; the windows start on the row below it.
    int h = m_pActionBar->m_nHeight + 1;
    m_pHypertext->m_nMinTop = h;
    m_pBoardFrame->m_nMinTop = h;
    if (m_pHypertext->isMinimized() || m_pHypertext->isMaximized()) {
        m_pHypertext->showNormal();
    }
    if (m_pBoardFrame->isMinimized() || m_pBoardFrame->isMaximized()) {
        m_pBoardFrame->showNormal();
    }
    // A text column 305 pixels wide, whatever the window's borders and scroll bar take.
    QMargins frame = m_pHypertext->contentsMargins();
    int decoration = frame.left() + frame.right();
    if (QWidget* scrollBar = m_pHypertext->ScrollBar(); scrollBar && !scrollBar->isHidden()) {
        decoration += scrollBar->sizeHint().width();
    }
    int w = decoration + 305;
    m_pHypertext->setGeometry(0, h, w, 398);
    m_pBoardFrame->move(w + 1, h);
    SizeBoardFrame();
}

void CMainFrame::SizeBoardFrame() {
    // The board frame shows the whole picture, at its zoom, inside its borders and caption;
    // a board grown past the client area scrolls.
    CSize picture = m_pBoardView->ZoomedDocSize();
    QMargins margins = m_pBoardFrame->contentsMargins();
    int border = 2 * m_pBoardView->frameWidth();
    QSize client = m_pMdiClient->viewport()->size();
    QPoint at = m_pBoardFrame->pos();
    int width = picture.cx + border + margins.left() + margins.right();
    int height = picture.cy + border + margins.top() + margins.bottom();
    if (m_pBoardView->Zoom() != CDibView::kMinZoom) {
        // Never smaller than the board at its own size, also while the client area is not
        // laid out yet (it sizes the frame again when it is).
        CSize natural = m_pDocument->GetDocSize();
        int chromeX = width - picture.cx;
        int chromeY = height - picture.cy;
        width = std::max(natural.cx + chromeX, std::min(width, client.width() - at.x()));
        height = std::max(natural.cy + chromeY, std::min(height, client.height() - at.y()));
    }
    m_pBoardFrame->resize(width, height);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_bClosing || OnClose()) {
        m_bClosing = true;
        event->accept();
    } else {
        event->ignore();
    }
}

bool CMainFrame::OnClose() {
    SetHintMode(false);
    if (platform::MessageBox("Are you sure you want to quit this game?", "Confirmation",
                             platform::MB_YESNO) != platform::IDYES) {
        return false;
    }
    if (HasGameWindows()) {
        SaveCurrentGame();
        SavePlayer();
        m_pActionBar->m_bCloseAllowed = 1;
        m_pActionBar->hide();
        m_pHypertext->m_bCloseAllowed = 1;
        m_pBoardFrame->m_bCloseAllowed = 1;
    }
    m_bClosing = true;
    return true;
}
