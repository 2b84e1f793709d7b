// SPDX-License-Identifier: MIT
// Windows-1252 text of the data files to and from Qt strings, at the widget boundary.
#include "platform/Cp1252.h"

#include "platform/Cp1252Table.h"

namespace platform {

QString FromCp1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char ch : bytes) {
        text.append(QChar(static_cast<char16_t>(Cp1252CodePoint(static_cast<unsigned char>(ch)))));
    }
    return text;
}

std::string ToCp1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (QChar qc : text) {
        unsigned char byte = 0;
        if (!Cp1252Byte(qc.unicode(), byte)) {
            byte = '?';
        }
        bytes.push_back(static_cast<char>(byte));
    }
    return bytes;
}

bool FitsCp1252(const QString& text) {
    unsigned char byte = 0;
    for (QChar qc : text) {
        if (!Cp1252Byte(qc.unicode(), byte)) {
            return false;
        }
    }
    return true;
}

}  // namespace platform
