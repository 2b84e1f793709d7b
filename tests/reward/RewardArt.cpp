// SPDX-License-Identifier: MIT
// The sample data folder of the reward game, for its tests and its try-it program.
#include "RewardArt.h"

#include <cmath>
#include <filesystem>
#include <fstream>

#include "support/TestBitmaps.h"

namespace rewardart {
namespace {

void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// The colours of the sample art: index 0 is the sea, then sand, the resting hole, the fish
// and the shark.
enum SampleIndex : uint8_t { kSea = 0, kSand = 1, kHole = 2, kFish = 3, kFin = 4, kEye = 5 };

const std::vector<uint32_t>& SamplePalette() {
    static const std::vector<uint32_t> colours = {
        0x1E5AAA,  // sea
        0xE1C88C,  // sand
        0x142850,  // hole
        0xFA8C14,  // fish
        0x787D87,  // shark
        0x0A0A0A,  // eye
    };
    return colours;
}

}  // namespace

std::vector<SpritePlace> SamplePlaces() {
    std::vector<SpritePlace> places;
    for (int i = 0; i < 10; ++i) {
        places.push_back(SpritePlace{40 + (i % 5) * 120, 60 + (i / 5) * 200, 64, 64});
    }
    return places;
}

void WriteSampleAnts(const std::string& programFolder) {
    const std::filesystem::path ants = std::filesystem::path(programFolder) / "ants";
    WriteFile(ants / "sea.bmp",
              testsupport::MakeBmp(640, 480, 8, SamplePalette(), [](int x, int y) {
                  // Sea with a band of sand along the bottom and a few ripples.
                  if (y > 430 + static_cast<int>(8 * std::sin(x / 40.0))) {
                      return uint32_t{kSand};
                  }
                  return (x + 3 * y) % 97 == 0 ? uint32_t{kHole} : uint32_t{kSea};
              }));
    std::string data = "sea\r\n";
    const std::vector<SpritePlace> places = SamplePlaces();
    for (int i = 0; i < 10; ++i) {
        const SpritePlace& p = places[static_cast<size_t>(i)];
        const std::string prefix = "fish" + std::to_string(i + 1);
        data += prefix + "\r\n" + std::to_string(p.x) + "\r\n" + std::to_string(p.y) + "\r\n" +
                std::to_string(p.width) + "\r\n" + std::to_string(p.height) + "\r\n";
        for (int frame = 0; frame < 7; ++frame) {
            const int w = p.width;
            const int h = p.height;
            WriteFile(
                ants / (prefix + std::to_string(frame) + ".bmp"),
                testsupport::MakeBmp(w, h, 8, SamplePalette(), [frame, w, h](int x, int y) {
                    const double dx = (x - w / 2.0) / (w / 2.0);
                    const double dy = (y - h / 2.0) / (h / 2.0);
                    if (frame == 0) {  // the resting hole
                        return dx * dx + dy * dy < 0.5 ? uint32_t{kHole} : uint32_t{kSea};
                    }
                    if (frame <= 3) {  // a fish rising: a body growing with the frame
                        const double size = frame / 3.0;
                        const double ex = dx / (0.9 * size), ey = dy / (0.5 * size);
                        if ((x - w * 0.7) * (x - w * 0.7) + (y - h * 0.45) * (y - h * 0.45) < 4 &&
                            frame == 3) {
                            return uint32_t{kEye};
                        }
                        return ex * ex + ey * ey < 1 ? uint32_t{kFish} : uint32_t{kSea};
                    }
                    // a shark's fin rising: a triangle growing with the frame
                    const double top = 1.0 - (frame - 3) * 0.6;
                    return dy > top && std::fabs(dx) < (dy - top) * 0.8 ? uint32_t{kFin}
                                                                        : uint32_t{kSea};
                }));
        }
    }
    std::ofstream(ants / "ants.dat", std::ios::binary) << data;
}

}  // namespace rewardart
