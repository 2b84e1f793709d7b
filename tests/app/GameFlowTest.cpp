// SPDX-License-Identifier: MIT
// The game's flow against plain stand-ins of its windows and dialogs, no Qt linked: start-up,
// New Game, Load Saved Game, New Player, Check, Show Solution, Undo and closing. The dialogs
// answer only the codes the real ones give (see GameDialogsTest).
#include <gtest/gtest.h>

#include <algorithm>

#include "GameScript.h"
#include "app/GameFlow.h"
#include "platform/FakeServices.h"
#include "platform/GamePaths.h"
#include "platform/ProgramFolder.h"
#include "players/Player.h"
#include "players/PlayerFiles.h"
#include "puzzle/MathGridDoc.h"

namespace {

using Lines = std::vector<std::string>;

// What the windows show, as the flow told them.
class FakeWindows : public IGameWindows {
public:
    bool created = false, shown = false, finder = false, mayClose = false;
    std::string title, page, panes[4];
    int hintButtons = 0, celebrations = 0;
    const platform::FakeServices* services = nullptr;
    size_t helpAtShow = 0;  // help calls made when the main window showed

    bool CreateGameWindows() override { return created = true; }
    bool HasGameWindows() const override { return created; }
    void ShowMainWindow() override {
        shown = true;
        helpAtShow = services->helpCalls.size();
    }
    bool CloseMainWindow() override { return mayClose; }
    void SetGameTitle(const std::string& t) override { title = t; }
    void UpdateCommandStates() override {}
    // As the page window: a page that cannot be read is reported and the last one stays.
    bool LoadPage(const std::string& path) override {
        if (!std::filesystem::exists(platform::HostPath(path))) {
            return false;
        }
        page = path.substr(path.find_last_of('\\') + 1);
        return true;
    }
    std::pair<std::string, int> PageOnShow() const override { return {page, 0}; }
    void ReturnToPage(const std::pair<std::string, int>& p) override { page = p.first; }
    void SetBoardDocument(CMathGridDoc*) override {}
    void RefreshBoard() override {}
    void ShowMarkChange(board::CellPos) override {}
    void RepaintBoard() override {}
    void ShowHintFinder(bool on) override { finder = on; }
    void BuildHintButtons(int count) override { hintButtons = count; }
    void SelectHintButton(int) override {}
    void LayOutGameWindows(const std::string&) override {}
    void ShowGameWindows(const std::string&) override {}
    void SetPane(int index, const std::string& text) override { panes[index] = text; }
    void RepaintStatusBar() override {}
    void Celebrate() override { ++celebrations; }
};

using apptest::GameAnswer;
const GameAnswer kHunt{results::kPlaySelectedGame, "Number Hunt", "hunt"};
const GameAnswer kSteps{results::kPlaySelectedGame, "Number Steps", "steps"};

class GameFlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialogs.m_pFlow = &flow;
        windows.services = &fake;
        folder.MakeFolder("players");
        folder.MakeFolder("games");
        apptest::WriteGame(folder.Path(), "hunt", 12);
        apptest::WriteGame(folder.Path(), "steps", 8);
    }
    // Starts with Ann playing Number Hunt; what start-up said is cleared.
    void Start() {
        script.games = {kHunt};
        ASSERT_TRUE(flow.StartUp());
        fake.Clear();
        script.log.clear();
    }
    Lines& Marks() { return flow.Document()->m_marks; }
    // Whether Ann's file, as written, has her game of the title over.
    bool OverOnDisk(const std::string& title) const {
        CPlayer ann;
        ann.m_strName = "Ann";
        ann.m_strFileName = "Ann0.ply";
        return ann.Load(PlayersFolder()) && ann.IsTitleFinished(title);
    }
    std::string Said() const { return fake.messages.back().caption + ": " + fake.Texts().back(); }

    testsupport::TempProgramFolder folder;
    platform::FakeServices fake;
    CPlayer player;
    FakeWindows windows;
    apptest::Script script;
    apptest::ScriptDialogs dialogs{player, script};
    GameFlow flow{player, windows, dialogs};
};

}  // namespace

TEST_F(GameFlowTest, StartUpEndsOnAnyCancelAndOtherwiseShowsTheChosenGameAndGreets) {
    script.choosePlayer = false;
    EXPECT_FALSE(flow.StartUp());
    script.choosePlayer = true;
    EXPECT_FALSE(flow.StartUp()) << "Select Game cancelled";
    EXPECT_EQ(script.log, (Lines{"select player", "select player", "select game at start"}));
    EXPECT_FALSE(windows.created || windows.shown);

    // A game that cannot be read is named, and Select Game comes again.
    folder.Write("data/broken_00.htf", apptest::Page("broken"));  // a page but no puzzle
    script.games = {{results::kPlaySelectedGame, "Broken", "broken"}, kHunt};
    ASSERT_TRUE(flow.StartUp());
    EXPECT_EQ(std::count(script.log.begin(), script.log.end(), "select game at start"), 3);
    EXPECT_EQ(fake.messages.at(1).caption + ": " + fake.Texts().at(1),
              "File Error: Unable to load " + platform::GamePaths::Data() + "broken.bgd");
    EXPECT_TRUE(windows.shown);
    EXPECT_EQ(windows.title + "|" + windows.page + "|" + windows.panes[3],
              "Number Hunt|hunt_00.htf|Played: 1");
    EXPECT_EQ(windows.hintButtons, 12);
    EXPECT_EQ(fake.helpCalls.size(), 1u) << "the quick instructions";
    EXPECT_EQ(windows.helpAtShow, 0u) << "they open in front of the main window, after it";
    // 4 answers and 12 hints: 1 point each; 4 and 8 in Number Steps: 2 points.
    const std::string text =
        "For this game, each hint or answer check deducts %s from your "
        "score.\nThe average score is %d.";
    auto greeting = [&](const char* points, int average) {
        std::string t = text;
        t.replace(t.find("%s"), 2, points);
        return t.replace(t.find("%d"), 2, std::to_string(average));
    };
    EXPECT_EQ(Said(), "Let's begin...: " + greeting("1 point", 84));
    script.games = {kSteps};
    flow.OnNewGame();
    EXPECT_EQ(Said(), "Let's begin...: " + greeting("2 points", 76));
    flow.OnScoring();
    EXPECT_EQ(Said(), "Scoring...: " + greeting("2 points", 76));
}

TEST_F(GameFlowTest, NewGameAndLoadSavedGameKeepTheGameLeftAndBringItBack) {
    Start();
    Marks() = {"0,0,1"};
    flow.OnNewGame();  // cancelled
    EXPECT_EQ(flow.m_strGameTitle, "Number Hunt");
    EXPECT_EQ(Marks(), Lines{"0,0,1"});
    // A game that cannot be read leaves the game on show and writes nothing for its title.
    folder.Write("data/broken_00.htf", apptest::Page("broken"));  // a page but no puzzle
    fake.Clear();
    for (const char* stem : {"nothing", "broken", "..\\hunt"}) {
        script.games = {{results::kPlaySelectedGame, "Broken", stem}};
        flow.OnNewGame();
        EXPECT_EQ(windows.title + "|" + windows.page, "Number Hunt|hunt_00.htf") << stem;
        EXPECT_EQ(Marks(), Lines{"0,0,1"});
        EXPECT_FALSE(player.HasSavedGame("Broken"));
    }
    EXPECT_EQ(fake.Texts(),
              (Lines{"Failed to open document.",
                     "Unable to load " + platform::GamePaths::Data() + "broken.bgd",
                     "Unable to load the game \"..\\hunt\": its name is not a plain file name."}));
    script.games = {kSteps};
    flow.OnNewGame();
    EXPECT_EQ(windows.title + "|" + windows.page, "Number Steps|steps_00.htf");
    EXPECT_TRUE(Marks().empty());

    flow.OnLoadSavedGame();  // left without OK
    EXPECT_EQ(flow.m_strGameTitle, "Number Steps");
    script.savedTitle = "Broken";
    script.savedStem = "broken";
    flow.OnLoadSavedGame();
    EXPECT_EQ(windows.title + "|" + fake.Texts().back(),
              "Number Steps|Unable to load " + platform::GamePaths::Data() + "broken.bgd");
    script.savedTitle = "Number Hunt";
    script.savedStem = "hunt";
    flow.OnLoadSavedGame();
    EXPECT_EQ(windows.title + "|" + windows.page, "Number Hunt|hunt_00.htf");
    EXPECT_EQ(Marks(), Lines{"0,0,1"});
    EXPECT_EQ(script.log.back(), "saved games");
    // A saved game whose file is gone is said; the game starts without it.
    std::filesystem::remove(folder.File("games/r_Ste0.gme"));
    fake.Clear();
    script.savedTitle = "Number Steps";
    script.savedStem = "steps";
    flow.OnLoadSavedGame();
    EXPECT_EQ(fake.Texts(),
              Lines{"Unable to read " + folder.File("games/r_Ste0.gme") + " because of error 2."});
    EXPECT_EQ(flow.m_strGameTitle, "Number Steps");
    EXPECT_TRUE(Marks().empty());
}

TEST_F(GameFlowTest, NewPlayerLeftWithoutOkChangesNothingAndOkGoesOnToSelectGame) {
    Start();
    Marks() = {"0,0,1"};
    flow.ShowHint(2);
    script.choosePlayer = false;
    flow.OnNewPlayer();
    EXPECT_EQ(script.log, Lines{"select player"}) << "no Select Game after a cancel";
    EXPECT_EQ(player.m_strName, "Ann");
    EXPECT_EQ(Marks(), Lines{"0,0,1"});
    EXPECT_EQ(windows.page, "hunt_02.htf") << "the hint on show stays";
    EXPECT_NE(folder.Read("games/r_Hu0.gme").find("0,0,1"), std::string::npos) << "Ann's kept";

    // A new player who chooses no game that starts takes the game on show over as their own,
    // without the last player's marks and without a play counted; also when its page is gone.
    script.choosePlayer = true;
    const GameAnswer lost{results::kPlaySelectedGame, "Lost", "missing"};
    const std::pair<const char*, GameAnswer> takeOvers[] = {
        {"Bob", lost},
        {"Cid", {results::kOpenSavedGame, "", ""}},
        {"Dee", {results::kCancelSelectGame, "", ""}},
        {"Eve", lost}};  // and the page of the game on show is gone
    for (const auto& [name, choice] : takeOvers) {
        script.playerName = name;
        script.games = {choice};
        if (name == std::string("Eve")) {
            std::filesystem::remove(folder.File("data/hunt_00.htf"));
        }
        Marks() = {"0,0,1"};
        flow.OnNewPlayer();
        EXPECT_EQ(player.m_strName + "|" + flow.m_strGameTitle, name + std::string("|Number Hunt"));
        EXPECT_TRUE(Marks().empty());
        EXPECT_EQ(player.CurrentStats()->m_nTimesPlayed, 0);
    }
    Marks() = apptest::kAllRight;
    flow.OnCheckAnswer();
    EXPECT_EQ(script.log.back(), "congrats Eve: Your score is 100 out of 100.");
}

TEST_F(GameFlowTest, CheckSaysHowManyMarksAreRightAndCountsEveryCheck) {
    const struct {
        Lines marks;
        const char* text;
        const char* sound;
    } cases[] = {
        {{}, "No items are marked.", "clue"},
        {{"1,0,2"}, "The item marked is correct.", "corcheck"},
        {{"1,0,5"}, "The item marked is incorrect.", "inccheck"},
        {{"0,0,1", "1,0,7", "0,1,7"}, "Of the 3 items marked, 1 of them is correct.", "inccheck"},
        {{"0,0,1", "1,0,2", "0,1,7"}, "Of the 3 items marked, 2 of them are correct.", "inccheck"},
        // A mark listed twice counts once: three of the four answers are not all of them.
        {{"0,0,1", "1,0,2", "0,1,3", "0,0,1"},
         "Of the 3 items marked, 3 of them are correct.",
         "corcheck"},
    };
    Start();
    testsupport::SoundsOn sounds;
    int checks = 0;
    for (const auto& c : cases) {
        fake.Clear();
        Marks() = c.marks;
        flow.OnCheckAnswer();
        EXPECT_EQ(Said(), std::string("Quick Check: ") + c.text);
        EXPECT_EQ(testsupport::SoundNames(fake), Lines{"data\\" + std::string(c.sound) + ".wav"});
        EXPECT_EQ(windows.panes[2], "Checks: " + std::to_string(++checks));
    }
    // A full board ends the game with Congratulations.
    Marks() = apptest::kAllRight;
    flow.OnCheckAnswer();
    EXPECT_EQ(script.log.back(), "congrats Ann: Your score is 94 out of 100.");
    EXPECT_EQ(windows.celebrations, 1);
    EXPECT_TRUE(flow.SolutionShown() && flow.RewardAvailable());
    EXPECT_TRUE(OverOnDisk("Number Hunt")) << "the score is written as the game ends";
    fake.Clear();
    flow.OnCheckAnswer();
    EXPECT_TRUE(fake.messages.empty()) << "nothing to check once the game is over";
}

TEST_F(GameFlowTest, ShowSolutionAsksAndYesEndsTheGameWithoutCongratulations) {
    for (auto [marks, question] :
         {std::pair{Lines{"0,0,5"}, "One or more of your answers is marked incorrectly."},
          std::pair{Lines{}, "You have not marked any answers."}}) {
        Start();
        testsupport::SoundsOn sounds;
        Marks() = marks;
        flow.OnFindHints();
        fake.answers = {platform::IDNO};
        flow.OnShowSolution();
        EXPECT_EQ(Said(), "Confirmation: " + std::string(question) +
                              "\nDo you want to display the correct answer and end the game?");
        EXPECT_TRUE(flow.InPlay());
        EXPECT_FALSE(windows.finder || flow.Modes().m_bHintLookup);
        EXPECT_EQ(Marks(), marks);

        flow.OnShowSolution();
        EXPECT_EQ(testsupport::SoundNames(fake),
                  (Lines{"data\\incshow.wav", "data\\incshow.wav", "data\\wrong.wav"}));
        EXPECT_FALSE(flow.InPlay() || flow.CanUndo() || flow.RewardAvailable());
        EXPECT_EQ(flow.Modes().m_bHintLookup, 1) << "a click now lists the cell's hints";
        EXPECT_EQ(windows.page, "hunt-00.htf");
        EXPECT_EQ(script.log, Lines{}) << "no Congratulations";
        EXPECT_EQ(windows.celebrations, 0);
        EXPECT_EQ(player.CurrentStats()->m_nScore, 1);
        EXPECT_TRUE(OverOnDisk("Number Hunt"));
    }
}

TEST_F(GameFlowTest, ErrorDetectionIsOfferedOnlyForAWrongMarkOfTheHintDuringPlay) {
    Start();
    testsupport::SoundsOn sounds;
    Marks() = {"0,0,9", "1,0,2"};  // hint 1 names the wrong cell, hint 2 the right one
    for (auto [hint, useErrorDetection] : {std::pair{2, 1}, {0, 1}, {1, 0}}) {
        flow.m_bUseErrorDetection = useErrorDetection;
        flow.ShowHint(hint);
    }
    EXPECT_EQ(script.log, Lines{});
    // Yes: the asterisks show while the notice is up, and count against the score.
    fake.Clear();
    flow.m_bUseErrorDetection = 1;
    script.errorDetect = {results::kShowErrors};
    flow.ShowHint(1);
    EXPECT_EQ(script.log, (Lines{"error detect", "errors shown with asterisks"}));
    EXPECT_EQ(testsupport::SoundNames(fake), (Lines{"data\\whoosh.wav", "data\\errorchk.wav"}));
    EXPECT_EQ(flow.Document()->m_bShowErrors, 0);
    EXPECT_EQ(player.CurrentStats()->m_nErrorsDisplayed, 1);
    EXPECT_EQ(Marks(), (Lines{"0,0,9", "1,0,2"}));
}
TEST_F(GameFlowTest, UndoTakesBackNoMarkOnceTheSolutionShows) {
    Start();
    CMathGridDoc& doc = *flow.Document();
    EXPECT_FALSE(flow.History().Change(doc, {1, 0}, [] {})) << "no change, no step";
    flow.History().Change(doc, {0, 0}, [&] { doc.SetCellValue(0, 0, 1); });
    flow.OnShowSolution();
    flow.OnUndoMark();
    EXPECT_EQ(Marks(), Lines{"0,0,1"});
}

TEST_F(GameFlowTest, ClosingAsksAndSavesTheGameAndThePlayerOnlyOnYes) {
    Start();
    Marks() = {"1,1,4"};
    fake.answers = {platform::IDNO};
    EXPECT_FALSE(flow.OnClose());
    EXPECT_FALSE(folder.Exists("players/Ann0.ply"));
    EXPECT_TRUE(flow.OnClose());
    EXPECT_EQ(fake.Texts(), Lines(2, "Are you sure you want to quit this game?"));
    EXPECT_TRUE(folder.Exists("players/Ann0.ply"));
    EXPECT_NE(folder.Read("games/r_Hu0.gme").find("1,1,4"), std::string::npos);
}
