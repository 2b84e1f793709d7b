// SPDX-License-Identifier: MIT
// The program folder and the mapping of the game's backslash paths to host paths.
#include "platform/ProgramFolder.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace platform {
namespace {

std::string g_programFolder;

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
    g_programFolder = folder;
    if (!g_programFolder.empty() && g_programFolder.back() != '/' &&
        g_programFolder.back() != '\\') {
        g_programFolder += '/';
    }
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
