// SPDX-License-Identifier: MIT
// The main window of the game: a multiple-document frame with its menu and status bar.
#include "app/MainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>

#include "platform/Cp1252.h"
#include "platform/Services.h"
#include "resources/ResourceIds.h"

CMainFrame::CMainFrame() { setWindowTitle(QString::fromLatin1(platform::kAppTitle)); }

CMainFrame::~CMainFrame() = default;

bool CMainFrame::Create() {
    setObjectName("mainFrame");
    m_pMdiClient = new QMdiArea(this);
    m_pMdiClient->setObjectName("mdiClient");
    m_pMdiClient->setBackground(QBrush(QColor(128, 128, 128)));
    setCentralWidget(m_pMdiClient);
    CreateMenus();
    if (!CreateStatusBar()) {
        return false;
    }
    resize(900, 560);
    return true;
}

void CMainFrame::CreateMenus() {
    // Only the commands that work are on the menu; the game's other commands join as they
    // are built.
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* exit = file->addAction(tr("E&xit"), this, &QWidget::close);
    exit->setProperty("commandId", ids::ID_APP_EXIT);
    exit->setStatusTip(tr("Quit the application; prompts to save documents"));

    QMenu* view = menuBar()->addMenu(tr("&View"));
    QAction* statusBarToggle = view->addAction(tr("&Status Bar"));
    statusBarToggle->setProperty("commandId", ids::ID_VIEW_STATUS_BAR);
    statusBarToggle->setCheckable(true);
    statusBarToggle->setChecked(true);
    statusBarToggle->setStatusTip(tr("Show or hide the status bar"));
    connect(statusBarToggle, &QAction::toggled, this,
            [this](bool on) { statusBar()->setVisible(on); });
}

bool CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    if (!bar) {
        return false;
    }
    bar->setObjectName("statusBar");
    bar->setProperty("controlId", ids::AFX_IDW_STATUS_BAR);
    static const char* const kInitial[4] = {"Ready", "Hints: 0   ", "Checks: 0   ",
                                            "Played: 0   "};
    for (int i = 0; i < 4; ++i) {
        m_panes[i] = new QLabel(QString::fromLatin1(kInitial[i]), bar);
        m_panes[i]->setObjectName(QStringLiteral("pane%1").arg(i));
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

void CMainFrame::SetGameTitle(const std::string& title) {
    setWindowTitle(platform::FromCp1252(title));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // Until a game is under way there is nothing to save and nothing to confirm.
    event->accept();
}
