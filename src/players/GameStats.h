// SPDX-License-Identifier: MIT
// The statistics record of one game title, as the player file and the report see it.
#pragma once

#include <string>

class CTextFile;

class CGameStats {
public:
    virtual ~CGameStats() = default;

    // Appends the record's report; line ends are "\r\n" for an edit box, "\n" for a file.
    virtual void AppendReport(std::string& output, bool useCrLf) const = 0;
    virtual void Reset() = 0;
    // Reads the record's lines; false when not even its first line was left in the file.
    virtual bool Read(CTextFile& file) = 0;
    virtual void Write(CTextFile& file) = 0;

protected:
    CGameStats() = default;
    CGameStats(const CGameStats&) = default;
    CGameStats& operator=(const CGameStats&) = default;
};
