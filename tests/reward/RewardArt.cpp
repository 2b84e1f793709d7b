// SPDX-License-Identifier: MIT
// Pictures and data folders for the reward game's tests and its try-it program.
#include "RewardArt.h"

#include <cmath>
#include <filesystem>
#include <fstream>

namespace rewardart {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::vector<uint8_t> Headers(int width, int height, int bits, uint32_t colours, uint32_t rowBytes) {
    const uint32_t bitsOffset = 14 + 40 + colours * 4;
    const uint32_t imageSize = rowBytes * static_cast<uint32_t>(height);
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, bitsOffset + imageSize);
    Put32(out, 0);
    Put32(out, bitsOffset);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(bits));
    Put32(out, 0);
    Put32(out, imageSize);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, colours == 256 ? 0 : colours);
    Put32(out, 0);
    return out;
}

void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

std::vector<uint8_t> MakeBmp8(int width, int height, const std::vector<Colour>& colours,
                              const std::function<uint8_t(int x, int y)>& pixel) {
    const uint32_t rowBytes = (static_cast<uint32_t>(width) + 3u) & ~3u;
    std::vector<uint8_t> out = Headers(width, height, 8, 256, rowBytes);
    for (size_t i = 0; i < 256; ++i) {
        const Colour c = i < colours.size() ? colours[i] : Colour{0, 0, 0};
        out.push_back(c.blue);
        out.push_back(c.green);
        out.push_back(c.red);
        out.push_back(0);
    }
    for (int y = height - 1; y >= 0; --y) {  // bottom row first
        for (int x = 0; x < width; ++x) {
            out.push_back(pixel(x, y));
        }
        for (uint32_t pad = static_cast<uint32_t>(width); pad < rowBytes; ++pad) {
            out.push_back(0);
        }
    }
    return out;
}

std::vector<uint8_t> MakeBmp24(int width, int height, Colour colour) {
    const uint32_t rowBytes = (static_cast<uint32_t>(width) * 3u + 3u) & ~3u;
    std::vector<uint8_t> out = Headers(width, height, 24, 0, rowBytes);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            out.push_back(colour.blue);
            out.push_back(colour.green);
            out.push_back(colour.red);
        }
        for (uint32_t pad = static_cast<uint32_t>(width) * 3u; pad < rowBytes; ++pad) {
            out.push_back(0);
        }
    }
    return out;
}

const std::vector<Colour>& SamplePalette() {
    static const std::vector<Colour> colours = {
        {30, 90, 170},    // sea
        {225, 200, 140},  // sand
        {20, 40, 80},     // hole
        {250, 140, 20},   // fish
        {120, 125, 135},  // shark
        {10, 10, 10},     // eye
    };
    return colours;
}

std::vector<SpritePlace> SamplePlaces() {
    std::vector<SpritePlace> places;
    for (int i = 0; i < 10; ++i) {
        places.push_back(SpritePlace{40 + (i % 5) * 120, 60 + (i / 5) * 200, 64, 64});
    }
    return places;
}

void WriteSampleAnts(const std::string& programFolder) {
    const std::filesystem::path ants = std::filesystem::path(programFolder) / "ants";
    WriteFile(ants / "sea.bmp", MakeBmp8(640, 480, SamplePalette(), [](int x, int y) {
                  // Sea with a band of sand along the bottom and a few ripples.
                  if (y > 430 + static_cast<int>(8 * std::sin(x / 40.0))) {
                      return uint8_t{kSand};
                  }
                  return (x + 3 * y) % 97 == 0 ? uint8_t{kHole} : uint8_t{kSea};
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
                MakeBmp8(w, h, SamplePalette(), [frame, w, h](int x, int y) {
                    const double dx = (x - w / 2.0) / (w / 2.0);
                    const double dy = (y - h / 2.0) / (h / 2.0);
                    if (frame == 0) {  // the resting hole
                        return dx * dx + dy * dy < 0.5 ? uint8_t{kHole} : uint8_t{kSea};
                    }
                    if (frame <= 3) {  // a fish rising: a body growing with the frame
                        const double size = frame / 3.0;
                        const double ex = dx / (0.9 * size), ey = dy / (0.5 * size);
                        if ((x - w * 0.7) * (x - w * 0.7) + (y - h * 0.45) * (y - h * 0.45) < 4 &&
                            frame == 3) {
                            return uint8_t{kEye};
                        }
                        return ex * ex + ey * ey < 1 ? uint8_t{kFish} : uint8_t{kSea};
                    }
                    // a shark's fin rising: a triangle growing with the frame
                    const double top = 1.0 - (frame - 3) * 0.6;
                    return dy > top && std::fabs(dx) < (dy - top) * 0.8 ? uint8_t{kFin}
                                                                        : uint8_t{kSea};
                }));
        }
    }
    std::ofstream(ants / "ants.dat", std::ios::binary) << data;
}

}  // namespace rewardart
