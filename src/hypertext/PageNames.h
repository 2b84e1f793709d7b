// SPDX-License-Identifier: MIT
// The file names of the game's hypertext pages, which the game opens and the tool writes.
#pragma once

#include <string>
#include <string_view>

// A game's pages lie in the data folder beside its puzzle, named after its stem.
// The instructions: stem + "_00.htf".
std::string InstructionsPageName(std::string_view stem);
// Hint n: stem + "_" + the two-digit number while playing, stem + "-" + the number once the
// solution shows (made with "_%.2d.htf" and "-%.2d.htf"). Hint 0 is the instructions, or the
// answer page after the solution.
std::string HintPageName(std::string_view stem, bool solutionShown, int n);
// The answer page shown when the game ends: stem + "-00.htf".
std::string AnswerPageName(std::string_view stem);

// The help pages, relative to the program folder.
inline constexpr const char* kHelpFolder = "data\\help\\";
// The help page in kHelpFolder for a topic of a help file: "qzx.hlp" topic 13 is shown from
// "qzx_13.htf", its contents (topic 0) from "qzx_00.htf". Empty when the file is not a plain
// file name or the topic has no two-digit number.
std::string HelpPageName(std::string_view helpFile, int topic);
