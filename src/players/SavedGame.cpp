// SPDX-License-Identifier: MIT
// One unfinished game of a player: its record in the player file and its .gme file of marks.
#include "players/SavedGame.h"

#include "platform/TextFile.h"
#include "players/FolderFile.h"

CSavedGame::CSavedGame(const std::string& title, const std::string& fileName,
                       const std::string& gameStem)
    : m_strTitle(title), m_strFileName(fileName), m_strGameStem(gameStem) {}

bool CSavedGame::MakeFileName(const std::string& title, const std::string& gamesFolder) {
    m_strTitle = title;
    std::string rest = title.size() > 5 ? title.substr(5) : std::string();
    return ReserveFileName(rest, gamesFolder, ".gme", m_strFileName);
}

bool CSavedGame::Write(const std::string& gamesFolder, const std::string& playerName, int first,
                       int second, const std::vector<std::string>& marks) {
    std::string out = m_strTitle + "\n" + m_strGameStem + "\n" + playerName + "\n" +
                      std::to_string(first) + "\n" + std::to_string(second) + "\nStart Grid\n";
    for (const std::string& mark : marks) {
        out += mark;
        out += '\n';
    }
    out += "End Grid\n";
    // A name read from a player file never leads out of the games folder.
    return SaveFolderFile(gamesFolder, m_strFileName,
                          [&out](CTextFile& file) { file.WriteString(out); });
}

bool CSavedGame::Read(const std::string& gamesFolder, int& first, int& second,
                      std::vector<std::string>& marks) {
    CTextFile file;
    if (!OpenFolderFile(file, gamesFolder, m_strFileName,
                        "Unable to read %s because of error %d.")) {
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
