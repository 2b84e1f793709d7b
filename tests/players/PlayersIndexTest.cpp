// SPDX-License-Identifier: MIT
// The players index, the removal of a player's files, and the game list "data\games.dat".
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FakeServices.h"
#include "platform/ProgramFolder.h"
#include "players/GameList.h"
#include "players/PlayerFiles.h"
#include "support/TestSupport.h"

using testsupport::TempProgramFolder;

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

TEST(PlayersIndex, IsCreatedEmptyWhenMissingAndReadsNameAndFilePairsOfThePlayersFolderOnly) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    folder.MakeFolder("players");
    EXPECT_TRUE(OpenPlayersIndex().empty());
    EXPECT_EQ(folder.Read("players/data"), "");
    const std::pair<std::string, std::string> cases[] = {
        // An empty name line is skipped alone; a name at the very end has no file.
        {"\nBob\nBob0.ply\n\n\nAnn\nAnn0.ply\nZed", "Bob|Bob0.ply;Ann|Ann0.ply;Zed|;"},
        {"Eve\n../../etc/passwd\nMal\nC:\\boot.ini\nDot\n..\nBob\nBob0.ply\n", "Bob|Bob0.ply;"},
    };
    for (const auto& [bytes, entries] : cases) {
        folder.Write("players/data", bytes);
        std::string read;
        for (const PlayerEntry& e : OpenPlayersIndex()) {
            read += e.name + "|" + e.fileName + ";";
        }
        EXPECT_EQ(read, entries);
    }
    EXPECT_TRUE(fake.messages.empty());
}

TEST(PlayersIndex, AppendsAPlayerAndRewritesTheWholeList) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    // A name left without its file line keeps an empty one; Amy stays Amy.
    folder.Write("players/data", "Bob\r\nBob0.ply\r\nZed");
    EXPECT_TRUE(AppendToPlayersIndex({"Amy", "Amy0.ply"}));
    EXPECT_EQ(folder.Read("players/data"), "Bob\r\nBob0.ply\r\nZed\r\n\r\nAmy\r\nAmy0.ply\r\n");
    EXPECT_TRUE(fake.messages.empty());

    std::filesystem::remove(folder.File("players/data"));
    EXPECT_FALSE(AppendToPlayersIndex({"Zed", "Zed0.ply"}));
    EXPECT_FALSE(folder.Exists("players/data")) << "appending never creates the index";
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].caption, "File Error!");

    // A failed rewrite leaves the index as it was.
    fake.Clear();
    folder.Write("players/data", "Ann\r\nAnn0.ply\r\n");
    folder.MakeFolder("players/data.new~");
    EXPECT_FALSE(RewritePlayersIndex({}));
    EXPECT_FALSE(AppendToPlayersIndex({"Zed", "Zed0.ply"}));
    EXPECT_EQ(folder.Read("players/data"), "Ann\r\nAnn0.ply\r\n");
    EXPECT_EQ(fake.Texts(), (std::vector<std::string>{"Please re-install this software!",
                                                      "Unable to open data file"}));
}

TEST(PlayerRemoval, RemovesThePlayerFileAndItsSavedGamesOnly) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    folder.Write("players/Ann0.ply",
                 "Ann\nStart Saved Games\nA\nA0.gme\na\nB\nB0.gme\nb\nC\nGone0.gme\nc\n"
                 "E\n..\\keep.gme\ne\nF\n\nf\nEnd Saved Games\n");
    for (const char* file : {"games/A0.gme", "games/B0.gme", "games/Other0.gme", "keep.gme"}) {
        folder.Write(file, "x");
    }
    EXPECT_TRUE(DeletePlayerFiles("Ann0.ply"));
    EXPECT_FALSE(folder.Exists("players/Ann0.ply"));
    EXPECT_FALSE(folder.Exists("games/A0.gme"));
    EXPECT_FALSE(folder.Exists("games/B0.gme"));
    EXPECT_TRUE(folder.Exists("games/Other0.gme"));
    EXPECT_TRUE(folder.Exists("keep.gme")) << "only files of the games folder go";
    EXPECT_TRUE(DeletePlayerFiles("Never0.ply")) << "a player file already gone";
    EXPECT_TRUE(DeletePlayerFiles(std::string(300, 'a') + ".ply")) << "a name no file can have";
    EXPECT_TRUE(DeletePlayerFiles("")) << "a player who never had a file";
    EXPECT_TRUE(fake.messages.empty()) << "files already gone count as removed";
}

TEST(PlayerRemoval, FileErrorTextsNameThePath) {
    EXPECT_EQ(FileErrorText(11, "a.ply"), "A sharing violation occurred while accessing a.ply.");
    EXPECT_EQ(FileErrorText(99, "a.ply"), "An unexpected error occurred while accessing a.ply.");
}

TEST(GameList, NoStemLeadsOutOfTheDataFolderAndHugeFilesAndLinesAreCut) {
    EXPECT_EQ(Listed("Up\r\n..\\..\\secret\r\nKept\r\nkept\r\nSlash\r\na/b\r\nLast"),
              "Kept|kept;Last|;");
    // A missing file gives nothing, and huge files and lines are cut, a long list saying so.
    platform::FakeServices fake;
    testsupport::TempProgramFolder folder;
    const std::string path = platform::ProgramFolder() + kGameListFile;
    EXPECT_TRUE(ReadGameList(path).empty());
    std::string many;
    for (size_t i = 0; i < kMaxGameListEntries + 50; ++i) {
        many += "T\nt\n";
    }
    folder.Write("data/games.dat", many);
    EXPECT_EQ(ReadGameList(path).size(), kMaxGameListEntries);
    folder.Write("data/games.dat", many.substr(0, 4 * kMaxGameListEntries) + "\n");
    EXPECT_EQ(ReadGameList(path).size(), kMaxGameListEntries) << "full, and no more to say";
    EXPECT_EQ(fake.Texts(), std::vector<std::string>{"The game list " + platform::HostPath(path) +
                                                     " is longer than 10000 games; the rest of it "
                                                     "is not listed."});
    // The rest of an overlong line is skipped, not taken as a stem.
    const std::string longTitle(5 * kMaxGameListLine, 'x');
    EXPECT_EQ(Listed(longTitle + "\r\nlong\r\n"), longTitle.substr(0, kMaxGameListLine) + "|long;");
}
