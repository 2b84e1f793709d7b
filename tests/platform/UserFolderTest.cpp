// SPDX-License-Identifier: MIT
// The installed game: the player's folder over the installed data, first start, upgrade and
// folders that cannot be used.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/File.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "platform/UserFolder.h"
#include "support/TestSupport.h"

using testsupport::CrLf;
using testsupport::TempProgramFolder;

namespace {

// A scratch folder holding "share/math-quizlex" (the installed data) and a home whose name has
// a space and a non-ASCII letter; while it lives the player's folder is the program folder.
struct Installed {
    TempProgramFolder root;
    std::string share = root.Path() + "share/math-quizlex/";
    std::string user = root.Path() + "h\xC3\xB6me dir/math-quizlex/";

    Installed() {
        root.Write("share/math-quizlex/data/Sound.dat", CrLf("TRUE|TRUE|1|2|3"));
        root.Write("share/math-quizlex/data/Head.bmp", std::string("installed head"));
        root.Write("share/math-quizlex/data/games.dat",
                   std::string("Sums\r\nsums\r\nTimes\r\ntimes"));
        platform::SetInstalledFolder(share);
    }
    ~Installed() { platform::SetInstalledFolder(std::string()); }
    void Play() const { platform::SetProgramFolder(user); }
    std::string Prepare() const { return platform::PrepareUserFolder(user, share); }
    std::string ReadAll(const std::string& gamePath) const {
        CTextFile file;
        std::string all, line;
        if (!file.Open(user + gamePath, CFile::modeRead)) {
            return "(none)";
        }
        while (file.ReadString(line)) {
            all += line + "|";
        }
        return all;
    }
};

}  // namespace

TEST(UserFolder, ReadsFallThroughToTheInstalledDataAndWritesStayInThePlayersFolder) {
    Installed game;
    ASSERT_EQ(game.Prepare(), "");
    game.Play();
    game.root.Write("h\xC3\xB6me dir/math-quizlex/data/Own.bgd", std::string("own"));

    // A name in another case finds the installed file; the player's own file hides nothing else.
    EXPECT_EQ(game.ReadAll("DATA\\head.BMP"), "installed head|");
    EXPECT_EQ(game.ReadAll("data\\own.bgd"), "own|");
    EXPECT_TRUE(platform::FileExists(game.user + "data\\Head.bmp"));
    EXPECT_EQ(platform::ReadPath(game.user + "data\\missing.bgd"), game.user + "data/missing.bgd");

    // Writing a file the installed data has makes the player's copy; the installed one stays.
    CTextFile write;
    ASSERT_TRUE(write.Open(game.user + "Data\\Head.bmp", CFile::modeReplace));
    write.WriteString("mine\n");
    ASSERT_TRUE(write.Close());
    EXPECT_EQ(game.ReadAll("data\\Head.bmp"), "mine|");
    EXPECT_EQ(game.root.Read("share/math-quizlex/data/Head.bmp"), "installed head");
    EXPECT_TRUE(platform::RemoveFile(game.user + "data\\Head.bmp"));
    EXPECT_EQ(game.ReadAll("data\\Head.bmp"), "installed head|");
    EXPECT_TRUE(platform::RemoveFile(game.user + "data\\Head.bmp"));
    EXPECT_TRUE(game.root.Exists("share/math-quizlex/data/Head.bmp"));

    // The game list: the installed games, then the player's own, added by appending.
    EXPECT_EQ(game.ReadAll("data\\games.dat"), "Sums|sums|Times|times|");
    CTextFile append;
    ASSERT_TRUE(append.Open(game.user + "data\\games.dat",
                            CFile::modeWrite | CFile::modeCreate | CFile::modeNoTruncate));
    append.SeekToEnd();
    append.WriteString("Mine\nmine\n");
    ASSERT_TRUE(append.Close());
    EXPECT_EQ(game.ReadAll("data\\GAMES.DAT"), "Sums|sums|Times|times|Mine|mine|");
    EXPECT_EQ(game.root.Read("h\xC3\xB6me dir/math-quizlex/data/games.dat"), CrLf("Mine|mine"));
}

TEST(UserFolder, FirstStartAndUpgradeKeepEverythingThePlayerHas) {
    Installed game;
    // An interrupted first start left its folder aside; it is made again.
    game.root.Write("h\xC3\xB6me dir/.math-quizlex.new~/players/half", std::string("x"));
    ASSERT_EQ(game.Prepare(), "");
    for (const char* folder : {"data", "players", "games", "ants"}) {
        EXPECT_TRUE(std::filesystem::is_directory(game.user + folder)) << folder;
    }
    EXPECT_EQ(game.root.Read("h\xC3\xB6me dir/math-quizlex/data/Sound.dat"),
              CrLf("TRUE|TRUE|1|2|3"));
    EXPECT_FALSE(game.root.Exists("h\xC3\xB6me dir/.math-quizlex.new~"));
    EXPECT_FALSE(game.root.Exists("h\xC3\xB6me dir/math-quizlex/data/Head.bmp"));

    // The player plays; a newer version then ships a changed list, new settings and a score
    // table, and the player has lost a folder.
    const std::string mine = "h\xC3\xB6me dir/math-quizlex/";
    game.root.Write(mine + "players/data", CrLf("Ann|Ann0.ply"));
    game.root.Write(mine + "players/Ann0.ply", std::string("Ann's record"));
    game.root.Write(mine + "data/Sound.dat", CrLf("FALSE|FALSE|9|9|9"));
    std::filesystem::remove(game.user + "games");
    game.root.Write("share/math-quizlex/data/games.dat", CrLf("Sums|sums|New|new"));
    game.root.Write("share/math-quizlex/data/Sound.dat", CrLf("TRUE|FALSE"));
    game.root.Write("share/math-quizlex/ants/scores.dat", CrLf("10|"));
    ASSERT_EQ(game.Prepare(), "");
    EXPECT_EQ(game.root.Read(mine + "players/Ann0.ply"), "Ann's record");
    EXPECT_EQ(game.root.Read(mine + "data/Sound.dat"), CrLf("FALSE|FALSE|9|9|9"));
    EXPECT_EQ(game.root.Read(mine + "ants/scores.dat"), CrLf("10|"));
    EXPECT_TRUE(std::filesystem::is_directory(game.user + "games"));
    game.Play();
    EXPECT_EQ(game.ReadAll("data\\games.dat"), "Sums|sums|New|new|");
}

TEST(UserFolder, AFolderThatCannotBeUsedIsReportedAndNothingIsRemoved) {
    struct Case {
        const char* file;    // a file standing in the way, below the scratch home
        const char* folder;  // the player's folder asked for
    };
    const Case cases[] = {
        {"home/math-quizlex", "home/math-quizlex"},          // the folder is a file
        {"home/xdg", "home/xdg/math-quizlex"},               // its parent is a file
        {"home/math-quizlex/players", "home/math-quizlex"},  // a folder the game needs
    };
    for (const Case& c : cases) {
        Installed game;
        game.root.Write(c.file, std::string("player's file"));
        const std::string message =
            platform::PrepareUserFolder(game.root.Path() + c.folder, game.share);
        EXPECT_NE(message, "") << c.file;
        EXPECT_EQ(game.root.Read(c.file), "player's file") << c.file;
    }
}

TEST(UserFolder, TheInstalledDataLiesBesideTheProgramAndTheFolderFollowsXdg) {
    TempProgramFolder root;
    root.Write("usr/bin/quizlex", std::string("program"));
    root.Write("build/quizlex", std::string("program"));
    root.MakeFolder("usr/share/math-quizlex/data");
    EXPECT_EQ(platform::FindInstalledData(root.Path() + "usr/bin/quizlex"),
              root.Path() + "usr/share/math-quizlex/");
    EXPECT_EQ(platform::FindInstalledData(root.Path() + "build/quizlex"), "");

    EXPECT_EQ(platform::UserFolderFor("/x/data", "/home/a"), "/x/data/math-quizlex");
    EXPECT_EQ(platform::UserFolderFor("", "/home/a"), "/home/a/.local/share/math-quizlex");
    EXPECT_EQ(platform::UserFolderFor(nullptr, nullptr), "");
}
