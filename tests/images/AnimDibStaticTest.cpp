// SPDX-License-Identifier: MIT
// The animated sprite control: its seven frames and the frame it paints as its sprite steps.
#include <gtest/gtest.h>

#include <QImage>
#include <set>

#include "images/AnimDibStatic.h"
#include "platform/FakeServices.h"
#include "platform/File.h"
#include "platform/ProgramFolder.h"
#include "platform/Rand.h"
#include "support/TestBitmaps.h"
#include "support/TestSupport.h"

namespace {

class AnimDibStaticTest : public ::testing::Test {
protected:
    AnimDibStaticTest() {
        // Frame i is filled with colour index i + 1, whose red is 10 * (i + 1).
        std::vector<uint32_t> colours;
        for (uint8_t i = 0; i < 8; ++i) {
            colours.push_back(uint32_t(10 * i) << 16);
            palette.entries.push_back(PaletteEntry{uint8_t(10 * i), 0, 0, 0});
        }
        for (int i = 0; i < 7; ++i) {
            folder.Write("ants/fish" + std::to_string(i) + ".bmp",
                         testsupport::MakeBmp(16, 12, 8, colours,
                                              [i](int, int) { return uint32_t(i + 1); }));
        }
    }
    void Load(CAnimDibStatic& sprite, const CPalette* withPalette) {
        sprite.resize(16, 12);
        sprite.LoadFrames(withPalette, platform::ProgramFolder() + "ants\\fish", 16, 12);
    }
    testsupport::TempProgramFolder folder;
    platform::FakeServices fake;
    CPalette palette;
};

// The red of the sprite's centre pixel; -1 when nothing was painted there.
int PaintedRed(CAnimDibStatic& sprite) {
    QImage image(sprite.size(), QImage::Format_RGB32);
    image.fill(QColor(0, 255, 0));
    sprite.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    QColor c = image.pixelColor(8, 6);
    return c == QColor(0, 255, 0) ? -1 : c.red();
}

}  // namespace

TEST_F(AnimDibStaticTest, PaintsTheFrameItsSpriteShowsAndNothingForAMissingFrame) {
    platform::RemoveFile(platform::ProgramFolder() + "ants\\fish5.bmp");
    platform::SeedRand(1);
    CAnimDibStatic sprite;
    Load(sprite, &palette);
    EXPECT_EQ(fake.Texts(), std::vector<std::string>{"Error reading DIB file."});
    EXPECT_FALSE(sprite.FramePicture(5));
    std::set<int> shown;
    // Long enough for both sequences to come.
    for (int tick = 0; tick < 1000; ++tick) {
        const int frame = sprite.Sprite().Frame();
        shown.insert(frame);
        ASSERT_EQ(PaintedRed(sprite), frame == 5 ? -1 : 10 * (frame + 1)) << "frame " << frame;
        sprite.Step();
    }
    EXPECT_EQ(shown.size(), 7u);
}
