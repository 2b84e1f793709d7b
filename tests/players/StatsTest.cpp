// SPDX-License-Identifier: MIT
// Statistics records: the score rules, what is counted when, the record's lines in the player
// file, and the English time texts.
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
const std::tm kPinned = [] {
    std::tm t{};
    t.tm_year = 98, t.tm_mon = 2, t.tm_mday = 5, t.tm_hour = 14, t.tm_min = 7, t.tm_wday = 4;
    return t;
}();

class PinnedClock {
public:
    PinnedClock() { platform::SetFixedLocalTime(&kPinned); }
    ~PinnedClock() { platform::SetFixedLocalTime(nullptr); }
};

// A player in the middle of a game of the title with the given puzzle size.
void StartGame(CPlayer& player, const std::string& title, int cells, int hints) {
    player.SelectGame(title, false);
    player.IncTimesPlayed(true);
    player.ResetStats();
    player.SetCorrectCount(title, cells, hints);
}

// A record's lines as written into a file, and a record read from such lines.
struct RecordFile {
    std::string Write(CMathGameStats& record) {
        CTextFile file;
        EXPECT_TRUE(file.Open(folder.File("r"), CFile::modeWrite | CFile::modeCreate));
        record.Write(file);
        EXPECT_TRUE(file.Close());
        return folder.Read("r");
    }
    bool Read(const std::string& bytes, CMathGameStats& record) {
        CTextFile file;
        EXPECT_TRUE(file.Open(folder.Write("r", bytes), CFile::modeRead));
        record = CMathGameStats();
        return record.Read(file);
    }
    TempProgramFolder folder;
};

}  // namespace

TEST(GameOver, PointsPerItemAndScoresDividingFirstAndMultiplyingAfter) {
    platform::FakeServices fake;
    PinnedClock clock;
    // Hints and checks cost 30 shared among hints and cells, at least 1 point; the average is
    // what is left of 100 once every item cost its points.
    struct Case {
        int cells, hints, taken, checks, errors, marked, correct, points, average, score;
        const char* why;
    };
    const Case cases[] = {
        {25, 10, 2, 1, 0, 25, 25, 1, 65, 97, "100 - 3 x 1, all cells correct"},
        {25, 10, 2, 1, 2, 25, 25, 1, 65, 87, "five points per error display"},
        // 98 / 11 x 11 is 97.99999... in floating point: the order shows in the last digit.
        {11, 5, 2, 0, 0, 11, 11, 1, 84, 97, "a perfect game of 11 cells with two hints"},
        {9, 5, 1, 1, 0, 9, 9, 2, 72, 96, "two points an item"},
        {25, 10, 0, 0, 0, 25, 0, 1, 65, 1, "no correct cell scores 1 whatever else"},
        {25, 80, 80, 40, 0, 25, 25, 1, -5, 1, "a score driven below zero is 1"},
        {25, 10, 2, 1, 0, 24, 20, 1, 65, 77, "97 / 25 x 20 = 77.6, truncated"},
        {0, 0, 0, 0, 0, 0, 1, 1, 100, 1, "a record without sizes divides by nothing"},
    };
    CPlayer player;
    for (const Case& c : cases) {
        StartGame(player, "Math Puzzle 1", c.cells, c.hints);
        int points = -1, average = -1;
        player.GetGameData(points, average);
        EXPECT_EQ(std::to_string(points) + "," + std::to_string(average),
                  std::to_string(c.points) + "," + std::to_string(c.average))
            << c.why;
        for (int i = 0; i < c.taken; ++i) {
            player.Hint(i);
        }
        for (int i = 0; i < c.checks; ++i) {
            player.CheckAnswer();
        }
        for (int i = 0; i < c.errors; ++i) {
            player.IncErrorsDisplayed();
        }
        EXPECT_EQ(player.GameOver(c.marked, c.correct), c.score) << c.why;
        EXPECT_EQ(player.GetScore(), c.score) << c.why;
    }
    EXPECT_EQ(player.CurrentStats()->m_strLastPlayed,
              "Finished this game on Thursday, 03/05/98 at 02:07 PM");
    EXPECT_TRUE(fake.messages.empty());
}

TEST(GameOver, FinishedGamesCountNothingMoreUntilReset) {
    platform::FakeServices fake;
    CPlayer player;
    StartGame(player, "Math Puzzle 1", 25, 10);
    for (int index : {2, 2, 2, -1, 10, 1000000}) {
        player.Hint(index);
    }
    EXPECT_EQ(player.TimesHintTaken(), 1) << "a hint counts once; indexes outside touch nothing";
    player.CheckAnswer();
    player.GameOver(25, 25);
    player.Hint(5);
    player.CheckAnswer();
    player.IncErrorsDisplayed();
    EXPECT_EQ(player.TimesHintTaken() + player.TimesAnswerChecked(), 2);
    EXPECT_EQ(player.CurrentStats()->m_nErrorsDisplayed, 0);

    // A new game of the same title starts the counts again but goes on counting plays.
    StartGame(player, "Math Puzzle 1", 25, 10);
    const CMathGameStats& record = *player.CurrentStats();
    EXPECT_EQ(record.m_bFinished + record.m_nHintsTaken + record.m_nAnswerChecks, 0);
    EXPECT_EQ(player.TimesPlayed(), 2);
}

TEST(PlayerStats, EveryOperationWithoutARecordSaysSoAndChangesNothing) {
    platform::FakeServices fake;
    CPlayer player;
    player.Hint(0);
    player.IncErrorsDisplayed();
    EXPECT_EQ(player.GameOver(1, 1), 0);
    int points = 5, average = 5;
    player.GetGameData(points, average);
    EXPECT_EQ(points + average, 0);
    const std::string none = " No Stats Class Created!";
    EXPECT_EQ(fake.Texts(), (std::vector<std::string>{"Hint" + none, "CheckAnswer" + none,
                                                      "GameOver" + none, "GetGameData" + none}));
    EXPECT_TRUE(player.Stats().empty());
}

TEST(PlayerStats, SelectGameFindsTheTitleExactlyOrAppendsANewRecord) {
    platform::FakeServices fake;
    CPlayer player;
    for (const char* title : {"Math Puzzle 1", "math puzzle 1", "Math Puzzle 1"}) {
        player.SelectGame(title, false);
    }
    ASSERT_EQ(player.Stats().size(), 2u);
    EXPECT_EQ(player.CurrentStats(), player.Stats()[0].get());
    player.CurrentStats()->m_strLastPlayed = "Last played this game on Monday";
    player.SelectGame("Math Puzzle 1", true);
    EXPECT_EQ(player.CurrentStats()->m_strLastPlayed, "Last played this game on Monday");
    player.SelectGame("Math Puzzle 1", false);
    EXPECT_EQ(player.CurrentStats()->m_strLastPlayed, "") << "stamped anew at the next write";
    // Resuming: counted up by the start, down again by the resume.
    player.SelectGame("Math Puzzle 1", false);
    player.IncTimesPlayed(true);
    player.IncTimesPlayed(false);
    EXPECT_EQ(player.TimesPlayed(), 0);
}

TEST(StatsRecord, WritesItsLinesAndReadsOddOnesTheWayTheGameAlwaysDid) {
    platform::FakeServices fake;
    PinnedClock clock;
    RecordFile file;
    CPlayer player;
    StartGame(player, "Math Puzzle 12", 9, 3);
    player.Hint(1);
    player.CheckAnswer();
    CMathGameStats& record = *player.CurrentStats();
    const std::string stamp = "Last played this game on Thursday, 03/05/98 at 02:07 PM";
    EXPECT_EQ(file.Write(record),
              "Math Puzzle 12\r\n" + stamp +
                  "\r\n\r\nFALSE\r\n1\r\n0\r\n0\r\n9\r\n1\r\n3\r\n1\r\n0\r\n1\r\n"
                  "FALSE\r\nTRUE\r\nFALSE\r\n");
    EXPECT_EQ(record.m_strLastPlayed, stamp) << "the record keeps the stamp";

    CMathGameStats read;
    // Finished unless exactly "FALSE"; numbers by their leading digits; exactly three flags.
    EXPECT_TRUE(file.Read(
        "T\nL\nX\nfalse\n7 times\nx\n-3\n25\n1\n3\n2\n0\n+55\nTRUE\ntrue\nTRUE\nTRUE\n", read));
    EXPECT_EQ(file.Write(read),
              "T\r\nL\r\nX\r\nTRUE\r\n7\r\n0\r\n-3\r\n25\r\n1\r\n3\r\n2\r\n0\r\n55\r\n"
              "TRUE\r\nFALSE\r\nTRUE\r\n");

    // A record cut short reads its missing lines as empty: numbers and flags 0.
    EXPECT_TRUE(file.Read("Short\r\nLast\r\n", read));
    EXPECT_EQ(read.m_nScore, 0);
    EXPECT_EQ(read.GetScore(), 1) << "read through GetScore the score is never below 1";
    EXPECT_FALSE(file.Read("", read)) << "nothing left to read";

    // A huge hint count cannot make the reader allocate or read without end.
    file.Read("T\nL\nX\nFALSE\n1\n0\n0\n9\n0\n2147483647\n0\n0\n1\nTRUE\n", read);
    EXPECT_EQ(read.m_hintTaken.size(), size_t(CMathGameStats::kMaxHintsInGame));
    EXPECT_EQ(read.m_hintTaken[0], 1);

    // Counters at the end of their range stay there instead of overflowing.
    file.Read(
        "T\nL\nX\nFALSE\n99999999999\n0\n0\n2147483647\n2147483647\n1000\n2147483647\n"
        "2147483647\n1\n",
        read);
    read.IncTimesPlayed(true);
    read.CheckAnswer();
    EXPECT_EQ(std::to_string(read.m_nTimesPlayed) + "," + std::to_string(read.m_nAnswerChecks),
              "2147483647,2147483647");
    EXPECT_EQ(read.GameOver(5, 5), 1);
}

TEST(TimeTexts, AreEnglishWhateverTheLocale) {
    PinnedClock clock;
    // Build a German locale for the run and switch the process to it.
    TempProgramFolder folder;
    ASSERT_EQ(testsupport::RunCommand("localedef -i de_DE -f UTF-8 " + folder.Path() +
                                      "de_DE.UTF-8 >/dev/null 2>&1"),
              0);
    setenv("LOCPATH", folder.Path().c_str(), 1);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    EXPECT_EQ(LastPlayedText(), "Last played this game on Thursday, 03/05/98 at 02:07 PM");
    EXPECT_EQ(FinishedText(), "Finished this game on Thursday, 03/05/98 at 02:07 PM");
    std::setlocale(LC_ALL, "C");
    unsetenv("LOCPATH");
}
