// SPDX-License-Identifier: MIT
// quizlex-tool build and check, run on the shipped content as the build and CI run them.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/TestSupport.h"

using testsupport::TempProgramFolder;

namespace {

const std::string kTool = std::string("'") + QZ_TOOL_PATH + "'";
const std::string kContent = std::string("'") + QZ_SOURCE_DIR + "/content'";

int Tool(const std::string& arguments, std::string& output) {
    return testsupport::RunCommand(kTool + " " + arguments + " 2>&1", &output);
}

std::string Files(const std::string& folder) {
    std::string all;
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            names.push_back(std::filesystem::relative(entry.path(), folder).string());
        }
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        all += name + "\n" + testsupport::ReadFileBytes(folder + "/" + name);
    }
    return all;
}

}  // namespace

TEST(ContentTool, TheShippedContentBuildsTheSameBytesEveryTimeAndCheckFindsEachProblem) {
    TempProgramFolder folder;
    TempProgramFolder again;
    std::string output;
    ASSERT_EQ(Tool("build " + kContent + " '" + again.Path() + "'", output), 0) << output;
    ASSERT_EQ(Tool("build " + kContent + " '" + folder.Path() + "'", output), 0) << output;
    EXPECT_NE(output.find("built"), std::string::npos) << output;
    EXPECT_TRUE(Files(folder.Path()) == Files(again.Path()));
    // --levels: besides the data, every shipped puzzle grades at the level it states.
    ASSERT_EQ(Tool("check --levels " + kContent + " '" + folder.Path() + "'", output), 0) << output;
    EXPECT_NE(output.find(": 0 problems"), std::string::npos) << output;
    EXPECT_EQ(output.find("problem:"), std::string::npos) << output;
    EXPECT_TRUE(folder.Exists("players") && folder.Exists("games"));
    // Every text the game reads has CR LF line ends.
    EXPECT_EQ(folder.Read("data/games.dat").substr(0, 13), "First Steps\r\n");
    EXPECT_EQ(folder.Read("data/levels.dat").substr(0, 23), "steps,easy,operations\r\n")
        << "each level beside";
    EXPECT_EQ(folder.Read("data/Sound.dat"),
              "TRUE\r\nTRUE\r\n0\r\n0\r\n255\r\n0\r\n255\r\n0\r\n255\r\n255\r\n0\r\n");

    std::filesystem::remove(folder.File("data/steps_03.htf"));
    folder.Write("data/whoosh.wav", "RIFF....WAVE");
    folder.Write("data/About.dat", "Linux\r\n");
    folder.Write("data/games.dat", folder.Read("data/games.dat") + "Far Away\r\n..\\far\r\n");
    std::string ants = folder.Read("ants/ants.dat");
    folder.Write("ants/ants.dat", "../sea\r\n" + ants.substr(ants.find('\n') + 1));
    std::string board = folder.Read("data/steps.bgd");
    folder.Write("data/steps.bgd",
                 board.insert(board.find("\r\n", board.find("Start Answer") + 14), ",9"));
    folder.Write("data/Sound.dat",
                 "TRUE\r\nMAYBE\r\n0\r\n300\r\n2x5\r\n0\r\n255\r\n0\r\n255\r\n255\r\n0\r\n");
    EXPECT_EQ(Tool("check '" + folder.Path() + "'", output), 1);
    for (const char* problem :
         {"problem: data\\steps_03.htf cannot be read (file error 2)\n",
          "problem: data\\whoosh.wav is not a sound the game can play",
          "problem: data\\About.dat has no year line\n",
          "problem: game \"Far Away\": the stem \"..\\far\" is not a plain file name",
          "problem: ants\\ants.dat names the background \"../sea\", which is not a plain file "
          "name\n",
          "problem: Data\\Sound.dat line 2 is \"MAYBE\", not TRUE or FALSE\n",
          "problem: Data\\Sound.dat line 4 is \"300\", not a colour part from 0 to 255\n",
          "problem: Data\\Sound.dat line 5 is \"2x5\", not a colour part from 0 to 255\n",
          ",9\" is not a cell with a digit 0 to 9\n", ": 10 problems\n"}) {
        EXPECT_NE(output.find(problem), std::string::npos) << problem << " in\n" << output;
    }
    EXPECT_EQ(Tool("check '" + again.File("players") + "'", output), 1);
    EXPECT_NE(
        output.find("problem: data\\games.dat cannot be opened: the game list would be empty"),
        std::string::npos)
        << output;
    // With its background back, the reward game's sprites are checked frame by frame.
    folder.Write("ants/ants.dat", ants);
    folder.Write("ants/fisha3.bmp", folder.Read("data/Head.bmp"));
    EXPECT_EQ(Tool("check '" + folder.Path() + "'", output), 1);
    EXPECT_NE(output.find("fisha3.bmp is not the sprite's size"), std::string::npos) << output;
    EXPECT_NE(output.find("fisha3.bmp does not share the background's palette"), std::string::npos)
        << output;

    // Building again keeps a puzzle the player made with New Puzzle listed after the shipped
    // ones; an entry whose puzzle file is gone, or that takes a shipped title, is not kept.
    folder.Write("data/new1.bgd", folder.Read("data/steps.bgd"));
    folder.Write("data/games.dat",
                 "New Easy Puzzle 1\r\nnew1\r\nGone\r\ngone\r\n"
                 "First Steps\r\nnew1\r\n" +
                     folder.Read("data/games.dat"));
    ASSERT_EQ(Tool("build " + kContent + " '" + folder.Path() + "'", output), 0) << output;
    const std::string list = folder.Read("data/games.dat");
    EXPECT_EQ(list, again.Read("data/games.dat") + "New Easy Puzzle 1\r\nnew1\r\n");
}

TEST(ContentTool, BuildRefusesABrokenSourceWithItsLineAndAFileItCannotWrite) {
    TempProgramFolder folder;
    std::string output;
    std::filesystem::create_directories(folder.File("out/data/steps.bgd"));
    EXPECT_EQ(Tool("build " + kContent + " '" + folder.File("out") + "'", output), 1);
    EXPECT_NE(output.find("steps.bgd:0: cannot be written"), std::string::npos) << output;
    std::filesystem::remove_all(folder.File("out"));

    std::filesystem::copy(std::string(QZ_SOURCE_DIR) + "/content", folder.File("content"),
                          std::filesystem::copy_options::recursive);
    std::string puzzle = folder.Read("content/puzzles/01-first-steps.qzp");
    puzzle.replace(puzzle.find("5 × 5"), std::string("5 × 5").size(), "5 × 50");
    folder.Write("content/puzzles/01-first-steps.qzp", puzzle);
    puzzle = folder.Read("content/puzzles/03-take-away.qzp");
    folder.Write("content/puzzles/03-take-away.qzp",
                 puzzle.replace(puzzle.find("takeaway"), 8, "times"));
    std::string reward = folder.Read("content/reward.txt");
    folder.Write("content/reward.txt",
                 reward.replace(reward.find("\nbackground "), 11, "\nbackdrop"));
    EXPECT_EQ(Tool("build '" + folder.File("content") + "' '" + folder.File("out") + "'", output),
              1);
    for (const char* problem :
         {"01-first-steps.qzp:19: 1 Across works out to 250, which has 3 digits: too long for its "
          "2 squares\n",
          "03-take-away.qzp:0: the stem times is used by 02-times-tables.qzp already\n",
          "reward.txt:4: a line is \"background NAME\" or \"sprite PREFIX X Y W H COLOUR\"\n",
          "reward.txt:0: names no background\n"}) {
        EXPECT_NE(output.find(problem), std::string::npos) << problem << " in\n" << output;
    }
    EXPECT_FALSE(folder.Exists("out/data/games.dat"));
}

TEST(ContentTool, GenerateWritesAPuzzleThatSolveProvesAndGradeGradesAndAllRefuseWhatTheyCannotUse) {
    TempProgramFolder folder;
    const std::string puzzle = "'" + folder.File("new.qzp") + "'";
    std::string output;
    // Seeds as long as New Puzzle's, taken from the clock, are taken here too.
    ASSERT_EQ(Tool("generate --level medium --size 7 --seed 18446744073709551615 --title 'Night "
                   "Sums' --out " +
                       puzzle,
                   output),
              0)
        << output;
    EXPECT_NE(output.find("wrote " + folder.File("new.qzp") + "\n"), std::string::npos) << output;
    EXPECT_FALSE(folder.Exists("new.qzp.tmp"));
    ASSERT_EQ(Tool("solve " + puzzle, output), 0) << output;
    EXPECT_NE(output.find("one solution\n"), std::string::npos) << output;
    EXPECT_EQ(Tool("solve --steps 1 " + puzzle, output), 3);
    EXPECT_NE(output.find("gave up after 1 steps without settling the puzzle\n"), std::string::npos)
        << output;
    ASSERT_EQ(Tool("grade " + puzzle, output), 0) << output;
    EXPECT_NE(output.find("level medium (hardest: read the digits from crossing answers)\n"),
              std::string::npos)
        << output;
    // A source that says more than its grade: grade and check --levels both say so.
    std::string source = folder.Read("new.qzp");
    EXPECT_NE(source.find("\ntitle   Night Sums\n"), std::string::npos) << source;
    source.replace(source.find("level   medium"), 14, "level   hard");
    folder.Write("content/puzzles/new.qzp", source);
    EXPECT_EQ(Tool("grade '" + folder.File("content/puzzles/new.qzp") + "'", output), 4);
    EXPECT_NE(output.find("stated level: hard (differs from the grade)"), std::string::npos);
    EXPECT_EQ(
        Tool("check --levels '" + folder.File("content") + "' '" + folder.Path() + "'", output), 1);
    EXPECT_NE(output.find("problem: new.qzp says level hard but grades medium"), std::string::npos)
        << output;

    // Nothing is written for a command that is refused; OUT stands for a file that is not there.
    const std::pair<std::string, const char*> refused[] = {
        {"solve --steps 12x OUT", "--steps needs a whole number"},
        {"solve OUT OUT", "usage: quizlex-tool solve [--steps N] FILE.qzp"},
        {"solve OUT", "other.qzp is not a puzzle source that can be read"},
        {"generate --level tricky --out OUT", "; nothing was written"},
        {"generate --level easy --topic spelling --out OUT", "the topic is one of"},
        {"grade OUT", "other.qzp is not a puzzle source that can be read"},
        {"generate --size 101 --level easy --out OUT", "usage: quizlex-tool generate"},
        {"generate --level easy --seed -1 --out OUT", "usage: quizlex-tool generate"},
        {"generate --level easy --seed 18446744073709551616 --out OUT", "usage: quizlex-tool"},
        {"sample-class OUT 3 4", "usage: quizlex-tool sample-class"},
        {"class-report OUT", "usage: quizlex-tool class-report"},
        {"icons OUT", "icons takes THEME_FOLDER NAME"},
    };
    for (auto [command, message] : refused) {
        for (size_t at; (at = command.find("OUT")) != std::string::npos;) {
            command.replace(at, 3, "'" + folder.File("other.qzp") + "'");
        }
        EXPECT_NE(Tool(command, output), 0) << command;
        EXPECT_NE(output.find(message), std::string::npos) << command << "\n" << output;
        EXPECT_FALSE(folder.Exists("other.qzp")) << command;
    }
    // The game's icon for a desktop icon theme, at each size a theme looks for.
    ASSERT_EQ(Tool("icons '" + folder.File("icons") + "' quizlex", output), 0) << output;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const std::string side = std::to_string(size);
        const std::string png = folder.Read("icons/" + side + "x" + side + "/apps/quizlex.png");
        EXPECT_EQ(png.size() > 24 ? uint8_t(png[18]) * 256 + uint8_t(png[19]) : 0, size);
    }
}
