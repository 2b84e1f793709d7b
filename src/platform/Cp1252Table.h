// SPDX-License-Identifier: MIT
// The Windows-1252 code page every data file is written in: byte to code point and back.
#pragma once

namespace platform {

// The code point a byte stands for. The five bytes the code page leaves unassigned (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) stand for the control code point of the same value, as on the
// desktop, so every byte reads as a character and writes back as itself.
char32_t Cp1252CodePoint(unsigned char byte);

// The byte standing for a code point; false when the code page has none.
bool Cp1252Byte(char32_t codePoint, unsigned char& byte);

}  // namespace platform
