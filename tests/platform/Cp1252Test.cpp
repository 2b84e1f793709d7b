// SPDX-License-Identifier: MIT
// Windows-1252 bytes of the data files and the text shown on screen.
#include <gtest/gtest.h>

#include "platform/Cp1252.h"

TEST(Cp1252, MapsTheHighBytesBothWays) {
    std::string bytes = "Caf\xe9 \x80 5 \x93quoted\x94 \x81";
    QString text = platform::FromCp1252(bytes);
    EXPECT_EQ(text, QString::fromUtf8("Caf\u00e9 \u20ac 5 \u201cquoted\u201d \u0081"));
    EXPECT_EQ(platform::ToCp1252(text), bytes);
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(platform::ToCp1252(QString::fromUtf8("\u03c0r\u00b2")), "?r\xb2");
}
