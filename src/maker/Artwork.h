// SPDX-License-Identifier: MIT
// The game's pictures, drawn from code: puzzle boards, the game list's head picture, the
// about box picture, and the reward game's sea with its fish and sharks.
#pragma once

#include <string>
#include <vector>

#include "maker/PixelCanvas.h"
#include "maker/PuzzleSource.h"

namespace maker {

// Board geometry: the game places cell (c, r) at offset + index × cell size.
struct BoardLayout {
    int cellSize = 36;
    int offsetX = 12;
    int offsetY = 12;
};

// The board picture: grid lines on every square's edges, shaded blocks, and the clue numbers
// small in the top-left corner of their squares (the top-right corner is left free for the
// solution digits the game writes there).
PixelCanvas MakeBoardPicture(const PuzzleSource& puzzle, const BoardLayout& layout);

// The head picture of the Select Game dialog and the about box picture.
PixelCanvas MakeHeadPicture();
PixelCanvas MakeAboutPicture(const std::string& version);

// The game's icons, drawn at any size from 16 pixels up: 128 the game itself (its windows and
// the Congratulations dialog), 132 the page window, 133 the board window, 134 the Errors
// Displayed dialog. The top-left pixel is the clear colour: the game shows it transparent.
inline constexpr int kGameIcons[] = {128, 132, 133, 134, 170, 171, 172};
inline constexpr int kIconSize = 32;
PixelCanvas MakeIconPicture(int resource, int size);
// The data file an icon is kept in, "Icon128.bmp".
std::string IconFileName(int resource);

// One sprite of the reward game: where it sits on the sea and the colour of its fish.
struct SpriteSpec {
    std::string prefix;  // frame files prefix + "0.bmp" ... "6.bmp"
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int colour = 0;  // which fish colours (0 to kFishColours - 1)
};
inline constexpr int kFishColours = 6;
inline constexpr int kSeaWidth = 640;
inline constexpr int kSeaHeight = 480;

// The 640 × 480 sea with a hiding hole at every sprite's place.
PixelCanvas MakeSeaPicture(const std::vector<SpriteSpec>& sprites);
// Frame 0 is the empty hole, 1 to 3 a fish coming out, 4 to 6 a shark; all in the sea's
// palette, each the sprite's size, drawn over the sea picture's own pixels at its place.
PixelCanvas MakeSpriteFrame(const PixelCanvas& sea, const SpriteSpec& sprite, int frame);

}  // namespace maker
