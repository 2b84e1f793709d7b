// SPDX-License-Identifier: MIT
// One unfinished game of a player: its record in the player file and its .gme file of marks.
#pragma once

#include <string>
#include <vector>

class CSavedGame {
public:
    CSavedGame(const std::string& title, const std::string& fileName, const std::string& gameStem);

    // Names and reserves the .gme file for the title: the title without its first five
    // characters makes the stem.
    bool MakeFileName(const std::string& title, const std::string& gamesFolder);
    // Writes the .gme file; reports a failure with the game's message.
    bool Write(const std::string& gamesFolder, const std::string& playerName, int first, int second,
               const std::vector<std::string>& marks);
    // Reads the .gme file; the marks are appended to the list given.
    bool Read(const std::string& gamesFolder, int& first, int& second,
              std::vector<std::string>& marks);

    // Set once the game of this title was finished; never stored.
    int m_bFinished = 0;
    std::string m_strTitle;
    std::string m_strFileName;
    std::string m_strGameStem;
};
