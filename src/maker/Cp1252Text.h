// SPDX-License-Identifier: MIT
// The author's source text: UTF-8 as typed, turned into the Windows-1252 bytes every game
// file holds, and trimmed.
#pragma once

#include <string>
#include <string_view>

namespace maker {

// Converts UTF-8 to Windows-1252. False when the text is not UTF-8 or holds a character the
// game's character set lacks or a control character U+0080 to U+009F; then *bad tells which
// (as "U+2192" or "a byte 0xFF").
bool Utf8ToCp1252(std::string_view utf8, std::string& out, std::string* bad = nullptr);

// The reverse, for messages printed on the author's terminal.
std::string Cp1252ToUtf8(std::string_view text);

// The text without the blanks (spaces, tabs, line ends) at either end.
std::string Trim(std::string_view text);

}  // namespace maker
