// SPDX-License-Identifier: MIT
// The code each real dialog of a game hands the flow, however the player leaves it: Cancel,
// Escape, the close box or OK. The flow's own tests answer only with these codes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/GameDialogs.h"
#include "images/DialogTemplate.h"
#include "platform/FakeServices.h"
#include "players/ItemTextListBox.h"
#include "players/Player.h"
#include "players/PlayerFiles.h"
#include "resources/ResourceIds.h"
#include "support/TestSupport.h"

namespace {

enum class Leave { Cancel, Escape, CloseBox, Ok };
constexpr Leave kWays[] = {Leave::Cancel, Leave::Escape, Leave::CloseBox, Leave::Ok};

class GameDialogs : public ::testing::Test {
protected:
    // Runs a dialog, left the given way once it shows: with the button cancelId, or with okId
    // after choose() picked what OK takes. A dialog still open after a while ends with -99.
    int Run(Leave how, int cancelId, int okId, const std::function<void(QWidget*)>& choose,
            const std::function<int()>& run) {
        QObject guard;  // the timers go with it
        QTimer::singleShot(0, &guard, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            if (how == Leave::Escape) {
                QTest::keyClick(dialog, Qt::Key_Escape);
            } else if (how == Leave::CloseBox) {
                dialog->close();
            } else {
                if (how == Leave::Ok) {
                    choose(dialog);
                }
                auto* button = qobject_cast<QPushButton*>(
                    dlgtemplate::Control(dialog, how == Leave::Ok ? okId : cancelId));
                ASSERT_NE(button, nullptr);
                button->click();
            }
        });
        QTimer::singleShot(5000, &guard, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                dialog->done(-99);
            }
        });
        return run();
    }

    testsupport::TempProgramFolder folder;
    platform::FakeServices fake;
    CPlayer player;
    CGameDialogs dialogs{player, nullptr};
};

void PickFirst(QWidget* dialog, int listId) {
    auto* list = qobject_cast<QListWidget*>(dlgtemplate::Control(dialog, listId));
    ASSERT_NE(list, nullptr);
    list->setCurrentRow(0);
    list->item(0)->setSelected(true);
}

}  // namespace

TEST_F(GameDialogs, EveryWayButOkGivesTheFlowTheDialogsCancelCode) {
    folder.MakeFolder("players");
    folder.MakeFolder("games");
    folder.Write("data/games.dat", "Adding Up\r\nadding\r\n");
    auto typeName = [](QWidget* d) {
        QTest::keyClicks(dlgtemplate::Control(d, ids::IDC_PLAYER_NAME), "Dee");
    };
    auto pickGame = [](QWidget* d) { PickFirst(d, ids::IDC_GAME_LIST); };
    auto pickSaved = [](QWidget* d) { PickFirst(d, ids::IDC_GAME_TITLES); };
    const struct {
        const char* dialog;
        int cancelId;
        std::function<void(QWidget*)> choose;
        std::function<int()> run;
        int cancelled, ok;
        int okId = ids::IDOK;  // the button that leaves with the code ok
    } cases[] = {
        {"Select Player", ids::IDCANCEL, typeName,
         [&] { return dialogs.RunSelectPlayer(false, false); }, 0, platform::IDOK},
        {"Select Game", ids::IDC_SELECT_GAME_CANCEL, pickGame,
         [&] { return dialogs.RunSelectGame(false, false, true).result; },
         results::kCancelSelectGame, results::kPlaySelectedGame},
        {"Saved Games", ids::IDCANCEL, pickSaved,
         [&] {
             player.SaveGame(GamesFolder(), "Take Away", "takeaway", 0, 0, {"1,1,1"}, false);
             return dialogs.RunSavedGames().result;
         },
         0, platform::IDOK},
        {"Congratulations", ids::IDCANCEL, [](QWidget*) {},
         [&] { return dialogs.RunCongrats(90, "Your score is 90 out of 100.", "Dee"); },
         results::kCheckSolutionBeforeReward, results::kNewGame},
        {"Congratulations' Quit", ids::IDCANCEL, [](QWidget*) {},
         [&] { return dialogs.RunCongrats(90, "Your score is 90 out of 100.", "Dee"); },
         results::kCheckSolutionBeforeReward, results::kQuit, ids::IDC_CONGRATS_QUIT},
        {"Error Detection", ids::IDCANCEL, [](QWidget*) {},
         [&] { return dialogs.RunErrorDetect(); }, results::kKeepErrorsHidden,
         results::kShowErrors},
    };
    for (const auto& c : cases) {
        for (Leave how : kWays) {
            SCOPED_TRACE(std::string(c.dialog) + " left by way " +
                         std::to_string(static_cast<int>(how)));
            EXPECT_EQ(Run(how, c.cancelId, c.okId, c.choose, c.run),
                      how == Leave::Ok ? c.ok : c.cancelled);
        }
    }
    EXPECT_EQ(player.m_strName, "Dee");
}
