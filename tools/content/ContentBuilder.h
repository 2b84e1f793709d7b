// SPDX-License-Identifier: MIT
// Builds the game's whole program folder from the content sources: puzzle files and board
// pictures, every page, the game list, the settings and about data, the pictures, the sounds,
// the reward game's data and art, and the empty players and games folders.
//
// The content folder holds:
//   games.txt          the puzzle sources in the order the game list shows them
//   puzzles/*.qzp      one puzzle each (see PuzzleSource.h)
//   help/*.page        the help pages (see PageSource.h), written to data/help/NAME.htf
//   about.txt          "platform", "year" and "version" lines for the about box
//   settings.txt       "sounds", "errors" (on or off) and the three board colours
//   sounds.txt         one recipe per sound (see SoundSynth.h)
//   reward.txt         the reward game's background name and its ten sprites
#pragma once

#include <string>
#include <vector>

#include "hypertext/HtfStyle.h"
#include "maker/Artwork.h"
#include "maker/PuzzleSource.h"

namespace content {

// The sounds the game plays, by file name in the data folder (without ".wav").
const std::vector<std::string>& GameSoundNames();
// The help topics the game opens; topic 0 is the contents. HelpPageName names their pages.
const std::vector<int>& HelpTopics();

struct BuildSummary {
    int games = 0;
    int pages = 0;
    int pictures = 0;
    int sounds = 0;
};

// contentFolder and programFolder are host paths. Every problem in the sources is added to
// errors (with file and line); nothing is written unless every source reads. An existing
// settings file is kept: it holds the player's own choices.
bool BuildContent(const std::string& contentFolder, const std::string& programFolder,
                  const IHtfFontMetrics& metrics, std::vector<std::string>& errors,
                  BuildSummary& summary);

}  // namespace content
