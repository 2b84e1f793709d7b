// SPDX-License-Identifier: MIT
// The picture view: scroll sizes, printing onto a PDF page, copy and paste through the
// clipboard.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPrinter>

#include "BoardPixels.h"
#include "board/BoardGeometry.h"
#include "board/MathGridView.h"
#include "platform/FakePrintService.h"
#include "platform/FakeServices.h"
#include "puzzle/MathGridDoc.h"
#include "resources/ResourceIds.h"
#include "support/TestSupport.h"

using namespace boardtest;

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

class DibViewTest : public ::testing::Test {
protected:
    void SetUp() override { QGuiApplication::clipboard()->clear(); }
    testsupport::TempProgramFolder m_folder;
    platform::FakeServices m_fake;
};

}  // namespace

TEST_F(DibViewTest, APrintedBoardFillsThePageWidthWithItsMarksAndACancelPrintsNothing) {
    CMathGridDoc doc;
    SetPicture(doc, GridBmp(200, 100, Grid{20, 20, 20, 8, 3}, false));
    MakeBoard(doc, Grid{20, 20, 20, 8, 3});
    SetHints(doc, {{"3,2,1"}});
    CMathGridView view;
    view.SetDocument(&doc);
    view.m_bFullRepaint = 0;  // a printout never leaves the picture out
    platform::FakePrintService printer;
    printer.pdfPath = m_folder.File("board.pdf");
    printer.resolution = 150;
    ASSERT_TRUE(view.OnFilePrint());

    // The first page as pixels, through Ghostscript.
    std::string png = m_folder.File("board.png"), output;
    ASSERT_EQ(testsupport::RunCommand("gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=png16m -r150 "
                                      "-dFirstPage=1 -dLastPage=1 -sOutputFile='" +
                                          png + "' '" + printer.pdfPath + "' 2>&1",
                                      &output),
              0)
        << output;
    QImage page(QString::fromStdString(png));
    QPrinter reference(QPrinter::HighResolution);
    reference.setOutputFormat(QPrinter::PdfFormat);
    QRect area = reference.pageLayout().paintRectPixels(150);
    QRect picture = BoxOf(page, page.rect(), Near(QColor(QRgb(kFill)), 23));
    EXPECT_NEAR(picture.left(), area.left(), 2);
    EXPECT_NEAR(picture.top(), area.top(), 2);
    EXPECT_NEAR(picture.width(), area.width(), 2);
    EXPECT_NEAR(picture.height(), area.width() / 2, 2);

    // The hint square of cell (3, 2), scaled with the picture.
    double scale = area.width() / 200.0;
    board::Rect square = board::HintSquareRect(80, 60, 20);
    QRect found = BoxOf(page, page.rect(), Near(QColor(0, 255, 0), 23));
    EXPECT_NEAR(found.left(), area.left() + square.left * scale, 3);
    EXPECT_NEAR(found.top(), area.top() + square.top * scale, 3);

    // A cancelled print dialog prints nothing.
    printer.pdfPath = m_folder.File("never.pdf");
    printer.cancel = true;
    EXPECT_FALSE(view.OnFilePrint());
    EXPECT_FALSE(m_folder.Exists("never.pdf"));
}

TEST_F(DibViewTest, CopyAndPasteTakePicturesWholeAndPasteWithoutOneDoesNothing) {
    CDibDoc target;
    SetPicture(target, GridBmp(10, 10));
    const std::vector<uint8_t> before = target.m_hDIB.Bytes();
    CountingView other;
    target.AddView(&other);
    CDibView to;
    to.SetDocument(&target);
    to.OnInitialUpdate();
    QAction* paste = Command(to, ids::ID_EDIT_PASTE);
    ASSERT_NE(paste, nullptr);
    // Text, or bytes offered as a picture that are none, are not pasted.
    QGuiApplication::clipboard()->setText("3,4,5");
    EXPECT_FALSE(paste->isEnabled());
    auto* junk = new QMimeData;
    junk->setData("image/bmp", QByteArray("BM not a picture at all"));
    QGuiApplication::clipboard()->setMimeData(junk);
    to.OnEditPaste();
    EXPECT_EQ(target.m_hDIB.Bytes(), before);
    EXPECT_FALSE(target.IsModified());
    // Nothing to copy: the clipboard keeps what it had.
    CDibDoc empty;
    CDibView emptyView;
    emptyView.SetDocument(&empty);
    EXPECT_FALSE(Command(emptyView, ids::ID_EDIT_COPY)->isEnabled());
    emptyView.OnEditCopy();
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->data("image/bmp"),
              QByteArray("BM not a picture at all"));

    CDibDoc source;
    SetPicture(source, GridBmp(64, 48, Grid{8, 0, 0, 8, 6}));
    CDibView from;
    from.SetDocument(&source);
    QAction* copy = Command(from, ids::ID_EDIT_COPY);
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->isEnabled());
    copy->trigger();
    // Other programs read the bytes as a .bmp file, or take the image.
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    EXPECT_EQ(QImage::fromData(mime->data("image/bmp"), "BMP").size(), QSize(64, 48));
    EXPECT_EQ(QGuiApplication::clipboard()->image().pixel(8, 1), qRgb(0, 0, 0));
    EXPECT_TRUE(paste->isEnabled());
    paste->trigger();
    EXPECT_EQ(target.m_hDIB.Bytes(), source.m_hDIB.Bytes());
    EXPECT_EQ(to.GetTotalSize(), (CSize{64, 48}));
    EXPECT_TRUE(target.IsModified());
    EXPECT_EQ(target.m_palDIB.entries.size(), 3u);
    EXPECT_EQ(other.updates, 1);
    to.SetZoom(250);  // whole steps only
    EXPECT_EQ(to.GetTotalSize(), (CSize{128, 96}));
    target.RemoveView(&other);

    // An image another program copied: bottom-up, blue green red.
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(qRgb(200, 100, 50));
    QGuiApplication::clipboard()->setImage(image);
    to.OnEditPaste();
    EXPECT_EQ(target.m_sizeDoc, (CSize{3, 2}));
    EXPECT_EQ(DibBits(target.m_hDIB)[2], 200);
}
