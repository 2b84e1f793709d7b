// SPDX-License-Identifier: MIT
// The animated sprite control: its seven frames, the frame it paints as its sprite steps, and
// repainting only when the frame changes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <memory>

#include "images/AnimDibStatic.h"
#include "platform/FakeServices.h"
#include "platform/ProgramFolder.h"
#include "platform/Rand.h"
#include "support/TestBitmaps.h"
#include "support/TestSupport.h"

namespace {

// Frame i is filled with colour index i + 1, whose red is 10 * (i + 1).
std::vector<uint32_t> FrameColours() {
    std::vector<uint32_t> colours;
    for (uint32_t i = 0; i < 8; ++i) {
        colours.push_back(10 * i << 16);
    }
    return colours;
}

void WriteFrames(const testsupport::TempProgramFolder& folder, int count) {
    for (int i = 0; i < count; ++i) {
        folder.Write("ants/fish" + std::to_string(i) + ".bmp",
                     testsupport::MakeBmp(16, 12, 8, FrameColours(),
                                          [i](int, int) { return static_cast<uint32_t>(i + 1); }));
    }
}

CPalette PaletteOf(const std::vector<uint32_t>& colours) {
    CPalette palette;
    for (uint32_t c : colours) {
        palette.entries.push_back(PaletteEntry{static_cast<uint8_t>(c >> 16),
                                               static_cast<uint8_t>(c >> 8),
                                               static_cast<uint8_t>(c), 0});
    }
    return palette;
}

// The red of the sprite's centre pixel; -1 when nothing was painted there.
int PaintedRed(CAnimDibStatic& sprite) {
    QImage image(sprite.size(), QImage::Format_RGB32);
    image.fill(QColor(0, 255, 0));
    sprite.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    QColor c = image.pixelColor(8, 6);
    return c == QColor(0, 255, 0) ? -1 : c.red();
}

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

}  // namespace

TEST(AnimDibStatic, LoadsSevenFramesAndReportsEachMissingOne) {
    testsupport::TempProgramFolder folder;
    WriteFrames(folder, 4);  // frames 4 to 6 are missing
    platform::FakeServices fake;
    CAnimDibStatic sprite;
    const CPalette palette = PaletteOf(FrameColours());
    sprite.LoadFrames(&palette, platform::ProgramFolder() + "ants\\fish", 16, 12);
    EXPECT_EQ(fake.Texts(), (std::vector<std::string>(3, "Error reading DIB file.")));
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(static_cast<bool>(sprite.FramePicture(i)), i < 4) << i;
    }
}

TEST(AnimDibStatic, PaintsTheFrameItsSpriteShows) {
    testsupport::TempProgramFolder folder;
    WriteFrames(folder, 4);
    platform::FakeServices fake;
    const CPalette palette = PaletteOf(FrameColours());
    // Sprites until one starts on the long sequence, whose frames here are missing.
    for (unsigned seed = 1; seed < 200; ++seed) {
        platform::SeedRand(seed);
        CAnimDibStatic sprite;
        sprite.resize(16, 12);
        sprite.LoadFrames(&palette, platform::ProgramFolder() + "ants\\fish", 16, 12);
        const bool isLong = sprite.Sprite().SequenceKind() == CSprite::kLong;
        EXPECT_EQ(PaintedRed(sprite), 10);  // frame 0, at rest
        while (!sprite.Sprite().IsUp()) {
            sprite.Step();
        }
        if (isLong) {
            // Frames 4 to 6 have no picture: nothing is drawn on them.
            EXPECT_EQ(sprite.Sprite().Frame(), 4);
            EXPECT_EQ(PaintedRed(sprite), -1);
            return;
        }
        EXPECT_EQ(sprite.Sprite().Frame(), 1);
        EXPECT_EQ(PaintedRed(sprite), 20);
        sprite.Step();
        EXPECT_EQ(PaintedRed(sprite), 30);
    }
    ADD_FAILURE() << "no sprite started on the long sequence";
}

TEST(AnimDibStatic, WithoutAPaletteNothingIsPainted) {
    testsupport::TempProgramFolder folder;
    WriteFrames(folder, 7);
    platform::FakeServices fake;
    CAnimDibStatic sprite;
    sprite.resize(16, 12);
    sprite.LoadFrames(nullptr, platform::ProgramFolder() + "ants\\fish", 16, 12);
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(PaintedRed(sprite), -1);
}

TEST(AnimDibStatic, RepaintsOnlyOnTheTicksWhereTheFrameChanges) {
    testsupport::TempProgramFolder folder;
    WriteFrames(folder, 7);
    platform::FakeServices fake;
    const CPalette palette = PaletteOf(FrameColours());
    platform::SeedRand(1);  // a first pause of 1 and a short run
    QWidget window;
    window.resize(40, 40);
    auto* sprite = new CAnimDibStatic(&window);
    sprite->setGeometry(4, 4, 16, 12);
    sprite->LoadFrames(&palette, platform::ProgramFolder() + "ants\\fish", 16, 12);
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

    // Caught while up: back to the resting frame at once.
    while (!sprite->Sprite().IsUp()) {
        sprite->Step();
    }
    QApplication::processEvents();
    const int before = counter.paints;
    sprite->Restart();
    QApplication::processEvents();
    EXPECT_EQ(counter.paints - before, 1);
    EXPECT_EQ(sprite->Sprite().Frame(), 0);
}
