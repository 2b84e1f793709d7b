// SPDX-License-Identifier: MIT
// The dialog picture control: loading a picture with its palette, painting it at its natural
// size, and the messages for pictures it cannot show.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMainWindow>

#include "images/DibStatic.h"
#include "platform/FakeServices.h"
#include "platform/File.h"
#include "platform/ProgramFolder.h"
#include "support/TestBitmaps.h"
#include "support/TestSupport.h"

namespace {

const std::vector<uint32_t> kColours = {0xFFFFFF, 0xC80000, 0x0000C8};

// 20 × 10: red on the left half, blue on the right.
std::vector<uint8_t> HalfAndHalf() {
    return testsupport::MakeBmp(20, 10, 8, kColours, [](int x, int) { return x < 10 ? 1 : 2; });
}

QImage Render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(QColor(0, 255, 0));
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

}  // namespace

TEST(DibStatic, PaintsThePictureAtItsNaturalSizeInItsTopLeftCorner) {
    testsupport::TempProgramFolder folder;
    folder.Write("data/Head.bmp", HalfAndHalf());
    platform::FakeServices fake;
    CDibStatic control;
    control.resize(40, 30);
    ASSERT_TRUE(control.LoadPicture(platform::ProgramFolder() + "data\\Head.bmp"));
    EXPECT_TRUE(fake.messages.empty());
    ASSERT_NE(control.Palette(), nullptr);
    ASSERT_EQ(control.Palette()->entries.size(), 3u);
    EXPECT_EQ(control.Palette()->entries[1].red, 200);
    EXPECT_EQ(control.Palette()->entries[2].blue, 200);

    QImage image = Render(control);
    EXPECT_EQ(image.pixelColor(2, 2), QColor(200, 0, 0));
    EXPECT_EQ(image.pixelColor(15, 9), QColor(0, 0, 200));
    // Never stretched: the rest of the control is left alone.
    EXPECT_EQ(image.pixelColor(25, 5), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(5, 15), QColor(0, 255, 0));
    QApplication::processEvents();
    EXPECT_TRUE(fake.messages.empty());
}

TEST(DibStatic, APictureWithoutColourTableHasNoPaletteAndIsNotPainted) {
    testsupport::TempProgramFolder folder;
    folder.Write("data/true.bmp",
                 testsupport::MakeBmp(8, 8, 24, {}, [](int, int) { return 0x0A141E; }));
    platform::FakeServices fake;
    CDibStatic control;
    control.resize(8, 8);
    EXPECT_FALSE(control.LoadPicture(platform::ProgramFolder() + "data\\true.bmp"));
    EXPECT_EQ(fake.Texts(), (std::vector<std::string>{"Error creating palette from DIB."}));
    EXPECT_EQ(fake.messages[0].caption, "Math Quizlex");
    EXPECT_EQ(control.Palette(), nullptr);
    EXPECT_EQ(Render(control).pixelColor(4, 4), QColor(0, 255, 0));
}

TEST(DibStatic, AFileThatIsNotAPictureIsReportedTwiceAndTheGameGoesOn) {
    testsupport::TempProgramFolder folder;
    folder.Write("data/bad.bmp", std::string("not a bitmap at all"));
    platform::FakeServices fake;
    QMainWindow mainWindow;
    mainWindow.show();
    CDibStatic control(&mainWindow);
    EXPECT_FALSE(control.LoadPicture(platform::ProgramFolder() + "data\\bad.bmp"));
    // The palette step follows the failed read and fails too.
    EXPECT_EQ(fake.Texts(), (std::vector<std::string>{"Error reading DIB file.",
                                                      "Error creating palette from DIB."}));
    EXPECT_FALSE(control.Picture());
    // A missing decoration does not take the game's window away.
    EXPECT_TRUE(mainWindow.isVisible());

    // Reloading a good picture replaces the failed one.
    fake.Clear();
    folder.Write("data/good.bmp", HalfAndHalf());
    EXPECT_TRUE(control.LoadPicture(platform::ProgramFolder() + "data\\good.bmp"));
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(control.Palette()->entries[1].red, 200);
}

TEST(DibStatic, AFileThatCannotBeOpenedIsLeftToTheCaller) {
    testsupport::TempProgramFolder folder;
    platform::FakeServices fake;
    CDibStatic control;
    int cause = platform::kNone;
    EXPECT_FALSE(control.LoadPicture(platform::ProgramFolder() + "data\\none.bmp", &cause));
    EXPECT_EQ(cause, platform::kFileNotFound);
    EXPECT_TRUE(fake.messages.empty());
}

TEST(DibStatic, APictureThatCannotBePaintedIsReportedOnceNotAtEveryRepaint) {
    testsupport::TempProgramFolder folder;
    // A colour table of 16 but 3 bits per pixel: a palette can be made, the pixels cannot
    // be decoded.
    std::vector<uint8_t> bytes =
        testsupport::MakeBmp(4, 4, 8, kColours, [](int, int) { return 1; });
    bytes[28] = 3;   // bits per pixel
    bytes[46] = 16;  // colours used
    folder.Write("data/odd.bmp", bytes);
    platform::FakeServices fake;
    CDibStatic control;
    control.resize(4, 4);
    ASSERT_TRUE(control.LoadPicture(platform::ProgramFolder() + "data\\odd.bmp"));
    for (int i = 0; i < 3; ++i) {
        Render(control);
        QApplication::processEvents();
    }
    EXPECT_EQ(fake.Texts(), (std::vector<std::string>{"Error painting DIB"}));
}
