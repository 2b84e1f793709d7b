// SPDX-License-Identifier: MIT
// The dialog picture control: loading a picture with its palette, painting it at its natural
// size, and the messages for pictures it cannot show.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <optional>

#include "images/DibStatic.h"
#include "platform/FakeServices.h"
#include "platform/File.h"
#include "platform/ProgramFolder.h"
#include "support/TestBitmaps.h"
#include "support/TestSupport.h"

namespace {

const QColor kGreen(0, 255, 0);

// 20 × 10: red on the left half, blue on the right.
std::vector<uint8_t> HalfAndHalf() {
    return testsupport::MakeBmp(20, 10, 8, {0xFFFFFF, 0xC80000, 0x0000C8},
                                [](int x, int) { return x < 10 ? 1 : 2; });
}

QImage Render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(kGreen);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

class DibStaticTest : public ::testing::Test {
protected:
    bool Load(const std::string& name, std::optional<std::vector<uint8_t>> bytes,
              int* cause = nullptr) {
        if (bytes) {
            folder.Write("data/" + name, *bytes);
        }
        return control.LoadPicture(platform::ProgramFolder() + "data\\" + name, cause);
    }
    testsupport::TempProgramFolder folder;
    platform::FakeServices fake;
    QMainWindow mainWindow;
    CDibStatic control{&mainWindow};
};

}  // namespace

TEST_F(DibStaticTest, PaintsThePictureAtItsNaturalSizeInItsTopLeftCorner) {
    control.resize(40, 30);
    ASSERT_TRUE(Load("Head.bmp", HalfAndHalf()));
    ASSERT_NE(control.Palette(), nullptr);
    EXPECT_EQ(control.Palette()->entries.size(), 3u);

    QImage image = Render(control);
    EXPECT_EQ(image.pixelColor(2, 2), QColor(200, 0, 0));
    EXPECT_EQ(image.pixelColor(15, 9), QColor(0, 0, 200));
    // Never stretched: the rest of the control is left alone.
    EXPECT_EQ(image.pixelColor(25, 15), kGreen);
    QApplication::processEvents();
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(DibStaticTest, PicturesItCannotShowAreReportedAndTheGameGoesOn) {
    mainWindow.show();
    control.resize(8, 8);
    const auto trueColour = testsupport::MakeBmp(8, 8, 24, {}, [](int, int) { return 0x0A141E; });
    struct Case {
        const char* name;
        std::optional<std::vector<uint8_t>> bytes;
        std::vector<std::string> messages;
        int cause;
    } cases[] = {
        // No colour table: no palette, and nothing painted.
        {"true.bmp", trueColour, {"Error creating palette from DIB."}, platform::kNone},
        // The palette step follows the failed read and fails too.
        {"bad.bmp",
         std::vector<uint8_t>{'n', 'o', 't', ' ', 'a', ' ', 'b', 'i', 't', 'm', 'a', 'p'},
         {"Error reading DIB file.", "Error creating palette from DIB."},
         platform::kNone},
        // A file that cannot be opened is left to the caller to report.
        {"none.bmp", std::nullopt, {}, platform::kFileNotFound},
    };
    for (const Case& c : cases) {
        fake.Clear();
        int cause = platform::kNone;
        EXPECT_FALSE(Load(c.name, c.bytes, &cause)) << c.name;
        EXPECT_EQ(fake.Texts(), c.messages) << c.name;
        EXPECT_EQ(cause, c.cause) << c.name;
        EXPECT_EQ(control.Palette(), nullptr) << c.name;
        EXPECT_EQ(Render(control).pixelColor(4, 4), kGreen) << c.name;
        // A missing decoration does not take the game's window away.
        EXPECT_TRUE(mainWindow.isVisible());
    }

    // Reloading a good picture replaces the failed one.
    fake.Clear();
    EXPECT_TRUE(Load("good.bmp", HalfAndHalf()));
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(Render(control).pixelColor(4, 4), QColor(200, 0, 0));
}

TEST_F(DibStaticTest, APictureThatCannotBePaintedIsReportedOnceNotAtEveryRepaint) {
    // A colour table of 16 but 3 bits per pixel: a palette can be made, the pixels cannot
    // be decoded.
    std::vector<uint8_t> bytes = HalfAndHalf();
    bytes[28] = 3;   // bits per pixel
    bytes[46] = 16;  // colours used
    control.resize(4, 4);
    ASSERT_TRUE(Load("odd.bmp", bytes));
    for (int i = 0; i < 3; ++i) {
        Render(control);
        QApplication::processEvents();
    }
    EXPECT_EQ(fake.Texts(), (std::vector<std::string>{"Error painting DIB"}));
}
