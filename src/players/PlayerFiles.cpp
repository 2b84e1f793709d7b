// SPDX-License-Identifier: MIT
// The players folder: the players index "data", and the removal of a player's files.
#include "players/PlayerFiles.h"

#include <filesystem>
#include <system_error>

#include "platform/File.h"
#include "platform/GamePaths.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"
#include "platform/TextFile.h"
#include "players/FolderFile.h"
#include "players/StatsReport.h"

namespace {

// Removes a file of the game's folders; a file that is not there is as good as removed.
bool RemoveGameFile(const std::string& gamePath, int& cause) {
    namespace fs = std::filesystem;
    fs::path host(platform::HostPath(gamePath));
    std::error_code ec;
    fs::file_status status = fs::symlink_status(host, ec);
    // Only a file that is not there (or could not be, by its name) counts as removed; a file
    // that cannot even be looked at may well be there still.
    if (status.type() == fs::file_type::not_found || ec == std::errc::filename_too_long) {
        cause = platform::kNone;
        return true;
    }
    if (ec) {
        cause = platform::CauseFromErrno(ec.value());
        return false;
    }
    if (status.type() == fs::file_type::directory) {
        cause = platform::kAccessDenied;
        return false;
    }
    if (!fs::remove(host, ec) && ec) {
        cause = platform::CauseFromErrno(ec.value());
        return cause == platform::kFileNotFound;
    }
    cause = platform::kNone;
    return true;
}

void ReportRemoveFailure(int cause, const std::string& gamePath) {
    platform::MessageBox(FileErrorText(cause, platform::HostPath(gamePath)));
}

// Writes the index beside the old one and renames it over it.
bool WriteIndexFile(const std::vector<PlayerEntry>& entries) {
    CTextFile file;
    if (!file.Open(PlayersIndexPath(), CFile::modeReplace)) {
        return false;
    }
    std::string out;
    for (const PlayerEntry& entry : entries) {
        out += entry.name + "\n" + entry.fileName + "\n";
    }
    file.WriteString(out);
    return file.Close();
}

void ReinstallMessage() {
    platform::MessageBox("Please re-install this software!", "File Error");
}

}  // namespace

std::string PlayersFolder() {
    return platform::GamePaths::Players();
}

std::string GamesFolder() {
    return platform::GamePaths::Games();
}

std::string PlayersIndexPath() {
    return PlayersFolder() + "data";
}

std::vector<PlayerEntry> ReadPlayersIndex(CTextFile& file) {
    std::vector<PlayerEntry> entries;
    std::string name;
    while (file.ReadString(name)) {
        if (name.empty()) {
            continue;
        }
        PlayerEntry entry{name, std::string()};
        file.ReadString(entry.fileName);
        // An empty file name is a player whose file could not be named: listed, never loaded.
        if (!entry.fileName.empty() && !IsFolderFileName(entry.fileName)) {
            continue;
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::vector<PlayerEntry> OpenPlayersIndex() {
    CTextFile file;
    if (file.OpenToRead(PlayersIndexPath(), kMaxFolderFileBytes)) {
        std::vector<PlayerEntry> entries = ReadPlayersIndex(file);
        file.Close();
        return entries;
    }
    // Exclusive: an index that exists but cannot be read is never emptied.
    CTextFile created;
    if (!created.Open(PlayersIndexPath(),
                      CFile::modeWrite | CFile::modeCreate | CFile::modeExclusive) ||
        !created.Close()) {
        ReinstallMessage();
    }
    return {};
}

bool AppendToPlayersIndex(const PlayerEntry& entry) {
    // The index must exist and be writable, as for an append. It is then written anew from
    // the pairs it holds plus the new one and replaces the old file whole: an interrupted
    // write never leaves half a player behind, and a name left without its file line at the
    // end cannot take the new player's name for its file.
    bool ok = false;
    std::vector<PlayerEntry> entries;
    {
        CFile writable;
        CTextFile old;
        if (writable.Open(PlayersIndexPath(), CFile::modeWrite) && writable.Close() &&
            old.OpenToRead(PlayersIndexPath(), kMaxFolderFileBytes)) {
            entries = ReadPlayersIndex(old);
            ok = old.Cause() == platform::kNone;
            old.Close();
        }
    }
    if (ok) {
        entries.push_back(entry);
        ok = WriteIndexFile(entries);
    }
    if (!ok) {
        platform::MessageBox("Unable to open data file", "File Error!");
    }
    return ok;
}

bool RewritePlayersIndex(const std::vector<PlayerEntry>& entries) {
    if (!WriteIndexFile(entries)) {
        ReinstallMessage();
        return false;
    }
    return true;
}

std::vector<std::string> SavedGameFilesOf(CTextFile& playerFile) {
    std::vector<std::string> names;
    std::string line;
    // The reads stop at the end of the file whatever block they are in.
    while (playerFile.ReadString(line)) {
        if (line == "No Saved Games") {
            return names;
        }
        if (line == "Start Saved Games") {
            std::string title, fileName, stem;
            while (playerFile.ReadString(title) && title != "End Saved Games") {
                playerFile.ReadString(fileName);
                playerFile.ReadString(stem);
                names.push_back(fileName);
            }
            return names;
        }
    }
    return names;
}

bool DeletePlayerFiles(const std::string& fileName) {
    // No file of its own (never named, or not a name in the players folder): nothing of the
    // player's lies on disk to remove.
    if (!IsFolderFileName(fileName)) {
        return true;
    }
    std::string playerPath = PlayersFolder() + fileName;
    std::string name;
    std::vector<std::string> games;
    CTextFile file;
    if (file.OpenToRead(playerPath, kMaxFolderFileBytes)) {
        file.ReadString(name);
        games = SavedGameFilesOf(file);
        file.Close();
    }
    int cause = platform::kNone;
    bool gamesGone = true;
    for (const std::string& game : games) {
        // Only files of the games folder are ever removed.
        if (!IsFolderFileName(game)) {
            continue;
        }
        std::string gamePath = GamesFolder() + game;
        if (!RemoveGameFile(gamePath, cause)) {
            ReportRemoveFailure(cause, gamePath);
            gamesGone = false;
        }
    }
    // A saved game left on disk keeps its player, whose file is the only way back to it.
    if (!gamesGone) {
        return false;
    }
    if (!RemoveGameFile(playerPath, cause)) {
        ReportRemoveFailure(cause, playerPath);
        return false;
    }
    if (!name.empty() && IsStatsReportOf(name) && !RemoveGameFile(StatsReportPath(), cause)) {
        ReportRemoveFailure(cause, StatsReportPath());
    }
    return true;
}

bool IsStatsReportOf(const std::string& name) {
    CTextFile report;
    if (!report.OpenToRead(StatsReportPath(), kMaxFolderFileBytes)) {
        return false;
    }
    // The header, an empty line and the title come before the player's line.
    std::string line;
    for (int i = 0; i < 4 && report.ReadString(line); ++i) {
    }
    return line == "Game Player: " + name;
}

std::string FileErrorText(int cause, const std::string& path) {
    switch (cause) {
        case platform::kNone:
            return "No error occurred.";
        case platform::kFileNotFound:
            return path + " was not found.";
        case platform::kBadPath:
            return path + " contains an invalid path.";
        case platform::kTooManyOpenFiles:
            return path + " could not be opened because there are too many open files.";
        case platform::kAccessDenied:
            return "Access to " + path + " was denied.";
        case platform::kInvalidFile:
            return "An invalid file handle was associated with " + path + ".";
        case platform::kRemoveCurrentDir:
            return path + " could not be removed because it is the current directory.";
        case platform::kDirectoryFull:
            return path + " could not be created because the directory is full.";
        case platform::kBadSeek:
            return "Seek failed on " + path;
        case platform::kHardIO:
            return "A hardware I/O error was reported while accessing " + path + ".";
        case platform::kSharingViolation:
            return "A sharing violation occurred while accessing " + path + ".";
        case platform::kLockViolation:
            return "A locking violation occurred while accessing " + path + ".";
        case platform::kDiskFull:
            return "Disk full while accessing " + path + ".";
        case platform::kEndOfFile:
            return "An attempt was made to access " + path + " past its end.";
        default:
            return "An unexpected error occurred while accessing " + path + ".";
    }
}
