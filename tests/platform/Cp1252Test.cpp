// SPDX-License-Identifier: MIT
// Windows-1252 bytes of the data files and the text shown on screen.
#include <gtest/gtest.h>

#include "platform/Cp1252.h"
#include "platform/Cp1252Table.h"

TEST(Cp1252, EveryByteIsOneCharacterAndWritesBackAsItself) {
    // The unassigned bytes stand for the control code points of their own value; their
    // neighbours are ordinary characters.
    const std::pair<unsigned char, char32_t> cases[] = {
        {0x80, 0x20AC}, {0x81, 0x81}, {0x8C, 0x0152}, {0x8D, 0x8D},
        {0x9F, 0x0178}, {0xA0, 0xA0}, {0x7F, 0x7F},   {0xFF, 0xFF}};
    for (auto [byte, codePoint] : cases) {
        EXPECT_EQ(platform::Cp1252CodePoint(byte), codePoint) << int{byte};
        unsigned char back = 0;
        EXPECT_TRUE(platform::Cp1252Byte(codePoint, back) && back == byte) << int{byte};
    }
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(platform::ToCp1252(platform::FromCp1252(all)), all);
    EXPECT_EQ(platform::FromCp1252("Caf\xe9 \x93q\x94"),
              QString::fromUtf8("Caf\u00e9 \u201cq\u201d"));
    // Characters outside the code page become question marks.
    EXPECT_EQ(platform::ToCp1252(QString::fromUtf8("\u03c0r\u00b2\u0080\u009e")), "?r\xb2??");
}
