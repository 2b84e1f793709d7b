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
using Lines = std::vector<std::string>;

namespace {

class DibDocTest : public ::testing::Test {
protected:
    std::string Picture(const std::string& name, const std::vector<uint8_t>& bytes) {
        folder.Write("data/" + name, bytes);
        return folder.Path() + "data\\" + name;
    }
    testsupport::TempProgramFolder folder;
    FakeServices fake;
    CDibDoc doc;
};

}  // namespace

TEST_F(DibDocTest, OpensAPictureWithItsSizeAndColours) {
    std::string path = Picture("board.bmp", MakeBmp(7, 5, 8, {0x000000, 0x010203, 0x020406}));
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(doc.m_sizeDoc, (CSize{7, 5}));
    ASSERT_NE(doc.GetDocPalette(), nullptr);
    // The colours-used field, not the bit count, sizes the palette.
    ASSERT_EQ(doc.m_palDIB.entries.size(), 3u);
    const PaletteEntry& entry = doc.m_palDIB.entries[2];
    EXPECT_EQ(std::vector<int>({entry.red, entry.green, entry.blue}), std::vector<int>({2, 4, 6}));
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_FALSE(doc.PathAddedToRecentList());

    // Replacing the picture takes its size and palette on InitDIBData; a new document drops it.
    std::string bytes = testsupport::AsString(MakeBmp(6, 4, 8, std::vector<uint32_t>(256)));
    doc.ReplaceHDIB(DibHandle(std::vector<uint8_t>(bytes.begin() + 14, bytes.end())));
    EXPECT_EQ(doc.m_sizeDoc, (CSize{7, 5}));
    doc.InitDIBData();
    EXPECT_EQ(doc.m_sizeDoc, (CSize{6, 4}));
    EXPECT_EQ(doc.m_palDIB.entries.size(), 256u);
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_TRUE(doc.m_hDIB.IsNull());
    EXPECT_EQ(doc.GetPathName(), "");
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(DibDocTest, PicturesThatCannotBeOpenedAreReportedAndLeaveNoPicture) {
    const std::string board = Picture("board.bmp", MakeBmp(4, 4, 8, {0}));
    struct Case {
        std::string path;
        Lines messages;
        bool keepsTheOldPicture;
    } cases[] = {
        // A width or height that reads as negative cannot be a picture's.
        {Picture("wide.bmp",
                 testsupport::BmpFile(testsupport::InfoHeader(INT32_MIN, 4, 8).Zeros(1028), 0)),
         {"DIB is too large", "Cannot load DIB"},
         false},
        {Picture("text.bmp", {'N', 'o', 't', ' ', 'a', ' ', 'b', 'm', 'p'}),
         {"Cannot load DIB"},
         false},
        // A missing file is the framework's report and leaves the document as it was.
        {folder.Path() + "data\\missing.bmp", {"Failed to open document."}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        ASSERT_TRUE(doc.OnOpenDocument(board));
        fake.Clear();
        EXPECT_FALSE(doc.OnOpenDocument(c.path));
        EXPECT_EQ(fake.Texts(), c.messages);
        EXPECT_EQ(doc.m_hDIB.IsNull(), !c.keepsTheOldPicture);
        EXPECT_EQ(doc.m_sizeDoc, c.keepsTheOldPicture ? (CSize{4, 4}) : (CSize{1, 1}));
        EXPECT_EQ(doc.GetPathName(), board);
        EXPECT_EQ(fake.waitCursorDepth, 0);
    }
}

TEST_F(DibDocTest, SavingWritesThePictureWholeAndLeavesAnOldFileAloneOnFailure) {
    const std::vector<uint8_t> original = MakeBmp(5, 3, 8, {1, 2, 3, 4});
    ASSERT_TRUE(doc.OnOpenDocument(Picture("board.bmp", original)));
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.OnSaveDocument(folder.Path() + "data\\copy.bmp"));
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(folder.Read("data/copy.bmp"), testsupport::AsString(original));

    // A place that cannot take a file (its folder is a file) is refused, for anyone.
    doc.SetModifiedFlag();
    folder.Write("data/plain", "not a folder");
    EXPECT_FALSE(doc.OnSaveDocument(folder.Path() + "data\\plain\\x.bmp"));
    EXPECT_EQ(fake.Texts(), (Lines{"Invalid filename."}));
    EXPECT_EQ(folder.Read("data/plain"), "not a folder");
    EXPECT_TRUE(doc.IsModified());

    // A picture with the small 12-byte header is not written.
    CDibDoc core;
    core.ReplaceHDIB(DibHandle(testsupport::CoreHeader(1, 1, 24).Zeros(4).data));
    core.InitDIBData();
    fake.Clear();
    EXPECT_FALSE(core.OnSaveDocument(folder.Path() + "data\\copy.bmp"));
    EXPECT_EQ(fake.Texts(), (Lines{"Cannot save DIB"}));
    EXPECT_EQ(folder.Read("data/copy.bmp"), testsupport::AsString(original));
    EXPECT_FALSE(folder.Exists("data/copy.bmp.new~"));
}

TEST(Document, ViewsHearOfChangesExceptTheOneThatMadeThem) {
    class RecordingView : public IDocumentView {
    public:
        void OnUpdate(IDocumentView* sender, long hint) override {
            heard.push_back({sender, hint});
        }
        std::vector<std::pair<IDocumentView*, long>> heard;
    } a, b;
    CDocument doc;
    doc.AddView(&a);
    doc.AddView(&b);
    doc.AddView(&a);
    EXPECT_EQ(doc.Views().size(), 2u);
    doc.UpdateAllViews(&a, 7);
    doc.RemoveView(&b);
    doc.UpdateAllViews(nullptr);
    EXPECT_EQ(a.heard, (std::vector<std::pair<IDocumentView*, long>>{{nullptr, 0}}));
    EXPECT_EQ(b.heard, (std::vector<std::pair<IDocumentView*, long>>{{&a, 7}}));
}

TEST(Document, PathTitleAndTheBaseOpenAndSave) {
    testsupport::TempProgramFolder folder;
    FakeServices fake;
    CDocument doc;
    doc.SetPathName(folder.Path() + "data\\Math Puzzle.bgd");
    EXPECT_EQ(doc.GetTitle(), "Math Puzzle.bgd");
    EXPECT_TRUE(doc.PathAddedToRecentList());

    EXPECT_FALSE(doc.OnOpenDocument(folder.Path() + "missing.txt"));
    EXPECT_FALSE(doc.OnSaveDocument(folder.Path() + "no\\such\\folder.txt"));
    EXPECT_EQ(fake.Texts(), (Lines{"Failed to open document.", "Invalid filename."}));
    doc.SetModifiedFlag();
    EXPECT_TRUE(doc.OnSaveDocument(folder.Path() + "made.txt"));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(folder.Exists("made.txt"));
    doc.SetModifiedFlag();
    EXPECT_TRUE(doc.OnOpenDocument(folder.Path() + "made.txt"));
    EXPECT_FALSE(doc.IsModified());
}
