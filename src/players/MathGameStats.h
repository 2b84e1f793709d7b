// SPDX-License-Identifier: MIT
// The statistics record of one math game title: counts, score, time texts and file lines.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "players/GameStats.h"

class CMathGameStats : public CGameStats {
public:
    // A stored record never claims more hints than this; a larger number in a file is cut to
    // it, so a damaged file cannot make the game allocate or read without end.
    static constexpr int kMaxHintsInGame = 1000;

    CMathGameStats() = default;

    void AppendReport(std::string& output, bool useCrLf) const override;
    void Reset() override;
    bool Read(CTextFile& file) override;
    void Write(CTextFile& file) override;

    // Title, totals and a fresh hint-taken flag for every hint of the game.
    void SetCorrectCount(const std::string& title, int totalCells, int hintsInGame);
    // Counts a hint (zero-based index) once; nothing after the game is finished.
    void Hint(int index);
    void CheckAnswer();
    void IncErrorsDisplayed();
    void IncTimesPlayed(bool up);
    // Points a hint or a check costs, and the score a player starts from.
    void GetGameData(int& points, int& average) const;
    // Scores the finished game, stamps the time, and returns the score.
    int GameOver(int cellsMarked, int cellsCorrect);
    // The score, never below 1.
    int GetScore();

    std::string m_strTitle;
    std::string m_strExtra;
    std::string m_strLastPlayed;
    int m_bFinished = 0;
    std::vector<uint16_t> m_hintTaken;
    int m_nCellsCorrect = 0;
    int m_nCellsMarked = 0;
    int m_nTotalCells = 0;
    int m_nHintsTaken = 0;
    int m_nHintsInGame = 0;
    int m_nAnswerChecks = 0;
    int m_nErrorsDisplayed = 0;
    int m_nScore = 1;
    int m_nTimesPlayed = 0;
};

// The time texts of the records, made from the local time.
std::string LastPlayedText();
std::string FinishedText();
