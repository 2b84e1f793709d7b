// SPDX-License-Identifier: MIT
// The picture document: opening and saving .bmp files, its size and palette, its messages,
// and the document base it stands on.
#include <gtest/gtest.h>

#include "platform/FakeServices.h"
#include "puzzle/DibDoc.h"
#include "support/TestBitmaps.h"
#include "support/TestSupport.h"

using platform::FakeServices;
using testsupport::MakeBmp;
using testsupport::TempProgramFolder;

namespace {

const unsigned kPictureBox = platform::MB_OK | platform::MB_ICONINFORMATION;

class RecordingView : public IDocumentView {
public:
    void OnUpdate(IDocumentView* sender, long hint) override {
        ++updates;
        lastSender = sender;
        lastHint = hint;
    }
    int updates = 0;
    IDocumentView* lastSender = nullptr;
    long lastHint = -1;
};

}  // namespace

TEST(DibDoc, StartsEmptyAtOneByOne) {
    CDibDoc doc;
    EXPECT_TRUE(doc.m_hDIB.IsNull());
    EXPECT_TRUE(doc.m_palDIB.IsNull());
    EXPECT_EQ(doc.m_sizeDoc, (CSize{1, 1}));
    EXPECT_EQ(doc.GetDocPalette(), nullptr);
}

TEST(DibDoc, OpensAPalettedPictureWithItsSizeAndColours) {
    TempProgramFolder folder;
    FakeServices fake;
    folder.Write("data/board.bmp", MakeBmp(7, 5, 8, {0x000000, 0x010203, 0x020406}));
    CDibDoc doc;
    std::string path = folder.Path() + "data\\board.bmp";
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(doc.m_sizeDoc, (CSize{7, 5}));
    ASSERT_NE(doc.GetDocPalette(), nullptr);
    // The colours-used field, not the bit count, sizes the palette.
    ASSERT_EQ(doc.m_palDIB.entries.size(), 3u);
    EXPECT_EQ(doc.m_palDIB.entries[2].red, 2);
    EXPECT_EQ(doc.m_palDIB.entries[2].green, 4);
    EXPECT_EQ(doc.m_palDIB.entries[2].blue, 6);
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_FALSE(doc.PathAddedToRecentList());
    EXPECT_EQ(doc.GetTitle(), "board.bmp");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_GT(fake.waitCursorShown, 0);
    EXPECT_EQ(fake.waitCursorDepth, 0);

    // An 8-bit picture with no colours-used count has the full table.
    folder.Write("data/full.bmp", MakeBmp(2, 2, 8, std::vector<uint32_t>(256)));
    ASSERT_TRUE(doc.OnOpenDocument(folder.Path() + "data\\full.bmp"));
    EXPECT_EQ(doc.m_palDIB.entries.size(), 256u);
    EXPECT_EQ(doc.m_sizeDoc, (CSize{2, 2}));
}

TEST(DibDoc, ATrueColourPictureOpensWithoutPaletteAndKeepsItsPixels) {
    TempProgramFolder folder;
    FakeServices fake;
    folder.Write("data/photo.bmp", MakeBmp(3, 2, 24, {}, [](int, int) { return 0x0A141E; }));
    CDibDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(folder.Path() + "data\\photo.bmp"));
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(doc.GetDocPalette(), nullptr);
    EXPECT_EQ(doc.m_sizeDoc, (CSize{3, 2}));
    // Painting takes the pixels straight after the header: blue, green, red.
    auto bits = DibBits(doc.m_hDIB);
    ASSERT_GE(bits.size(), 3u);
    EXPECT_EQ(bits[0], 30);
    EXPECT_EQ(bits[1], 20);
    EXPECT_EQ(bits[2], 10);
}

TEST(DibDoc, APictureWiderOrTallerThanAnIntCanHoldIsTooLarge) {
    TempProgramFolder folder;
    for (auto [width, height] : {std::pair<int32_t, int32_t>{INT32_MIN, 4}, {4, -1}}) {
        FakeServices fake;
        folder.Write(
            "data/huge.bmp",
            testsupport::BmpFile(testsupport::InfoHeader(width, height, 8).Zeros(1028), 0));
        CDibDoc doc;
        EXPECT_FALSE(doc.OnOpenDocument(folder.Path() + "data\\huge.bmp"));
        EXPECT_TRUE(doc.m_hDIB.IsNull());
        EXPECT_TRUE(doc.m_palDIB.IsNull());
        EXPECT_EQ(doc.m_sizeDoc, (CSize{1, 1}));
        EXPECT_EQ(doc.GetPathName(), "");
        ASSERT_EQ(fake.Texts(), (std::vector<std::string>{"DIB is too large", "Cannot load DIB"}));
        for (const FakeServices::Message& m : fake.messages) {
            EXPECT_EQ(m.caption, "Math Quizlex");
            EXPECT_EQ(m.type, kPictureBox);
        }
        EXPECT_EQ(fake.waitCursorDepth, 0);
    }
}

TEST(DibDoc, FilesThatAreNoPictureOrAreMissingAreReported) {
    TempProgramFolder folder;
    FakeServices fake;
    folder.Write("data/board.bmp", MakeBmp(4, 4, 8, {0}));
    folder.Write("data/text.bmp", "Not a bitmap at all");
    CDibDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(folder.Path() + "data\\board.bmp"));
    fake.Clear();

    EXPECT_FALSE(doc.OnOpenDocument(folder.Path() + "data\\text.bmp"));
    ASSERT_EQ(fake.Texts(), (std::vector<std::string>{"Cannot load DIB"}));
    EXPECT_EQ(fake.messages[0].type, kPictureBox);
    EXPECT_TRUE(doc.m_hDIB.IsNull());

    // A missing file is the framework's report and leaves the document as it was.
    ASSERT_TRUE(doc.OnOpenDocument(folder.Path() + "data\\board.bmp"));
    fake.Clear();
    EXPECT_FALSE(doc.OnOpenDocument(folder.Path() + "data\\missing.bmp"));
    ASSERT_EQ(fake.Texts(), (std::vector<std::string>{"Failed to open document."}));
    EXPECT_EQ(fake.messages[0].caption, "Math Quizlex");
    EXPECT_EQ(fake.messages[0].type, platform::MB_OK | platform::MB_ICONEXCLAMATION);
    EXPECT_FALSE(doc.m_hDIB.IsNull());
    EXPECT_EQ(doc.m_sizeDoc, (CSize{4, 4}));
    EXPECT_EQ(doc.GetPathName(), folder.Path() + "data\\board.bmp");
}

TEST(DibDoc, SavingWritesANewFileAndNeverOverwrites) {
    TempProgramFolder folder;
    FakeServices fake;
    std::string original = testsupport::AsString(MakeBmp(5, 3, 8, {1, 2, 3, 4}));
    folder.Write("data/board.bmp", original);
    CDibDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(folder.Path() + "data\\board.bmp"));
    doc.SetModifiedFlag();

    ASSERT_TRUE(doc.OnSaveDocument(folder.Path() + "data\\copy.bmp"));
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(folder.Read("data/copy.bmp"), original);

    doc.SetModifiedFlag();
    folder.Write("data/taken.bmp", "precious");
    EXPECT_FALSE(doc.OnSaveDocument(folder.Path() + "data\\taken.bmp"));
    ASSERT_EQ(fake.Texts(), (std::vector<std::string>{"Invalid filename."}));
    EXPECT_EQ(folder.Read("data/taken.bmp"), "precious");
    EXPECT_TRUE(doc.IsModified());
}

TEST(DibDoc, APictureThatCannotBeWrittenLeavesNoFileBehind) {
    TempProgramFolder folder;
    FakeServices fake;
    CDibDoc empty;
    EXPECT_FALSE(empty.OnSaveDocument(folder.Path() + "nothing.bmp"));
    ASSERT_EQ(fake.Texts(), (std::vector<std::string>{"Cannot save DIB"}));
    EXPECT_EQ(fake.messages[0].type, kPictureBox);
    EXPECT_FALSE(folder.Exists("nothing.bmp"));
    EXPECT_EQ(fake.waitCursorDepth, 0);

    // A picture with the small 12-byte header is not written either.
    std::vector<uint8_t> core = {12, 0, 0, 0, 1, 0, 1, 0, 1, 0, 24, 0, 1, 2, 3, 0};
    CDibDoc doc;
    doc.ReplaceHDIB(DibHandle(core));
    doc.InitDIBData();
    fake.Clear();
    EXPECT_FALSE(doc.OnSaveDocument(folder.Path() + "core.bmp"));
    EXPECT_EQ(fake.Texts(), (std::vector<std::string>{"Cannot save DIB"}));
    EXPECT_FALSE(folder.Exists("core.bmp"));
}

TEST(DibDoc, ReplacingThePictureTakesItsSizeAndPaletteOnInit) {
    TempProgramFolder folder;
    FakeServices fake;
    folder.Write("a.bmp", MakeBmp(9, 9, 8, {0, 1}));
    CDibDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(folder.Path() + "a.bmp"));
    std::string bytes = testsupport::AsString(MakeBmp(6, 4, 24, {})).substr(14);
    doc.ReplaceHDIB(DibHandle(std::vector<uint8_t>(bytes.begin(), bytes.end())));
    // The old palette stays until InitDIBData rebuilds it.
    EXPECT_EQ(doc.m_palDIB.entries.size(), 2u);
    doc.InitDIBData();
    EXPECT_EQ(doc.m_sizeDoc, (CSize{6, 4}));
    EXPECT_TRUE(doc.m_palDIB.IsNull());

    // A new document drops the picture.
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_TRUE(doc.m_hDIB.IsNull());
    EXPECT_EQ(doc.GetPathName(), "");
    EXPECT_TRUE(fake.messages.empty());
}

TEST(Document, ViewsHearOfChangesExceptTheOneThatMadeThem) {
    CDocument doc;
    RecordingView a, b;
    doc.AddView(&a);
    doc.AddView(&b);
    doc.AddView(&a);
    EXPECT_EQ(doc.Views().size(), 2u);
    doc.UpdateAllViews(&a, 7);
    EXPECT_EQ(a.updates, 0);
    EXPECT_EQ(b.updates, 1);
    EXPECT_EQ(b.lastSender, &a);
    EXPECT_EQ(b.lastHint, 7);
    doc.RemoveView(&b);
    doc.UpdateAllViews(nullptr);
    EXPECT_EQ(a.updates, 1);
    EXPECT_EQ(b.updates, 1);
}

TEST(Document, PathTitleAndTheBaseOpenAndSave) {
    TempProgramFolder folder;
    FakeServices fake;
    CDocument doc;
    doc.SetPathName(folder.Path() + "data\\Math Puzzle.bgd");
    EXPECT_EQ(doc.GetTitle(), "Math Puzzle.bgd");
    EXPECT_TRUE(doc.PathAddedToRecentList());

    EXPECT_FALSE(doc.OnOpenDocument(folder.Path() + "missing.txt"));
    EXPECT_FALSE(doc.OnSaveDocument(folder.Path() + "no\\such\\folder.txt"));
    EXPECT_EQ(fake.Texts(),
              (std::vector<std::string>{"Failed to open document.", "Invalid filename."}));
    doc.SetModifiedFlag();
    EXPECT_TRUE(doc.OnSaveDocument(folder.Path() + "made.txt"));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(folder.Exists("made.txt"));
    EXPECT_TRUE(doc.OnOpenDocument(folder.Path() + "made.txt"));
}
