// SPDX-License-Identifier: MIT
// The player dialogs driven headless: choosing and adding players, statistics and their
// report, saved games, deleting players, and choosing the game to play.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>

#include "PlayerTestFiles.h"
#include "images/DialogTemplate.h"
#include "images/DibStatic.h"
#include "platform/FakeServices.h"
#include "players/DeletePlayersDlg.h"
#include "players/ItemTextListBox.h"
#include "players/PlayerStatsDlg.h"
#include "players/SavedGamesDlg.h"
#include "players/SelectGameDlg.h"
#include "players/SelectPlayerDlg.h"
#include "players/StatsReport.h"
#include "resources/ResourceIds.h"
#include "support/DialogControls.h"
#include "support/TestBitmaps.h"
#include "support/TestSupport.h"

using testsupport::Find;

namespace {

CItemTextListBox* List(const QWidget* dialog, int id = ids::IDC_PLAYER_LIST) {
    return Find<CItemTextListBox>(dialog, id);
}

// The items as "shown|hidden;".
std::string Shown(const CItemTextListBox* list) {
    std::string items;
    for (int i = 0; i < list->GetCount(); ++i) {
        std::string shown, hidden;
        list->GetItem(i, shown, hidden);
        items += shown + "|" + hidden + ";";
    }
    return items;
}

QListWidget* Games(const QWidget* dialog) {
    return Find<QListWidget>(dialog, ids::IDC_GAME_LIST);
}

// A user's click on a list item.
void Click(QListWidget* list, int row, Qt::KeyboardModifiers keys = {}) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, keys,
                      list->visualItemRect(list->item(row)).center());
}

// The Select Player dialog as the player sees it: the name box, the picked row, and which of
// OK and Statistics are enabled, as "Bob|2|OK Stats".
std::string State(const CSelectPlayerDlg& dialog) {
    return Find<QLineEdit>(&dialog, ids::IDC_PLAYER_NAME)->text().toStdString() + "|" +
           std::to_string(List(&dialog)->GetCurSel()) + "|" +
           (Find(&dialog, ids::IDOK)->isEnabled() ? "OK" : "") +
           (Find(&dialog, ids::IDC_PLAYER_STATISTICS)->isEnabled() ? " Stats" : "");
}

const char kIndex[] =
    "Bob\r\nBob0.ply\r\nann\r\nann0.ply\r\nJoan\r\nJoan0.ply\r\nBob\r\nBob1.ply\r\n"
    "carl\r\ncarl0.ply\r\n";

// Five players in the index, each with a file; ann has records and saved games.
class PlayerDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        folder.Write("players/data", kIndex);
        for (const char* file : {"Bob0", "Bob1", "Joan0", "carl0"}) {
            const std::string name(file, std::strlen(file) - 1);
            folder.Write("players/" + std::string(file) + ".ply", name + "\r\nNo Saved Games\r\n");
        }
        folder.Write("players/ann0.ply", playertest::SampleFile("ann"));
        folder.MakeFolder("games");
    }
    // The current player before a dialog runs.
    void BeCarl() {
        player.m_strName = "carl";
        player.m_strFileName = "carl0.ply";
        player.SelectGame("carl's game", false);
    }

    // Answers the dialog's Yes/No question No, then Yes: No keeps the dialog open and the
    // players as they were; Yes closes it, with the messages after.
    void NoThenYes(QDialog& dialog, const std::string& question, const std::function<void()>& act,
                   const std::vector<std::string>& after = {}) {
        const std::string index = folder.Read("players/data");
        fake.answers.push_back(platform::IDNO);
        act();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(folder.Read("players/data"), index);
        act();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        std::vector<std::string> expected{question, question};
        expected.insert(expected.end(), after.begin(), after.end());
        ASSERT_EQ(fake.Texts(), expected);
        EXPECT_EQ(fake.messages[1].type & platform::MB_BUTTONMASK, platform::MB_YESNO);
    }

    platform::FakeServices fake;
    testsupport::TempProgramFolder folder;
    CPlayer player;
};

// A Select Game dialog whose Saved Games dialog answers from a script.
class ScriptedSelectGame : public CSelectGameDlg {
public:
    using CSelectGameDlg::CSelectGameDlg;
    bool savedGameChosen = false;

protected:
    bool RunSavedGames(std::string& title, std::string& stem) override {
        if (savedGameChosen) {
            title = "Saved Title";
            stem = "savedstem";
        }
        return savedGameChosen;
    }
};

// The players above, and three games and a heading picture for ann to choose from.
class SelectGame : public PlayerDialogs {
protected:
    void SetUp() override {
        PlayerDialogs::SetUp();
        folder.Write("data/games.dat",
                     "Zebra Sums\r\nzebra\r\n\r\nAdding Up\r\nadding\r\nTake Away\r\ntakeaway\r\n");
        folder.Write("data/Head.bmp", testsupport::MakeBmp(40, 12, 8, {0x000000, 0x2040A0},
                                                           [](int, int) { return 1u; }));
        player.m_strName = "ann";
        player.m_strFileName = "ann0.ply";
    }
};

}  // namespace

TEST_F(PlayerDialogs, SelectPlayerListsTheIndexAndPickingAPlayerLoadsThatPlayersFile) {
    player.SelectGame("left from the last player", false);
    CSelectPlayerDlg dialog(player);
    dialog.show();
    CItemTextListBox* list = List(&dialog);
    EXPECT_EQ(Shown(list), "ann|ann0.ply;Bob|Bob0.ply;Bob|Bob1.ply;carl|carl0.ply;Joan|Joan0.ply;");
    EXPECT_EQ(State(dialog), "|-1|") << "nothing to confirm yet";

    Click(list, 2);
    dialog.OnEditKillFocus();
    EXPECT_EQ(State(dialog), "Bob|2|OK Stats") << "the second Bob stays picked";
    Click(list, 0);
    EXPECT_EQ(State(dialog), "ann|0|OK Stats") << "the first name is picked like any other";
    QTest::mouseClick(Find(&dialog, ids::IDOK), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(player.m_strName + "|" + player.m_strFileName, "ann|ann0.ply");
    EXPECT_EQ(player.Stats().size(), 2u) << "loaded into a cleared player";
}

TEST_F(PlayerDialogs, SelectPlayerANewNameBecomesANewPlayerEvenWhenItBeginsLikeAnother) {
    BeCarl();
    CSelectPlayerDlg dialog(player);
    auto* edit = Find<QLineEdit>(&dialog, ids::IDC_PLAYER_NAME);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    edit->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClicks(edit, "Jo");
    EXPECT_EQ(List(&dialog)->GetCurSel(), 4) << "Joan begins with Jo";
    NoThenYes(dialog, "Add new player?", [&] { QTest::keyClick(edit, Qt::Key_Return); });
    EXPECT_EQ(player.m_strName + "|" + player.m_strFileName, "Jo|Jo0.ply");
    EXPECT_EQ(folder.Read("players/Jo0.ply"), "Jo\r\nNo Saved Games\r\n");
    EXPECT_EQ(folder.Read("players/data"), std::string(kIndex) + "Jo\r\nJo0.ply\r\n");

    // Without a free file name no other player's file is overwritten.
    for (int n = 0; n < 100; ++n) {
        folder.Write("players/Zed" + std::to_string(n) + ".ply", "taken");
    }
    BeCarl();
    CSelectPlayerDlg zed(player);
    QTest::keyClicks(Find<QLineEdit>(&zed, ids::IDC_PLAYER_NAME), "Zed");
    zed.OnEditKillFocus();
    zed.OnOK();
    EXPECT_EQ(player.m_strName + "|" + player.m_strFileName, "Zed|");
    EXPECT_EQ(folder.Read("players/carl0.ply"), "carl\r\nNo Saved Games\r\n");
    EXPECT_EQ(folder.Read("players/Zed42.ply"), "taken");
}

TEST_F(PlayerDialogs, SelectPlayerRefusesANameTheFileCannotHoldAndLeavesNothingHalfMade) {
    BeCarl();
    CSelectPlayerDlg dialog(player);
    dialog.show();
    auto* edit = Find<QLineEdit>(&dialog, ids::IDC_PLAYER_NAME);
    edit->setText(QString::fromUtf8("\u674E\u96F7"));
    dialog.OnEditKillFocus();
    dialog.OnOK();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(fake.Texts(), std::vector<std::string>{kNameOutsideCodePage});
    EXPECT_EQ(player.m_strName, "carl");

    // A full disk: the new player's file cannot be written, and nothing of it stays.
    fake.Clear();
    edit->setText(QString::fromUtf8("Zo\u00EB"));
    dialog.OnEditKillFocus();
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    const struct rlimit none = {0, old.rlim_max};
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &none);
    dialog.OnOK();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(fake.Texts(),
              (std::vector<std::string>{
                  "Add new player?",
                  "Unable to save " + folder.File("players/Zo_0.ply") + " because of error 13."}));
    EXPECT_FALSE(folder.Exists("players/Zo_0.ply"));
    EXPECT_EQ(folder.Read("players/data"), kIndex);
    EXPECT_EQ(player.m_strName + "|" + player.m_strFileName, "Zo\xEB|");
}

TEST_F(PlayerDialogs, SelectPlayerAtStartUpAsksBeforeQuittingAndANameMakesTheFirstPlayer) {
    {
        CSelectPlayerDlg dialog(player, true);
        dialog.show();
        fake.answers.push_back(platform::IDNO);
        QTest::mouseClick(Find(&dialog, ids::IDCANCEL), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(fake.Texts(), std::vector<std::string>(2, "Are you sure you want to quit?"));
    }
    fake.Clear();
    folder.Write("players/data", "");
    CSelectPlayerDlg dialog(player, true);
    dialog.show();
    auto* edit = Find<QLineEdit>(&dialog, ids::IDC_PLAYER_NAME);
    ASSERT_EQ(dialog.focusWidget(), edit);
    QTest::keyClicks(edit, "Dee");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(player.m_strName, "Dee");
    EXPECT_EQ(fake.Texts(), std::vector<std::string>{"Add new player?"});
}

TEST_F(PlayerDialogs, WithPlayersListedTypingGoesToTheNameBoxAndEnterTakesTheTypedName) {
    CSelectPlayerDlg dialog(player);
    dialog.show();
    auto* edit = Find<QLineEdit>(&dialog, ids::IDC_PLAYER_NAME);
    ASSERT_EQ(dialog.focusWidget(), edit);
    QTest::keyClicks(edit, "Zoe");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(player.m_strName, "Zoe");
    EXPECT_EQ(fake.Texts(), std::vector<std::string>{"Add new player?"});
}

TEST_F(PlayerDialogs, SelectPlayerStatisticsShowAnyPlayerWithoutChangingTheCurrentOne) {
    BeCarl();
    CSelectPlayerDlg dialog(player, false, true);
    dialog.show();
    Click(List(&dialog), 0);
    std::string seen;
    QTimer::singleShot(0, [&] {
        auto* stats = qobject_cast<CPlayerStatsDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(stats, nullptr);
        seen = Shown(List(stats, ids::IDC_GAME_TITLES));
        stats->accept();
    });
    QTest::mouseClick(Find(&dialog, ids::IDC_PLAYER_STATISTICS), Qt::LeftButton);
    EXPECT_EQ(seen, "Logic Puzzle 3|;Math Puzzle 12|;") << "ann's records";
    QTest::mouseClick(Find(&dialog, ids::IDOK), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(player.m_strName + "|" + player.Stats().at(0)->m_strTitle, "carl|carl's game");
}

TEST_F(PlayerDialogs, StatisticsShowsTheReportOfTheChosenTitleAndPrintsIt) {
    ASSERT_TRUE(playertest::LoadPlayer(player, "ann", "ann0.ply"));
    player.SelectGame("Another Puzzle", true);
    CPlayerStatsDlg dialog(&player);
    dialog.show();
    CItemTextListBox* list = List(&dialog, ids::IDC_GAME_TITLES);
    auto* report = Find<QPlainTextEdit>(&dialog, ids::IDC_STATS_REPORT);
    QPushButton* print = Find(&dialog, ids::IDC_STATS_PRINT);
    EXPECT_EQ(Find<QLabel>(&dialog, ids::IDC_NO_GAME_SELECTED)->text(), "No Game Selected");
    EXPECT_FALSE(print->isEnabled());
    EXPECT_EQ(Shown(list), "Another Puzzle|;Logic Puzzle 3|;Math Puzzle 12|;");
    EXPECT_TRUE(report->isReadOnly());

    Click(list, 2);
    const std::string expected = playertest::SampleReport("ann");
    EXPECT_EQ(report->toPlainText().toStdString(), expected);
    QTest::mouseClick(print, Qt::LeftButton);
    EXPECT_EQ(folder.Read("players/stats.txt"),
              QString::fromStdString(expected).replace("\n", "\r\n").toStdString());
    EXPECT_EQ(fake.viewerOpens, std::vector<std::string>{StatsReportPath()});
    EXPECT_EQ(dialog.findChild<QPlainTextEdit*>("textWindowText"), nullptr);
    // A desktop without a text viewer: the game shows the report in its own window.
    fake.viewerStarts = false;
    QTest::mouseClick(print, Qt::LeftButton);
    auto* shown = dialog.findChild<QPlainTextEdit*>("textWindowText");
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isReadOnly() && shown->isVisible());
    EXPECT_EQ(shown->toPlainText().toStdString(), expected);

    QTest::mouseClick(Find(&dialog, ids::IDHELP), Qt::LeftButton);
    ASSERT_EQ(fake.helpCalls.size(), 1u);
    EXPECT_EQ(fake.helpCalls[0].context, 4);

    // Nowhere to write the report: said, and no viewer starts.
    std::filesystem::remove_all(folder.File("players"));
    QTest::mouseClick(print, Qt::LeftButton);
    EXPECT_EQ(fake.viewerOpens.size(), 2u);

    // Without a player the dialog says so and closes.
    CPlayerStatsDlg none(nullptr);
    EXPECT_EQ(none.exec(), QDialog::Rejected);
    EXPECT_EQ(fake.Texts(), (std::vector<std::string>{"Unable to write statistics!",
                                                      "No Valid Player Selected!"}));
}

TEST(ItemTextListBox, SortsCaseInsensitivelyWithEqualNamesInTheOrderTheyCame) {
    const std::vector<ItemText> items = {{"bob", "1"},   {"_x", "2"}, {"Alice", "3"}, {"BOB", "4"},
                                         {"alice", "5"}, {"b", "6"},  {"Bob", "7"}};
    const std::string sorted = "_x|2;Alice|3;alice|5;b|6;bob|1;BOB|4;Bob|7;";
    CItemTextListBox oneByOne, allAtOnce, inTwoGoes;
    for (const ItemText& item : items) {
        oneByOne.AddItem(item.shown, item.hidden);
    }
    allAtOnce.AddItems(items);
    inTwoGoes.AddItems({items.begin(), items.begin() + 4});
    inTwoGoes.SetCurSel(2);
    inTwoGoes.AddItems({items.begin() + 4, items.end()});
    EXPECT_EQ(Shown(&oneByOne) + Shown(&allAtOnce), sorted + sorted);
    EXPECT_EQ(Shown(&inTwoGoes), sorted) << "names already listed stay before equal newcomers";
    EXPECT_EQ(inTwoGoes.GetCurSel(), 4) << "bob stays selected";
}

TEST_F(PlayerDialogs, SavedGamesOffersTheUnfinishedGamesOnly) {
    player.m_strName = "ann";
    for (const char* title : {"Math Puzzle 12", "Algebra Puzzle 1", "Math Puzzle 3"}) {
        player.SaveGame(GamesFolder(), title, std::string("stem ") + title, 0, 0, {}, false);
    }
    player.SelectGame("Math Puzzle 3", false);
    player.SetCorrectCount("Math Puzzle 3", 9, 2);
    player.GameOver(9, 9);

    CSavedGamesDlg dialog(player);
    dialog.show();
    CItemTextListBox* list = List(&dialog, ids::IDC_GAME_TITLES);
    QPushButton* ok = Find(&dialog, ids::IDOK);
    EXPECT_EQ(Shown(list),
              "Algebra Puzzle 1|stem Algebra Puzzle 1;Math Puzzle 12|stem Math Puzzle 12;");
    EXPECT_FALSE(ok->isEnabled());
    Click(list, 1);
    EXPECT_TRUE(ok->isEnabled());
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.m_strTitle + "|" + dialog.m_strGameStem, "Math Puzzle 12|stem Math Puzzle 12");
}

TEST_F(PlayerDialogs, DeletePlayersGoesOnPastFilesGoneOrStuckAndKeepsTheIndexTrue) {
    folder.Write("players/data", std::string(kIndex) + "carl\r\ncarl0.ply\r\n");
    folder.Write("games/Puzzl0.gme", "x");
    std::filesystem::remove(folder.File("players/Bob1.ply"));
    std::filesystem::remove(folder.File("players/Joan0.ply"));
    folder.Write("players/Joan0.ply/stuck", "x");
    WriteStatsReport(playertest::SampleReport("ann"));
    CDeletePlayersDlg dialog;
    dialog.Prepare("carl", "carl0.ply");
    dialog.show();
    CItemTextListBox* list = List(&dialog);
    QPushButton* ok = Find(&dialog, ids::IDOK);
    EXPECT_EQ(Shown(list), "ann|ann0.ply;Bob|Bob0.ply;Bob|Bob1.ply;Joan|Joan0.ply;")
        << "the current player is never offered";
    EXPECT_FALSE(ok->isEnabled());
    Click(list, 0);
    Click(list, 2, Qt::ControlModifier);
    Click(list, 3, Qt::ControlModifier);
    EXPECT_TRUE(ok->isEnabled());

    NoThenYes(dialog, "Delete the selected players and their saved games?",
              [&] { QTest::mouseClick(ok, Qt::LeftButton); },
              {"Access to " + folder.File("players/Joan0.ply") + " was denied."});
    EXPECT_FALSE(folder.Exists("players/ann0.ply"));
    EXPECT_FALSE(folder.Exists("games/Puzzl0.gme")) << "ann's saved game goes with her";
    EXPECT_FALSE(folder.Exists("players/stats.txt")) << "and so does her report";
    EXPECT_EQ(folder.Read("players/data"),
              "carl\r\ncarl0.ply\r\nBob\r\nBob0.ply\r\nJoan\r\nJoan0.ply\r\n")
        << "Bob's file already gone counts as removed; Joan's is still there";
}

TEST_F(SelectGame, ListsTheGamesInFileOrderAndPlaysTheOneChosen) {
    ScriptedSelectGame dialog(player);  // sounds are off
    dialog.show();
    QListWidget* list = Games(&dialog);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text() + "|" + list->item(1)->text() + "|" + list->item(2)->text(),
              "Zebra Sums|Adding Up|Take Away");
    EXPECT_TRUE(Find<CDibStatic>(&dialog, ids::IDC_DIB_PICTURE)->Picture());

    QPushButton* play = Find(&dialog, ids::IDOK);
    EXPECT_FALSE(play->isEnabled()) << "nothing is chosen yet";
    EXPECT_FALSE(Find(&dialog, ids::IDC_OPEN_SAVED_GAME)->isEnabled()) << "no saved games";

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
    QListWidget* games = Games(&again);
    Click(games, 2);
    QTest::mouseDClick(games->viewport(), Qt::LeftButton, {},
                       games->visualItemRect(games->item(2)).center());
    EXPECT_EQ(again.result(), ids::IDOK) << "a double click plays";
    EXPECT_EQ(again.m_strSelectedGameStem, "takeaway");
}

TEST_F(SelectGame, AsksBeforeOverwritingASavedGame) {
    player.SaveGame(GamesFolder(), "Take Away", "takeaway", 0, 0, {"1,1"}, false);
    player.SelectGame("Zebra Sums", true);
    player.CurrentStats()->m_nScore = 87;
    folder.Write("data/levels.dat", "takeaway,easy,place-value\r\nzebra\r\n");
    ScriptedSelectGame dialog(player);
    dialog.m_bHasSavedGames = player.HasSavedGames();
    dialog.show();
    // Beside each title its level, a finished game's score and a saved game in progress.
    auto side = [&](int row) {
        return Games(&dialog)->item(row)->data(Qt::UserRole + 2).toString();
    };
    EXPECT_EQ(side(0) + "|" + side(1) + "|" + side(2),
              "\u2713 87||easy \u00b7 place value   \u270e saved");
    Click(Games(&dialog), 2);
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
    fake.answers = {platform::IDNO, platform::IDNO};
    QTest::mouseClick(quit, Qt::LeftButton);
    EXPECT_TRUE(startUp.isVisible());
    QTest::keyClick(&startUp, Qt::Key_Escape);
    EXPECT_TRUE(startUp.isVisible()) << "Escape asks as Cancel does";
    QTest::mouseClick(quit, Qt::LeftButton);
    EXPECT_EQ(startUp.result(), ids::IDC_SELECT_GAME_CANCEL);
    EXPECT_EQ(fake.Texts(), std::vector<std::string>(3, "Are you sure you want to quit?"));
    EXPECT_EQ(fake.messages[0].type & platform::MB_BUTTONMASK, platform::MB_YESNO);

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
    EXPECT_EQ(dialog.result(), ids::IDC_OPEN_SAVED_GAME);
    EXPECT_EQ(dialog.m_strSelectedTitle + "|" + dialog.m_strSelectedGameStem,
              "Saved Title|savedstem");
}
