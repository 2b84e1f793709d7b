// SPDX-License-Identifier: MIT
// Drawing the game's pictures.
#include "maker/Artwork.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace maker {
namespace {

// A small fixed generator, so every build draws the same pictures.
class Dice {
public:
    explicit Dice(uint32_t seed) : m_state(seed) {}
    int Next(int limit) {
        m_state = m_state * 1103515245u + 12345u;
        return static_cast<int>((m_state >> 16) % static_cast<uint32_t>(limit));
    }

private:
    uint32_t m_state;
};

void FillTriangle(PixelCanvas& canvas, double ax, double ay, double bx, double by, double cx,
                  double cy, uint8_t index) {
    const int left = static_cast<int>(std::floor(std::min({ax, bx, cx})));
    const int right = static_cast<int>(std::ceil(std::max({ax, bx, cx})));
    const int top = static_cast<int>(std::floor(std::min({ay, by, cy})));
    const int bottom = static_cast<int>(std::ceil(std::max({ay, by, cy})));
    auto side = [](double px, double py, double x1, double y1, double x2, double y2) {
        return (px - x2) * (y1 - y2) - (x1 - x2) * (py - y2);
    };
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const double px = x + 0.5;
            const double py = y + 0.5;
            const double d1 = side(px, py, ax, ay, bx, by);
            const double d2 = side(px, py, bx, by, cx, cy);
            const double d3 = side(px, py, cx, cy, ax, ay);
            const bool negative = d1 < 0 || d2 < 0 || d3 < 0;
            const bool positive = d1 > 0 || d2 > 0 || d3 > 0;
            if (!(negative && positive)) {
                canvas.Set(x, y, index);
            }
        }
    }
}

void ShadowText(PixelCanvas& canvas, int x, int y, const std::string& text, uint8_t shadow,
                uint8_t ink, int scale) {
    canvas.DrawText(x + scale / 2 + 1, y + scale / 2 + 1, text, shadow, scale);
    canvas.DrawText(x, y, text, ink, scale);
}

// Board colours.
enum : uint8_t { kPaper, kLine, kSquare, kBlockDark, kBlockLight, kNumberInk, kFrame };

// Sea colours: 16 blues from the surface down, then the rest.
enum : uint8_t {
    kSea0 = 0,
    kSand = 16,  // 4 tones
    kRock = 20,  // 3 tones, light to dark
    kHole = 23,
    kWeed = 24,  // 3 tones
    kBubble = 27,
    kWhite = 28,
    kBlack = 29,
    kFish = 30,  // body and fin for each of the fish colours
    kShark = 42,
    kSharkDark = 43,
    kBelly = 44,
    kRay = 45,
    kMouth = 46,
};

std::vector<Rgb> SeaPalette() {
    std::vector<Rgb> p;
    for (int i = 0; i < 16; ++i) {
        const double t = i / 15.0;
        p.push_back({static_cast<uint8_t>(110 - 100 * t), static_cast<uint8_t>(200 - 145 * t),
                     static_cast<uint8_t>(235 - 115 * t)});
    }
    p.insert(p.end(), {{232, 212, 152}, {216, 192, 132}, {196, 170, 110}, {170, 145, 90}});
    p.insert(p.end(), {{128, 128, 140}, {98, 98, 112}, {66, 66, 80}, {18, 26, 40}});
    p.insert(p.end(), {{50, 160, 80}, {34, 126, 60}, {22, 92, 44}});
    p.insert(p.end(), {{215, 238, 252}, {255, 255, 255}, {0, 0, 0}});
    p.insert(p.end(), {{250, 140, 30},
                       {205, 85, 10},
                       {250, 222, 45},
                       {205, 165, 20},
                       {245, 120, 170},
                       {195, 65, 125},
                       {165, 105, 225},
                       {110, 60, 170},
                       {120, 212, 92},
                       {62, 150, 48},
                       {232, 62, 52},
                       {165, 28, 28}});
    p.insert(p.end(), {{132, 142, 154}, {92, 102, 116}, {222, 226, 232}, {160, 214, 242}});
    p.push_back({150, 30, 40});
    return p;
}

int SandLine(int x) {
    return 418 + static_cast<int>(std::lround(9 * std::sin(x / 47.0)));
}

void DrawFish(PixelCanvas& c, double cx, double cy, double length, int colour, bool facingRight) {
    const uint8_t body = static_cast<uint8_t>(kFish + 2 * colour);
    const uint8_t fin = static_cast<uint8_t>(body + 1);
    const double rx = length * 0.34;
    const double ry = length * 0.21;
    const double dir = facingRight ? 1.0 : -1.0;
    // tail and fins first, so the body covers their roots
    FillTriangle(c, cx - dir * rx * 0.8, cy, cx - dir * rx * 1.55, cy - ry * 0.95,
                 cx - dir * rx * 1.55, cy + ry * 0.95, fin);
    FillTriangle(c, cx - dir * rx * 0.3, cy - ry * 0.7, cx + dir * rx * 0.3, cy - ry * 0.8,
                 cx - dir * rx * 0.1, cy - ry * 1.45, fin);
    c.FillEllipse(cx, cy, rx, ry, body);
    // a stripe across the body
    for (int y = static_cast<int>(cy - ry); y <= static_cast<int>(cy + ry); ++y) {
        for (int x = static_cast<int>(cx - dir * rx * 0.15 - rx * 0.08);
             x <= static_cast<int>(cx - dir * rx * 0.15 + rx * 0.08); ++x) {
            const double dx = (x + 0.5 - cx) / rx;
            const double dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 0.92) {
                c.Set(x, y, fin);
            }
        }
    }
    const double eyeX = cx + dir * rx * 0.55;
    const double eyeY = cy - ry * 0.22;
    c.FillEllipse(eyeX, eyeY, ry * 0.3, ry * 0.3, kWhite);
    c.FillEllipse(eyeX + dir * ry * 0.08, eyeY, ry * 0.15, ry * 0.15, kBlack);
    c.FillEllipse(cx + dir * rx * 0.9, cy + ry * 0.25, ry * 0.12, ry * 0.07, fin);
}

void DrawShark(PixelCanvas& c, double cx, double cy, double length, bool facingRight,
               bool mouthOpen) {
    const double rx = length * 0.42;
    const double ry = length * 0.15;
    const double dir = facingRight ? 1.0 : -1.0;
    FillTriangle(c, cx - dir * rx * 0.85, cy, cx - dir * rx * 1.25, cy - ry * 1.5,
                 cx - dir * rx * 1.1, cy, kSharkDark);
    FillTriangle(c, cx - dir * rx * 0.85, cy, cx - dir * rx * 1.2, cy + ry * 1.1,
                 cx - dir * rx * 1.05, cy, kSharkDark);
    FillTriangle(c, cx - dir * rx * 0.25, cy - ry * 0.8, cx + dir * rx * 0.2, cy - ry * 0.8,
                 cx - dir * rx * 0.2, cy - ry * 2.0, kSharkDark);
    c.FillEllipse(cx, cy, rx, ry, kShark);
    c.FillEllipse(cx + dir * rx * 0.1, cy + ry * 0.45, rx * 0.75, ry * 0.5, kBelly);
    FillTriangle(c, cx, cy + ry * 0.4, cx - dir * rx * 0.35, cy + ry * 1.3, cx - dir * rx * 0.3,
                 cy + ry * 0.5, kSharkDark);
    const double eyeX = cx + dir * rx * 0.62;
    c.FillEllipse(eyeX, cy - ry * 0.3, ry * 0.16, ry * 0.16, kBlack);
    // the mouth and its teeth
    const double mouthX = cx + dir * rx * 0.55;
    const double mouthY = cy + ry * 0.35;
    const double open = mouthOpen ? ry * 0.45 : ry * 0.18;
    FillTriangle(c, mouthX - dir * rx * 0.25, mouthY, cx + dir * rx * 0.98, mouthY - open * 0.4,
                 cx + dir * rx * 0.98, mouthY + open, kMouth);
    for (int t = 0; t < 4; ++t) {
        const double tx = mouthX - dir * rx * 0.15 + dir * t * rx * 0.1;
        FillTriangle(c, tx, mouthY - open * 0.2, tx + dir * rx * 0.06, mouthY - open * 0.2,
                     tx + dir * rx * 0.03, mouthY + open * 0.35, kWhite);
    }
}

// A bar of the given thickness from (ax, ay) to (bx, by), as two triangles.
void FillBar(PixelCanvas& canvas, double ax, double ay, double bx, double by, double thickness,
             uint8_t index) {
    const double length = std::hypot(bx - ax, by - ay);
    if (length <= 0) {
        return;
    }
    const double nx = -(by - ay) / length * thickness / 2;
    const double ny = (bx - ax) / length * thickness / 2;
    FillTriangle(canvas, ax + nx, ay + ny, bx + nx, by + ny, bx - nx, by - ny, index);
    FillTriangle(canvas, ax + nx, ay + ny, bx - nx, by - ny, ax - nx, ay - ny, index);
}

// A rectangle with rounded corners of radius r.
void FillRounded(PixelCanvas& canvas, int left, int top, int right, int bottom, int r,
                 uint8_t index) {
    canvas.FillRect(left + r, top, right - r, bottom, index);
    canvas.FillRect(left, top + r, right, bottom - r, index);
    for (double cx : {left + r - 0.5, right - r - 0.5}) {
        for (double cy : {top + r - 0.5, bottom - r - 0.5}) {
            canvas.FillEllipse(cx + 0.5, cy + 0.5, r, r, index);
        }
    }
}

enum : uint8_t {
    kIconClear,
    kIconNavy,
    kIconBlue,
    kIconWhite,
    kIconInk,
    kIconGold,
    kIconRed,
    kIconGrey,
    kIconPale,
    kIconGreen,
};

std::vector<Rgb> IconPalette() {
    return {{255, 0, 255},  {16, 32, 84},  {44, 92, 184},   {255, 255, 255}, {20, 20, 28},
            {255, 206, 48}, {220, 30, 36}, {150, 156, 170}, {214, 228, 250}, {40, 150, 70}};
}

// The game: a blue tile holding a little cross-number board with a gold plus.
void DrawGameIcon(PixelCanvas& c, int s) {
    const int r = std::max(2, s / 6);
    FillRounded(c, 0, s / 32, s, s, r, kIconNavy);
    FillRounded(c, 0, 0, s, s - std::max(1, s / 32), r, kIconBlue);
    const int inset = s * 3 / 16;
    const int gap = std::max(1, s / 32);
    const int cell = (s - 2 * inset - 2 * gap) / 3;
    const int left = (s - 3 * cell - 2 * gap) / 2;
    const int top = left + s / 32;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const int x = left + col * (cell + gap);
            const int y = top + row * (cell + gap);
            const bool block = (row == 1 && col == 1) || (row == 2 && col == 0);
            c.FillRect(x, y, x + cell, y + cell, block ? kIconNavy : kIconWhite);
            const int scale = cell / 9;
            const char digit = row == 0 ? "27 "[col] : row == 1 ? "5 1"[col] : " 96"[col];
            if (!block && scale >= 1 && digit != ' ') {
                const std::string text(1, digit);
                c.DrawText(x + (cell - PixelCanvas::TextWidth(text, scale)) / 2,
                           y + (cell - PixelCanvas::kGlyphHeight * scale) / 2, text, kIconInk,
                           scale);
            }
        }
    }
    // The gold plus sits over the top-right corner.
    const double cx = s * 0.8;
    const double cy = s * 0.2;
    const double arm = s * 0.14;
    const double bar = std::max(2.0, s * 0.11);
    FillBar(c, cx - arm - 1, cy, cx + arm + 1, cy, bar + 2, kIconNavy);
    FillBar(c, cx, cy - arm - 1, cx, cy + arm + 1, bar + 2, kIconNavy);
    FillBar(c, cx - arm, cy, cx + arm, cy, bar, kIconGold);
    FillBar(c, cx, cy - arm, cx, cy + arm, bar, kIconGold);
}

// The page window: a written page with its corner folded.
void DrawPageIcon(PixelCanvas& c, int s) {
    const int left = s * 3 / 16;
    const int right = s - s * 3 / 16;
    const int fold = s / 4;
    const int line = std::max(1, s / 32);
    c.FillRect(left, 0, right, s, kIconInk);
    c.FillRect(left + line, line, right - line, s - line, kIconWhite);
    FillTriangle(c, right - fold, 0, right + 1, 0, right + 1, fold + 1, kIconClear);
    FillTriangle(c, right - fold, 0, right - fold, fold, right, fold, kIconPale);
    FillBar(c, right - fold, 0, right, fold, line, kIconInk);
    const int rowHeight = std::max(3, s / 8);
    for (int y = fold + rowHeight / 2, n = 0; y + rowHeight / 2 < s - line; y += rowHeight, ++n) {
        const int end =
            n == 0 ? right - fold : (n % 3 == 2 ? (left + right) / 2 : right - 3 * line);
        c.FillRect(left + 3 * line, y, end, y + std::max(1, rowHeight / 3),
                   n == 0 ? kIconBlue : kIconGrey);
    }
}

// The board window: a 4 × 4 board with shaded blocks and a few written digits.
void DrawBoardIcon(PixelCanvas& c, int s) {
    const int line = std::max(1, s / 32);
    const int cell = (s - line) / 4;
    const int size = 4 * cell + line;
    const int left = (s - size) / 2;
    c.FillRect(left, left, left + size, left + size, kIconInk);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            const int x = left + line + col * cell;
            const int y = left + line + row * cell;
            const bool block = (row + 2 * col) % 5 == 3;
            c.FillRect(x, y, x + cell - line, y + cell - line, block ? kIconNavy : kIconWhite);
            if (!block && (row * 4 + col) % 3 == 0) {
                const int scale = std::max(1, (cell - line) / 9);
                const std::string text(1, static_cast<char>('1' + (row * 4 + col) % 9));
                if (cell - line >= PixelCanvas::kGlyphHeight * scale + 2) {
                    c.DrawText(x + (cell - line - PixelCanvas::TextWidth(text, scale)) / 2,
                               y + (cell - line - PixelCanvas::kGlyphHeight * scale) / 2, text,
                               kIconBlue, scale);
                } else {
                    c.FillRect(x + cell / 3, y + cell / 3, x + cell - cell / 3, y + cell - cell / 3,
                               kIconBlue);
                }
            }
        }
    }
}

// Errors Displayed: a square with a wrong digit and the red asterisk the board marks it with.
void DrawErrorsIcon(PixelCanvas& c, int s) {
    const int line = std::max(1, s / 32);
    c.FillRect(0, 0, s, s, kIconInk);
    c.FillRect(line, line, s - line, s - line, kIconWhite);
    const int scale = std::max(1, s / 14);
    c.DrawText(s / 8, s - s / 8 - PixelCanvas::kGlyphHeight * scale, "8", kIconInk, scale);
    const double cx = s * 0.66;
    const double cy = s * 0.34;
    const double arm = s * 0.26;
    const double bar = std::max(2.0, s * 0.12);
    for (int i = 0; i < 3; ++i) {
        const double angle = M_PI / 2 + i * M_PI / 3;
        FillBar(c, cx - arm * std::cos(angle), cy - arm * std::sin(angle),
                cx + arm * std::cos(angle), cy + arm * std::sin(angle), bar, kIconRed);
    }
}

// Show The Solution: a gold key, the answer to the puzzle.
void DrawSolutionIcon(PixelCanvas& c, int s) {
    const double r = s * 0.22;
    const double cx = s * 0.3;
    const double cy = s * 0.35;
    const double bar = std::max(3.0, s * 0.14);
    FillBar(c, cx, cy, s * 0.88, s * 0.82, bar + 2, kIconNavy);
    c.FillEllipse(cx, cy, r + 1, r + 1, kIconNavy);
    FillBar(c, cx, cy, s * 0.88, s * 0.82, bar, kIconGold);
    for (double t : {0.62, 0.78}) {
        const double x = cx + (s * 0.88 - cx) * t;
        const double y = cy + (s * 0.82 - cy) * t;
        FillBar(c, x, y, x + s * 0.12, y - s * 0.12, bar * 0.8, kIconGold);
    }
    c.FillEllipse(cx, cy, r, r, kIconGold);
    c.FillEllipse(cx - r * 0.2, cy - r * 0.2, r * 0.35, r * 0.35, kIconClear);
}

// Check My Answer: a green tick on a white card.
void DrawCheckIcon(PixelCanvas& c, int s) {
    const int line = std::max(1, s / 32);
    FillRounded(c, s / 16, s / 16, s - s / 16, s - s / 16, s / 8, kIconInk);
    FillRounded(c, s / 16 + line, s / 16 + line, s - s / 16 - line, s - s / 16 - line, s / 8,
                kIconWhite);
    const double bar = std::max(3.0, s * 0.16);
    FillBar(c, s * 0.22, s * 0.5, s * 0.42, s * 0.72, bar, kIconGreen);
    FillBar(c, s * 0.4, s * 0.72, s * 0.8, s * 0.26, bar, kIconGreen);
}

// Find Hints For A Cell: a magnifying glass over a cell.
void DrawFindIcon(PixelCanvas& c, int s) {
    const double cx = s * 0.4;
    const double cy = s * 0.4;
    const double r = s * 0.3;
    FillBar(c, cx + r * 0.6, cy + r * 0.6, s * 0.92, s * 0.92, std::max(3.0, s * 0.16), kIconInk);
    c.FillEllipse(cx, cy, r, r, kIconNavy);
    c.FillEllipse(cx, cy, r * 0.75, r * 0.75, kIconPale);
    c.FillEllipse(cx - r * 0.3, cy - r * 0.3, r * 0.2, r * 0.2, kIconWhite);
}

}  // namespace

PixelCanvas MakeIconPicture(int resource, int size) {
    PixelCanvas canvas(size, size, IconPalette(), kIconClear);
    switch (resource) {
        case 128:
            DrawGameIcon(canvas, size);
            break;
        case 132:
            DrawPageIcon(canvas, size);
            break;
        case 133:
            DrawBoardIcon(canvas, size);
            break;
        case 134:
            DrawErrorsIcon(canvas, size);
            break;
        case 170:
            DrawSolutionIcon(canvas, size);
            break;
        case 171:
            DrawCheckIcon(canvas, size);
            break;
        case 172:
            DrawFindIcon(canvas, size);
            break;
        default:
            break;
    }
    // The top-left pixel names the clear colour, whatever the drawing put there.
    canvas.Set(0, 0, kIconClear);
    return canvas;
}

std::string IconFileName(int resource) {
    return "Icon" + std::to_string(resource) + ".bmp";
}

PixelCanvas MakeBoardPicture(const PuzzleSource& puzzle, const BoardLayout& layout) {
    const int s = layout.cellSize;
    const int ox = layout.offsetX;
    const int oy = layout.offsetY;
    const int gridRight = ox + puzzle.width * s;
    const int gridBottom = oy + puzzle.height * s;
    PixelCanvas canvas(gridRight + ox + 1, gridBottom + oy + 1,
                       {{246, 241, 226},
                        {0, 0, 0},
                        {255, 255, 255},
                        {64, 74, 100},
                        {92, 104, 132},
                        {20, 44, 150},
                        {150, 112, 72}},
                       kPaper);
    // a wooden frame, a double line round the grid, then the grid lines on every edge
    canvas.FillRect(ox - 6, oy - 6, gridRight + 7, gridBottom + 7, kFrame);
    canvas.FillRect(ox - 3, oy - 3, gridRight + 4, gridBottom + 4, kPaper);
    canvas.FillRect(ox - 1, oy - 1, gridRight + 2, gridBottom + 2, kLine);
    for (int row = 0; row < puzzle.height; ++row) {
        for (int column = 0; column < puzzle.width; ++column) {
            const int x = ox + column * s;
            const int y = oy + row * s;
            if (puzzle.IsCell(column, row)) {
                canvas.FillRect(x + 1, y + 1, x + s, y + s, kSquare);
                const int number = puzzle.NumberAt(column, row);
                if (number > 0) {
                    canvas.DrawText(x + 3, y + 3, std::to_string(number), kNumberInk, 1);
                }
            } else {
                for (int py = y + 1; py < y + s; ++py) {
                    for (int px = x + 1; px < x + s; ++px) {
                        canvas.Set(px, py, ((px + py) / 3) % 2 ? kBlockDark : kBlockLight);
                    }
                }
            }
        }
    }
    return canvas;
}

PixelCanvas MakeHeadPicture() {
    enum : uint8_t { kDeep, kMid, kLight, kDigit, kShadow, kTitle, kAccent, kText };
    PixelCanvas canvas(320, 96,
                       {{24, 52, 120},
                        {34, 70, 150},
                        {48, 92, 180},
                        {78, 120, 205},
                        {10, 20, 60},
                        {255, 236, 90},
                        {255, 150, 60},
                        {235, 242, 255}},
                       kDeep);
    for (int y = 0; y < 96; ++y) {
        canvas.FillRect(0, y, 320, y + 1, y < 32 ? kDeep : y < 64 ? kMid : kLight);
    }
    Dice dice(7);
    for (int i = 0; i < 26; ++i) {
        const std::string digit(1, static_cast<char>('0' + dice.Next(10)));
        canvas.DrawText(dice.Next(310), dice.Next(88), digit, kDigit, 1 + dice.Next(2));
    }
    const std::string title = "MATH QUIZLEX";
    const int titleX = (320 - PixelCanvas::TextWidth(title, 4)) / 2;
    ShadowText(canvas, titleX, 14, title, kShadow, kTitle, 4);
    canvas.FillRect(titleX, 48, titleX + PixelCanvas::TextWidth(title, 4), 51, kAccent);
    const std::string line = "PICK A PUZZLE - HAVE FUN!";
    ShadowText(canvas, (320 - PixelCanvas::TextWidth(line, 2)) / 2, 62, line, kShadow, kText, 2);
    return canvas;
}

PixelCanvas MakeAboutPicture(const std::string& version) {
    enum : uint8_t { kBack, kLineInk, kSquareInk, kBlockInk, kDigitInk, kTitle, kShadow, kGlow };
    const int width = 316;
    const int height = 308;
    PixelCanvas canvas(width, height,
                       {{232, 240, 252},
                        {20, 30, 60},
                        {255, 255, 255},
                        {60, 72, 104},
                        {30, 60, 170},
                        {240, 120, 30},
                        {120, 60, 20},
                        {250, 220, 90}},
                       kBack);
    const std::string title = "MATH QUIZLEX";
    ShadowText(canvas, (width - PixelCanvas::TextWidth(title, 3)) / 2, 14, title, kShadow, kTitle,
               3);
    // A small solved board: 5 × 5 squares of 40 pixels.
    const char* rows[] = {"12#45", "4#8#6", "987#1", "#3#52", "64#90"};
    const int s = 40;
    const int ox = (width - 5 * s) / 2;
    const int oy = 54;
    canvas.FillRect(ox - 4, oy - 4, ox + 5 * s + 5, oy + 5 * s + 5, kGlow);
    canvas.FillRect(ox - 1, oy - 1, ox + 5 * s + 2, oy + 5 * s + 2, kLineInk);
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 5; ++c) {
            const int x = ox + c * s;
            const int y = oy + r * s;
            const char ch = rows[r][c];
            if (ch == '#') {
                canvas.FillRect(x + 1, y + 1, x + s, y + s, kBlockInk);
            } else {
                canvas.FillRect(x + 1, y + 1, x + s, y + s, kSquareInk);
                canvas.DrawText(x + (s - PixelCanvas::TextWidth(std::string(1, ch), 3)) / 2 + 1,
                                y + (s - 7 * 3) / 2 + 1, std::string(1, ch), kDigitInk, 3);
            }
        }
    }
    const std::string line1 = "CROSS-NUMBER PUZZLES";
    const std::string line2 = "VERSION " + version;
    canvas.DrawText((width - PixelCanvas::TextWidth(line1, 2)) / 2, oy + 5 * s + 18, line1,
                    kLineInk, 2);
    canvas.DrawText((width - PixelCanvas::TextWidth(line2, 1)) / 2, oy + 5 * s + 40, line2,
                    kDigitInk, 1);
    return canvas;
}

PixelCanvas MakeSeaPicture(const std::vector<SpriteSpec>& sprites) {
    PixelCanvas sea(kSeaWidth, kSeaHeight, SeaPalette(), kSea0);
    for (int y = 0; y < kSeaHeight; ++y) {
        for (int x = 0; x < kSeaWidth; ++x) {
            // the depth gradient, dithered between neighbouring blues
            const double depth = std::min(15.0, y * 15.5 / 430.0);
            int band = static_cast<int>(depth);
            if ((depth - band) * 4 > ((x + 2 * y) % 4) && band < 15) {
                ++band;
            }
            // light rays slanting down from the surface
            const bool ray =
                y < 300 && ((x + y / 2) % 160) < 18 && ((x * 7 + y) % 5) != 0 && band < 11;
            sea.Set(x, y, ray ? static_cast<uint8_t>(kRay) : static_cast<uint8_t>(kSea0 + band));
        }
    }
    Dice dice(2024);
    // seaweed from the sand
    for (int strand = 0; strand < 14; ++strand) {
        const int root = 20 + strand * 45 + dice.Next(20);
        const int tall = 90 + dice.Next(110);
        const uint8_t tone = static_cast<uint8_t>(kWeed + dice.Next(3));
        for (int k = 0; k < tall; ++k) {
            const double x = root + 7 * std::sin(k / 13.0 + strand);
            sea.FillEllipse(x, SandLine(root) - k, 3.2 - 2.0 * k / tall, 1.2, tone);
        }
    }
    // sand with specks
    for (int x = 0; x < kSeaWidth; ++x) {
        for (int y = SandLine(x); y < kSeaHeight; ++y) {
            const int tone = std::min(3, (y - SandLine(x)) / 14);
            sea.Set(x, y, static_cast<uint8_t>(kSand + tone));
        }
    }
    for (int i = 0; i < 400; ++i) {
        const int x = dice.Next(kSeaWidth);
        const int y = SandLine(x) + 4 + dice.Next(50);
        sea.Set(x, y, static_cast<uint8_t>(kSand + 1 + dice.Next(3)));
    }
    // a rock with a dark hole at every sprite's place: the fish hide in there
    for (const SpriteSpec& s : sprites) {
        const double cx = s.x + s.width / 2.0;
        const double cy = s.y + s.height / 2.0;
        sea.FillEllipse(cx + 3, cy + 4, s.width * 0.62, s.height * 0.66, kRock + 2);
        sea.FillEllipse(cx, cy, s.width * 0.6, s.height * 0.64, kRock + 1);
        sea.FillEllipse(cx - s.width * 0.12, cy - s.height * 0.15, s.width * 0.38, s.height * 0.36,
                        kRock);
        sea.FillEllipse(cx, cy + 2, s.width * 0.34, s.height * 0.3, kHole);
    }
    // bubbles rising
    for (int i = 0; i < 60; ++i) {
        const double x = dice.Next(kSeaWidth);
        const double y = dice.Next(400);
        const double r = 1.5 + dice.Next(4);
        sea.FillEllipse(x, y, r, r, kBubble);
        sea.FillEllipse(x - r / 3, y - r / 3, r / 3, r / 3, kWhite);
    }
    return sea;
}

PixelCanvas MakeSpriteFrame(const PixelCanvas& sea, const SpriteSpec& sprite, int frame) {
    PixelCanvas canvas(sprite.width, sprite.height, sea.Palette(), 0);
    canvas.Blit(sea, sprite.x, sprite.y, sprite.width, sprite.height, 0, 0);
    const double cx = sprite.width / 2.0;
    const double cy = sprite.height / 2.0 + 1;
    const bool right = sprite.colour % 2 == 0;
    if (frame >= 1 && frame <= 3) {
        static const double kGrowth[] = {0.0, 0.45, 0.72, 1.0};
        DrawFish(canvas, cx, cy, sprite.width * 0.78 * kGrowth[frame], sprite.colour % kFishColours,
                 right);
    } else if (frame >= 4 && frame <= 6) {
        static const double kGrowth[] = {0.5, 0.78, 1.0};
        DrawShark(canvas, cx, cy, sprite.width * 0.96 * kGrowth[frame - 4], !right, frame == 6);
    }
    return canvas;
}

}  // namespace maker
