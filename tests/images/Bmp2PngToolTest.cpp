// SPDX-License-Identifier: MIT
// Tests of quizlex-tool bmp2png, run as the author runs it.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>

#include "support/TestBitmaps.h"
#include "support/TestSupport.h"

using testsupport::BmpFile;
using testsupport::InfoHeader;

namespace {

int Tool(const testsupport::TempProgramFolder& folder, const std::string& arguments,
         std::string& output) {
    // The scratch folder is private, so Qt is content to keep its runtime files there.
    return testsupport::RunCommand("cd '" + folder.Path() + "' && XDG_RUNTIME_DIR='" +
                                       folder.Path() + "' '" QZ_TOOL_PATH "' bmp2png " + arguments +
                                       " 2>&1",
                                   &output);
}

}  // namespace

TEST(Bmp2PngTool, WritesTheDecodedPictureAsPng) {
    testsupport::TempProgramFolder folder;
    // A 3 x 2 picture, 8-bit run-length, top row: red green blue; bottom row: blue, black.
    folder.Write("data/Board.bmp", BmpFile(InfoHeader(3, 2, 8, 1, 3)
                                               .Color(0xFF0000)
                                               .Color(0x00FF00)
                                               .Color(0x0000FF)
                                               .Raw({2, 2, 0, 0, 0, 3, 0, 1, 2, 0, 0, 1}),
                                           0));
    std::string output;
    ASSERT_EQ(Tool(folder, "data/Board.bmp out.png", output), 0) << output;
    QImage png(QString::fromStdString(folder.File("out.png")));
    ASSERT_EQ(png.size(), QSize(3, 2));
    const QRgb expected[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                             qRgb(0, 0, 255), qRgb(0, 0, 255), qRgb(0, 0, 0)};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(png.pixel(i % 3, i / 3), expected[i]) << i;
    }
}

TEST(Bmp2PngTool, UnreadablePicturesFailWithOneLine) {
    testsupport::TempProgramFolder folder;
    folder.Write("text.bmp", std::string("hello, this is no picture"));
    folder.Write("twobit.bmp", BmpFile(InfoHeader(4, 4, 2).Zeros(16), 0));
    folder.Write("huge.bmp", BmpFile(InfoHeader(65536, 32768, 8), 0));
    for (const auto& [arguments, says] : {std::pair{"text.bmp out.png", "not a Windows bitmap"},
                                          {"twobit.bmp out.png", "2 bits per pixel"},
                                          {"huge.bmp out.png", "65536 x 32768 pixels"},
                                          {"missing.bmp out.png", "cannot open missing.bmp"},
                                          {"text.bmp", "bmp2png takes IN.bmp OUT.png"}}) {
        std::string output;
        EXPECT_EQ(Tool(folder, arguments, output), 1) << arguments;
        EXPECT_EQ(output.rfind(std::string("quizlex-tool: "), 0), 0u) << output;
        EXPECT_NE(output.find(says), std::string::npos) << output;
        EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1) << output;
    }
    EXPECT_FALSE(folder.Exists("out.png"));
}
