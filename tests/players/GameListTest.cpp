// SPDX-License-Identifier: MIT
// The game list "data\games.dat": line pairs in file order, with broken and hostile files.
#include <gtest/gtest.h>

#include "platform/ProgramFolder.h"
#include "players/GameList.h"
#include "support/TestSupport.h"

namespace {

// The list as "title|stem;".
std::string Listed(const std::string& bytes) {
    testsupport::TempProgramFolder folder;
    folder.Write("data/games.dat", bytes);
    std::string listed;
    for (const GameListEntry& game : ReadGameList(platform::ProgramFolder() + kGameListFile)) {
        listed += game.title + "|" + game.stem + ";";
    }
    return listed;
}

}  // namespace

TEST(GameList, ReadsTitleAndStemPairsInFileOrder) {
    struct Case {
        const char* bytes;
        const char* listed;
        const char* why;
    };
    const Case cases[] = {
        {"Title A\r\nfileA\r\n\r\nTitle B\r\nfileB\r\n", "Title A|fileA;Title B|fileB;",
         "an empty title line is skipped without taking a stem"},
        {"Zebra\nzeb\nApple\napp\nLast", "Zebra|zeb;Apple|app;Last|;",
         "file order, not sorted; a title on the last line gets an empty stem"},
        {"Up\r\n..\\..\\secret\r\nKept\r\nkept\r\nSlash\r\na/b\r\n", "Kept|kept;",
         "no stem reaches outside the data folder"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Listed(c.bytes), c.listed) << c.why;
    }
}

TEST(GameList, AMissingFileGivesNothingAndHugeFilesAndLinesAreCut) {
    testsupport::TempProgramFolder folder;
    EXPECT_TRUE(ReadGameList(platform::ProgramFolder() + kGameListFile).empty());
    std::string many;
    for (size_t i = 0; i < kMaxGameListEntries + 50; ++i) {
        many += "T\nt\n";
    }
    folder.Write("data/games.dat", many);
    EXPECT_EQ(ReadGameList(platform::ProgramFolder() + kGameListFile).size(), kMaxGameListEntries);

    const std::string longTitle(5 * kMaxGameListLine, 'x');
    folder.Write("data/games.dat", longTitle + "\r\nlong\r\nNext\r\nnext\r\n");
    const std::vector<GameListEntry> games =
        ReadGameList(platform::ProgramFolder() + kGameListFile);
    ASSERT_EQ(games.size(), 2u) << "the rest of an overlong line is skipped, not taken as a stem";
    EXPECT_EQ(games[0].title, std::string(kMaxGameListLine, 'x'));
    EXPECT_EQ(games[0].stem, "long");
}
