// SPDX-License-Identifier: MIT
// Helpers for tests: a scratch program folder, and whole-file reads and writes.
#include "support/TestSupport.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/FakeServices.h"
#include "platform/GameSwitches.h"
#include "platform/ProgramFolder.h"

namespace fs = std::filesystem;

namespace testsupport {

namespace {
std::string Normalise(std::string relative) {
    for (char& c : relative) {
        if (c == '\\') {
            c = '/';
        }
    }
    return relative;
}
}  // namespace

TempProgramFolder::TempProgramFolder() : m_previousFolder(platform::ProgramFolder()) {
    std::string pattern = (fs::temp_directory_path() / "quizlex-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        throw std::runtime_error("cannot make a temporary folder");
    }
    m_path = pattern + "/";
    platform::SetProgramFolder(m_path);
}

TempProgramFolder::~TempProgramFolder() {
    std::error_code ec;
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
    for (auto it = fs::recursive_directory_iterator(m_path, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        // Never through a link: it may lead to a device or a file outside.
        if (!it->is_symlink(ec)) {
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
        }
    }
    fs::remove_all(m_path, ec);
    platform::SetProgramFolder(m_previousFolder);
}

std::string TempProgramFolder::File(const std::string& relative) const {
    return m_path + Normalise(relative);
}

std::string TempProgramFolder::Write(const std::string& relative, const std::string& bytes) const {
    std::string path = File(relative);
    fs::create_directories(fs::path(path).parent_path());
    WriteFileBytes(path, bytes);
    return path;
}

std::string TempProgramFolder::Write(const std::string& relative,
                                     const std::vector<uint8_t>& bytes) const {
    return Write(relative, std::string(bytes.begin(), bytes.end()));
}

std::string TempProgramFolder::Read(const std::string& relative) const {
    return ReadFileBytes(File(relative));
}

bool TempProgramFolder::Exists(const std::string& relative) const {
    return fs::exists(File(relative));
}

void TempProgramFolder::MakeFolder(const std::string& relative) const {
    fs::create_directories(File(relative));
}

std::string TempProgramFolder::Plant(const std::string& relative, Hostile kind) const {
    const std::string path = Write(relative, std::string());
    fs::remove(path);
    if (kind == Hostile::kFifo && ::mkfifo(path.c_str(), 0644) != 0) {
        throw std::runtime_error("cannot make a pipe " + path);
    }
    if (kind == Hostile::kEndless) {
        fs::create_symlink("/dev/zero", path);
    } else if (kind == Hostile::kHuge) {
        WriteFileBytes(path, "");
        fs::resize_file(path, uintmax_t(3) << 30);
    }
    return path;
}

std::string ReadFileBytes(const std::string& hostPath) {
    std::ifstream in(hostPath, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFileBytes(const std::string& hostPath, const std::string& bytes) {
    std::ofstream out(hostPath, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

namespace {
std::string Ended(std::string_view lines, std::string_view end) {
    std::string text;
    for (size_t from = 0, bar; from <= lines.size(); from = bar + 1) {
        bar = std::min(lines.find('|', from), lines.size());
        text.append(lines.substr(from, bar - from)).append(end);
    }
    return text;
}
}  // namespace

std::string CrLf(std::string_view lines) {
    return Ended(lines, "\r\n");
}

std::string Lf(std::string_view lines) {
    return Ended(lines, "\n");
}

SoundsOn::SoundsOn() {
    platform::SetPlaySounds(true);
}

SoundsOn::~SoundsOn() {
    platform::SetPlaySounds(false);
}

std::vector<std::string> SoundNames(const platform::FakeServices& fake) {
    std::vector<std::string> names;
    for (const std::string& path : fake.sounds) {
        names.push_back(path.substr(platform::ProgramFolder().size()));
    }
    return names;
}

int RunCommand(const std::string& command, std::string* output) {
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        return -1;
    }
    std::array<char, 4096> buffer{};
    std::string text;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        text.append(buffer.data(), n);
    }
    int status = pclose(pipe);
    if (output) {
        *output = text;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace testsupport
