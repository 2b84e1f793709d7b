// SPDX-License-Identifier: MIT
// The game's help viewer: the help pages shown in a window of their own.
#include "app/HelpViewer.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include "app/DialogPlacement.h"
#include "hypertext/MuWnd.h"
#include "hypertext/PageNames.h"
#include "platform/Cp1252.h"
#include "platform/GamePaths.h"
#include "platform/ProgramFolder.h"

namespace {

// The help's page window: its links lead to other help pages in the viewer, without the
// announcement a puzzle page makes.
class CHelpPageWnd : public CMuWnd {
public:
    explicit CHelpPageWnd(CHelpViewer& viewer) : m_viewer(viewer) {}

    void OnLinkClicked(const HtfLink& link) override { m_viewer.ShowPage(link.m_strTarget); }

private:
    CHelpViewer& m_viewer;
};

constexpr int kViewerWidth = 360;
constexpr int kViewerHeight = 520;

}  // namespace

// A dialog-type window: the desktop keeps such a window in front of the game it serves.
CHelpViewer::CHelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint) {
    setObjectName("helpViewer");
    // Help left open does not keep the game running once its main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(tr("Math Quizlex Help"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pArea = new QMdiArea(this);
    m_pArea->setObjectName("helpArea");
    layout->addWidget(m_pArea);
    m_pMissing = new QLabel(this);
    m_pMissing->setObjectName("helpMissing");
    m_pMissing->setAlignment(Qt::AlignCenter);
    m_pMissing->setWordWrap(true);
    m_pMissing->setMargin(12);
    m_pMissing->hide();
    layout->addWidget(m_pMissing);

    auto* page = new CHelpPageWnd(*this);
    m_pPage = page;
    m_pPage->Create(m_pArea);
    m_pPage->setWindowFlags(Qt::FramelessWindowHint);
    m_pPage->m_bCloseAllowed = 1;
    resize(kViewerWidth, kViewerHeight);
}

CHelpViewer::~CHelpViewer() = default;

std::string CHelpViewer::PageFor(const std::string& helpFile, platform::HelpCommand command,
                                 int context) {
    return HelpPageName(helpFile, command == platform::HelpCommand::Context ? context : 0);
}

void CHelpViewer::ShowHelp(const std::string& helpFile, platform::HelpCommand command,
                           int context) {
    PlaceBesideMainWindow();
    // Shown first: the page window's first showing would take the viewer's caption.
    show();
    raise();
    activateWindow();
    const std::string page = PageFor(helpFile, command, context);
    if (page.empty()) {
        ShowMissing(tr("There is no help for this topic."));
    } else {
        ShowPage(page);
    }
}

void CHelpViewer::PlaceBesideMainWindow() {
    // Beside the game, so the game covers none of it, until the player puts it elsewhere; where
    // the game fills the screen, over its page side. All of it on the screen, and in front of
    // the game: the desktop keeps it above the main window.
    m_bMoved = m_bMoved || (m_ptPlaced.x() >= 0 && placement::MovedByPlayer(m_ptPlaced, pos()));
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow*>(window) && window->isVisible() && window->screen()) {
            // Placed before its window exists, the corner is the frame's.
            if (!m_bMoved) {
                const QWidget* page = window->findChild<QWidget*>(QStringLiteral("htfWindow"));
                const QRect over = page && page->isVisible()
                                       ? QRect(page->mapToGlobal(QPoint(0, 0)), page->size())
                                       : window->frameGeometry();
                m_ptPlaced = placement::PlaceBeside(*this, window->frameGeometry(),
                                                    window->screen()->availableGeometry(), over);
            }
            if (!windowHandle()) {
                create();
            }
            if (windowHandle() && window->windowHandle()) {
                windowHandle()->setTransientParent(window->windowHandle());
            }
            return;
        }
    }
}

void CHelpViewer::ShowPage(const std::string& pageName) {
    // Only pages of the help folder are shown, whatever a link names.
    if (!platform::IsBareFileName(pageName)) {
        ShowMissing(tr("There is no help page \"%1\".").arg(platform::FromCp1252(pageName)));
        return;
    }
    m_strPageFile = std::string(kHelpFolder) + pageName;
    m_bPageShown = m_pPage->LoadFile(platform::GamePaths::Program() + m_strPageFile, 0,
                                     CMuWnd::LoadErrors::Silent, kHtfAnswerModeNormal);
    if (!m_bPageShown) {
        ShowMissing(tr("The help page \"%1\" is missing.\nPlease reinstall this software.")
                        .arg(platform::FromCp1252(m_strPageFile)));
        return;
    }
    m_pMissing->hide();
    m_pArea->show();
    // Not maximised: a maximised page would take over the viewer's caption.
    FitPage();
    m_pPage->show();
    const QString title = platform::FromCp1252(m_pPage->Document().m_strTitle);
    setWindowTitle(title.isEmpty() ? tr("Math Quizlex Help") : title);
}

void CHelpViewer::FitPage() {
    m_pPage->setGeometry(QRect(QPoint(0, 0), m_pArea->viewport()->size()));
}

void CHelpViewer::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitPage();
}

void CHelpViewer::ShowMissing(const QString& text) {
    m_bPageShown = false;
    m_pArea->hide();
    m_pMissing->setText(text);
    m_pMissing->show();
    setWindowTitle(tr("Math Quizlex Help"));
}
