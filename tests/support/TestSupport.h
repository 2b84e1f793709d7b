// SPDX-License-Identifier: MIT
// Helpers for tests: a scratch program folder, and whole-file reads and writes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes. While it lives it is the game's program folder (restored afterwards).
class TempProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder();
    TempProgramFolder(const TempProgramFolder&) = delete;
    TempProgramFolder& operator=(const TempProgramFolder&) = delete;

    // Host path of the folder, ending in '/'.
    const std::string& Path() const { return m_path; }
    // Host path of a file below it; subfolders may be written with '/' or '\\'.
    std::string File(const std::string& relative) const;
    // Writes a file (creating its folders) and returns its host path.
    std::string Write(const std::string& relative, const std::string& bytes) const;
    std::string Write(const std::string& relative, const std::vector<uint8_t>& bytes) const;
    std::string Read(const std::string& relative) const;
    bool Exists(const std::string& relative) const;
    void MakeFolder(const std::string& relative) const;

private:
    std::string m_path;
    std::string m_previousFolder;
};

std::string ReadFileBytes(const std::string& hostPath);
void WriteFileBytes(const std::string& hostPath, const std::string& bytes);

// Runs a command through the shell; returns its exit status and fills its standard output.
int RunCommand(const std::string& command, std::string* output = nullptr);

}  // namespace testsupport
