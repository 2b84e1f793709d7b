// SPDX-License-Identifier: MIT
// What the board needs of the hint finder: somewhere to show the hints of a clicked cell.
#pragma once

#include <string>

class IHintFinder {
public:
    virtual ~IHintFinder() = default;
    // text lists the hints that name the cell ("Hint 2, Hint 5"); hintNumber is that hint's
    // number when exactly one hint names it, else 0.
    virtual void ShowCellHints(const std::string& text, int hintNumber) = 0;
};
