// SPDX-License-Identifier: MIT
// Painting DIB blocks: one to one, stretched without smoothing, the images made from the
// decoded pixels, and quizlex-tool bmp2png run as the author runs it.
#include "images/DibPaint.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <functional>

#include "images/DibDecode.h"
#include "support/TestBitmaps.h"
#include "support/TestSupport.h"

using testsupport::BmpFile;
using testsupport::InfoHeader;

namespace {

constexpr QRgb kGrey = 0xFF808080;

QRgb At(int x, int y) {
    return qRgb(40 * x, 40 * y, 0x20);
}

// A true-colour picture whose every pixel has its own colour: red = 40 * x, green = 40 * y.
std::vector<uint8_t> GradientBmp(int width, int height) {
    return testsupport::MakeBmp(width, height, 24, {}, [](int x, int y) {
        return static_cast<uint32_t>(At(x, y) & 0xFFFFFF);
    });
}
DibHandle Gradient(int width, int height) {
    return LoadDibBlock(GradientBmp(width, height));
}

// A grey canvas of the given size after paint(painter).
QImage Painted(int size, const std::function<void(QPainter&)>& paint) {
    QImage canvas(size, size, QImage::Format_RGB32);
    canvas.fill(kGrey);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    paint(painter);
    EXPECT_TRUE(painter.testRenderHint(QPainter::SmoothPixmapTransform));  // given back
    return canvas;
}

// Every pixel of the canvas is expected(x, y), or grey outside the painted rectangle.
void ExpectPixels(const QImage& canvas, const QRect& painted,
                  const std::function<QRgb(int x, int y)>& expected) {
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            ASSERT_EQ(canvas.pixel(x, y), painted.contains(x, y) ? expected(x, y) : kGrey)
                << x << "," << y;
        }
    }
}

int Tool(const testsupport::TempProgramFolder& folder, const std::string& arguments,
         std::string& output) {
    // The scratch folder is private, so Qt is content to keep its runtime files there.
    return testsupport::RunCommand("cd '" + folder.Path() + "' && XDG_RUNTIME_DIR='" +
                                       folder.Path() + "' '" QZ_TOOL_PATH "' bmp2png " + arguments +
                                       " 2>&1",
                                   &output);
}

}  // namespace

TEST(DibPaint, EqualRectanglesCopyOneToOneAndOthersStretchWithoutSmoothing) {
    DibHandle dib = Gradient(4, 3);
    // The whole picture at an offset, under a painter that scales (as printing does): pixels
    // are repeated, never blended.
    QImage scaled = Painted(20, [&](QPainter& p) {
        p.scale(2, 2);
        EXPECT_EQ(PaintDibBlock(p, QRect(1, 1, 4, 3), dib, QRect(0, 0, 4, 3)), 3);
    });
    ExpectPixels(scaled, QRect(2, 2, 8, 6), [](int x, int y) { return At(x / 2 - 1, y / 2 - 1); });

    // Stretched: the right column of the picture (counted from its top) to 4 x 4.
    QImage column = Painted(4, [&](QPainter& p) {
        EXPECT_EQ(PaintDibBlock(p, QRect(0, 0, 4, 4), Gradient(2, 2), QRect(1, 0, 1, 2)), 2);
    });
    ExpectPixels(column, QRect(0, 0, 4, 4), [](int, int y) { return At(1, y / 2); });
}

TEST(DibPaint, NothingToPaintReturnsZeroAndPaintsNothing) {
    DibHandle dib = Gradient(2, 2);
    DibHandle undecodable(testsupport::InfoHeader(2, 2, 2).Zeros(16).data);
    CPalette palette;
    QImage canvas = Painted(4, [&](QPainter& p) {
        EXPECT_EQ(PaintDibBlock(p, QRect(0, 0, 2, 2), DibHandle(), QRect(0, 0, 2, 2)), 0);
        EXPECT_EQ(PaintDibBlock(p, QRect(0, 0, 2, 2), undecodable, QRect(0, 0, 2, 2), &palette), 0);
        EXPECT_EQ(PaintDibBlock(p, QRect(0, 0, 3, 3), dib, QRect(0, 0, 0, 2)), 0);
    });
    ExpectPixels(canvas, QRect(), [](int, int) { return kGrey; });
}

TEST(DibPaint, ImagesOutliveTheBlock) {
    DibHandle dib = Gradient(3, 2);
    QImage image = DibImage(dib);
    ASSERT_EQ(image.size(), QSize(3, 2));
    dib.Free();
    EXPECT_EQ(image.pixel(2, 1), At(2, 1));
    EXPECT_TRUE(DibImage(dib).isNull());
}

TEST(Bmp2PngTool, WritesTheDecodedPictureAndUnreadablePicturesFailWithOneLine) {
    testsupport::TempProgramFolder folder;
    folder.Write("text.bmp", std::string("hello, this is no picture"));
    folder.Write("twobit.bmp", BmpFile(InfoHeader(4, 4, 2).Zeros(16), 0));
    for (const auto& [arguments, says] : {std::pair{"text.bmp out.png", "not a Windows bitmap"},
                                          {"twobit.bmp out.png", "2 bits per pixel"},
                                          {"missing.bmp out.png", "cannot open missing.bmp"},
                                          {"text.bmp", "bmp2png takes IN.bmp OUT.png"}}) {
        std::string output;
        EXPECT_EQ(Tool(folder, arguments, output), 1) << arguments;
        EXPECT_EQ(output.rfind(std::string("quizlex-tool: "), 0), 0u) << output;
        EXPECT_NE(output.find(says), std::string::npos) << output;
        EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1) << output;
    }
    EXPECT_FALSE(folder.Exists("out.png"));

    folder.Write("data/Board.bmp", GradientBmp(4, 3));
    std::string output;
    ASSERT_EQ(Tool(folder, "data/Board.bmp out.png", output), 0) << output;
    QImage png(QString::fromStdString(folder.File("out.png")));
    ASSERT_EQ(png.size(), QSize(4, 3));
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(png.pixel(i % 4, i / 4), At(i % 4, i / 4)) << i;
    }
}
