// SPDX-License-Identifier: MIT
// The installed game: its read-only data beside the program and the player's own folder.
#include "platform/UserFolder.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

#include "platform/ProgramFolder.h"

namespace fs = std::filesystem;

namespace platform {
namespace {

// The folders the game writes in, below its program folder.
constexpr const char* kFolders[] = {"data", "players", "games", "ants"};

constexpr const char* kSeeded[] = {"Data\\Sound.dat", "ants\\scores.dat", "players\\data", nullptr};

std::string Join(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::string CannotMake(const std::string& folder, const std::string& reason) {
    return "The folder for your players and games cannot be made:\n" + folder + "\n(" + reason +
           ")";
}

std::string IsAFile(const std::string& path) {
    return "The folder for your players and games cannot be used, because a file stands where "
           "a folder belongs:\n" +
           path + "\nMove that file away and start the game again.";
}

std::string CannotWrite(const std::string& folder, const std::string& reason) {
    return "The game cannot write in the folder for your players and games:\n" + folder + "\n(" +
           reason + ")";
}

// Makes a folder unless it is there; false with a message when it cannot be had.
bool EnsureFolder(const std::string& path, std::string& message) {
    std::error_code ec;
    fs::file_status status = fs::status(fs::path(path), ec);
    if (fs::is_directory(status)) {
        return true;
    }
    if (fs::exists(status)) {
        message = IsAFile(path);
        return false;
    }
    fs::create_directory(fs::path(path), ec);
    if (ec) {
        message = CannotMake(path, ec.message());
        return false;
    }
    return true;
}

// Copies a file to a name that must not exist yet: the bytes go to a scratch name first, so
// an interrupted copy never leaves a half file under the real name.
bool CopyNew(const std::string& from, const std::string& to, std::string& reason) {
    std::FILE* in = std::fopen(from.c_str(), "rb");
    if (!in) {
        reason = std::strerror(errno);
        return false;
    }
    const std::string scratch = to + ".new~";
    int fd = ::open(scratch.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        reason = std::strerror(errno);
        std::fclose(in);
        return false;
    }
    bool ok = true;
    char buffer[65536];
    size_t n;
    while (ok && (n = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
        for (size_t done = 0; ok && done < n;) {
            ssize_t wrote = ::write(fd, buffer + done, n - done);
            ok = wrote > 0;
            done += ok ? static_cast<size_t>(wrote) : 0;
        }
    }
    ok = ok && !std::ferror(in) && ::fsync(fd) == 0;
    if (!ok) {
        reason = std::strerror(errno);
    }
    std::fclose(in);
    ok = ::close(fd) == 0 && ok;
    std::error_code ec;
    if (ok && !fs::exists(fs::symlink_status(fs::path(to), ec))) {
        ok = std::rename(scratch.c_str(), to.c_str()) == 0;
        if (!ok) {
            reason = std::strerror(errno);
        }
    }
    ::unlink(scratch.c_str());
    return ok;
}

// Every folder and seeded file that the folder lacks.
bool Complete(const std::string& folder, const std::string& installedData, std::string& message) {
    for (const char* name : kFolders) {
        if (!EnsureFolder(HostPath(Join(folder, name)), message)) {
            return false;
        }
    }
    for (const char* const* seed = kSeeded; *seed; ++seed) {
        const std::string from = HostPath(Join(installedData, *seed));
        const std::string to = HostPath(Join(folder, *seed));
        std::error_code ec;
        if (!fs::is_regular_file(fs::path(from), ec) ||
            fs::exists(fs::symlink_status(fs::path(to), ec))) {
            continue;
        }
        std::string reason;
        if (!CopyNew(from, to, reason)) {
            message = CannotWrite(folder, reason);
            return false;
        }
    }
    return true;
}

}  // namespace

std::string FindInstalledData(const std::string& programPath) {
    std::error_code ec;
    fs::path program = fs::weakly_canonical(fs::path(programPath), ec);
    if (ec || program.empty()) {
        return std::string();
    }
    fs::path data = program.parent_path().parent_path() / "share" / "math-quizlex";
    if (!fs::is_directory(data / "data", ec)) {
        return std::string();
    }
    return data.string() + "/";
}

std::string UserFolderFor(const char* xdgDataHome, const char* home) {
    if (xdgDataHome && xdgDataHome[0] == '/') {
        return Join(xdgDataHome, "math-quizlex");
    }
    if (home && home[0] == '/') {
        return Join(Join(home, ".local/share"), "math-quizlex");
    }
    return std::string();
}

const char* const* SeededFiles() {
    return kSeeded;
}

std::string PrepareUserFolder(const std::string& userFolder, const std::string& installedData) {
    std::string folder = userFolder;
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    if (folder.empty()) {
        return CannotMake("(no home folder)", "HOME is not set");
    }
    std::string message;
    std::error_code ec;
    fs::file_status status = fs::status(fs::path(folder), ec);
    if (fs::exists(status) && !fs::is_directory(status)) {
        return IsAFile(folder);
    }
    if (!fs::exists(status)) {
        const fs::path parent = fs::path(folder).parent_path();
        fs::create_directories(parent, ec);
        if (ec) {
            return CannotMake(folder, ec.message());
        }
        // A first start is made aside and moved into place whole; what an interrupted one
        // left aside holds nothing of the player's and is made again.
        const std::string aside =
            (parent / ("." + fs::path(folder).filename().string() + ".new~")).string();
        fs::remove_all(fs::path(aside), ec);
        fs::create_directory(fs::path(aside), ec);
        if (ec) {
            return CannotMake(folder, ec.message());
        }
        if (!Complete(aside, installedData, message)) {
            fs::remove_all(fs::path(aside), ec);
            return message;
        }
        if (std::rename(aside.c_str(), folder.c_str()) != 0) {
            const int err = errno;
            fs::remove_all(fs::path(aside), ec);
            if (!fs::is_directory(fs::path(folder), ec)) {
                return CannotMake(folder, std::strerror(err));
            }
        }
    }
    if (!Complete(folder, installedData, message)) {
        return message;
    }
    const std::string probe = Join(folder, ".write-test~");
    int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return CannotWrite(folder, std::strerror(errno));
    }
    ::close(fd);
    ::unlink(probe.c_str());
    return std::string();
}

}  // namespace platform
