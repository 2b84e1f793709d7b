// SPDX-License-Identifier: MIT
// The game's windows on the screen it has: whole, in front, and where the player left them.
// CTest runs these on a laptop screen at twice the pixels and on a large one as well.
#include <QApplication>
#include <QMdiArea>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "GameFixture.h"
#include "app/ChildFrame.h"
#include "app/GameDialogs.h"
#include "app/HelpViewer.h"
#include "app/SelectCellDlg.h"

using apptest::GameTest;

namespace {

QRect Screen() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

int Area(const QRect& r) {
    return r.isValid() ? r.width() * r.height() : 0;
}

}  // namespace

TEST_F(GameTest, ScreenHelpAndDialogsLieWhollyOnTheScreenAndTheGameFillsItsWindow) {
    ASSERT_TRUE(Start());
    CMainFrame& frame = Frame();
    const QRect screen = Screen();
    EXPECT_TRUE(screen.contains(frame.frameGeometry())) << frame.frameGeometry().width();
    // Below the bar, the page and the board cover the client area; the page reaches the
    // board's bottom, whatever the height.
    const QRect client(QPoint(0, frame.ActionBar()->m_nHeight + 1),
                       frame.findChild<QMdiArea*>()->viewport()->size());
    const QRect page = frame.Hypertext()->geometry() & client;
    const QRect board = frame.BoardFrame()->geometry() & client;
    EXPECT_EQ(page.bottom(), board.bottom());
    const int covered = (Area(page) + Area(board)) * 100 / Area(client);
    RecordProperty("covered_percent", covered);
    EXPECT_GE(covered, 70);

    // Help opens in front of the game, beside it or over its page side, all of it shown.
    CHelpViewer help;
    help.ShowHelp(platform::kHelpFile, platform::HelpCommand::Contents, 0);
    EXPECT_TRUE(screen.contains(help.frameGeometry())) << help.frameGeometry().height();
    const QRect pageOnScreen(frame.Hypertext()->mapToGlobal(QPoint(0, 0)), page.size());
    EXPECT_TRUE(!help.frameGeometry().intersects(frame.frameGeometry()) ||
                help.frameGeometry().left() < pageOnScreen.right())
        << "over the game only on its page side";
    ASSERT_TRUE(help.windowHandle());
    EXPECT_EQ(help.windowHandle()->transientParent(), frame.windowHandle());

    // The hint finder and the error dialogs beside the board.
    frame.Flow().OnFindHints();
    EXPECT_TRUE(screen.contains(frame.HintFinder()->frameGeometry()));
    frame.SetHintMode(false);
    CGameDialogs dialogs(frame.Player(), &frame);
    dialogs.AvoidBoard([&frame] { return frame.BoardOnScreen(); });
    QRect seen;
    QTimer::singleShot(0, [&seen] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            seen = dialog->frameGeometry();
            QMetaObject::invokeMethod(dialog, "reject");
        }
    });
    dialogs.RunErrorDetect();
    EXPECT_TRUE(screen.contains(seen)) << seen.x() << "," << seen.y();
}

TEST_F(GameTest, ScreenTheGameOpensWhereThePlayerLeftItAndNeverOffTheScreen) {
    const QRect screen = Screen();
    const QRect left(screen.x() + screen.width() / 8, screen.y() + 40, screen.width() * 3 / 4,
                     screen.height() * 3 / 4);
    ASSERT_TRUE(Start());
    const QRect fresh = Frame().geometry();
    Frame().setGeometry(left);
    m_services.answers = {platform::IDYES};
    ASSERT_TRUE(Frame().close());
    ASSERT_TRUE(m_folder.Exists("data/Window.dat"));
    m_app.reset();
    ASSERT_TRUE(Start());
    EXPECT_EQ(Frame().geometry(), left);
    // A kept place off the screen or larger than it is brought onto it; a broken one is no
    // place at all.
    const std::pair<std::string, bool> kept[] = {{"-5000,-9000,300,200\r\n", true},
                                                 {"99999,99999,400,300", true},
                                                 {"10,40,999999,300", true},
                                                 {"10,40,-640,480", false},
                                                 {"12,40,640", false},
                                                 {std::string("\x89PNG\0\xff,,\x01", 9), false},
                                                 {"10,40,640,480" + std::string(5000, '9'), false}};
    for (const auto& [line, placed] : kept) {
        m_app.reset();
        m_folder.Write("data/Window.dat", line);
        ASSERT_TRUE(Start());
        EXPECT_TRUE(screen.contains(Frame().frameGeometry())) << line.substr(0, 20);
        EXPECT_EQ(Frame().geometry() != fresh, placed) << line.substr(0, 20);
    }
}
