// SPDX-License-Identifier: MIT
// Helpers for tests: a scratch program folder, whole-file reads and writes, line joiners, sounds
// and shell commands.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
class FakeServices;
}

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

    // Puts something hostile where the game expects a data file (folders made as needed) and
    // returns its host path: a pipe nobody writes to, a link to the endless /dev/zero, or a
    // sparse file of 3 GiB (only its length is set; nothing is written to disk).
    enum class Hostile { kFifo, kEndless, kHuge };
    std::string Plant(const std::string& relative, Hostile kind) const;

private:
    std::string m_path;
    std::string m_previousFolder;
};

inline constexpr TempProgramFolder::Hostile kHostiles[] = {TempProgramFolder::Hostile::kFifo,
                                                           TempProgramFolder::Hostile::kEndless,
                                                           TempProgramFolder::Hostile::kHuge};

std::string ReadFileBytes(const std::string& hostPath);
void WriteFileBytes(const std::string& hostPath, const std::string& bytes);

// Lines written "first|second|third", each ended in CR LF as the game writes them, or in LF as
// an editor on another host may write them.
std::string CrLf(std::string_view lines);
std::string Lf(std::string_view lines);

// Sounds on for the object's lifetime (tests otherwise run with them off).
class SoundsOn {
public:
    SoundsOn();
    ~SoundsOn();
    SoundsOn(const SoundsOn&) = delete;
    SoundsOn& operator=(const SoundsOn&) = delete;
};

// The sounds the fake was asked to play, named as the game names them ("data\\gotcha.wav").
std::vector<std::string> SoundNames(const platform::FakeServices& fake);

// Runs a command through the shell; returns its exit status and fills its standard output.
int RunCommand(const std::string& command, std::string* output = nullptr);

}  // namespace testsupport
