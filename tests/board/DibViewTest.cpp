// SPDX-License-Identifier: MIT
// The picture view: scroll sizes, printing onto a PDF page, copy and paste through the
// clipboard.
#include <gtest/gtest.h>

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QMimeData>
#include <QPrinter>
#include <QScrollBar>

#include "BoardFiles.h"
#include "board/BoardGeometry.h"
#include "board/DibTransfer.h"
#include "board/MathGridView.h"
#include "platform/FakePrintService.h"
#include "platform/FakeServices.h"
#include "puzzle/MathGridDoc.h"
#include "resources/ResourceIds.h"
#include "support/TestSupport.h"

using boardtest::Grid;

namespace {

class CountingView : public IDocumentView {
public:
    void OnUpdate(IDocumentView*, long) override { ++updates; }
    int updates = 0;
};

QAction* Command(QWidget& widget, int id) {
    for (QAction* action : widget.actions()) {
        if (action->property("commandId").toInt() == id) {
            return action;
        }
    }
    return nullptr;
}

std::vector<uint8_t> BlockBytes(const DibHandle& dib) {
    return std::vector<uint8_t>(dib.Bytes().begin(), dib.Bytes().end());
}

// The first page of a PDF as pixels at the given resolution (through Ghostscript).
QImage RasterizePdf(const std::string& pdf, const std::string& png, int dpi) {
    std::string command = "gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=png16m -r" +
                          std::to_string(dpi) + " -dFirstPage=1 -dLastPage=1 -sOutputFile='" + png +
                          "' '" + pdf + "' 2>&1";
    std::string output;
    if (testsupport::RunCommand(command, &output) != 0) {
        ADD_FAILURE() << "cannot rasterize the PDF: " << output;
        return QImage();
    }
    return QImage(QString::fromStdString(png));
}

// The bounding box of the pixels close to a colour.
QRect BoxOf(const QImage& image, QColor colour) {
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) < 24 &&
                std::abs(c.green() - colour.green()) < 24 &&
                std::abs(c.blue() - colour.blue()) < 24) {
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The printer the fake print dialog hands out, to read its page from.
QRect PrintableArea(int dpi) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(dpi);
    return printer.pageLayout().paintRectPixels(dpi);
}

class DibViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QClipboard* clipboard = QGuiApplication::clipboard()) {
            clipboard->clear();
        }
    }
    testsupport::TempProgramFolder m_folder;
    platform::FakeServices m_fake;
};

}  // namespace

TEST_F(DibViewTest, TheScrollSizesFollowThePictureSize) {
    CDibDoc doc;
    boardtest::SetPicture(doc, boardtest::GridBmp(900, 700));
    CDibView view;
    view.resize(400, 300);
    view.SetDocument(&doc);
    view.show();
    view.OnInitialUpdate();
    EXPECT_EQ(view.GetTotalSize(), (CSize{900, 700}));
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), 900 - view.viewport()->width());
    EXPECT_EQ(view.verticalScrollBar()->maximum(), 700 - view.viewport()->height());
    view.horizontalScrollBar()->setValue(120);
    EXPECT_EQ(view.GetScrollPosition(), QPoint(120, 0));

    // A smaller picture needs no scrolling.
    boardtest::SetPicture(doc, boardtest::GridBmp(100, 80));
    view.OnInitialUpdate();
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(view.GetScrollPosition(), QPoint(0, 0));
}

TEST_F(DibViewTest, APrintedPictureFillsThePageWidthAtItsShape) {
    CDibDoc doc;
    boardtest::SetPicture(doc, boardtest::GridBmp(200, 100, Grid{}, false));
    CDibView view;
    view.SetDocument(&doc);
    platform::FakePrintService printer;
    printer.pdfPath = m_folder.File("board.pdf");
    printer.resolution = 150;
    ASSERT_TRUE(view.OnFilePrint());
    EXPECT_EQ(printer.requests, 1);

    QImage page = RasterizePdf(printer.pdfPath, m_folder.File("board.png"), 150);
    ASSERT_FALSE(page.isNull());
    QRect area = PrintableArea(150);
    QRect picture = BoxOf(page, QColor(40, 90, 160));
    ASSERT_FALSE(picture.isNull()) << "the picture is not on the page";
    EXPECT_NEAR(picture.left(), area.left(), 2);
    EXPECT_NEAR(picture.top(), area.top(), 2);
    EXPECT_NEAR(picture.width(), area.width(), 2);
    EXPECT_NEAR(picture.height(), area.width() / 2, 2);
}

TEST_F(DibViewTest, ThePrintedBoardCarriesItsMarksOnTheirCells) {
    CMathGridDoc doc;
    boardtest::SetPicture(doc, boardtest::GridBmp(200, 100, Grid{20, 0, 0, 10, 5}));
    doc.m_nCellSize = 20;
    for (int c = 0; c < 10; ++c) {
        doc.AddCell(c, 2);
    }
    doc.m_hints = {{"3,2,1"}};
    doc.m_secondaryHints = {{}};
    doc.m_nHintCount = 1;
    doc.m_nSelectedHint = 1;
    CMathGridView view;
    view.SetDocument(&doc);
    view.m_bFullRepaint = 0;  // a printout never leaves the picture out
    platform::FakePrintService printer;
    printer.pdfPath = m_folder.File("marks.pdf");
    printer.resolution = 150;
    ASSERT_TRUE(view.OnFilePrint());
    EXPECT_EQ(view.m_bFullRepaint, 0);

    QImage page = RasterizePdf(printer.pdfPath, m_folder.File("marks.png"), 150);
    ASSERT_FALSE(page.isNull());
    QRect area = PrintableArea(150);
    double scale = area.width() / 200.0;
    // The hint square of cell (3, 2), scaled with the picture.
    board::Rect square = board::HintSquareRect(60, 40, 20);
    QRect expected(area.left() + qRound(square.left * scale),
                   area.top() + qRound(square.top * scale), qRound(square.Width() * scale),
                   qRound(square.Height() * scale));
    QRect found = BoxOf(page, QColor(0, 255, 0));
    ASSERT_FALSE(found.isNull());
    EXPECT_NEAR(found.left(), expected.left(), 3);
    EXPECT_NEAR(found.top(), expected.top(), 3);
    EXPECT_NEAR(found.width(), expected.width(), 3);
    EXPECT_NEAR(found.height(), expected.height(), 3);
}

TEST_F(DibViewTest, ACancelledPrintDialogPrintsNothing) {
    CDibDoc doc;
    boardtest::SetPicture(doc, boardtest::GridBmp(20, 10));
    CDibView view;
    view.SetDocument(&doc);
    platform::FakePrintService printer;
    printer.pdfPath = m_folder.File("never.pdf");
    printer.cancel = true;
    EXPECT_FALSE(view.OnFilePrint());
    EXPECT_FALSE(m_folder.Exists("never.pdf"));
}

TEST_F(DibViewTest, CopyThenPasteGivesTheSamePicture) {
    CDibDoc source;
    boardtest::SetPicture(source, boardtest::GridBmp(64, 48, Grid{8, 0, 0, 8, 6}));
    CDibView from;
    from.SetDocument(&source);
    QAction* copy = Command(from, ids::ID_EDIT_COPY);
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->isEnabled());
    copy->trigger();
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    ASSERT_TRUE(mime->hasFormat("image/bmp"));
    // Other programs read the bytes as a .bmp file.
    QImage asFile = QImage::fromData(mime->data("image/bmp"), "BMP");
    EXPECT_EQ(asFile.size(), QSize(64, 48));

    CDibDoc target;
    boardtest::SetPicture(target, boardtest::GridBmp(10, 10));
    CountingView other;
    target.AddView(&other);
    CDibView to;
    to.resize(40, 30);
    to.SetDocument(&target);
    to.OnInitialUpdate();
    QAction* paste = Command(to, ids::ID_EDIT_PASTE);
    ASSERT_NE(paste, nullptr);
    EXPECT_TRUE(paste->isEnabled());
    paste->trigger();

    EXPECT_EQ(BlockBytes(target.m_hDIB), BlockBytes(source.m_hDIB));
    EXPECT_EQ(target.m_sizeDoc, (CSize{64, 48}));
    EXPECT_EQ(to.GetTotalSize(), (CSize{64, 48}));
    EXPECT_TRUE(target.IsModified());
    EXPECT_EQ(target.m_palDIB.entries.size(), 3u);
    EXPECT_EQ(other.updates, 1);
    EXPECT_GT(m_fake.waitCursorShown, 0);
    target.RemoveView(&other);
}

TEST_F(DibViewTest, AnImageAnotherProgramCopiedIsPastedAsAPicture) {
    QImage image(3, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 255, 0));
    image.setPixel(2, 0, qRgb(0, 0, 255));
    image.setPixel(0, 1, qRgb(1, 2, 3));
    image.setPixel(1, 1, qRgb(200, 100, 50));
    image.setPixel(2, 1, qRgb(9, 9, 9));
    QGuiApplication::clipboard()->setImage(image);

    CDibDoc doc;
    CDibView view;
    view.SetDocument(&doc);
    EXPECT_TRUE(view.CanPaste());
    view.OnEditPaste();
    ASSERT_TRUE(doc.m_hDIB);
    EXPECT_EQ(doc.m_sizeDoc, (CSize{3, 2}));
    EXPECT_EQ(DibBitCount(doc.m_hDIB), 24);
    std::span<const uint8_t> bits = DibBits(doc.m_hDIB);
    // Bottom-up: the top row follows the bottom row's 12 bytes. Blue, green, red.
    ASSERT_GE(bits.size(), 24u);
    EXPECT_EQ(bits[0], 3);
    EXPECT_EQ(bits[2], 1);
    EXPECT_EQ(bits[12 + 2], 255);
    EXPECT_EQ(bits[12 + 4], 255);
    EXPECT_EQ(bits[12 + 6], 255);
    EXPECT_TRUE(doc.IsModified());

    // A .bmp file another program offers.
    QByteArray file;
    QBuffer buffer(&file);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(QImageWriter(&buffer, "BMP").write(image.scaled(7, 5)));
    auto* mime = new QMimeData;
    mime->setData("image/bmp", file);
    QGuiApplication::clipboard()->setMimeData(mime);
    view.OnEditPaste();
    EXPECT_EQ(doc.m_sizeDoc, (CSize{7, 5}));
}

TEST_F(DibViewTest, PasteWithoutAPictureOnTheClipboardDoesNothing) {
    CDibDoc doc;
    boardtest::SetPicture(doc, boardtest::GridBmp(20, 10));
    std::vector<uint8_t> before = BlockBytes(doc.m_hDIB);
    CDibView view;
    view.SetDocument(&doc);
    view.OnInitialUpdate();
    QAction* paste = Command(view, ids::ID_EDIT_PASTE);
    ASSERT_NE(paste, nullptr);
    EXPECT_FALSE(paste->isEnabled());
    view.OnEditPaste();
    EXPECT_EQ(BlockBytes(doc.m_hDIB), before);

    QGuiApplication::clipboard()->setText("3,4,5");
    EXPECT_FALSE(paste->isEnabled());
    view.OnEditPaste();
    auto* junk = new QMimeData;
    junk->setData("image/bmp", QByteArray("BM not a picture at all"));
    QGuiApplication::clipboard()->setMimeData(junk);
    view.OnEditPaste();
    EXPECT_EQ(BlockBytes(doc.m_hDIB), before);
    EXPECT_EQ(doc.m_sizeDoc, (CSize{20, 10}));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(m_fake.messages.empty());

    // Nothing to copy: the clipboard keeps what it had.
    CDibDoc empty;
    CDibView emptyView;
    emptyView.SetDocument(&empty);
    EXPECT_FALSE(Command(emptyView, ids::ID_EDIT_COPY)->isEnabled());
    emptyView.OnEditCopy();
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat("image/bmp"));
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->data("image/bmp"),
              QByteArray("BM not a picture at all"));
}
