// SPDX-License-Identifier: MIT
// Game paths with backslashes and either letter case reach the files of one folder.
#include <gtest/gtest.h>

#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "support/TestSupport.h"

using testsupport::TempProgramFolder;

TEST(ProgramFolder, EndsInASeparator) {
    TempProgramFolder folder;
    platform::SetProgramFolder("/tmp/game");
    EXPECT_EQ(platform::ProgramFolder(), "/tmp/game/");
    platform::SetProgramFolder("/tmp/game/");
    EXPECT_EQ(platform::ProgramFolder(), "/tmp/game/");
}

TEST(ProgramFolder, DataAndDataInAnyCaseAreOneFolder) {
    TempProgramFolder folder;
    folder.Write("data/Sound.dat", std::string("TRUE\r\n"));
    const std::string& root = folder.Path();
    EXPECT_EQ(platform::HostPath(root + "Data\\Sound.dat"), root + "data/Sound.dat");
    EXPECT_EQ(platform::HostPath(root + "DATA\\SOUND.DAT"), root + "data/Sound.dat");
    // A file that does not exist yet lands in the existing folder, under the name as given.
    EXPECT_EQ(platform::HostPath(root + "Data\\new.wav"), root + "data/new.wav");
    // A missing folder is kept as written, and nothing below it is looked up.
    EXPECT_EQ(platform::HostPath(root + "Games\\x.gme"), root + "Games/x.gme");

    CTextFile file;
    ASSERT_TRUE(file.Open(root + "DATA\\new.wav", CFile::modeWrite | CFile::modeCreate));
    file.Close();
    EXPECT_TRUE(folder.Exists("data/new.wav"));
}

TEST(ProgramFolder, AnExactMatchWinsOverAnotherCase) {
    TempProgramFolder folder;
    folder.Write("data/a.txt", std::string("lower"));
    folder.Write("Data/a.txt", std::string("upper"));
    EXPECT_EQ(platform::HostPath(folder.Path() + "Data\\a.txt"), folder.Path() + "Data/a.txt");
    EXPECT_EQ(platform::HostPath(folder.Path() + "data\\a.txt"), folder.Path() + "data/a.txt");
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
