// SPDX-License-Identifier: MIT
// The line reader and writer every data file goes through, and the file layer below it.
#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>

#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "support/TestSupport.h"

using testsupport::TempProgramFolder;

TEST(TextFile, ReadsLinesWithEitherLineEndKeepingEveryOtherByte) {
    TempProgramFolder folder;
    const std::vector<std::string> grid{"Start Grid", "3", "", "End Grid"};
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"Start Grid\r\n3\r\n\r\nEnd Grid\r\n", grid},
        {"Start Grid\n3\n\nEnd Grid", grid},  // no end on the last line
        {std::string("a\rb\n\0x\xff\r\n", 9), {"a\rb", std::string("\0x\xff", 3)}},
    };
    for (const auto& [bytes, expected] : cases) {
        CTextFile file;
        ASSERT_TRUE(file.Open(folder.Write("t.txt", bytes), CFile::modeRead));
        std::vector<std::string> lines;
        std::string line;
        while (file.ReadString(line)) {
            lines.push_back(line);
        }
        EXPECT_EQ(lines, expected);
        EXPECT_FALSE(file.ReadString(line)) << "reading past the end keeps answering false";
        EXPECT_EQ(line, "");
    }
}

TEST(TextFile, WritesEveryLineEndAsCrLf) {
    TempProgramFolder folder;
    CTextFile file;
    ASSERT_TRUE(file.Open(folder.Path() + "out.txt", CFile::modeWrite | CFile::modeCreate));
    EXPECT_TRUE(file.WriteString("Bob\n"));
    EXPECT_TRUE(file.WriteString("No Saved Games\n42"));
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(folder.Read("out.txt"), "Bob\r\nNo Saved Games\r\n42");
}

TEST(TextFile, ReadsPiecesOfLongLinesLikeTheRuntime) {
    TempProgramFolder folder;
    folder.Write("long.htf", std::string(5000, 'x') + "\r\nshort\r\nend");
    CTextFile file;
    ASSERT_TRUE(file.Open(folder.File("long.htf"), CFile::modeRead));
    std::string piece;
    std::vector<std::string> pieces;
    while (file.ReadPiece(piece, 2046)) {
        pieces.push_back(piece);
    }
    ASSERT_EQ(pieces.size(), 5u);
    EXPECT_EQ(pieces[1], std::string(2046, 'x'));
    EXPECT_EQ(pieces[2], std::string(5000 - 4092, 'x') + "\n");
    EXPECT_EQ(pieces[4], "end");
    EXPECT_FALSE(file.ReadPiece(piece, 2046));
    EXPECT_EQ(piece, "");
}

TEST(TextFile, AtoiTakesLeadingDigitsOnlyAndStopsRightAfterThem) {
    const struct {
        const char* text;
        int value;
        size_t end;  // where reading stopped
    } cases[] = {
        {"15", 15, 2},
        {"  -12abc", -12, 5},
        {"\t42 ", 42, 3},
        {"- 5", 0, 1},
        {"99999999999999999999", INT_MAX, 20},
        {"-99999999999999999999,1", INT_MIN, 21},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CTextFile::Atoi(c.text), c.value) << c.text;
        size_t position = 0;
        EXPECT_EQ(platform::AtoiAt(c.text, position), c.value) << c.text;
        EXPECT_EQ(position, c.end) << c.text;
    }
    // From a position inside a line, as a board reads "column,row,digit".
    size_t position = 3;
    EXPECT_EQ(platform::AtoiAt("12, -7,5", position), -7);
    EXPECT_EQ(position, 6u);
}

TEST(TextFile, TrimRightRemovesOnlyTrailingWhiteSpace) {
    EXPECT_EQ(CTextFile::TrimRight("  board.bmp \t\r"), "  board.bmp");
    EXPECT_EQ(CTextFile::TrimRight(" \t "), "");
}

TEST(File, ReportsTheCauseOfAFailedOpen) {
    TempProgramFolder folder;
    CFile file;
    int cause = -1;
    EXPECT_FALSE(file.Open(folder.Path() + "players\\missing.ply", CFile::modeRead, &cause));
    EXPECT_EQ(cause, platform::kFileNotFound);
    folder.MakeFolder("games");
    EXPECT_FALSE(file.Open(folder.Path() + "games", CFile::modeRead, &cause));
    EXPECT_EQ(cause, platform::kAccessDenied);
    EXPECT_FALSE(
        file.Open(folder.Path() + "nofolder\\x.gme", CFile::modeWrite | CFile::modeCreate, &cause));
    EXPECT_EQ(cause, platform::kFileNotFound);
    // An exclusive create refuses an existing file and leaves it alone.
    folder.Write("pic.bmp", std::string("BM"));
    EXPECT_FALSE(file.Open(folder.Path() + "pic.bmp",
                           CFile::modeReadWrite | CFile::modeCreate | CFile::modeExclusive,
                           &cause));
    EXPECT_EQ(cause, platform::kAccessDenied);
    EXPECT_EQ(folder.Read("pic.bmp"), "BM");
}

TEST(File, WritingWithoutCreateNeitherCreatesNorTruncatesAndAppendsAtTheEnd) {
    TempProgramFolder folder;
    CTextFile file;
    EXPECT_FALSE(file.Open(folder.Path() + "Data\\Sound.dat", CFile::modeWrite));
    EXPECT_FALSE(folder.Exists("Data/Sound.dat"));
    folder.Write("data/sound.dat", std::string("FALSE\r\nFALSE\r\n255\r\nold tail\r\n"));
    ASSERT_TRUE(file.Open(folder.Path() + "Data\\Sound.dat", CFile::modeWrite));
    file.WriteString("TRUE\n");
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(folder.Read("data/sound.dat"), "TRUE\r\n\nFALSE\r\n255\r\nold tail\r\n");
    // Or appends at the end.
    ASSERT_TRUE(file.Open(folder.Path() + "Data\\Sound.dat", CFile::modeWrite));
    ASSERT_TRUE(file.SeekToEnd());
    file.WriteString("Bob\n");
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(folder.Read("data/sound.dat"), "TRUE\r\n\nFALSE\r\n255\r\nold tail\r\nBob\r\n");
}

TEST(File, AReplacingWriteKeepsTheOldFileUntilItIsClosedAndWhenItCannotStart) {
    TempProgramFolder folder;
    folder.Write("players/Ann0.ply", std::string("Ann\r\nNo Saved Games\r\n"));
    const std::string path = folder.Path() + "players\\Ann0.ply";
    {
        CTextFile file;
        ASSERT_TRUE(file.Open(path, CFile::modeReplace));
        file.WriteString("Ann\nhalf writ");
        EXPECT_EQ(folder.Read("players/Ann0.ply"), "Ann\r\nNo Saved Games\r\n");
        // Going away without Close is an interrupted save: the old file stays whole.
    }
    EXPECT_EQ(folder.Read("players/Ann0.ply"), "Ann\r\nNo Saved Games\r\n");
    EXPECT_FALSE(folder.Exists("players/Ann0.ply.new~"));

    // Something in the way of the new file (here a folder of its name) stops the save.
    folder.MakeFolder("players/Ann0.ply.new~");
    CTextFile file;
    int cause = 0;
    EXPECT_FALSE(file.Open(path, CFile::modeReplace, &cause));
    EXPECT_EQ(cause, platform::kAccessDenied);
    EXPECT_EQ(folder.Read("players/Ann0.ply"), "Ann\r\nNo Saved Games\r\n");
}

TEST(File, ASaveNeverWritesThroughALinkAndLinesAndFilesHaveALimit) {
    TempProgramFolder outside;
    outside.Write("victim", std::string("someone else's"));
    TempProgramFolder folder;
    folder.Write("players/Ann0.ply", std::string("old"));
    ASSERT_EQ(
        ::symlink(outside.File("victim").c_str(), folder.File("players/Ann0.ply.new~").c_str()), 0);
    CTextFile file;
    ASSERT_TRUE(file.Open(folder.Path() + "players\\Ann0.ply", CFile::modeReplace));
    file.WriteString("new\n");
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(outside.Read("victim"), "someone else's");
    EXPECT_EQ(folder.Read("players/Ann0.ply"), "new\r\n");
    EXPECT_FALSE(folder.Exists("players/Ann0.ply.new~"));

    // A pipe opens for neither reading nor writing; a file of gigabytes is refused by its length,
    // and read without one its line ends at the limit.
    int cause = 0;
    const std::string pipe = folder.Plant("pipe", TempProgramFolder::Hostile::kFifo);
    EXPECT_FALSE(file.Open(pipe, CFile::modeWrite, &cause));
    EXPECT_EQ(cause, platform::kAccessDenied);
    const std::string huge = folder.Plant("huge", TempProgramFolder::Hostile::kHuge);
    EXPECT_FALSE(file.OpenToRead(huge, 1 << 20, &cause));
    EXPECT_EQ(cause, platform::kInvalidFile);
    std::string line;
    ASSERT_TRUE(file.Open(huge, CFile::modeRead));
    EXPECT_FALSE(file.ReadString(line) || file.ReadString(line));
    EXPECT_EQ(file.Cause(), platform::kInvalidFile);
    const std::string longest(CTextFile::kMaxLine, 'x');
    ASSERT_TRUE(file.OpenToRead(folder.Write("t.txt", longest + "\r\nend"), 1 << 20));
    EXPECT_TRUE(file.ReadString(line) && line == longest);
    EXPECT_TRUE(file.ReadString(line) && line == "end");
}
