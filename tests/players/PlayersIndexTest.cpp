// SPDX-License-Identifier: MIT
// The players index and the removal of a player's files.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FakeServices.h"
#include "platform/TextFile.h"
#include "players/PlayerFiles.h"
#include "support/TestSupport.h"

using testsupport::TempProgramFolder;

namespace {

std::vector<PlayerEntry> ReadIndexBytes(const TempProgramFolder& folder, const std::string& bytes) {
    folder.Write("players/data", bytes);
    return OpenPlayersIndex();
}

std::vector<std::string> Flat(const std::vector<PlayerEntry>& entries) {
    std::vector<std::string> flat;
    for (const PlayerEntry& e : entries) {
        flat.push_back(e.name + "|" + e.fileName);
    }
    return flat;
}

}  // namespace

TEST(PlayersIndex, ReadsNameAndFilePairs) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    EXPECT_EQ(Flat(ReadIndexBytes(folder, "Bob\r\nBob0.ply\r\nMary Ann\r\nMary0.ply\r\n")),
              (std::vector<std::string>{"Bob|Bob0.ply", "Mary Ann|Mary0.ply"}));
    // An empty name line is skipped alone; a name at the very end has no file.
    EXPECT_EQ(Flat(ReadIndexBytes(folder, "\nBob\nBob0.ply\n\n\nAnn\nAnn0.ply\nZed")),
              (std::vector<std::string>{"Bob|Bob0.ply", "Ann|Ann0.ply", "Zed|"}));
    // Files elsewhere than the players folder are not the index's to name.
    EXPECT_EQ(Flat(ReadIndexBytes(folder,
                                  "Eve\n../../etc/passwd\nMal\nC:\\boot.ini\n"
                                  "Dot\n..\nBob\nBob0.ply\n")),
              std::vector<std::string>{"Bob|Bob0.ply"});
    EXPECT_TRUE(fake.messages.empty());
}

TEST(PlayersIndex, IsCreatedWhenMissingOrReportedWhenItCannotBe) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    folder.MakeFolder("players");
    EXPECT_TRUE(OpenPlayersIndex().empty());
    EXPECT_TRUE(folder.Exists("players/data"));
    EXPECT_EQ(folder.Read("players/data"), "");
    EXPECT_TRUE(fake.messages.empty());

    TempProgramFolder bare;
    EXPECT_TRUE(OpenPlayersIndex().empty());
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "Please re-install this software!");
    EXPECT_EQ(fake.messages[0].caption, "File Error");
}

TEST(PlayersIndex, AppendsAPlayerAndRewritesTheWholeList) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    folder.Write("players/data", "Bob\r\nBob0.ply\r\n");
    EXPECT_TRUE(AppendToPlayersIndex({"Mary Ann", "Mary0.ply"}));
    EXPECT_EQ(folder.Read("players/data"), "Bob\r\nBob0.ply\r\nMary Ann\r\nMary0.ply\r\n");
    folder.Write("players/data", "Bob\r\nBob0.ply");
    EXPECT_TRUE(AppendToPlayersIndex({"Zed", ""}));
    EXPECT_EQ(folder.Read("players/data"), "Bob\r\nBob0.ply\r\nZed\r\n\r\n")
        << "a last line without its end is ended first";
    folder.Write("players/data", "Bob\r\nBob0.ply\r\nZed");
    EXPECT_TRUE(AppendToPlayersIndex({"Amy", "Amy0.ply"}));
    EXPECT_EQ(folder.Read("players/data"), "Bob\r\nBob0.ply\r\nZed\r\n\r\nAmy\r\nAmy0.ply\r\n")
        << "a name left without its file line keeps an empty one; Amy stays Amy";
    EXPECT_TRUE(fake.messages.empty());

    EXPECT_TRUE(RewritePlayersIndex({{"Ann", "Ann0.ply"}, {"Bob", "Bob0.ply"}}));
    EXPECT_EQ(folder.Read("players/data"), "Ann\r\nAnn0.ply\r\nBob\r\nBob0.ply\r\n");

    std::filesystem::remove(folder.File("players/data"));
    EXPECT_FALSE(AppendToPlayersIndex({"Zed", "Zed0.ply"}));
    EXPECT_FALSE(folder.Exists("players/data")) << "appending never creates the index";
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "Unable to open data file");
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

TEST(PlayerRemoval, FindsTheSavedGameFilesOfAPlayerFile) {
    TempProgramFolder folder;
    auto scan = [&](const std::string& bytes) {
        folder.Write("p.ply", bytes);
        CTextFile file;
        EXPECT_TRUE(file.Open(folder.File("p.ply"), CFile::modeRead));
        return SavedGameFilesOf(file);
    };
    EXPECT_EQ(scan("Ann\nStart Saved Games\nA title\nA0.gme\na\nB title\nB0.gme\nb\n"
                   "End Saved Games\n"),
              (std::vector<std::string>{"A0.gme", "B0.gme"}));
    EXPECT_TRUE(scan("Ann\nNo Saved Games\nStart Saved Games\nX\nX0.gme\nx\n").empty());
    EXPECT_TRUE(scan("Ann\nneither marker\n").empty());
    EXPECT_TRUE(scan("").empty());
    EXPECT_EQ(scan("Ann\nStart Saved Games\nA title\nA0.gme"), std::vector<std::string>{"A0.gme"});
}

TEST(PlayerRemoval, RemovesThePlayerFileAndItsSavedGamesOnly) {
    platform::FakeServices fake;
    TempProgramFolder folder;
    folder.Write("players/Ann0.ply",
                 "Ann\nStart Saved Games\nA\nA0.gme\na\nB\nB0.gme\nb\nC\nGone0.gme\nc\n"
                 "E\n..\\keep.gme\ne\nF\n\nf\nEnd Saved Games\n");
    folder.Write("games/A0.gme", "x");
    folder.Write("games/B0.gme", "x");
    folder.Write("games/Other0.gme", "x");
    folder.Write("keep.gme", "x");
    EXPECT_TRUE(DeletePlayerFiles("Ann0.ply"));
    EXPECT_FALSE(folder.Exists("players/Ann0.ply"));
    EXPECT_FALSE(folder.Exists("games/A0.gme"));
    EXPECT_FALSE(folder.Exists("games/B0.gme"));
    EXPECT_TRUE(folder.Exists("games/Other0.gme"));
    EXPECT_TRUE(folder.Exists("keep.gme")) << "only files of the games folder go";
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("games")));
    EXPECT_TRUE(fake.messages.empty()) << "files already gone count as removed";

    folder.Write("players/Bob0.ply", "Bob\nNo Saved Games\n");
    EXPECT_TRUE(DeletePlayerFiles("Bob0.ply"));
    EXPECT_TRUE(folder.Exists("games/Other0.gme"));
    EXPECT_TRUE(DeletePlayerFiles("Never0.ply")) << "a player file already gone";
    EXPECT_TRUE(DeletePlayerFiles("")) << "a player who never had a file";
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("players")));
    EXPECT_TRUE(fake.messages.empty());

    // A player file that cannot be removed stays, and says why.
    folder.Write("players/Stuck0.ply/inside", "x");
    EXPECT_FALSE(DeletePlayerFiles("Stuck0.ply"));
    EXPECT_EQ(fake.Texts(), std::vector<std::string>{
                                "Access to " + folder.File("players/Stuck0.ply") + " was denied."});
}

TEST(PlayerRemoval, FileErrorTextsNameThePath) {
    EXPECT_EQ(FileErrorText(2, "a.ply"), "a.ply was not found.");
    EXPECT_EQ(FileErrorText(5, "a.ply"), "Access to a.ply was denied.");
    EXPECT_EQ(FileErrorText(11, "a.ply"), "A sharing violation occurred while accessing a.ply.");
    EXPECT_EQ(FileErrorText(99, "a.ply"), "An unexpected error occurred while accessing a.ply.");
}
