// SPDX-License-Identifier: MIT
// The program folder and the mapping of the game's backslash paths to host paths.
#include "platform/ProgramFolder.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace platform {
namespace {

std::string g_programFolder;
std::string g_installedFolder;

std::string WithSeparator(const std::string& folder) {
    std::string result = folder;
    if (!result.empty() && result.back() != '/' && result.back() != '\\') {
        result += '/';
    }
    return result;
}

std::string Slashed(std::string path) {
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    return path;
}

bool IsFile(const std::string& hostPath) {
    std::error_code ec;
    return !hostPath.empty() && fs::is_regular_file(fs::path(hostPath), ec);
}

// The part of a game path below the program folder, with '/' separators; false for a path
// elsewhere or one that climbs out with "..".
bool RelativeName(const std::string& gamePath, std::string& relative) {
    const std::string folder = Slashed(g_programFolder);
    const std::string path = Slashed(gamePath);
    if (folder.empty() || path.size() <= folder.size() ||
        path.compare(0, folder.size(), folder) != 0) {
        return false;
    }
    relative = path.substr(folder.size());
    size_t pos = 0;
    while (pos <= relative.size()) {
        size_t next = relative.find('/', pos);
        if (next == std::string::npos) {
            next = relative.size();
        }
        if (relative.compare(pos, next - pos, "..") == 0 && next - pos == 2) {
            return false;
        }
        pos = next + 1;
    }
    return true;
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') {
            x = static_cast<unsigned char>(x - 'A' + 'a');
        }
        if (y >= 'A' && y <= 'Z') {
            y = static_cast<unsigned char>(y - 'A' + 'a');
        }
        if (x != y) {
            return false;
        }
    }
    return true;
}

}  // namespace

const std::string& ProgramFolder() {
    return g_programFolder;
}

void SetProgramFolder(const std::string& folder) {
    g_programFolder = WithSeparator(folder);
}

const std::string& InstalledFolder() {
    return g_installedFolder;
}

void SetInstalledFolder(const std::string& folder) {
    g_installedFolder = WithSeparator(folder);
}

std::string InstalledPath(const std::string& gamePath) {
    std::string relative;
    if (g_installedFolder.empty() || !RelativeName(gamePath, relative)) {
        return std::string();
    }
    std::string installed = HostPath(g_installedFolder + relative);
    return IsFile(installed) ? installed : std::string();
}

std::string ReadPath(const std::string& gamePath) {
    std::string own = HostPath(gamePath);
    if (g_installedFolder.empty() || IsFile(own)) {
        return own;
    }
    std::string installed = InstalledPath(gamePath);
    return installed.empty() ? own : installed;
}

bool IsMergedList(const std::string& gamePath) {
    std::string relative;
    return RelativeName(gamePath, relative) && SameIgnoringCase(relative, "data/games.dat");
}

std::string CurrentDirectory() {
    std::error_code ec;
    fs::path p = fs::current_path(ec);
    return ec ? std::string(".") : p.string();
}

std::string HostPath(const std::string& gamePath) {
    std::string path = gamePath;
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    if (path.empty()) {
        return path;
    }

    std::string result;
    size_t pos = 0;
    if (path[0] == '/') {
        result = "/";
        pos = 1;
    }
    bool matching = true;  // stop looking once a folder is missing
    while (pos <= path.size()) {
        size_t next = path.find('/', pos);
        if (next == std::string::npos) {
            next = path.size();
        }
        std::string component = path.substr(pos, next - pos);
        pos = next + 1;
        if (component.empty()) {
            continue;
        }
        std::string base = result.empty() ? std::string(".") : result;
        std::string candidate = result + component;
        if (matching && component != "." && component != "..") {
            std::error_code ec;
            if (!fs::exists(fs::path(candidate), ec)) {
                bool found = false;
                for (fs::directory_iterator it(fs::path(base), ec), end; !ec && it != end;
                     it.increment(ec)) {
                    std::string name = it->path().filename().string();
                    if (SameIgnoringCase(name, component)) {
                        candidate = result + name;
                        found = true;
                        break;
                    }
                }
                matching = found;
            }
        }
        result = candidate;
        if (next < path.size()) {
            result += '/';
        }
    }
    return result;
}

bool IsBareFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") {
        return false;
    }
    for (char c : name) {
        if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20) {
            return false;
        }
    }
    return true;
}

}  // namespace platform
