// SPDX-License-Identifier: MIT
// A sample player file, the report of its first record, and loading a player by its index entry.
#pragma once

#include <string>

#include "players/Player.h"
#include "players/PlayerFiles.h"

namespace playertest {

// A player file with two saved games and two statistics records, byte for byte as written.
inline std::string SampleFile(const std::string& name) {
    return name +
           "\r\nStart Saved Games\r\n"
           "Math Puzzle 12\r\nPuzzl0.gme\r\nmath12\r\nLogic Puzzle 3\r\nPuzzl1.gme\r\nlogic3\r\n"
           "End Saved Games\r\nStart Game Stats\r\n"
           "Math Puzzle 12\r\nLast played this game on Monday, 01/05/98 at 09:15 "
           "AM\r\n\r\nFALSE\r\n"
           "2\r\n7\r\n8\r\n9\r\n1\r\n2\r\n3\r\n1\r\n55\r\nTRUE\r\nFALSE\r\n"
           "End Game Stats\r\nStart Game Stats\r\n"
           "Logic Puzzle 3\r\nFinished this game on Tuesday, 01/06/98 at 10:00 "
           "PM\r\nnote\r\nTRUE\r\n"
           "1\r\n16\r\n16\r\n16\r\n0\r\n1\r\n1\r\n0\r\n95\r\nFALSE\r\n"
           "End Game Stats\r\n";
}

// The report of the sample's first record, as the Print button writes it.
inline std::string SampleReport(const std::string& name) {
    return "QUIZLEX GAME STATISTICS\n\nGame Title: Math Puzzle 12\nGame Player: " + name +
           "\n\nNumber of times game played: 2\n"
           "Last played this game on Monday, 01/05/98 at 09:15 AM\n\n"
           "Score: 55\n"
           "Number of times errors displayed: 1\n"
           "Number of times answer checked: 3\n"
           "Number of hints in game: 2\n"
           "Number of hints player took: 1\n"
           "Total cells in game: 9\n"
           "Number of cells marked: 8\n"
           "Number of cells correctly marked: 7\n";
}

// The player of the index entry (name, file) loaded from the players folder.
inline bool LoadPlayer(CPlayer& player, const std::string& name, const std::string& file) {
    player.m_strName = name;
    player.m_strFileName = file;
    return player.Load(PlayersFolder());
}

}  // namespace playertest
