// SPDX-License-Identifier: MIT
// The high-score table: where a new entry goes, what drops out, and the scores file as it is
// read and written, also when it is missing, damaged or cannot be written.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/ProgramFolder.h"
#include "reward/HighScoreTable.h"
#include "support/TestSupport.h"

using Lines = std::vector<std::string>;
using testsupport::CrLf;

namespace {

// The scores file: its size line, then the entries.
std::string WithSize(const std::string& size, const Lines& lines) {
    std::string text = size + "\r\n";
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

}  // namespace

TEST(HighScoreTable, ANewEntryTakesItsPlaceAndTheTableIsWrittenBack) {
    const Lines full = {"12\tAnn", "10\tBob", "09\tCid", "08\tDee", "07\tEve",
                        "06\tFay", "05\tGus", "04\tHal", "03\tIda", "02\tJon"};
    Lines pushed = full;  // "02\tJon" drops out
    pushed.insert(pushed.begin() + 1, "11\tZed");
    pushed.pop_back();
    Lines kim = full;
    kim.back() = "02\tKim";
    Lines many, firstHundred;
    for (int i = 0; i < 500; ++i) {
        many.push_back("50\tP" + std::to_string(1000 + i));
    }
    firstHundred.assign(many.begin(), many.begin() + 100);
    const Lines cidBetween = {"09\tAnn", "07\tCid", "05\tBob"};
    struct Case {
        const char* what;
        std::optional<std::string> file;
        const char* entry;
        int size;
        Lines entries;
    } cases[] = {
        {"a full table pushes its last entry out", WithSize("10", full), "11\tZed", 10, pushed},
        {"an entry below a full table is not kept", WithSize("10", full), "01\tZed", 10, full},
        {"an equal count with a lower name goes after", WithSize("10", full), "02\tAbe", 10, full},
        {"an equal count with a higher name goes before", WithSize("10", full), "02\tKim", 10, kim},
        {"an equal entry goes after", CrLf("10|07\tAnn"), "07\tAnn", 10, {"07\tAnn", "07\tAnn"}},
        {"equal counts order by name", CrLf("10|07\tAnn"), "07\tZoe", 10, {"07\tZoe", "07\tAnn"}},
        {"counts of a hundred and more order as text",
         CrLf("10|99\tAnn|15\tBob|10\tCid"),
         "100\tZed",
         10,
         {"99\tAnn", "15\tBob", "100\tZed", "10\tCid"}},
        {"a size line of five keeps five",
         WithSize("5", full),
         "08\tZed",
         5,
         {"12\tAnn", "10\tBob", "09\tCid", "08\tZed", "08\tDee"}},
        {"a missing file starts a table of ten", std::nullopt, "03\tAnn", 10, {"03\tAnn"}},
        {"so does an empty one", "", "04\tBob", 10, {"04\tBob"}},
        {"a short file ends where it ends", "10\r\n09\tAnn\r\n05\tBob", "07\tCid", 10, cidBetween},
        // Reading stops at the end of the file instead of trying two thousand million lines.
        {"a huge size", WithSize("2147483647", {"09\tAnn", "05\tBob"}), "07\tCid",
         CHighScoreTable::kMaxSize, cidBetween},
        {"a negative size", WithSize("-5", {"09\tAnn", "05\tBob"}), "07\tCid", 10, cidBetween},
        {"a size of 0", WithSize("0", {"09\tAnn", "05\tBob"}), "07\tCid", 10, cidBetween},
        {"no number", WithSize("many", {"09\tAnn", "05\tBob"}), "07\tCid", 10, cidBetween},
        {"more lines than a table of a hundred holds", WithSize("100000", many), "01\tZed",
         CHighScoreTable::kMaxSize, firstHundred},
        {"an overlong line is cut",
         "10\r\n09\t" + std::string(5000, 'x') + "\r\n05\tBob\r\n",
         "07\tCid",
         10,
         {"09\t" + std::string(1021, 'x'), "07\tCid", "05\tBob"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::TempProgramFolder folder;
        folder.MakeFolder("ants");
        if (c.file) {
            folder.Write("ants/scores.dat", *c.file);
        }
        const std::string path = platform::ProgramFolder() + CHighScoreTable::kScoresFile;
        CHighScoreTable table;
        table.Load(path, c.entry);
        EXPECT_EQ(table.TableSize(), c.size);
        EXPECT_EQ(table.Entries(), c.entries);
        ASSERT_TRUE(table.Save(path));
        EXPECT_EQ(folder.Read("ants/scores.dat"), WithSize(std::to_string(c.size), c.entries));
    }
    EXPECT_EQ(CHighScoreTable::MakeEntry(100, "Zed"), "100\tZed");
    EXPECT_EQ(CHighScoreTable::MakeEntry(7, "Ann"), "07\tAnn");
}

TEST(HighScoreTable, AFileThatCannotBeWrittenIsLeftAsItWas) {
    testsupport::TempProgramFolder folder;
    // A folder where the file should be: it can be neither read nor replaced.
    folder.MakeFolder("ants/scores.dat");
    const std::string path = platform::ProgramFolder() + CHighScoreTable::kScoresFile;
    CHighScoreTable table;
    table.Load(path, "03\tAnn");
    EXPECT_EQ(table.Entries(), (Lines{"03\tAnn"}));
    EXPECT_FALSE(table.Save(path));

    // No ants folder at all: nothing is written and nothing is made.
    testsupport::TempProgramFolder bare;
    EXPECT_FALSE(table.Save(platform::ProgramFolder() + CHighScoreTable::kScoresFile));
    EXPECT_FALSE(bare.Exists("ants"));
}
