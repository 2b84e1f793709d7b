// SPDX-License-Identifier: MIT
// The files of the players and games folders: how they are named, read and saved whole.
#include "players/FolderFile.h"

#include <cstdio>
#include <string_view>

#include "platform/File.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"
#include "platform/TextFile.h"

namespace {

// In the order the game has always replaced them.
constexpr char kReplaced[] = " {}[];~`!./+=\\|:\"'";

constexpr char kSaveFailure[] = "Unable to save %s because of error %d.";

std::string FileStem(const std::string& text) {
    std::string stem = text;
    for (char& c : stem) {
        // A byte of a Windows-1252 letter is no character of a host file name (which must be
        // UTF-8): it becomes an underscore too, while the name in the file keeps it.
        if (static_cast<unsigned char>(c) >= 0x80) {
            c = '_';
            continue;
        }
        for (const char* r = kReplaced; *r; ++r) {
            if (c == *r) {
                c = '_';
                break;
            }
        }
    }
    while (stem.size() >= 6) {
        stem.resize(stem.size() - 2);
    }
    return stem;
}

std::string FileErrorMessage(const char* format, const std::string& path, int cause) {
    std::string shown = platform::HostPath(path);
    std::string text(shown.size() + 64, '\0');
    // The formats are the game's own fixed texts with one %s and one %d.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    int n = std::snprintf(text.data(), text.size(), format, shown.c_str(), cause);
#pragma GCC diagnostic pop
    text.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return text;
}

}  // namespace

bool IsFolderFileName(const std::string& name) {
    if (!platform::IsBareFileName(name)) {
        return false;
    }
    std::string lower = name;
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    constexpr std::string_view kScratch = ".new~";
    return lower != "data" && lower != "stats.txt" &&
           !(lower.size() >= kScratch.size() &&
             lower.compare(lower.size() - kScratch.size(), kScratch.size(), kScratch) == 0);
}

bool ReserveFileName(const std::string& text, const std::string& folder,
                     const std::string& extension, std::string& fileName) {
    const std::string stem = FileStem(text);
    for (int n = 0; n < 100; ++n) {
        std::string name = stem + std::to_string(n) + extension;
        std::string path = folder + name;
        CFile probe;
        if (probe.Open(path, CFile::modeRead)) {
            probe.Close();
            continue;
        }
        // Exclusive: a file that exists but could not be read is someone's, never emptied.
        CFile created;
        if (created.Open(path, CFile::modeWrite | CFile::modeCreate | CFile::modeExclusive) &&
            created.Close()) {
            fileName = name;
            return true;
        }
    }
    return false;
}

bool OpenFolderFile(CTextFile& file, const std::string& folder, const std::string& fileName,
                    const char* format) {
    const std::string path = folder + fileName;
    if (!IsFolderFileName(fileName)) {
        platform::MessageBox(FileErrorMessage(
            format, path, fileName.empty() ? platform::kFileNotFound : platform::kBadPath));
        return false;
    }
    if (!file.OpenToRead(path, kMaxFolderFileBytes)) {
        platform::MessageBox(FileErrorMessage(format, path, file.Cause()));
        return false;
    }
    return true;
}

bool SaveFolderFile(const std::string& folder, const std::string& fileName,
                    const std::function<void(CTextFile&)>& write) {
    if (fileName.empty()) {
        return false;
    }
    const std::string path = folder + fileName;
    if (!IsFolderFileName(fileName)) {
        platform::MessageBox(FileErrorMessage(kSaveFailure, path, platform::kBadPath));
        return false;
    }
    CTextFile file;
    bool saved = file.Open(path, CFile::modeReplace);
    if (saved) {
        write(file);
        saved = file.Close();
    }
    if (!saved) {
        platform::MessageBox(FileErrorMessage(kSaveFailure, path, file.Cause()));
    }
    return saved;
}
