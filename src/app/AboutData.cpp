// SPDX-License-Identifier: MIT
// Model: reading the about box's program information.
#include "app/AboutData.h"

#include "platform/TextFile.h"

bool AboutData::Read(const std::string& gamePath) {
    *this = AboutData();
    CTextFile file;
    if (!file.OpenToRead(gamePath, kMaxBytes)) {
        return false;
    }
    file.ReadString(platform);
    file.ReadString(year);
    file.ReadString(version);
    file.Close();
    return true;
}
