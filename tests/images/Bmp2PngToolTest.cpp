// SPDX-License-Identifier: MIT
// Tests of quizlex-tool bmp2png, run as the author runs it.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>

#include "support/TestBitmaps.h"
#include "support/TestSupport.h"

using testsupport::Bytes;
using testsupport::InfoHeader;

namespace {

struct ToolRun {
    int status;
    std::string output;
};

ToolRun Tool(const testsupport::TempProgramFolder& folder, const std::string& arguments) {
    ToolRun run;
    // The scratch folder is private, so Qt is content to keep its runtime files there.
    run.status =
        testsupport::RunCommand("cd '" + folder.Path() + "' && XDG_RUNTIME_DIR='" + folder.Path() +
                                    "' '" QZ_TOOL_PATH "' bmp2png " + arguments + " 2>&1",
                                &run.output);
    return run;
}

}  // namespace

TEST(Bmp2PngTool, WritesTheDecodedPictureAsPng) {
    testsupport::TempProgramFolder folder;
    // A 3 x 2 picture, 8-bit run-length, top row: red green blue; bottom row: blue, black.
    Bytes b = InfoHeader(3, 2, 8, 1, 3);
    b.Color(0xFF0000).Color(0x00FF00).Color(0x0000FF);
    b.Raw({2, 2, 0, 0, 0, 3, 0, 1, 2, 0, 0, 1});
    folder.Write("data/Board.bmp", testsupport::BmpFile(b, 0));
    ToolRun run = Tool(folder, "data/Board.bmp out.png");
    ASSERT_EQ(run.status, 0) << run.output;
    QImage png(QString::fromStdString(folder.File("out.png")));
    ASSERT_EQ(png.size(), QSize(3, 2));
    EXPECT_EQ(png.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(png.pixel(1, 0), qRgb(0, 255, 0));
    EXPECT_EQ(png.pixel(2, 0), qRgb(0, 0, 255));
    EXPECT_EQ(png.pixel(0, 1), qRgb(0, 0, 255));
    EXPECT_EQ(png.pixel(1, 1), qRgb(0, 0, 255));
    EXPECT_EQ(png.pixel(2, 1), qRgb(0, 0, 0));
}

TEST(Bmp2PngTool, UnreadablePicturesFailWithOneLine) {
    testsupport::TempProgramFolder folder;
    folder.Write("text.bmp", std::string("hello, this is no picture"));
    folder.Write("twobit.bmp", testsupport::BmpFile(InfoHeader(4, 4, 2).Zeros(16), 0));
    folder.Write("huge.bmp", testsupport::BmpFile(InfoHeader(65536, 32768, 8), 0));
    struct Case {
        std::string arguments;
        std::string says;
    };
    for (const Case& c : {Case{"text.bmp out.png", "not a Windows bitmap"},
                          Case{"twobit.bmp out.png", "2 bits per pixel"},
                          Case{"huge.bmp out.png", "65536 x 32768 pixels"},
                          Case{"missing.bmp out.png", "cannot open missing.bmp"},
                          Case{"text.bmp", "bmp2png takes IN.bmp OUT.png"}}) {
        ToolRun run = Tool(folder, c.arguments);
        EXPECT_EQ(run.status, 1) << c.arguments;
        EXPECT_EQ(run.output.rfind("quizlex-tool: ", 0), 0u) << run.output;
        EXPECT_NE(run.output.find(c.says), std::string::npos) << run.output;
        EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 1) << run.output;
    }
    EXPECT_FALSE(folder.Exists("out.png"));
}
