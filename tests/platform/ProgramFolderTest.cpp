// SPDX-License-Identifier: MIT
// Game paths with backslashes and either letter case reach the files of one folder.
#include <gtest/gtest.h>

#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "support/TestSupport.h"

using testsupport::TempProgramFolder;

TEST(ProgramFolder, GamePathsInAnyCaseReachTheFilesOfOneFolder) {
    TempProgramFolder folder;
    folder.Write("data/Sound.dat", std::string("TRUE\r\n"));
    folder.Write("Other/a.txt", std::string("upper"));
    folder.Write("other/a.txt", std::string("lower"));
    const std::string& root = folder.Path();
    const std::pair<const char*, const char*> cases[] = {
        {"Data\\Sound.dat", "data/Sound.dat"},
        // A file that does not exist yet lands in the existing folder, under the name as given.
        {"Data\\new.wav", "data/new.wav"},
        // A missing folder is kept as written, and nothing below it is looked up.
        {"Games\\x.gme", "Games/x.gme"},
        // An exact match wins over another case.
        {"Other\\a.txt", "Other/a.txt"},
    };
    for (const auto& [game, host] : cases) {
        EXPECT_EQ(platform::HostPath(root + game), root + host);
    }
    CTextFile file;
    ASSERT_TRUE(file.Open(root + "DATA\\new.wav", CFile::modeWrite | CFile::modeCreate));
    file.Close();
    EXPECT_TRUE(folder.Exists("data/new.wav"));
    platform::SetProgramFolder("/tmp/game");
    EXPECT_EQ(platform::ProgramFolder(), "/tmp/game/");
}

TEST(ProgramFolder, BareFileNamesOnly) {
    for (const char* name : {"Mary0.ply", "hunt0.gme", "a..b"}) {
        EXPECT_TRUE(platform::IsBareFileName(name)) << name;
    }
    for (const char* name : {"", "..", ".", "..\\data\\games.dat", "../../etc/passwd",
                             "/etc/passwd", "C:boot.ini", "a\nb"}) {
        EXPECT_FALSE(platform::IsBareFileName(name)) << name;
    }
}
