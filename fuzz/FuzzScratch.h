// SPDX-License-Identifier: MIT
// The fuzz targets' scratch folder: one per process under /tmp, made on first use and removed
// when the process ends, with the input written into it as a file.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

#include "platform/ProgramFolder.h"

namespace fuzzscratch {

// "/tmp/quizlex-fuzz-NAME-PID/" with the given subfolders, made on the first call; later calls
// return the same folder, so a target keeps to one name.
inline const std::string& Folder(const char* name,
                                 std::initializer_list<const char*> subfolders = {}) {
    // Never destroyed, so the exit handler can still read it.
    static const std::string* const folder = [&] {
        auto* path = new std::string("/tmp/quizlex-fuzz-" + std::string(name) + "-" +
                                     std::to_string(::getpid()) + "/");
        std::filesystem::create_directories(*path);
        for (const char* subfolder : subfolders) {
            std::filesystem::create_directories(*path + subfolder);
        }
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(*folder, ec);
        });
        return path;
    }();
    return *folder;
}

// The scratch folder, made the game's program folder.
inline const std::string& ProgramFolder(const char* name,
                                        std::initializer_list<const char*> subfolders = {}) {
    const std::string& folder = Folder(name, subfolders);
    platform::SetProgramFolder(folder);
    return folder;
}

// Puts the input in a file. The old file is removed first: ext4 flushes a file truncated and
// rewritten to disk when it is closed, which would slow every input to disk speed.
inline bool WriteInput(const std::string& path, const uint8_t* data, size_t size) {
    ::unlink(path.c_str());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        return false;
    }
    const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace fuzzscratch
