// SPDX-License-Identifier: MIT
// The animated sprite control: its seven frames, the frame it paints as its sprite steps, and
// repainting only when the frame changes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QImage>

#include "images/AnimDibStatic.h"
#include "platform/FakeServices.h"
#include "platform/File.h"
#include "platform/ProgramFolder.h"
#include "platform/Rand.h"
#include "support/TestBitmaps.h"
#include "support/TestSupport.h"

namespace {

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

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
    for (int i = 4; i < 7; ++i) {
        platform::RemoveFile(platform::ProgramFolder() + "ants\\fish" + std::to_string(i) + ".bmp");
    }
    // Sprites until one starts on the long sequence, whose frames here are missing.
    for (unsigned seed = 1; seed < 200; ++seed) {
        platform::SeedRand(seed);
        fake.Clear();
        CAnimDibStatic sprite;
        Load(sprite, &palette);
        EXPECT_EQ(fake.Texts(), (std::vector<std::string>(3, "Error reading DIB file.")));
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(bool(sprite.FramePicture(i)), i < 4) << i;
        }
        EXPECT_EQ(PaintedRed(sprite), 10);  // frame 0, at rest
        while (!sprite.Sprite().IsUp()) {
            sprite.Step();
        }
        if (sprite.Sprite().SequenceKind() == CSprite::kLong) {
            EXPECT_EQ(sprite.Sprite().Frame(), 4);
            EXPECT_EQ(PaintedRed(sprite), -1);
            return;
        }
        EXPECT_EQ(PaintedRed(sprite), 20);
        sprite.Step();
        EXPECT_EQ(PaintedRed(sprite), 30);
    }
    ADD_FAILURE() << "no sprite started on the long sequence";
}

TEST_F(AnimDibStaticTest, WithoutAPaletteNothingIsPainted) {
    CAnimDibStatic sprite;
    Load(sprite, nullptr);
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(PaintedRed(sprite), -1);
}

TEST_F(AnimDibStaticTest, RepaintsOnlyOnTheTicksWhereTheFrameChanges) {
    platform::SeedRand(1);  // a first pause of 1 and a short run
    QWidget window;
    window.resize(40, 40);
    auto* sprite = new CAnimDibStatic(&window);
    Load(*sprite, &palette);
    window.show();
    QApplication::processEvents();
    PaintCounter counter;
    sprite->installEventFilter(&counter);
    std::vector<int> paintsPerTick;
    for (int tick = 0; tick < 9; ++tick) {
        const int before = counter.paints;
        sprite->Step();
        QApplication::processEvents();
        paintsPerTick.push_back(counter.paints - before);
    }
    // The pause, then frames 1, 2, 3, 3, 2, 1, 0, 0.
    EXPECT_EQ(paintsPerTick, (std::vector<int>{0, 1, 1, 1, 0, 1, 1, 1, 0}));
    while (!sprite->Sprite().IsUp()) {
        sprite->Step();
    }
    sprite->Restart();  // caught while up: back to the resting frame at once
    EXPECT_EQ(sprite->Sprite().Frame(), 0);
}
