// SPDX-License-Identifier: MIT
// Windows-1252 text of the data files to and from Qt strings, at the widget boundary.
#include "platform/Cp1252.h"

namespace platform {
namespace {

// 0x80 to 0x9F; the five unassigned bytes keep their own code points, as the desktop did.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

QString FromCp1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char ch : bytes) {
        auto b = static_cast<unsigned char>(ch);
        text.append(QChar(b >= 0x80 && b <= 0x9F ? kHigh[b - 0x80] : char16_t(b)));
    }
    return text;
}

std::string ToCp1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (QChar qc : text) {
        char16_t u = qc.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes.push_back(static_cast<char>(u));
            continue;
        }
        char out = '?';
        for (int i = 0; i < 32; ++i) {
            if (kHigh[i] == u) {
                out = static_cast<char>(0x80 + i);
                break;
            }
        }
        bytes.push_back(out);
    }
    return bytes;
}

}  // namespace platform
