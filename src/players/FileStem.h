// SPDX-License-Identifier: MIT
// How player files and saved-game files get their names: a short stem and a free number.
#pragma once

#include <string>

// The stem of a numbered file name made from a text: the characters that cannot stand in a
// file name become underscores, then the stem is cut by two characters at a time until it is
// five characters or shorter.
std::string MakeFileStem(const std::string& text);

// Takes the first free name stem + n + extension (n = 0 to 99) in the folder and creates it
// empty, so nobody else takes it. A name whose file exists is taken; a name that cannot be
// created is skipped. Returns false when all hundred numbers fail; fileName is then untouched.
bool ReserveNumberedFile(const std::string& folder, const std::string& stem,
                         const std::string& extension, std::string& fileName);
