// SPDX-License-Identifier: MIT
// quizlex-tool render-board: the board as the game paints it, into a PNG for authors.
#include <gtest/gtest.h>

#include <QImage>

#include "BoardFiles.h"
#include "board/BoardGeometry.h"
#include "support/TestSupport.h"

using boardtest::Grid;

namespace {

// A 5 × 3 number puzzle of 24-pixel cells at (8, 8) on a 136 × 88 picture. Answers: cell (c, r)
// holds (c + 2r) % 10. Hint 1: primary (1,0) and (2,0); secondary (3,2).
std::string Puzzle() {
    std::vector<std::string> lines = {"board.bmp", "24", "Offsets", "8", "8", "Start Grid"};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 5; ++c) {
            lines.push_back(std::to_string(c));
            lines.push_back(std::to_string(r));
        }
    }
    lines.push_back("End Grid");
    lines.push_back("Start Answer");
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 5; ++c) {
            lines.push_back(std::to_string(c) + "," + std::to_string(r) + "," +
                            std::to_string((c + 2 * r) % 10));
        }
    }
    lines.push_back("End Answer");
    for (const char* line :
         {"Start Primary Hint", "1,0,1", "2,0,1", "Start Secondary Hint", "3,2,2", "End Hint"}) {
        lines.push_back(line);
    }
    return boardtest::CrLf(lines);
}

class RenderBoardTool : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder.Write("data/board.bmp", boardtest::GridBmp(136, 88, Grid{24, 8, 8, 5, 3}));
        m_puzzle = m_folder.Write("data/sums.bgd", Puzzle());
        m_png = m_folder.File("board.png");
    }

    int Run(const std::string& options, std::string* output = nullptr) {
        std::string command = std::string(QZ_TOOL_PATH) + " render-board '" + m_puzzle + "' '" +
                              m_png + "' " + options + " 2>&1";
        std::string ignored;
        return testsupport::RunCommand(command, output ? output : &ignored);
    }

    QRect Cell(int c, int r) const { return QRect(8 + 24 * c + 1, 8 + 24 * r + 1, 23, 23); }

    static int Count(const QImage& image, const QRect& area, bool (*test)(QColor)) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                n += test(image.pixelColor(x, y)) ? 1 : 0;
            }
        }
        return n;
    }

    testsupport::TempProgramFolder m_folder;
    std::string m_puzzle;
    std::string m_png;
};

bool Reddish(QColor c) {
    return c.red() > 160 && c.green() < 110 && c.blue() < 110;
}
bool Dark(QColor c) {
    return c.red() < 100 && c.green() < 100 && c.blue() < 100;
}
bool Green(QColor c) {
    return c == QColor(0, 255, 0);
}
bool Red(QColor c) {
    return c == QColor(255, 0, 0);
}

}  // namespace

TEST_F(RenderBoardTool, PaintsMarksHintAndSolutionIntoAPictureSizedPng) {
    std::string output;
    ASSERT_EQ(Run("--hint 1", &output), 0) << output;
    QImage image(QString::fromStdString(m_png));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(136, 88));
    // Hint 1 in the default colours: primary green, secondary red, each square exactly.
    board::Rect square = board::HintSquareRect(8 + 24, 8, 24);
    EXPECT_EQ(Count(image, Cell(1, 0), Green), square.Width() * square.Height());
    EXPECT_EQ(Count(image, Cell(2, 0), Green), square.Width() * square.Height());
    EXPECT_EQ(Count(image, Cell(3, 2), Red), square.Width() * square.Height());
    EXPECT_EQ(Count(image, QRect(0, 0, 136, 88), Green), 2 * square.Width() * square.Height());
    // The board picture is under it all: grid lines.
    EXPECT_TRUE(Dark(image.pixelColor(8, 50)));
    EXPECT_TRUE(Dark(image.pixelColor(50, 32)));

    ASSERT_EQ(Run("--marks '0,0,0;1,0,5;4,2,8' --solution", &output), 0) << output;
    image = QImage(QString::fromStdString(m_png));
    ASSERT_FALSE(image.isNull());
    // The right mark (0,0) shows black and no red; the wrong (1,0) and the empty (2,1)
    // answer cells show their red digits; (4,2) holds 8, its right digit.
    EXPECT_GT(Count(image, Cell(0, 0), Dark), 10);
    EXPECT_EQ(Count(image, Cell(0, 0), Reddish), 0);
    EXPECT_GT(Count(image, Cell(1, 0), Reddish), 5);
    EXPECT_GT(Count(image, Cell(1, 0), Dark), 10);
    EXPECT_GT(Count(image, Cell(2, 1), Reddish), 5);
    EXPECT_EQ(Count(image, Cell(2, 1), Dark), 0);
    EXPECT_EQ(Count(image, Cell(4, 2), Reddish), 0);
    EXPECT_EQ(Count(image, QRect(0, 0, 136, 88), Green), 0);
}

TEST_F(RenderBoardTool, ErrorsPutAsterisksOnWrongMarksOfTheHint) {
    ASSERT_EQ(Run("--marks '1,0,5;2,0,2;0,1,7' --hint 1 --errors"), 0);
    QImage with(QString::fromStdString(m_png));
    ASSERT_EQ(Run("--marks '1,0,5;2,0,2;0,1,7' --hint 1"), 0);
    QImage without(QString::fromStdString(m_png));
    ASSERT_FALSE(with.isNull());
    ASSERT_FALSE(without.isNull());
    // (1,0) is wrong (its answer is 1); (2,0) is right; (0,1) is wrong but not in hint 1.
    auto asterisk = [](const QImage& image, const QRect& cell) {
        QRect corner(cell.left() + 8, cell.top(), cell.width() - 8, 9);
        return Count(image, corner, Reddish);
    };
    EXPECT_GT(asterisk(with, Cell(1, 0)), 2);
    EXPECT_EQ(asterisk(without, Cell(1, 0)), 0);
    EXPECT_EQ(asterisk(with, Cell(2, 0)), 0);
    EXPECT_EQ(Count(with, Cell(0, 1), Reddish), 0);
}

TEST_F(RenderBoardTool, RefusesMarksAndOptionsThatAreNotNumbers) {
    std::string output;
    EXPECT_EQ(Run("--marks '1,0,x'", &output), 1);
    EXPECT_NE(output.find("1,0,x"), std::string::npos) << output;
    EXPECT_EQ(Run("--marks '1,0'"), 1);
    EXPECT_EQ(Run("--marks '1,0,12'"), 1);
    EXPECT_EQ(Run("--marks '9,9,1'", &output), 1);
    EXPECT_NE(output.find("not on the grid"), std::string::npos) << output;
    EXPECT_EQ(Run("--hint two"), 1);
    EXPECT_EQ(Run("--colour red"), 1);
    // A hint the puzzle does not have highlights nothing, but still renders.
    EXPECT_EQ(Run("--hint 7", &output), 0);
    EXPECT_NE(output.find("1 hints"), std::string::npos) << output;

    m_folder.Write("data/sums.bgd", std::string("missing.bmp\r\n24\r\n"));
    EXPECT_EQ(Run("", &output), 1);
    EXPECT_NE(output.find("picture"), std::string::npos) << output;
}
