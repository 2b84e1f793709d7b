// SPDX-License-Identifier: MIT
// quizlex-tool render-board: the board as the game paints it, into a PNG for authors.
#include <gtest/gtest.h>

#include <cstdio>

#include "BoardPixels.h"
#include "board/BoardGeometry.h"
#include "support/TestSupport.h"

using namespace boardtest;

namespace {

// A 5 × 3 number puzzle of 24-pixel cells at (8, 8) on a 136 × 88 picture. Answers: cell (c, r)
// holds (c + 2r) % 10. Hint 1: primary (1,0) and (2,0); secondary (3,2).
std::string Puzzle() {
    std::string grid = "board.bmp|24|Offsets|8|8|Start Grid", answers;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 5; ++c) {
            grid += "|" + std::to_string(c) + "|" + std::to_string(r);
            answers += "|" + std::to_string(c) + "," + std::to_string(r) + "," +
                       std::to_string((c + 2 * r) % 10);
        }
    }
    return testsupport::CrLf(grid + "|End Grid|Start Answer" + answers +
                             "|End Answer|Start Primary Hint|1,0,1|2,0,1|Start Secondary Hint|"
                             "3,2,2|End Hint");
}

class RenderBoardTool : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder.Write("data/board.bmp", GridBmp(136, 88, Grid{24, 8, 8, 5, 3}));
        m_puzzle = m_folder.Write("data/sums.bgd", Puzzle());
    }

    // Runs the tool with the options; the picture it wrote, or a null one.
    QImage Render(const std::string& options, int expectedStatus = 0) {
        std::string png = m_folder.File("board.png"), output;
        std::remove(png.c_str());
        int status = testsupport::RunCommand(std::string(QZ_TOOL_PATH) + " render-board '" +
                                                 m_puzzle + "' '" + png + "' " + options + " 2>&1",
                                             &output);
        EXPECT_EQ(status, expectedStatus) << options << ": " << output;
        m_output = output;
        return QImage(QString::fromStdString(png));
    }

    static QRect Cell(int c, int r) { return QRect(8 + 24 * c + 1, 8 + 24 * r + 1, 23, 23); }

    testsupport::TempProgramFolder m_folder;
    std::string m_puzzle;
    std::string m_output;
};

}  // namespace

TEST_F(RenderBoardTool, PaintsMarksHintAndSolutionIntoAPictureSizedPng) {
    QImage image = Render("--hint 1");
    ASSERT_EQ(image.size(), QSize(136, 88));
    // Hint 1 in the default colours: primary green, secondary red, each square exactly.
    board::Rect square = board::HintSquareRect(8 + 24, 8, 24);
    const int area = square.Width() * square.Height();
    auto green = Exactly(QColor(0, 255, 0));
    EXPECT_EQ(Count(image, Cell(1, 0), green), area);
    EXPECT_EQ(Count(image, Cell(3, 2), Exactly(QColor(255, 0, 0))), area);
    // The board picture is under it all: grid lines.
    EXPECT_TRUE(IsDark(image.pixelColor(8, 50)));

    image = Render("--marks '0,0,0;1,0,5;4,2,8' --solution");
    ASSERT_FALSE(image.isNull());
    // The right marks (0,0) and (4,2) show black; the wrong (1,0) black and its answer in red;
    // every empty cell its answer in red, in the cell's upper right part; no hint.
    EXPECT_EQ(Inks(image, 5, 3, Cell), "kbrrr rrrrr rrrrk");
    EXPECT_EQ(Count(image, Cell(2, 1).adjusted(0, 12, -15, 0), IsReddish), 0);
    EXPECT_EQ(Count(image, Cell(1, 0), green), 0);
    // A wrong digit in the hint's squares is starred in red with --errors, and only then.
    EXPECT_EQ(Count(Render("--hint 1 --marks '1,0,5'"), Cell(1, 0), IsReddish), 0);
    EXPECT_GT(Count(Render("--hint 1 --marks '1,0,5' --errors"), Cell(1, 0), IsReddish), 5);
}

TEST_F(RenderBoardTool, RefusesMarksAndOptionsThatAreNotNumbers) {
    const struct {
        const char* options;
        const char* said;  // a part of what the tool says
    } refused[] = {
        {"--marks '1,0,x'", "1,0,x"},
        {"--marks '1,0'", "1,0"},
        {"--marks '1,0,12'", "0 to 9"},
        {"--marks '9,9,1'", "not on the grid"},
    };
    for (const auto& c : refused) {
        EXPECT_TRUE(Render(c.options, 1).isNull()) << c.options;
        EXPECT_NE(m_output.find(c.said), std::string::npos) << c.options << ": " << m_output;
    }
    m_folder.Write("data/sums.bgd", std::string("missing.bmp\r\n24\r\n"));
    EXPECT_TRUE(Render("", 1).isNull());
    EXPECT_NE(m_output.find("picture cannot be loaded"), std::string::npos) << m_output;
}
