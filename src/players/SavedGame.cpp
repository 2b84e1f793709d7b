// SPDX-License-Identifier: MIT
// One unfinished game of a player: its record in the player file and its .gme file of marks.
#include "players/SavedGame.h"

#include <cstdio>

#include "platform/File.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"
#include "platform/TextFile.h"
#include "players/FileStem.h"

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

CSavedGame::CSavedGame(const std::string& title, const std::string& fileName,
                       const std::string& gameStem)
    : m_strTitle(title), m_strFileName(fileName), m_strGameStem(gameStem) {}

bool CSavedGame::MakeFileName(const std::string& title, const std::string& gamesFolder) {
    m_strTitle = title;
    std::string rest = title.size() > 5 ? title.substr(5) : std::string();
    return ReserveNumberedFile(gamesFolder, MakeFileStem(rest), ".gme", m_strFileName);
}

bool CSavedGame::Write(const std::string& gamesFolder, const std::string& playerName, int first,
                       int second, const std::vector<std::string>& marks) {
    if (m_strFileName.empty()) {
        return false;
    }
    std::string path = gamesFolder + m_strFileName;
    // A name read from a player file never leads out of the games folder.
    if (!platform::IsBareFileName(m_strFileName)) {
        platform::MessageBox(
            FileErrorMessage("Unable to save %s because of error %d.", path, platform::kBadPath));
        return false;
    }
    CTextFile file;
    if (!file.Open(path, CFile::modeReplace)) {
        platform::MessageBox(
            FileErrorMessage("Unable to save %s because of error %d.", path, file.Cause()));
        return false;
    }
    std::string out = m_strTitle + "\n" + m_strGameStem + "\n" + playerName + "\n" +
                      std::to_string(first) + "\n" + std::to_string(second) + "\nStart Grid\n";
    for (const std::string& mark : marks) {
        out += mark;
        out += '\n';
    }
    out += "End Grid\n";
    file.WriteString(out);
    // The old file stays whole unless the new one was written completely.
    if (!file.Close()) {
        platform::MessageBox(
            FileErrorMessage("Unable to save %s because of error %d.", path, file.Cause()));
        return false;
    }
    return true;
}

bool CSavedGame::Read(const std::string& gamesFolder, int& first, int& second,
                      std::vector<std::string>& marks) {
    std::string path = gamesFolder + m_strFileName;
    if (!platform::IsBareFileName(m_strFileName)) {
        platform::MessageBox(
            FileErrorMessage("Unable to read %s because of error %d.", path,
                             m_strFileName.empty() ? platform::kFileNotFound : platform::kBadPath));
        return false;
    }
    CTextFile file;
    if (!file.Open(path, CFile::modeRead)) {
        platform::MessageBox(
            FileErrorMessage("Unable to read %s because of error %d.", path, file.Cause()));
        return false;
    }
    std::string title, stem, line;
    // A reserved file that was never written keeps the record's own title and stem.
    if (file.ReadString(title)) {
        m_strTitle = title;
        file.ReadString(stem);
        m_strGameStem = stem;
    }
    file.ReadString(line);  // the player's name, for whoever reads the file
    file.ReadString(line);
    first = CTextFile::Atoi(line);
    file.ReadString(line);
    second = CTextFile::Atoi(line);
    file.ReadString(line);
    if (line == "Start Grid" && file.ReadString(line)) {
        do {
            if (line == "End Grid") {
                break;
            }
            marks.push_back(line);
        } while (file.ReadString(line));
    }
    file.Close();
    return true;
}
