// SPDX-License-Identifier: MIT
// The player dialogs driven headless: choosing and adding players, statistics and their
// report, saved games, and deleting players.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "platform/FakeServices.h"
#include "players/DeletePlayersDlg.h"
#include "players/DialogTemplate.h"
#include "players/ItemTextListBox.h"
#include "players/Player.h"
#include "players/PlayerFiles.h"
#include "players/PlayerStatsDlg.h"
#include "players/SavedGamesDlg.h"
#include "players/SelectPlayerDlg.h"
#include "players/StatsReport.h"
#include "resources/ResourceIds.h"
#include "support/TestSupport.h"

using testsupport::TempProgramFolder;

namespace {

template <class T>
T* Find(const QWidget* dialog, int id) {
    T* control = qobject_cast<T*>(dlgtemplate::Control(dialog, id));
    EXPECT_NE(control, nullptr) << "control " << id;
    return control;
}

std::vector<std::string> Shown(const CItemTextListBox* list) {
    std::vector<std::string> items;
    for (int i = 0; i < list->GetCount(); ++i) {
        std::string shown, hidden;
        list->GetItem(i, shown, hidden);
        items.push_back(shown + "|" + hidden);
    }
    return items;
}

// A user's click on a list item.
void ClickItem(CItemTextListBox* list, int row) {
    QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

const char kIndex[] =
    "Bob\r\nBob0.ply\r\nann\r\nann0.ply\r\nJoan\r\nJoan0.ply\r\nBob\r\nBob1.ply\r\n"
    "carl\r\ncarl0.ply\r\n";

const char kAnnFile[] =
    "ann\r\nStart Saved Games\r\nMath Puzzle 12\r\nPuzzl0.gme\r\nmath12\r\nEnd Saved Games\r\n"
    "Start Game Stats\r\nMath Puzzle 12\r\nLast played this game on Monday, 01/05/98 at 09:15 AM"
    "\r\n\r\nFALSE\r\n2\r\n7\r\n8\r\n9\r\n1\r\n2\r\n3\r\n1\r\n55\r\nTRUE\r\nFALSE\r\n"
    "End Game Stats\r\n";

void WritePlayers(const TempProgramFolder& folder) {
    folder.Write("players/data", kIndex);
    folder.Write("players/Bob0.ply", "Bob\r\nNo Saved Games\r\n");
    folder.Write("players/Bob1.ply", "Bob\r\nNo Saved Games\r\n");
    folder.Write("players/ann0.ply", kAnnFile);
    folder.Write("players/Joan0.ply", "Joan\r\nNo Saved Games\r\n");
    folder.Write("players/carl0.ply", "carl\r\nNo Saved Games\r\n");
    folder.MakeFolder("games");
}

// Remembers whose statistics the Select Player dialog asked to show.
class RecordingSelectPlayerDlg : public CSelectPlayerDlg {
public:
    using CSelectPlayerDlg::CSelectPlayerDlg;
    std::vector<std::string> shownNames;
    std::vector<size_t> shownRecordCounts;

protected:
    void RunPlayerStats(CPlayer& player) override {
        shownNames.push_back(player.m_strName);
        shownRecordCounts.push_back(player.Stats().size());
    }
};

}  // namespace

TEST(ItemTextListBox, KeepsItsItemsSortedWithTheirHiddenTexts) {
    CItemTextListBox list;
    EXPECT_EQ(list.AddItem("bob", "b0"), 0);
    EXPECT_EQ(list.AddItem("Ann", "a0"), 0);
    EXPECT_EQ(list.AddItem("Carl", "c0"), 2);
    EXPECT_EQ(list.AddItem("BOB", "b1"), 2) << "equal names keep their order of arrival";
    EXPECT_EQ(Shown(&list), (std::vector<std::string>{"Ann|a0", "bob|b0", "BOB|b1", "Carl|c0"}));
    std::string shown = "x", hidden = "y";
    EXPECT_EQ(list.GetItem(9, shown, hidden), 0);
    EXPECT_EQ(list.SelectString("B"), 1);
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_EQ(list.SelectString("x"), -1);
    EXPECT_EQ(list.GetCurSel(), 1) << "no match keeps the selection";
    EXPECT_EQ(list.FindStringExact("carl"), 3);
    EXPECT_EQ(list.FindStringExact("car"), -1);
    // Bytes of the files come back exactly, also those the screen cannot show.
    int index = list.AddItem(std::string("Ren\xe9\x81"), std::string("R\x81\x30.ply"));
    list.GetItem(index, shown, hidden);
    EXPECT_EQ(shown, std::string("Ren\xe9\x81"));
    EXPECT_EQ(hidden, std::string("R\x81\x30.ply"));
}

TEST(SelectPlayer, ListsTheIndexAndStartsWithNothingToConfirm) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    WritePlayers(folder);
    CPlayer player;
    CSelectPlayerDlg dialog(player);
    EXPECT_EQ(dialog.windowTitle(), "Select Player");
    auto* list = Find<CItemTextListBox>(&dialog, ids::IDC_PLAYER_LIST);
    auto* edit = Find<QLineEdit>(&dialog, ids::IDC_PLAYER_NAME);
    auto* ok = Find<QPushButton>(&dialog, ids::IDOK);
    auto* stats = Find<QPushButton>(&dialog, ids::IDC_PLAYER_STATISTICS);
    auto* cancel = Find<QPushButton>(&dialog, ids::IDCANCEL);
    EXPECT_EQ(Shown(list), (std::vector<std::string>{"ann|ann0.ply", "Bob|Bob0.ply", "Bob|Bob1.ply",
                                                     "carl|carl0.ply", "Joan|Joan0.ply"}));
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_FALSE(stats->isEnabled());
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_EQ(cancel->text(), "Cancel");
    EXPECT_EQ(edit->maxLength(), 60);
    EXPECT_TRUE(fake.messages.empty());
}

TEST(SelectPlayer, PickingAPlayerLoadsThatPlayersFile) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    WritePlayers(folder);
    CPlayer player;
    player.SelectGame("left from the last player", false);
    CSelectPlayerDlg dialog(player);
    dialog.show();
    auto* list = Find<CItemTextListBox>(&dialog, ids::IDC_PLAYER_LIST);
    auto* edit = Find<QLineEdit>(&dialog, ids::IDC_PLAYER_NAME);
    ClickItem(list, 2);
    EXPECT_EQ(edit->text(), "Bob");
    EXPECT_EQ(list->GetCurSel(), 2) << "the second Bob stays picked";
    EXPECT_TRUE(Find<QPushButton>(&dialog, ids::IDOK)->isEnabled());
    EXPECT_TRUE(Find<QPushButton>(&dialog, ids::IDC_PLAYER_STATISTICS)->isEnabled());
    dialog.OnEditKillFocus();
    EXPECT_EQ(list->GetCurSel(), 2);
    ClickItem(list, 0);
    QTest::mouseClick(Find<QPushButton>(&dialog, ids::IDOK), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(player.m_strName, "ann");
    EXPECT_EQ(player.m_strFileName, "ann0.ply");
    ASSERT_EQ(player.Stats().size(), 1u);
    EXPECT_EQ(player.Stats()[0]->m_nScore, 55);
    EXPECT_EQ(player.SavedGames().size(), 1u);
    EXPECT_TRUE(fake.messages.empty());

    CSelectPlayerDlg again(player);
    again.show();
    auto* list2 = Find<CItemTextListBox>(&again, ids::IDC_PLAYER_LIST);
    ClickItem(list2, 4);
    QTest::mouseDClick(list2->viewport(), Qt::LeftButton, {},
                       list2->visualItemRect(list2->item(4)).center());
    EXPECT_EQ(again.result(), QDialog::Accepted) << "a double click picks as OK does";
    EXPECT_EQ(player.m_strName, "Joan");
    EXPECT_TRUE(player.Stats().empty());
}

TEST(SelectPlayer, TypingSelectsByPrefixAndLeavingTheBoxByWholeName) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    WritePlayers(folder);
    CPlayer player;
    CSelectPlayerDlg dialog(player);
    auto* list = Find<CItemTextListBox>(&dialog, ids::IDC_PLAYER_LIST);
    auto* edit = Find<QLineEdit>(&dialog, ids::IDC_PLAYER_NAME);
    auto* ok = Find<QPushButton>(&dialog, ids::IDOK);
    auto* stats = Find<QPushButton>(&dialog, ids::IDC_PLAYER_STATISTICS);

    QTest::keyClicks(edit, "jo");
    EXPECT_EQ(list->GetCurSel(), 4) << "Joan begins with jo";
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_FALSE(stats->isEnabled()) << "a typed selection is not a selection change";
    EXPECT_EQ(edit->text(), "jo") << "typing keeps what was typed";
    QTest::keyClicks(edit, "x");
    EXPECT_EQ(list->GetCurSel(), 4) << "no name begins with jox: the selection stays";
    dialog.OnEditKillFocus();
    EXPECT_EQ(list->GetCurSel(), -1) << "no player is named jox";

    edit->clear();
    QTest::keyClicks(edit, "BOB");
    EXPECT_EQ(list->GetCurSel(), 1);
    dialog.OnEditKillFocus();
    EXPECT_EQ(list->GetCurSel(), 1) << "Bob, whole name, any case";
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(edit, Qt::Key_Backspace);
    }
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_FALSE(stats->isEnabled());
    dialog.OnEditKillFocus();
    EXPECT_EQ(list->GetCurSel(), -1);
    EXPECT_TRUE(fake.messages.empty());
}

TEST(SelectPlayer, ANewNameBecomesANewPlayerWithAFileAndAnIndexEntry) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    WritePlayers(folder);
    CPlayer player;
    player.m_strName = "carl";
    player.m_strFileName = "carl0.ply";
    player.SelectGame("carl's game", false);
    CSelectPlayerDlg dialog(player);
    auto* edit = Find<QLineEdit>(&dialog, ids::IDC_PLAYER_NAME);
    QTest::keyClicks(edit, "Mary Ann");
    dialog.OnEditKillFocus();

    fake.answers.push_back(platform::IDNO);
    dialog.OnOK();
    EXPECT_EQ(dialog.result(), QDialog::Rejected) << "No keeps the dialog open";
    EXPECT_FALSE(folder.Exists("players/Mary0.ply"));
    dialog.OnOK();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(fake.messages[1].text, "Add new player?");
    EXPECT_EQ(fake.messages[1].caption, "Confirmation");
    EXPECT_EQ(fake.messages[1].type & platform::MB_BUTTONMASK, platform::MB_YESNO);
    EXPECT_EQ(player.m_strName, "Mary Ann");
    EXPECT_EQ(player.m_strFileName, "Mary0.ply");
    EXPECT_TRUE(player.Stats().empty());
    EXPECT_EQ(folder.Read("players/Mary0.ply"), "Mary Ann\r\nNo Saved Games\r\n");
    EXPECT_EQ(folder.Read("players/data"), std::string(kIndex) + "Mary Ann\r\nMary0.ply\r\n");
    EXPECT_EQ(folder.Read("players/carl0.ply"), "carl\r\nNo Saved Games\r\n");
}

TEST(SelectPlayer, EnterAfterANewNameDoesNotPickANameItBeginsLike) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    WritePlayers(folder);
    CPlayer player;
    CSelectPlayerDlg dialog(player);
    auto* edit = Find<QLineEdit>(&dialog, ids::IDC_PLAYER_NAME);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    edit->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    ASSERT_TRUE(edit->hasFocus());
    QTest::keyClicks(edit, "Jo");
    EXPECT_EQ(Find<CItemTextListBox>(&dialog, ids::IDC_PLAYER_LIST)->GetCurSel(), 4);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(fake.Texts(), std::vector<std::string>{"Add new player?"});
    EXPECT_EQ(player.m_strName, "Jo");
    EXPECT_EQ(player.m_strFileName, "Jo0.ply");
}

TEST(SelectPlayer, WithoutAFreeFileNameNoOtherPlayersFileIsOverwritten) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    WritePlayers(folder);
    for (int n = 0; n < 100; ++n) {
        folder.Write("players/Zed" + std::to_string(n) + ".ply", "taken");
    }
    CPlayer player;
    player.m_strName = "carl";
    player.m_strFileName = "carl0.ply";
    CSelectPlayerDlg dialog(player);
    QTest::keyClicks(Find<QLineEdit>(&dialog, ids::IDC_PLAYER_NAME), "Zed");
    dialog.OnEditKillFocus();
    dialog.OnOK();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(player.m_strName, "Zed");
    EXPECT_EQ(player.m_strFileName, "");
    EXPECT_EQ(folder.Read("players/carl0.ply"), "carl\r\nNo Saved Games\r\n");
    EXPECT_EQ(folder.Read("players/data"), std::string(kIndex) + "Zed\r\n\r\n");
}

TEST(SelectPlayer, StartUpModeAsksBeforeQuitting) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    WritePlayers(folder);
    CPlayer player;
    CSelectPlayerDlg dialog(player, true);
    dialog.show();
    auto* cancel = Find<QPushButton>(&dialog, ids::IDCANCEL);
    EXPECT_EQ(cancel->text(), "Quit Game");
    fake.answers.push_back(platform::IDNO);
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(fake.messages[0].text, "Are you sure you want to quit?");
    EXPECT_EQ(fake.messages[0].caption, "Confirmation");

    fake.Clear();
    CSelectPlayerDlg normal(player);
    normal.show();
    QTest::mouseClick(Find<QPushButton>(&normal, ids::IDCANCEL), Qt::LeftButton);
    EXPECT_FALSE(normal.isVisible());
    EXPECT_TRUE(fake.messages.empty()) << "outside start-up Cancel closes at once";
}

TEST(SelectPlayer, StatisticsShowAnyPlayerWithoutChangingTheCurrentOne) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    WritePlayers(folder);
    CPlayer player;
    player.m_strName = "carl";
    player.m_strFileName = "carl0.ply";
    player.SelectGame("carl's game", false);
    RecordingSelectPlayerDlg dialog(player, false, true);
    dialog.show();
    auto* ok = Find<QPushButton>(&dialog, ids::IDOK);
    EXPECT_EQ(ok->text(), "Done");
    auto* list = Find<CItemTextListBox>(&dialog, ids::IDC_PLAYER_LIST);
    ClickItem(list, 0);
    QTest::mouseClick(Find<QPushButton>(&dialog, ids::IDC_PLAYER_STATISTICS), Qt::LeftButton);
    EXPECT_EQ(dialog.shownNames, std::vector<std::string>{"ann"});
    EXPECT_EQ(dialog.shownRecordCounts, std::vector<size_t>{1});
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(player.m_strName, "carl");
    ASSERT_EQ(player.Stats().size(), 1u);
    EXPECT_EQ(player.Stats()[0]->m_strTitle, "carl's game");
    EXPECT_TRUE(fake.messages.empty());
}

TEST(SelectPlayer, TheStatisticsButtonRunsThePlayerStatisticsDialog) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    WritePlayers(folder);
    CPlayer player;
    CSelectPlayerDlg dialog(player);
    dialog.show();
    ClickItem(Find<CItemTextListBox>(&dialog, ids::IDC_PLAYER_LIST), 0);
    QStringList seen;
    QTimer::singleShot(0, [&] {
        auto* stats = qobject_cast<CPlayerStatsDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(stats, nullptr);
        auto* titles = Find<CItemTextListBox>(stats, ids::IDC_GAME_TITLES);
        for (int i = 0; i < titles->count(); ++i) {
            seen << titles->item(i)->text();
        }
        stats->accept();
    });
    QTest::mouseClick(Find<QPushButton>(&dialog, ids::IDC_PLAYER_STATISTICS), Qt::LeftButton);
    EXPECT_EQ(seen, QStringList{"Math Puzzle 12"});
    EXPECT_TRUE(dialog.isVisible());
}

TEST(SelectPlayer, AnIndexThatCannotBeMadeIsReported) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    CPlayer player;
    CSelectPlayerDlg dialog(player);
    EXPECT_EQ(Find<CItemTextListBox>(&dialog, ids::IDC_PLAYER_LIST)->count(), 0);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "Please re-install this software!");
    EXPECT_EQ(fake.messages[0].caption, "File Error");
}

TEST(PlayerStats, ShowsTheReportOfTheChosenTitleAndPrintsIt) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    WritePlayers(folder);
    CPlayer player;
    player.m_strName = "ann";
    player.m_strFileName = "ann0.ply";
    ASSERT_TRUE(player.Load(PlayersFolder()));
    player.SelectGame("Another Puzzle", true);
    CPlayerStatsDlg dialog(&player);
    dialog.show();
    auto* list = Find<CItemTextListBox>(&dialog, ids::IDC_GAME_TITLES);
    auto* report = Find<QPlainTextEdit>(&dialog, ids::IDC_STATS_REPORT);
    auto* print = Find<QPushButton>(&dialog, ids::IDC_STATS_PRINT);
    auto* noGame = Find<QLabel>(&dialog, ids::IDC_NO_GAME_SELECTED);
    EXPECT_EQ(noGame->text(), "No Game Selected");
    EXPECT_FALSE(print->isEnabled());
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "Another Puzzle");
    EXPECT_TRUE(report->isReadOnly());

    ClickItem(list, 1);
    const std::string expected =
        "QUIZLEX GAME STATISTICS\n\nGame Title: Math Puzzle 12\nGame Player: ann\n\n"
        "Number of times game played: 2\n"
        "Last played this game on Monday, 01/05/98 at 09:15 AM\n\n"
        "Score: 55\n"
        "Number of times errors displayed: 1\n"
        "Number of times answer checked: 3\n"
        "Number of hints in game: 2\n"
        "Number of hints player took: 1\n"
        "Total cells in game: 9\n"
        "Number of cells marked: 8\n"
        "Number of cells correctly marked: 7\n";
    EXPECT_EQ(report->toPlainText().toStdString(), expected);
    EXPECT_EQ(StatsReportText("ann", *player.Stats()[0], false), expected);
    EXPECT_EQ(noGame->text(), "");
    EXPECT_TRUE(print->isEnabled());

    QTest::mouseClick(print, Qt::LeftButton);
    std::string onDisk;
    for (char c : expected) {
        onDisk += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    EXPECT_EQ(folder.Read("players/stats.txt"), onDisk);
    EXPECT_EQ(fake.viewerOpens, std::vector<std::string>{StatsReportPath()});

    QTest::mouseClick(Find<QPushButton>(&dialog, ids::IDHELP), Qt::LeftButton);
    ASSERT_EQ(fake.helpCalls.size(), 1u);
    EXPECT_EQ(fake.helpCalls[0].command, platform::HelpCommand::Context);
    EXPECT_EQ(fake.helpCalls[0].context, 4);
    EXPECT_TRUE(fake.messages.empty());

    // Nowhere to write the report: said, and no viewer starts.
    std::filesystem::remove_all(folder.File("players"));
    QTest::mouseClick(print, Qt::LeftButton);
    EXPECT_EQ(fake.Texts(), std::vector<std::string>{"Unable to write statistics!"});
    EXPECT_EQ(fake.viewerOpens.size(), 1u);
}

TEST(PlayerStats, APlayerWithoutRecordsOrNoPlayerAtAll) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    CPlayer player;
    CPlayerStatsDlg empty(&player);
    EXPECT_EQ(Find<CItemTextListBox>(&empty, ids::IDC_GAME_TITLES)->count(), 0);
    EXPECT_FALSE(Find<QPushButton>(&empty, ids::IDC_STATS_PRINT)->isEnabled());

    CPlayerStatsDlg none(nullptr);
    EXPECT_EQ(none.exec(), QDialog::Rejected);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "No Valid Player Selected!");
    EXPECT_EQ(fake.messages[0].caption, "Error");
}

TEST(SavedGamesDialog, OffersTheUnfinishedGamesOnly) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    folder.MakeFolder("games");
    CPlayer player;
    player.m_strName = "ann";
    player.SaveGame(GamesFolder(), "Math Puzzle 12", "math12", 0, 0, {}, false);
    player.SaveGame(GamesFolder(), "Algebra Puzzle 1", "alg1", 0, 0, {}, false);
    player.SaveGame(GamesFolder(), "Math Puzzle 3", "math3", 0, 0, {}, false);
    player.SelectGame("Math Puzzle 3", false);
    player.SetCorrectCount("Math Puzzle 3", 9, 2);
    player.GameOver(9, 9);

    CSavedGamesDlg dialog(player);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Saved Games");
    auto* list = Find<CItemTextListBox>(&dialog, ids::IDC_GAME_TITLES);
    auto* ok = Find<QPushButton>(&dialog, ids::IDOK);
    EXPECT_EQ(Shown(list),
              (std::vector<std::string>{"Algebra Puzzle 1|alg1", "Math Puzzle 12|math12"}));
    EXPECT_FALSE(ok->isEnabled());
    QTest::mouseClick(Find<QPushButton>(&dialog, ids::IDHELP), Qt::LeftButton);
    ASSERT_EQ(fake.helpCalls.size(), 1u);
    EXPECT_EQ(fake.helpCalls[0].context, 6);
    ClickItem(list, 1);
    EXPECT_TRUE(ok->isEnabled());
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.m_strTitle, "Math Puzzle 12");
    EXPECT_EQ(dialog.m_strGameStem, "math12");

    CSavedGamesDlg again(player);
    again.show();
    auto* list2 = Find<CItemTextListBox>(&again, ids::IDC_GAME_TITLES);
    ClickItem(list2, 0);
    QTest::mouseDClick(list2->viewport(), Qt::LeftButton, {},
                       list2->visualItemRect(list2->item(0)).center());
    EXPECT_EQ(again.result(), QDialog::Accepted);
    EXPECT_EQ(again.m_strGameStem, "alg1");
}

TEST(DeletePlayers, RemovesTheChosenPlayersAndKeepsTheIndexTrue) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    WritePlayers(folder);
    folder.Write("players/data", std::string(kIndex) + "carl\r\ncarl0.ply\r\n");
    folder.Write("games/Puzzl0.gme", "x");
    folder.Write("games/Other0.gme", "x");
    CDeletePlayersDlg dialog;
    dialog.Prepare("carl", "carl0.ply");
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Delete Players");
    auto* list = Find<CItemTextListBox>(&dialog, ids::IDC_PLAYER_LIST);
    auto* ok = Find<QPushButton>(&dialog, ids::IDOK);
    EXPECT_EQ(Shown(list), (std::vector<std::string>{"ann|ann0.ply", "Bob|Bob0.ply", "Bob|Bob1.ply",
                                                     "Joan|Joan0.ply"}))
        << "the current player is never offered";
    EXPECT_FALSE(ok->isEnabled());

    ClickItem(list, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list->visualItemRect(list->item(2)).center());
    EXPECT_EQ(list->GetSelItems(), (std::vector<int>{0, 2}));
    EXPECT_TRUE(ok->isEnabled());

    fake.answers.push_back(platform::IDNO);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(folder.Exists("players/ann0.ply"));

    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(fake.messages[1].text, "Delete the selected players and their saved games?");
    EXPECT_EQ(fake.messages[1].caption, "Confirmation");
    EXPECT_FALSE(folder.Exists("players/ann0.ply"));
    EXPECT_FALSE(folder.Exists("games/Puzzl0.gme")) << "ann's saved game goes with her";
    EXPECT_FALSE(folder.Exists("players/Bob1.ply"));
    EXPECT_TRUE(folder.Exists("players/Bob0.ply"));
    EXPECT_TRUE(folder.Exists("games/Other0.gme"));
    EXPECT_EQ(folder.Read("players/data"),
              "carl\r\ncarl0.ply\r\nBob\r\nBob0.ply\r\nJoan\r\nJoan0.ply\r\n");
}

TEST(DeletePlayers, GoesOnPastFilesThatAreGoneOrStuck) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    WritePlayers(folder);
    std::filesystem::remove(folder.File("players/Bob0.ply"));
    std::filesystem::remove(folder.File("players/Joan0.ply"));
    folder.Write("players/Joan0.ply/stuck", "x");
    CDeletePlayersDlg dialog;
    dialog.Prepare("carl", "carl0.ply");
    auto* list = Find<CItemTextListBox>(&dialog, ids::IDC_PLAYER_LIST);
    for (int row : {1, 2, 3}) {
        list->item(row)->setSelected(true);
    }
    dialog.OnOK();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(fake.messages[1].text,
              "Access to " + folder.File("players/Joan0.ply") + " was denied.");
    EXPECT_FALSE(folder.Exists("players/Bob1.ply"));
    EXPECT_EQ(folder.Read("players/data"),
              "carl\r\ncarl0.ply\r\nann\r\nann0.ply\r\nJoan\r\nJoan0.ply\r\n")
        << "Bob's file already gone counts as removed; Joan's is still there";
}

TEST(DeletePlayers, ConfirmingWithNothingSelectedRewritesTheIndex) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    WritePlayers(folder);
    CDeletePlayersDlg dialog;
    dialog.Prepare("Joan", "Joan0.ply");
    dialog.show();
    auto* list = Find<CItemTextListBox>(&dialog, ids::IDC_PLAYER_LIST);
    auto* ok = Find<QPushButton>(&dialog, ids::IDOK);
    ClickItem(list, 0);
    list->clearSelection();
    EXPECT_TRUE(ok->isEnabled()) << "OK stays enabled once a player was picked";
    QTest::mouseClick(Find<QPushButton>(&dialog, ids::IDHELP), Qt::LeftButton);
    ASSERT_EQ(fake.helpCalls.size(), 1u);
    EXPECT_EQ(fake.helpCalls[0].context, 9);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(folder.Read("players/data"),
              "Joan\r\nJoan0.ply\r\nann\r\nann0.ply\r\nBob\r\nBob0.ply\r\nBob\r\nBob1.ply\r\n"
              "carl\r\ncarl0.ply\r\n");
    EXPECT_TRUE(folder.Exists("players/ann0.ply"));
}
