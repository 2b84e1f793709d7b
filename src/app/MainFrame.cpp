// SPDX-License-Identifier: MIT
// The main window of the game: menu, status bar, game windows and their layout, closing.
#include "app/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <algorithm>
#include <functional>

#include "app/ActionBar.h"
#include "app/ChildFrame.h"
#include "app/CommandTable.h"
#include "app/GameDialogs.h"
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

namespace {

// The main window at its first start takes this share of a large screen's free area, in
// tenths.
constexpr int kScreenShare = 9;
// The page takes this share of the client area's width, in twentieths, and never less than its
// text column; the board frame takes the rest.
constexpr int kPageShare = 7;
// The page window and the board frame stand side by side, this size until a game lays them
// out; then they fill the client area, the board never narrower, the page keeping a text
// column of its own width.
constexpr int kGameWindowWidth = 320;
constexpr int kGameWindowHeight = 398;
constexpr int kPageTextWidth = 305;
// The page window's own largest height, which a taller client area lifts.
constexpr int kPageHeight = 600;

}  // namespace

CMainFrame::CMainFrame(CPlayer& player, std::unique_ptr<IGameDialogs> dialogs)
    : m_pDialogs(dialogs ? std::move(dialogs) : std::make_unique<CGameDialogs>(player, this)),
      m_flow(player, *this, *m_pDialogs) {
    if (auto* own = dynamic_cast<CGameDialogs*>(m_pDialogs.get())) {
        own->AvoidBoard([this] { return BoardOnScreen(); });
    }
    setWindowTitle(QString::fromLatin1(platform::kAppTitle));
    m_flow.SetMessageOwner(static_cast<const QWidget*>(this));
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
    m_pMdiClient->installEventFilter(this);
    setCentralWidget(m_pMdiClient);
    CreateMenus();
    if (!CreateStatusBar()) {
        return false;
    }
    PlaceOnScreen();
    return true;
}

void CMainFrame::PlaceOnScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        resize(kGameWindowWidth * 3, kGameWindowHeight * 2);
        return;
    }
    const QRect free = screen->availableGeometry();
    // The window's borders and caption, as far as they are known before it shows; a frame
    // without a window manager has none.
    const QMargins chrome(4, 30, 4, 4);
    const QRect room = free.marginsRemoved(chrome);
    // A small screen is given whole to the game.
    const int share = room.width() >= 1000 && room.height() >= 700 ? kScreenShare : 10;
    QRect place(0, 0, room.width() * share / 10, room.height() * share / 10);
    place.moveCenter(room.center());
    if (platform::WindowPlace kept; platform::ReadWindowPlace(kept)) {
        // As the player left it, but never larger than the screen nor partly off it.
        place = QRect(kept.x, kept.y, std::min(kept.width, room.width()),
                      std::min(kept.height, room.height()));
        place.moveLeft(std::clamp(place.left(), room.left(), room.right() + 1 - place.width()));
        place.moveTop(std::clamp(place.top(), room.top(), room.bottom() + 1 - place.height()));
    }
    setGeometry(place);
}

void CMainFrame::CreateMenus() {
    // Each row finds or makes its menu along the path; a row that opens a submenu puts its
    // separator above the submenu.
    std::vector<std::pair<QString, QMenu*>> menus;
    std::function<std::pair<QMenu*, bool>(const QString&, bool)> menuAt =
        [&](const QString& path, bool separatorBefore) -> std::pair<QMenu*, bool> {
        for (const auto& [known, menu] : menus) {
            if (known == path) {
                return std::pair{menu, separatorBefore};
            }
        }
        const int slash = path.lastIndexOf(QLatin1Char('/'));
        QMenu* menu = nullptr;
        if (slash < 0) {
            menu = menuBar()->addMenu(path);
        } else {
            // A submenu comes after an item of its parent menu.
            QMenu* parent = menuAt(path.left(slash), false).first;
            if (separatorBefore) {
                parent->addSeparator();
            }
            menu = parent->addMenu(path.mid(slash + 1));
        }
        menus.emplace_back(path, menu);
        return std::pair{menu, separatorBefore && slash < 0};
    };
    for (const CommandRow& row : CommandTable()) {
        auto [menu, separator] = menuAt(QString::fromLatin1(row.menu), row.separatorBefore);
        if (separator) {
            menu->addSeparator();
        }
        QAction* action = menu->addAction(QString::fromLatin1(row.text));
        action->setProperty("commandId", row.id);
        if (row.prompt) {
            // The prompt's first line is the status-bar text; a second line names the command.
            const QString full = QString::fromLatin1(row.prompt);
            action->setProperty("prompt", full);
            action->setStatusTip(full.section(QLatin1Char('\n'), 0, 0));
        }
        if (row.shortcuts) {
            action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(row.shortcuts),
                                                              QKeySequence::PortableText));
        }
        action->setCheckable(row.checked != nullptr);
        connect(action, &QAction::triggered, this, [this, run = row.run] { run(*this); });
    }
    for (const auto& [path, menu] : menus) {
        if (!path.contains(QLatin1Char('/'))) {
            connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
            // Once a menu of the bar closes, the last item's prompt gives way to "Ready".
            connect(menu, &QMenu::aboutToHide, this, [this] {
                if (m_panes[0]) {
                    m_panes[0]->setText(QStringLiteral("Ready"));
                }
            });
        }
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
    for (const CommandRow& row : CommandTable()) {
        if (QAction* action = CommandAction(row.id)) {
            action->setEnabled(!row.enabled || row.enabled(*this));
            if (row.checked) {
                action->setChecked(row.checked(*this));
            }
        }
    }
}

bool CMainFrame::CanZoom(int direction) const {
    if (!m_pBoardView) {
        return false;
    }
    const int zoom = m_pBoardView->Zoom();
    return direction > 0   ? zoom < CDibView::kMaxZoom
           : direction < 0 ? zoom > CDibView::kMinZoom
                           : zoom != CDibView::kMinZoom;
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
    UpdateCommandStates();
}

void CMainFrame::OnPrintInFront() {
    if (HasGameWindows() && m_pMdiClient->activeSubWindow() == m_pBoardFrame) {
        OnPrintBoard();
    } else {
        OnPrintPage();
    }
}

void CMainFrame::OnPrintPage() {
    if (HasGameWindows()) {
        m_flow.SetHintMode(false);
        m_pHypertext->OnFilePrint();
    }
}

void CMainFrame::OnPrintBoard() {
    if (HasGameWindows()) {
        m_flow.SetHintMode(false);
        m_pBoardView->OnFilePrint();
    }
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
        !m_flow.m_strGameTitle.empty()) {
        SetGameTitle(m_flow.m_strGameTitle);
    }
    QMainWindow::changeEvent(event);
}

bool CMainFrame::CreateGameWindows() {
    if (HasGameWindows() || !m_pMdiClient) {
        return HasGameWindows();
    }
    // The bar lies over the top of the MDI area, where the game windows never go. It is the
    // frame's own child: an MDI area tells assistive technology of its windows only, and the
    // bar's buttons must be there for a player who cannot see them.
    m_pActionBar = new CActionBar(this);
    m_pActionBar->SetCommands(CommandAction(ids::ID_SHOW_SOLUTION),
                              CommandAction(ids::ID_CHECK_ANSWER),
                              CommandAction(ids::ID_FIND_HINTS));
    connect(m_pActionBar, &CActionBar::HintChosen, this, &CMainFrame::ShowHint);
    PlaceActionBar();
    m_pActionBar->show();
    m_pActionBar->raise();

    m_pHypertext = new CMuWnd;
    if (!m_pHypertext->Create(m_pMdiClient)) {
        delete m_pHypertext;
        m_pHypertext = nullptr;
        return false;
    }
    // Ctrl+P belongs to File > Print..., which prints whichever window is in front.
    for (QAction* action : m_pHypertext->actions()) {
        if (action->property("commandId").toInt() == ids::ID_FILE_PRINT) {
            action->setShortcut(QKeySequence());
        }
    }
    m_pHypertext->move(0, 1);
    m_pHypertext->resize(kGameWindowWidth, kGameWindowHeight);
    m_pHypertext->show();

    m_pBoardFrame = new CChildFrame;
    m_pBoardView = new CMathGridView;
    m_pBoardView->setObjectName(QStringLiteral("boardView"));
    m_pBoardView->setProperty("controlId", ids::AFX_IDW_PANE_FIRST);
    m_pBoardFrame->setWidget(m_pBoardView);
    m_pMdiClient->addSubWindow(m_pBoardFrame);
    m_pBoardFrame->setGeometry(0, 1, kGameWindowWidth, kGameWindowHeight);

    m_pHintFinder = new CSelectCellDlg(m_pBoardView);
    m_pBoardView->SetHintFinder(m_pHintFinder->MakeForwarder());
    connect(m_pHintFinder, &CSelectCellDlg::HintChosen, this, &CMainFrame::ShowHint);
    connect(m_pHintFinder, &CSelectCellDlg::Dismissed, this, [this] { SetHintMode(false); });

    m_pBoardView->SetColors(m_boardColors.hint, m_boardColors.primary, m_boardColors.secondary);
    m_pBoardView->SetDocument(Document());
    m_pBoardView->SetZoom(platform::ReadBoardZoom(CDibView::kMinZoom));
    m_pBoardView->SetModes(&m_flow.Modes());
    m_pBoardView->SetCentred(true);
    m_pBoardView->SetHistory(&m_flow.History());
    connect(m_pBoardView, &CGridView::MarksChanged, this, &CMainFrame::UpdateCommandStates);
    // Paste follows what the clipboard holds.
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        connect(clipboard, &QClipboard::dataChanged, this, &CMainFrame::UpdateCommandStates);
    }

    m_pBoardFrame->move(321, 1);
    m_pBoardFrame->show();
    m_pActionBar->raise();
    // Tab keys are seen before the page and board windows keep them to themselves.
    qApp->installEventFilter(this);
    return true;
}

QRect CMainFrame::BoardOnScreen() const {
    if (!HasGameWindows() || !m_pBoardFrame->isVisible()) {
        return QRect();
    }
    return QRect(m_pBoardFrame->mapToGlobal(QPoint(0, 0)), m_pBoardFrame->size());
}

void CMainFrame::PlaceActionBar() {
    if (!m_pActionBar || !m_pMdiClient) {
        return;
    }
    const QPoint origin = m_pMdiClient->viewport()->mapTo(this, QPoint(0, 0));
    const int width = std::max(1, m_pMdiClient->viewport()->width() - 1);
    m_pActionBar->setGeometry(origin.x() + 1, origin.y() + 1, width, m_pActionBar->FitWidth(width));
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (m_pMdiClient && (watched == m_pMdiClient->viewport() || watched == m_pMdiClient) &&
        (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
        PlaceActionBar();
        if (HasGameWindows() && m_bLaidOut && event->type() == QEvent::Resize) {
            ArrangeGameWindows();
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
    // The focusable buttons of the bar, left to right, row by row.
    std::vector<QWidget*> bar;
    for (QWidget* w = m_pActionBar->nextInFocusChain(); w && w != m_pActionBar;
         w = w->nextInFocusChain()) {
        if (m_pActionBar->isAncestorOf(w) && w->isVisibleTo(m_pActionBar) && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus)) {
            bar.push_back(w);
        }
    }
    std::stable_sort(bar.begin(), bar.end(), [](QWidget* a, QWidget* b) {
        // In reading order: a bar of two rows goes on with its second row.
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
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

void CMainFrame::LayOutGameWindows(const std::string& title) {
    m_pActionBar->setWindowTitle(platform::FromCp1252(title));
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
    m_bLaidOut = true;
    ArrangeGameWindows();
}

void CMainFrame::ArrangeGameWindows() {
    // Below the bar, the page on the left and the board on the right share the client area;
    // the page never narrower than its text column, whatever its borders and scroll bar take.
    const int top = m_pActionBar->m_nHeight + 1;
    m_pHypertext->m_nMinTop = top;
    m_pBoardFrame->m_nMinTop = top;
    const QSize client = m_pMdiClient->viewport()->size();
    const QMargins frame = m_pHypertext->contentsMargins();
    int decoration = frame.left() + frame.right();
    if (QWidget* scrollBar = m_pHypertext->ScrollBar(); scrollBar && !scrollBar->isHidden()) {
        decoration += scrollBar->sizeHint().width();
    }
    // The page window keeps to its own largest width; the board takes all the rest.
    const int pageWidth =
        std::min(m_pHypertext->maximumWidth(),
                 std::max(decoration + kPageTextWidth, client.width() * kPageShare / 20));
    const int height = std::max(kGameWindowHeight / 4, client.height() - top);
    // The page reaches down as far as the board: its lines keep their wrapping and more of them
    // show, so no grey is left under it on a tall window.
    m_pHypertext->setMaximumHeight(std::max(kPageHeight, height));
    m_pHypertext->setGeometry(0, top, pageWidth, height);
    const int boardLeft = pageWidth + 1;
    m_pBoardFrame->setGeometry(boardLeft, top,
                               std::max(kGameWindowWidth, client.width() - boardLeft), height);
    // The board at the largest whole scale that shows all of it; the zoom commands step on
    // from there until the window changes size again.
    const CSize natural = Document() ? Document()->GetDocSize() : CSize{0, 0};
    if (natural.cx > 0 && natural.cy > 0) {
        // The frame's borders and caption as its style draws them: its margins are known only
        // once it has been shown.
        const QStyle* style = m_pBoardFrame->style();
        const int edge =
            style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, m_pBoardFrame);
        const int caption = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, m_pBoardFrame);
        const QMargins margins = m_pBoardFrame->contentsMargins();
        const int border = 2 * m_pBoardView->frameWidth();
        const int roomX =
            m_pBoardFrame->width() - std::max(margins.left() + margins.right(), 2 * edge) - border;
        const int roomY = m_pBoardFrame->height() -
                          std::max(margins.top() + margins.bottom(), caption + 2 * edge) - border;
        // On a screen of two device pixels to one, half steps are whole device pixels too.
        const int step = devicePixelRatio() == 2.0 ? CDibView::kZoomStep / 2 : CDibView::kZoomStep;
        const int percent = std::min(roomX * 100 / natural.cx, roomY * 100 / natural.cy);
        m_pBoardView->SetZoom(percent, step);
    }
    UpdateCommandStates();
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
    if (!m_flow.OnClose()) {
        return false;
    }
    if (HasGameWindows()) {
        m_pActionBar->m_bCloseAllowed = 1;
        m_pActionBar->hide();
        m_pHypertext->m_bCloseAllowed = 1;
        m_pBoardFrame->m_bCloseAllowed = 1;
    }
    if (!isMaximized() && !isFullScreen() && !isMinimized()) {
        const QRect place = geometry();
        platform::WriteWindowPlace({place.x(), place.y(), place.width(), place.height()});
    }
    m_bClosing = true;
    return true;
}
