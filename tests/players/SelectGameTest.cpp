// SPDX-License-Identifier: MIT
// The Select Game dialog driven headless: the list, its buttons, the questions it asks, the
// quick-instructions box and the saved games.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "images/DialogTemplate.h"
#include "images/DibStatic.h"
#include "platform/FakeServices.h"
#include "players/Player.h"
#include "players/PlayerFiles.h"
#include "players/SelectGameDlg.h"
#include "resources/ResourceIds.h"
#include "support/TestBitmaps.h"
#include "support/TestSupport.h"

namespace {

template <class T = QPushButton>
T* Find(const QWidget* dialog, int id) {
    T* control = qobject_cast<T*>(dlgtemplate::Control(dialog, id));
    EXPECT_NE(control, nullptr) << "control " << id;
    return control;
}

QListWidget* List(const QWidget* dialog) {
    return Find<QListWidget>(dialog, ids::IDC_GAME_LIST);
}

void Click(QListWidget* list, int row, bool twice = false) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice) {
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
}

// A Select Game dialog whose Saved Games dialog answers from a script.
class ScriptedSelectGame : public CSelectGameDlg {
public:
    using CSelectGameDlg::CSelectGameDlg;
    bool savedGameChosen = false;
    int savedGamesRuns = 0;

protected:
    bool RunSavedGames(std::string& title, std::string& stem) override {
        ++savedGamesRuns;
        if (savedGameChosen) {
            title = "Saved Title";
            stem = "savedstem";
        }
        return savedGameChosen;
    }
};

class SelectGame : public ::testing::Test {
protected:
    void SetUp() override {
        folder.Write("data/games.dat",
                     "Zebra Sums\r\nzebra\r\n\r\nAdding Up\r\nadding\r\n"
                     "Take Away\r\ntakeaway\r\n");
        folder.Write("data/Head.bmp", testsupport::MakeBmp(40, 12, 8, {0x000000, 0x2040A0},
                                                           [](int, int) { return 1u; }));
        folder.MakeFolder("players");
        folder.MakeFolder("games");
        player.m_strName = "ann";
        player.m_strFileName = "ann0.ply";
    }

    platform::FakeServices fake;
    testsupport::TempProgramFolder folder;
    CPlayer player;
};

}  // namespace

TEST_F(SelectGame, ListsTheGamesInFileOrderAndPlaysTheOneChosen) {
    ScriptedSelectGame dialog(player);  // sounds are off
    dialog.show();
    QListWidget* list = List(&dialog);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text() + "|" + list->item(1)->text() + "|" + list->item(2)->text(),
              "Zebra Sums|Adding Up|Take Away");
    EXPECT_TRUE(Find<CDibStatic>(&dialog, ids::IDC_DIB_PICTURE)->Picture());

    QPushButton* play = Find(&dialog, ids::IDOK);
    EXPECT_FALSE(play->isEnabled()) << "nothing is chosen yet";
    EXPECT_FALSE(Find(&dialog, ids::IDC_OPEN_SAVED_GAME)->isEnabled()) << "no saved games";

    QTest::mouseClick(Find(&dialog, ids::IDHELP), Qt::LeftButton);
    ASSERT_EQ(fake.helpCalls.size(), 1u);
    EXPECT_EQ(fake.helpCalls[0].command, platform::HelpCommand::Contents);

    Click(list, 1);
    EXPECT_TRUE(play->isEnabled());
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return);  // Enter in the list plays the chosen game
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), ids::IDOK);
    EXPECT_EQ(dialog.m_strSelectedTitle + "|" + dialog.m_strSelectedGameStem, "Adding Up|adding");
    EXPECT_TRUE(fake.messages.empty()) << "no saved game for the title, so no question";

    testsupport::SoundsOn soundsOn;
    ScriptedSelectGame again(player);
    again.show();
    EXPECT_EQ(testsupport::SoundNames(fake), std::vector<std::string>{"data\\new.wav"});
    Click(List(&again), 2, true);
    EXPECT_EQ(again.result(), ids::IDOK) << "a double click plays";
    EXPECT_EQ(again.m_strSelectedGameStem, "takeaway");
}

TEST_F(SelectGame, AMissingListLeavesOnlyCancelAndAMissingPictureIsTold) {
    std::filesystem::remove(folder.File("data/games.dat"));
    std::filesystem::remove(folder.File("data/Head.bmp"));
    ScriptedSelectGame dialog(player);
    dialog.show();
    EXPECT_EQ(List(&dialog)->count(), 0);
    EXPECT_FALSE(Find(&dialog, ids::IDOK)->isEnabled());
    EXPECT_EQ(fake.Texts(), std::vector<std::string>{"Error reading DIB file."})
        << "the picture is reported, the list is not";
    QTest::mouseClick(Find(&dialog, ids::IDC_SELECT_GAME_CANCEL), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), ids::IDC_SELECT_GAME_CANCEL);
}

TEST_F(SelectGame, AsksBeforeOverwritingASavedGame) {
    player.SaveGame(GamesFolder(), "Take Away", "takeaway", 0, 0, {"1,1"}, false);
    ScriptedSelectGame dialog(player);
    dialog.m_bHasSavedGames = player.HasSavedGames();
    dialog.show();
    Click(List(&dialog), 2);
    fake.answers = {platform::IDCANCEL};
    dialog.OnOK();
    EXPECT_TRUE(dialog.isVisible()) << "Cancel keeps the dialog open";
    dialog.OnOK();
    EXPECT_EQ(dialog.result(), ids::IDOK);
    const std::string question = "This will overwrite a previously saved game.";
    ASSERT_EQ(fake.Texts(), (std::vector<std::string>{question, question}));
    EXPECT_EQ(fake.messages[0].type & platform::MB_BUTTONMASK, platform::MB_OKCANCEL);
}

TEST_F(SelectGame, CancelQuitsOnlyAfterAYesAtStartUpAndSavedGamesOpenThroughTheirDialog) {
    ScriptedSelectGame startUp(player);
    startUp.m_bStartUp = true;
    startUp.show();
    QPushButton* quit = Find(&startUp, ids::IDC_SELECT_GAME_CANCEL);
    EXPECT_EQ(quit->text(), "Quit Game");
    fake.answers = {platform::IDNO, platform::IDNO};
    QTest::mouseClick(quit, Qt::LeftButton);
    EXPECT_TRUE(startUp.isVisible());
    QTest::keyClick(&startUp, Qt::Key_Escape);
    EXPECT_TRUE(startUp.isVisible()) << "Escape asks as Cancel does";
    QTest::mouseClick(quit, Qt::LeftButton);
    EXPECT_EQ(startUp.result(), ids::IDC_SELECT_GAME_CANCEL);
    EXPECT_EQ(fake.Texts(), std::vector<std::string>(3, "Are you sure you want to quit?"));
    EXPECT_EQ(fake.messages[0].type & platform::MB_BUTTONMASK, platform::MB_YESNO);

    fake.Clear();
    ScriptedSelectGame later(player);
    later.show();
    QTest::keyClick(&later, Qt::Key_Escape);
    EXPECT_FALSE(later.isVisible());
    EXPECT_EQ(later.result(), ids::IDC_SELECT_GAME_CANCEL);
    EXPECT_TRUE(fake.messages.empty()) << "after start-up Cancel closes at once";

    // A saved game is opened through the Saved Games dialog; cancelling it keeps this one.
    ScriptedSelectGame dialog(player);
    dialog.m_bStartUp = true;
    dialog.m_bHasSavedGames = true;
    dialog.show();
    QPushButton* open = Find(&dialog, ids::IDC_OPEN_SAVED_GAME);
    ASSERT_TRUE(open->isEnabled());
    QTest::mouseClick(open, Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.m_strSelectedTitle.empty());
    dialog.savedGameChosen = true;
    QTest::mouseClick(open, Qt::LeftButton);
    EXPECT_EQ(dialog.savedGamesRuns, 2);
    EXPECT_EQ(dialog.result(), ids::IDC_OPEN_SAVED_GAME);
    EXPECT_EQ(dialog.m_strSelectedTitle + "|" + dialog.m_strSelectedGameStem,
              "Saved Title|savedstem");
}

TEST_F(SelectGame, TheQuickInstructionsBoxStartsTickedOnlyAtStartUp) {
    for (const bool startUp : {true, false}) {
        ScriptedSelectGame dialog(player);
        dialog.m_bStartUp = startUp;
        dialog.m_bShowQuickInstructions = true;
        dialog.show();
        QCheckBox* box = Find<QCheckBox>(&dialog, ids::IDC_QUICK_INSTRUCTIONS_BOX);
        EXPECT_EQ(box->isChecked(), startUp);
        // The player's tick is read back with the chosen game.
        box->setChecked(!startUp);
        Click(List(&dialog), 0);
        dialog.OnOK();
        EXPECT_EQ(dialog.m_bShowQuickInstructions, !startUp);
    }
}
