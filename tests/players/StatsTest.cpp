// SPDX-License-Identifier: MIT
// Statistics records: the score rules, what is counted when, the record's lines in the player
// file, its report text, and the English time texts.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <ctime>

#include "platform/Clock.h"
#include "platform/FakeServices.h"
#include "platform/TextFile.h"
#include "players/Player.h"
#include "support/TestSupport.h"

using testsupport::TempProgramFolder;

namespace {

// Thursday 5 March 1998, 14:07 local time.
std::tm PinnedTime() {
    std::tm t{};
    t.tm_year = 98;
    t.tm_mon = 2;
    t.tm_mday = 5;
    t.tm_hour = 14;
    t.tm_min = 7;
    t.tm_wday = 4;
    t.tm_yday = 63;
    return t;
}

class PinnedClock {
public:
    PinnedClock() {
        std::tm t = PinnedTime();
        platform::SetFixedLocalTime(&t);
    }
    ~PinnedClock() { platform::SetFixedLocalTime(nullptr); }
};

// A player in the middle of a game of the title with the given puzzle size.
void StartGame(CPlayer& player, const std::string& title, int cells, int hints) {
    player.SelectGame(title, false);
    player.IncTimesPlayed(true);
    player.SelectGame(title, false);
    player.ResetStats();
    player.SetCorrectCount(title, cells, hints);
}

std::string WriteRecord(CMathGameStats& record, const TempProgramFolder& folder) {
    CTextFile file;
    EXPECT_TRUE(file.Open(folder.Path() + "record.txt", CFile::modeWrite | CFile::modeCreate));
    record.Write(file);
    EXPECT_TRUE(file.Close());
    return folder.Read("record.txt");
}

CMathGameStats ReadRecord(const std::string& bytes, const TempProgramFolder& folder,
                          bool* result = nullptr) {
    folder.Write("record.txt", bytes);
    CTextFile file;
    EXPECT_TRUE(file.Open(folder.Path() + "record.txt", CFile::modeRead));
    CMathGameStats record;
    bool ok = record.Read(file);
    if (result) {
        *result = ok;
    }
    return record;
}

}  // namespace

TEST(GameData, PointsPerHintOrCheckAndTheAverage) {
    platform::FakeServices fake;
    CPlayer player;
    int points = -1, average = -1;
    StartGame(player, "Math Puzzle 1", 25, 10);
    player.GetGameData(points, average);
    EXPECT_EQ(points, 1) << "30 / 35 is 0, taken as 1";
    EXPECT_EQ(average, 65);
    StartGame(player, "Math Puzzle 2", 9, 5);
    player.GetGameData(points, average);
    EXPECT_EQ(points, 2);
    EXPECT_EQ(average, 72);
    StartGame(player, "Tiny", 3, 0);
    player.GetGameData(points, average);
    EXPECT_EQ(points, 10);
    EXPECT_EQ(average, 70);
    // A record that never got its sizes must not divide by nothing.
    player.SelectGame("Empty", false);
    player.GetGameData(points, average);
    EXPECT_EQ(points, 1);
    EXPECT_EQ(average, 100);
    EXPECT_TRUE(fake.messages.empty());
}

TEST(GameOver, ScoresDividingFirstAndMultiplyingAfter) {
    platform::FakeServices fake;
    PinnedClock clock;
    CPlayer player;
    StartGame(player, "Math Puzzle 1", 25, 10);
    player.Hint(0);
    player.Hint(1);
    player.CheckAnswer();
    EXPECT_EQ(player.GameOver(25, 25), 97) << "100 - 3 x 1, all cells correct";
    EXPECT_EQ(player.GetScore(), 97);

    StartGame(player, "Math Puzzle 1", 25, 10);
    player.Hint(0);
    player.Hint(1);
    player.CheckAnswer();
    player.IncErrorsDisplayed();
    player.IncErrorsDisplayed();
    EXPECT_EQ(player.GameOver(25, 25), 87) << "five points per error display";

    StartGame(player, "Math Puzzle 1", 25, 10);
    player.Hint(3);
    player.Hint(4);
    player.CheckAnswer();
    EXPECT_EQ(player.GameOver(24, 20), 77) << "97 / 25 x 20 = 77.6, truncated";
    const CMathGameStats& record = *player.CurrentStats();
    EXPECT_EQ(record.m_nCellsMarked, 24);
    EXPECT_EQ(record.m_nCellsCorrect, 20);
    EXPECT_EQ(record.m_bFinished, 1);
    EXPECT_EQ(record.m_strLastPlayed, "Finished this game on Thursday, 03/05/98 at 02:07 PM");

    // The order shows in the last digit: 98 / 11 x 11 is 97.99999... in floating point,
    // so a perfect game of 11 cells with two hints taken scores 97, not 98.
    StartGame(player, "Eleven", 11, 5);
    player.Hint(0);
    player.Hint(4);
    EXPECT_EQ(player.GameOver(11, 11), 97);

    StartGame(player, "Nothing right", 25, 10);
    EXPECT_EQ(player.GameOver(25, 0), 1) << "no correct cell scores 1 whatever else";
    StartGame(player, "Hint hoarder", 25, 80);
    for (int i = 0; i < 80; ++i) {
        player.Hint(i);
    }
    for (int i = 0; i < 40; ++i) {
        player.CheckAnswer();
    }
    EXPECT_EQ(player.GameOver(25, 25), 1) << "a score driven below zero is 1";
    StartGame(player, "Error shower", 25, 10);
    for (int i = 0; i < 30; ++i) {
        player.IncErrorsDisplayed();
    }
    EXPECT_EQ(player.GameOver(25, 25), 1);
    EXPECT_TRUE(fake.messages.empty());
}

TEST(GameOver, FinishedGamesCountNothingMoreUntilReset) {
    platform::FakeServices fake;
    CPlayer player;
    StartGame(player, "Math Puzzle 1", 25, 10);
    player.Hint(2);
    player.Hint(2);
    player.Hint(2);
    EXPECT_EQ(player.TimesHintTaken(), 1) << "a hint taken three times counts once";
    player.Hint(-1);
    player.Hint(10);
    player.Hint(1000000);
    EXPECT_EQ(player.TimesHintTaken(), 1) << "indexes outside the hints touch nothing";
    player.CheckAnswer();
    player.GameOver(25, 25);
    player.Hint(5);
    player.CheckAnswer();
    player.IncErrorsDisplayed();
    EXPECT_EQ(player.TimesHintTaken(), 1);
    EXPECT_EQ(player.TimesAnswerChecked(), 1);
    EXPECT_EQ(player.CurrentStats()->m_nErrorsDisplayed, 0);

    // A new game of the same title starts the counts again but goes on counting plays.
    StartGame(player, "Math Puzzle 1", 25, 10);
    const CMathGameStats& record = *player.CurrentStats();
    EXPECT_EQ(record.m_bFinished, 0);
    EXPECT_EQ(record.m_nHintsTaken, 0);
    EXPECT_EQ(record.m_nAnswerChecks, 0);
    EXPECT_EQ(record.m_nScore, 1);
    EXPECT_EQ(record.m_strTitle, "Math Puzzle 1");
    EXPECT_EQ(record.m_hintTaken, std::vector<uint16_t>(10, 0));
    EXPECT_EQ(player.TimesPlayed(), 2);
    player.Hint(5);
    EXPECT_EQ(player.TimesHintTaken(), 1);
    EXPECT_EQ(player.Stats().size(), 1u);
}

TEST(PlayerStats, EveryOperationWithoutARecordSaysSoAndChangesNothing) {
    platform::FakeServices fake;
    CPlayer player;
    player.ResetStats();
    player.SetCorrectCount("x", 1, 1);
    player.IncTimesPlayed(true);
    player.Hint(0);
    player.CheckAnswer();
    player.IncErrorsDisplayed();
    EXPECT_EQ(player.GameOver(1, 1), 0);
    EXPECT_EQ(player.GetScore(), 0);
    int points = 5, average = 5;
    player.GetGameData(points, average);
    EXPECT_EQ(points, 0);
    EXPECT_EQ(average, 0);
    EXPECT_EQ(player.TimesHintTaken(), 0);
    EXPECT_EQ(player.TimesAnswerChecked(), 0);
    EXPECT_EQ(player.TimesPlayed(), 0);
    EXPECT_EQ(fake.Texts(), (std::vector<std::string>{
                                "ResetStats No Stats Class Created!",
                                "SetCorrectCount No Stats Class Created!",
                                "IncTimesPlayed No Stats Class Created!",
                                "Hint No Stats Class Created!",
                                "CheckAnswer No Stats Class Created!",
                                "CheckAnswer No Stats Class Created!",
                                "GameOver No Stats Class Created!",
                                "GetScore No Stats Class Created!",
                                "GetGameData No Stats Class Created!",
                                "TimesHintTaken No Stats Class Created!",
                                "TimesAnswerChecked No Stats Class Created!",
                            }));
    EXPECT_EQ(fake.messages[0].caption, "Math Quizlex");
    EXPECT_TRUE(player.Stats().empty());
}

TEST(PlayerStats, SelectGameFindsTheTitleExactlyOrAppendsANewRecord) {
    platform::FakeServices fake;
    CPlayer player;
    player.SelectGame("Math Puzzle 1", false);
    player.SelectGame("math puzzle 1", false);
    player.SelectGame("Math Puzzle 1", false);
    ASSERT_EQ(player.Stats().size(), 2u);
    EXPECT_EQ(player.CurrentStats(), player.Stats()[0].get());
    player.CurrentStats()->m_strLastPlayed = "Last played this game on Monday";
    player.SelectGame("Math Puzzle 1", true);
    EXPECT_EQ(player.CurrentStats()->m_strLastPlayed, "Last played this game on Monday");
    player.SelectGame("Math Puzzle 1", false);
    EXPECT_EQ(player.CurrentStats()->m_strLastPlayed, "") << "stamped anew at the next write";
    player.SelectGame("Other", true);
    EXPECT_EQ(player.CurrentStats()->m_bFinished, 1);
    // Resuming: counted up by the start, down again by the resume.
    player.SelectGame("Math Puzzle 1", false);
    player.IncTimesPlayed(true);
    player.IncTimesPlayed(false);
    EXPECT_EQ(player.TimesPlayed(), 0);
}

TEST(StatsRecord, WritesItsLinesAndStampsAnEmptyTime) {
    platform::FakeServices fake;
    PinnedClock clock;
    TempProgramFolder folder;
    CPlayer player;
    StartGame(player, "Math Puzzle 12", 9, 3);
    player.Hint(1);
    player.CheckAnswer();
    CMathGameStats& record = *player.CurrentStats();
    EXPECT_EQ(WriteRecord(record, folder),
              "Math Puzzle 12\r\n"
              "Last played this game on Thursday, 03/05/98 at 02:07 PM\r\n"
              "\r\n"
              "FALSE\r\n"
              "1\r\n0\r\n0\r\n9\r\n1\r\n3\r\n1\r\n0\r\n1\r\n"
              "FALSE\r\nTRUE\r\nFALSE\r\n");
    EXPECT_EQ(record.m_strLastPlayed, "Last played this game on Thursday, 03/05/98 at 02:07 PM")
        << "the record keeps the stamp";

    // A flag array that disagrees with the hints in game is left out.
    record.m_hintTaken.push_back(1);
    record.m_strExtra = "kept as it was";
    std::string bytes = WriteRecord(record, folder);
    EXPECT_NE(bytes.find("kept as it was\r\nFALSE\r\n"), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 3), "1\r\n") << "ends with the score";
}

TEST(StatsRecord, ReadsBackWhatItWrote) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    CMathGameStats original;
    original.SetCorrectCount("Math Puzzle 3", 16, 4);
    original.m_strLastPlayed = "Finished this game on Friday, 12/31/99 at 11:59 PM";
    original.m_strExtra = "extra";
    original.Hint(0);
    original.Hint(3);
    original.CheckAnswer();
    original.IncErrorsDisplayed();
    original.IncTimesPlayed(true);
    original.GameOver(15, 12);
    original.m_strLastPlayed = "Finished this game on Friday, 12/31/99 at 11:59 PM";
    bool ok = false;
    CMathGameStats copy = ReadRecord(WriteRecord(original, folder), folder, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(copy.m_strTitle, original.m_strTitle);
    EXPECT_EQ(copy.m_strLastPlayed, original.m_strLastPlayed);
    EXPECT_EQ(copy.m_strExtra, "extra");
    EXPECT_EQ(copy.m_bFinished, 1);
    EXPECT_EQ(copy.m_hintTaken, (std::vector<uint16_t>{1, 0, 0, 1}));
    EXPECT_EQ(copy.m_nTimesPlayed, 1);
    EXPECT_EQ(copy.m_nCellsCorrect, 12);
    EXPECT_EQ(copy.m_nCellsMarked, 15);
    EXPECT_EQ(copy.m_nTotalCells, 16);
    EXPECT_EQ(copy.m_nHintsTaken, 2);
    EXPECT_EQ(copy.m_nHintsInGame, 4);
    EXPECT_EQ(copy.m_nAnswerChecks, 1);
    EXPECT_EQ(copy.m_nErrorsDisplayed, 1);
    EXPECT_EQ(copy.m_nScore, original.m_nScore);
}

TEST(StatsRecord, ReadsOddLinesTheWayTheGameAlwaysDid) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    // Finished unless exactly "FALSE"; numbers by their leading digits; exactly three flags.
    CMathGameStats record = ReadRecord(
        "T\nL\nX\nfalse\n7 times\nx\n-3\n25\n1\n3\n2\n0\n+55\nTRUE\ntrue\nTRUE\nTRUE\n", folder);
    EXPECT_EQ(record.m_bFinished, 1);
    EXPECT_EQ(record.m_nTimesPlayed, 7);
    EXPECT_EQ(record.m_nCellsCorrect, 0);
    EXPECT_EQ(record.m_nCellsMarked, -3);
    EXPECT_EQ(record.m_nScore, 55);
    EXPECT_EQ(record.m_hintTaken, (std::vector<uint16_t>{1, 0, 1}));

    // A record cut short reads its missing lines as empty: numbers and flags 0.
    bool ok = false;
    record = ReadRecord("Short\r\nLast\r\n", folder, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(record.m_strTitle, "Short");
    EXPECT_EQ(record.m_bFinished, 1);
    EXPECT_EQ(record.m_nScore, 0);
    EXPECT_EQ(record.GetScore(), 1) << "read through GetScore the score is never below 1";
    record = ReadRecord("", folder, &ok);
    EXPECT_FALSE(ok) << "nothing left to read";

    // A huge hint count cannot make the reader allocate or read without end.
    record = ReadRecord("T\nL\nX\nFALSE\n1\n0\n0\n9\n0\n2147483647\n0\n0\n1\nTRUE\n", folder);
    EXPECT_EQ(record.m_nHintsInGame, CMathGameStats::kMaxHintsInGame);
    EXPECT_EQ(record.m_hintTaken.size(), size_t(CMathGameStats::kMaxHintsInGame));
    EXPECT_EQ(record.m_hintTaken[0], 1);
    record = ReadRecord("T\nL\nX\nFALSE\n1\n0\n0\n9\n0\n-40\n0\n0\n1\n", folder);
    EXPECT_EQ(record.m_nHintsInGame, 0);
    EXPECT_TRUE(record.m_hintTaken.empty());

    // Counters at the end of their range stay there instead of overflowing.
    record = ReadRecord(
        "T\nL\nX\nFALSE\n99999999999\n0\n0\n2147483647\n2147483647\n"
        "1000\n2147483647\n2147483647\n1\n",
        folder);
    record.IncTimesPlayed(true);
    EXPECT_EQ(record.m_nTimesPlayed, 2147483647);
    record.m_bFinished = 0;
    record.CheckAnswer();
    record.Hint(0);
    EXPECT_EQ(record.m_nAnswerChecks, 2147483647);
    int points = 0, average = 0;
    record.GetGameData(points, average);
    EXPECT_EQ(points, 1);
    EXPECT_LT(average, 0);
    EXPECT_EQ(record.GameOver(5, 5), 1);
}

TEST(StatsRecord, ReportListsTheCountsInTheirOrder) {
    CMathGameStats record;
    record.SetCorrectCount("Math Puzzle 1", 25, 10);
    record.m_strLastPlayed = "Finished this game on Thursday, 03/05/98 at 02:07 PM";
    record.m_nTimesPlayed = 3;
    record.m_nScore = 87;
    record.m_nErrorsDisplayed = 2;
    record.m_nAnswerChecks = 1;
    record.m_nHintsTaken = 2;
    record.m_nCellsMarked = 25;
    record.m_nCellsCorrect = 24;
    const std::string lf =
        "Number of times game played: 3\n"
        "Finished this game on Thursday, 03/05/98 at 02:07 PM\n"
        "\n"
        "Score: 87\n"
        "Number of times errors displayed: 2\n"
        "Number of times answer checked: 1\n"
        "Number of hints in game: 10\n"
        "Number of hints player took: 2\n"
        "Total cells in game: 25\n"
        "Number of cells marked: 25\n"
        "Number of cells correctly marked: 24\n";
    std::string out = "before\n";
    record.AppendReport(out, false);
    EXPECT_EQ(out, "before\n" + lf);
    std::string crlf;
    record.AppendReport(crlf, true);
    std::string expected;
    for (char c : lf) {
        expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    EXPECT_EQ(crlf, expected);
}

TEST(TimeTexts, AreEnglishWhateverTheLocale) {
    PinnedClock clock;
    std::tm morning = PinnedTime();
    morning.tm_hour = 0;
    morning.tm_min = 5;
    morning.tm_wday = 0;
    EXPECT_EQ(platform::FormatTime("%A, %m/%d/%y at %I:%M %p", morning),
              "Sunday, 03/05/98 at 12:05 AM");

    // Build a German locale for the run, if the system can, and switch the process to it.
    TempProgramFolder folder;
    std::string command =
        "localedef -i de_DE -f UTF-8 " + folder.Path() + "de_DE.UTF-8 >/dev/null 2>&1";
    if (testsupport::RunCommand(command) != 0) {
        GTEST_SKIP() << "localedef cannot build a German locale here";
    }
    setenv("LOCPATH", folder.Path().c_str(), 1);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    char native[64];
    std::tm t = PinnedTime();
    std::strftime(native, sizeof native, "%A", &t);
    EXPECT_STREQ(native, "Donnerstag") << "the locale really is German";
    EXPECT_EQ(LastPlayedText(), "Last played this game on Thursday, 03/05/98 at 02:07 PM");
    EXPECT_EQ(FinishedText(), "Finished this game on Thursday, 03/05/98 at 02:07 PM");
    std::setlocale(LC_ALL, "C");
    unsetenv("LOCPATH");
}
