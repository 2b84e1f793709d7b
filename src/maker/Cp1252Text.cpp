// SPDX-License-Identifier: MIT
// UTF-8 and Windows-1252.
#include "maker/Cp1252Text.h"

#include <cctype>
#include <cstdint>
#include <cstdio>

#include "platform/Cp1252Table.h"

namespace maker {
namespace {

bool ToByte(uint32_t cp, char& byte) {
    if (cp == 0x2212) {  // the minus sign is written as the en dash the fonts have
        byte = static_cast<char>(0x96);
        return true;
    }
    // Control characters 0x80 to 0x9F have no picture on a page: typed in a source, they are
    // a slip, though the code page would keep them.
    unsigned char code = 0;
    if ((cp >= 0x80 && cp <= 0x9F) || !platform::Cp1252Byte(cp, code)) {
        return false;
    }
    byte = static_cast<char>(code);
    return true;
}

std::string Describe(uint32_t cp) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(cp));
    return text;
}

}  // namespace

bool Utf8ToCp1252(std::string_view utf8, std::string& out, std::string* bad) {
    out.clear();
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<uint8_t>(utf8[i]);
        uint32_t cp = 0;
        size_t extra = 0;
        if (lead < 0x80) {
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0 && lead >= 0xC2) {
            cp = lead & 0x1F;
            extra = 1;
        } else if ((lead & 0xF0) == 0xE0) {
            cp = lead & 0x0F;
            extra = 2;
        } else if ((lead & 0xF8) == 0xF0 && lead <= 0xF4) {
            cp = lead & 0x07;
            extra = 3;
        } else {
            if (bad) {
                char text[24];
                std::snprintf(text, sizeof text, "a byte 0x%02X", lead);
                *bad = text;
            }
            return false;
        }
        if (extra > 0 && i + extra >= utf8.size()) {
            if (bad) {
                *bad = "a character cut short";
            }
            return false;
        }
        for (size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<uint8_t>(utf8[i + k]);
            if ((next & 0xC0) != 0x80) {
                if (bad) {
                    *bad = "a broken UTF-8 sequence";
                }
                return false;
            }
            cp = (cp << 6) | (next & 0x3F);
        }
        i += extra + 1;
        char byte = 0;
        if (!ToByte(cp, byte)) {
            if (bad) {
                *bad = Describe(cp);
            }
            return false;
        }
        out.push_back(byte);
    }
    return true;
}

std::string Cp1252ToUtf8(std::string_view text) {
    std::string out;
    for (char c : text) {
        const char32_t cp = platform::Cp1252CodePoint(static_cast<unsigned char>(c));
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

std::string Trim(std::string_view text) {
    size_t start = 0;
    size_t end = text.size();
    while (start < end && std::isspace(static_cast<unsigned char>(text[start]))) {
        ++start;
    }
    while (end > start && std::isspace(static_cast<unsigned char>(text[end - 1]))) {
        --end;
    }
    return std::string(text.substr(start, end - start));
}

}  // namespace maker
