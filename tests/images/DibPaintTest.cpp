// SPDX-License-Identifier: MIT
// Tests of painting DIB blocks: one to one, stretched without smoothing, and the images made
// from the decoded pixels.
#include "images/DibPaint.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "images/DibDecode.h"
#include "support/TestBitmaps.h"

using testsupport::Bytes;
using testsupport::InfoHeader;

namespace {

constexpr QRgb kGrey = 0xFF808080;

// A true-colour picture whose every pixel has its own colour: red = 40 * x, green = 40 * y.
DibHandle Gradient(int width, int height) {
    Bytes b = InfoHeader(width, height, 24);
    int stride = (width * 3 + 3) / 4 * 4;
    for (int row = height - 1; row >= 0; --row) {
        for (int x = 0; x < width; ++x) {
            b.U8(0x20).U8(40 * row).U8(40 * x);
        }
        b.Zeros(size_t(stride - width * 3));
    }
    return DibHandle(b.data);
}

QRgb At(int x, int y) {
    return qRgb(40 * x, 40 * y, 0x20);
}

QImage Canvas(int width, int height) {
    QImage canvas(width, height, QImage::Format_RGB32);
    canvas.fill(kGrey);
    return canvas;
}

}  // namespace

TEST(DibPaint, EqualRectanglesCopyOneToOne) {
    DibHandle dib = Gradient(4, 3);
    QImage canvas = Canvas(10, 10);
    int lines = 0;
    {
        QPainter painter(&canvas);
        lines = PaintDibBlock(painter, QRect(5, 6, 2, 2), dib, QRect(1, 1, 2, 2));
    }
    EXPECT_EQ(lines, 3);
    EXPECT_EQ(canvas.pixel(5, 6), At(1, 1));
    EXPECT_EQ(canvas.pixel(6, 6), At(2, 1));
    EXPECT_EQ(canvas.pixel(5, 7), At(1, 2));
    EXPECT_EQ(canvas.pixel(6, 7), At(2, 2));
    EXPECT_EQ(canvas.pixel(4, 6), kGrey);
    EXPECT_EQ(canvas.pixel(7, 7), kGrey);
    EXPECT_EQ(canvas.pixel(5, 5), kGrey);
    EXPECT_EQ(canvas.pixel(5, 8), kGrey);

    // The whole picture at an offset, under a painter that scales (as printing does): pixels
    // are repeated, never blended, even when the painter asked for smoothing.
    QImage scaled = Canvas(20, 20);
    {
        QPainter painter(&scaled);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.scale(2, 2);
        EXPECT_EQ(PaintDibBlock(painter, QRect(1, 1, 4, 3), dib, QRect(0, 0, 4, 3)), 3);
        EXPECT_TRUE(painter.testRenderHint(QPainter::SmoothPixmapTransform));
    }
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            for (int d = 0; d < 4; ++d) {
                EXPECT_EQ(scaled.pixel(2 + 2 * x + d % 2, 2 + 2 * y + d / 2), At(x, y));
            }
        }
    }
    EXPECT_EQ(scaled.pixel(1, 1), kGrey);
    EXPECT_EQ(scaled.pixel(10, 8), kGrey);
}

TEST(DibPaint, OtherRectanglesStretchWithoutSmoothing) {
    DibHandle dib = Gradient(2, 2);
    QImage canvas = Canvas(8, 8);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        EXPECT_EQ(PaintDibBlock(painter, QRect(0, 0, 6, 6), dib, QRect(0, 0, 2, 2)), 2);
        EXPECT_TRUE(painter.testRenderHint(QPainter::SmoothPixmapTransform));
    }
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(canvas.pixel(x, y), At(x / 3, y / 3)) << x << "," << y;
        }
    }
    EXPECT_EQ(canvas.pixel(6, 6), kGrey);

    // A part of the picture, counted from its top: the right column, stretched.
    QImage part = Canvas(4, 4);
    {
        QPainter painter(&part);
        EXPECT_EQ(PaintDibBlock(painter, QRect(0, 0, 4, 4), dib, QRect(1, 0, 1, 2)), 2);
    }
    EXPECT_EQ(part.pixel(0, 0), At(1, 0));
    EXPECT_EQ(part.pixel(3, 1), At(1, 0));
    EXPECT_EQ(part.pixel(0, 2), At(1, 1));
    EXPECT_EQ(part.pixel(3, 3), At(1, 1));
}

TEST(DibPaint, NothingToPaintReturnsZero) {
    QImage canvas = Canvas(4, 4);
    QPainter painter(&canvas);
    CPalette palette;
    EXPECT_EQ(PaintDibBlock(painter, QRect(0, 0, 2, 2), DibHandle(), QRect(0, 0, 2, 2)), 0);
    DibHandle undecodable(InfoHeader(2, 2, 2).Zeros(16).data);
    EXPECT_EQ(PaintDibBlock(painter, QRect(0, 0, 2, 2), undecodable, QRect(0, 0, 2, 2), &palette),
              0);
    DibHandle dib = Gradient(2, 2);
    EXPECT_EQ(PaintDibBlock(painter, QRect(0, 0, 0, 0), dib, QRect(0, 0, 0, 0)), 0);
    EXPECT_EQ(PaintDibBlock(painter, QRect(0, 0, 3, 3), dib, QRect(0, 0, 0, 2)), 0);
    painter.end();
    EXPECT_EQ(canvas.pixel(0, 0), kGrey);
    EXPECT_EQ(canvas.pixel(1, 1), kGrey);
}

TEST(DibPaint, ImagesShareTheDecodedPixelsAndOutliveTheBlock) {
    DibHandle dib = Gradient(3, 2);
    QImage image = DibImage(dib);
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.constBits(), reinterpret_cast<const uchar*>(dib.Decoded().pixels.get()));
    EXPECT_EQ(image.pixel(2, 1), At(2, 1));
    dib.Free();
    EXPECT_EQ(image.pixel(2, 1), At(2, 1));
    EXPECT_EQ(image.pixel(0, 0), At(0, 0));
    EXPECT_TRUE(DibImage(dib).isNull());
}
