// SPDX-License-Identifier: MIT
// The high-score table: where a new entry goes, what drops out, and the scores file as it is
// read and written, also when it is missing, damaged or cannot be written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ProgramFolder.h"
#include "reward/HighScoreTable.h"
#include "support/TestSupport.h"

namespace {

using Lines = std::vector<std::string>;

std::string ScoresPath() {
    return platform::ProgramFolder() + CHighScoreTable::kScoresFile;
}

std::string FileText(const std::string& size, const Lines& lines) {
    std::string text = size + "\r\n";
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

const Lines kFullTable = {"12\tAnn", "10\tBob", "09\tCid", "08\tDee", "07\tEve",
                          "06\tFay", "05\tGus", "04\tHal", "03\tIda", "02\tJon"};

}  // namespace

TEST(HighScoreTable, ANewEntryTakesItsPlaceAndPushesTheLastOneOut) {
    testsupport::TempProgramFolder folder;
    folder.Write("ants/scores.dat", FileText("10", kFullTable));
    CHighScoreTable table;
    table.Load(ScoresPath(), "11\tZed");
    EXPECT_EQ(table.TableSize(), 10);
    Lines expected = kFullTable;
    expected.insert(expected.begin() + 1, "11\tZed");
    expected.pop_back();  // "02\tJon" drops out
    EXPECT_EQ(table.Entries(), expected);

    ASSERT_TRUE(table.Save(ScoresPath()));
    EXPECT_EQ(folder.Read("ants/scores.dat"), FileText("10", expected));
}

TEST(HighScoreTable, AnEntryBelowAFullTableIsNotKept) {
    CHighScoreTable table;
    table.Place(10, kFullTable, "01\tZed");
    EXPECT_EQ(table.Entries(), kFullTable);
    table.Place(10, kFullTable, "02\tAbe");  // equal count, name lower: after Jon, dropped
    EXPECT_EQ(table.Entries(), kFullTable);
    table.Place(10, kFullTable, "02\tKim");  // equal count, name higher: before Jon
    EXPECT_EQ(table.Entries().back(), "02\tKim");
}

TEST(HighScoreTable, EqualCountsOrderByName) {
    CHighScoreTable table;
    table.Place(10, {"07\tAnn"}, "07\tZoe");
    EXPECT_EQ(table.Entries(), (Lines{"07\tZoe", "07\tAnn"}));
    table.Place(10, {"07\tZoe"}, "07\tAnn");
    EXPECT_EQ(table.Entries(), (Lines{"07\tZoe", "07\tAnn"}));
    table.Place(10, {"07\tAnn"}, "07\tAnn");  // an equal entry goes after
    EXPECT_EQ(table.Entries(), (Lines{"07\tAnn", "07\tAnn"}));
}

TEST(HighScoreTable, ASizeLineOfFiveKeepsFive) {
    testsupport::TempProgramFolder folder;
    folder.Write("ants/scores.dat", FileText("5", kFullTable));
    CHighScoreTable table;
    table.Load(ScoresPath(), "08\tZed");
    EXPECT_EQ(table.TableSize(), 5);
    EXPECT_EQ(table.Entries(), (Lines{"12\tAnn", "10\tBob", "09\tCid", "08\tZed", "08\tDee"}));
    ASSERT_TRUE(table.Save(ScoresPath()));
    EXPECT_EQ(folder.Read("ants/scores.dat"),
              FileText("5", {"12\tAnn", "10\tBob", "09\tCid", "08\tZed", "08\tDee"}));
}

TEST(HighScoreTable, CountsOfAHundredAndMoreAreOrderedAsText) {
    CHighScoreTable table;
    table.Place(10, {"99\tAnn", "15\tBob", "10\tCid", "05\tDee"}, "100\tZed");
    EXPECT_EQ(table.Entries(), (Lines{"99\tAnn", "15\tBob", "100\tZed", "10\tCid", "05\tDee"}));
    EXPECT_EQ(CHighScoreTable::MakeEntry(100, "Zed"), "100\tZed");
    EXPECT_EQ(CHighScoreTable::MakeEntry(7, "Ann"), "07\tAnn");
}

TEST(HighScoreTable, AMissingFileStartsATableOfTenAndIsCreatedOnSave) {
    testsupport::TempProgramFolder folder;
    folder.MakeFolder("ants");
    CHighScoreTable table;
    table.Load(ScoresPath(), "03\tAnn");
    EXPECT_EQ(table.TableSize(), 10);
    EXPECT_EQ(table.Entries(), (Lines{"03\tAnn"}));
    ASSERT_TRUE(table.Save(ScoresPath()));
    EXPECT_EQ(folder.Read("ants/scores.dat"), "10\r\n03\tAnn\r\n");

    // An empty file has no size line either.
    folder.Write("ants/scores.dat", "");
    table.Load(ScoresPath(), "04\tBob");
    EXPECT_EQ(table.TableSize(), 10);
    EXPECT_EQ(table.Entries(), (Lines{"04\tBob"}));
}

TEST(HighScoreTable, AShortFileEndsWhereItEnds) {
    testsupport::TempProgramFolder folder;
    folder.Write("ants/scores.dat", "10\r\n09\tAnn\r\n05\tBob");  // no end on the last line
    CHighScoreTable table;
    table.Load(ScoresPath(), "07\tCid");
    EXPECT_EQ(table.Entries(), (Lines{"09\tAnn", "07\tCid", "05\tBob"}));
}

TEST(HighScoreTable, AHugeOrNegativeSizeLineKeepsTheTableSane) {
    testsupport::TempProgramFolder folder;
    CHighScoreTable table;

    folder.Write("ants/scores.dat", FileText("2147483647", {"09\tAnn", "05\tBob"}));
    // Reading stops at the end of the file instead of trying two thousand million lines.
    table.Load(ScoresPath(), "07\tCid");
    EXPECT_EQ(table.TableSize(), CHighScoreTable::kMaxSize);
    EXPECT_EQ(table.Entries(), (Lines{"09\tAnn", "07\tCid", "05\tBob"}));

    for (const char* size : {"-5", "0", "many"}) {
        folder.Write("ants/scores.dat", FileText(size, {"09\tAnn", "05\tBob"}));
        table.Load(ScoresPath(), "07\tCid");
        EXPECT_EQ(table.TableSize(), 10) << size;
        EXPECT_EQ(table.Entries(), (Lines{"09\tAnn", "07\tCid", "05\tBob"})) << size;
        ASSERT_TRUE(table.Save(ScoresPath()));
        EXPECT_EQ(folder.Read("ants/scores.dat"), FileText("10", table.Entries())) << size;
    }

    // More lines than a table of a hundred holds: only the first hundred are read.
    Lines many;
    for (int i = 0; i < 500; ++i) {
        many.push_back("50\tP" + std::to_string(1000 + i));
    }
    folder.Write("ants/scores.dat", FileText("100000", many));
    table.Load(ScoresPath(), "01\tZed");
    EXPECT_EQ(table.Entries().size(), 100u);
    EXPECT_EQ(table.Entries().back(), "50\tP1099");
}

TEST(HighScoreTable, AnOverlongLineIsCut) {
    testsupport::TempProgramFolder folder;
    folder.Write("ants/scores.dat", "10\r\n09\t" + std::string(5000, 'x') + "\r\n05\tBob\r\n");
    CHighScoreTable table;
    table.Load(ScoresPath(), "07\tCid");
    ASSERT_EQ(table.Entries().size(), 3u);
    EXPECT_EQ(table.Entries()[0].size(), 1024u);
    EXPECT_EQ(table.Entries()[1], "07\tCid");
    EXPECT_EQ(table.Entries()[2], "05\tBob");
}

TEST(HighScoreTable, AFileThatCannotBeWrittenIsLeftAsItWas) {
    testsupport::TempProgramFolder folder;
    // A folder where the file should be: it can be neither read nor replaced.
    folder.MakeFolder("ants/scores.dat");
    CHighScoreTable table;
    table.Load(ScoresPath(), "03\tAnn");
    EXPECT_EQ(table.Entries(), (Lines{"03\tAnn"}));
    EXPECT_FALSE(table.Save(ScoresPath()));

    // No ants folder at all: nothing is written and nothing is made.
    testsupport::TempProgramFolder bare;
    EXPECT_FALSE(table.Save(ScoresPath()));
    EXPECT_FALSE(bare.Exists("ants"));
}
