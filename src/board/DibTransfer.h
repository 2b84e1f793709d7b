// SPDX-License-Identifier: MIT
// Pictures in and out of the clipboard: a picture block as .bmp bytes, bytes from another
// program back into a picture block, and plain pixels as a new 24-bit picture.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "images/Dib.h"

namespace board {

// The clipboard type the picture travels under.
inline constexpr const char* kDibMimeType = "image/bmp";

// Nothing this large comes from a sane clipboard.
inline constexpr size_t kMaxTransferBytes = size_t(1) << 29;

// The block as a .bmp file: the 14-byte file header, then the block's bytes unchanged. Empty
// for no picture or a block too large for the file header.
std::vector<uint8_t> BmpFileBytes(const DibHandle& dib);

// A picture block from clipboard bytes: a whole .bmp file (the block is everything after the
// file header) or a bare packed DIB, with the 40-byte or the 12-byte header. Null for any
// other header, or bytes shorter than their header.
DibHandle DibFromTransferBytes(std::span<const uint8_t> bytes);

// The largest picture made from pixels (8192 × 8192).
inline constexpr uint64_t kMaxMadePixels = uint64_t(1) << 26;

// A bottom-up 24-bit picture with the 40-byte header from top-down 0xAARRGGBB pixels (alpha is
// ignored). Null for an empty or oversized size, or too few pixels.
DibHandle MakeRgbDib(int width, int height, std::span<const uint32_t> pixels);

}  // namespace board
