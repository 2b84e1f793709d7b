// SPDX-License-Identifier: MIT
// The player with its records: the player file, the statistics of every game title played,
// and the saved, unfinished games.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "players/MathGameStats.h"
#include "players/PlayerBase.h"
#include "players/SavedGame.h"

class CTextFile;

class CPlayer : public CPlayerBase {
public:
    CPlayer() = default;
    ~CPlayer() override = default;

    bool Load(const std::string& playersFolder) override;
    bool Save(const std::string& playersFolder) override;
    void Clear() override;

    // The player file's records from an open file, in place of the ones held. With
    // takeNameFromFile the first line becomes the name; otherwise it is checked against it.
    void ReadPlayerFile(CTextFile& file, bool takeNameFromFile);
    // Writes the player file's lines; the records' empty time texts get stamped.
    void WritePlayerFile(CTextFile& file);

    // Statistics of the current game title.
    void SelectGame(const std::string& title, bool finished = false);
    // Makes the title's record current as it stands, stamps and all. False, with no current
    // record, when the player has none for the title.
    bool SelectStoredGame(const std::string& title);
    void ResetStats();
    void SetCorrectCount(const std::string& title, int totalCells, int hintsInGame);
    void IncTimesPlayed(bool up);
    void Hint(int index);
    void CheckAnswer();
    void IncErrorsDisplayed();
    int GameOver(int cellsMarked, int cellsCorrect);
    int GetScore() const;
    void GetGameData(int& points, int& average) const;
    int TimesHintTaken() const;
    int TimesAnswerChecked() const;
    int TimesPlayed() const;

    // Saved games.
    bool HasSavedGames() const;
    bool HasSavedGame(const std::string& title) const;
    // Whether a saved game still holds a game the player can continue: not finished in this
    // run, given a file, and of a title whose record is not finished (a finished title is
    // over, whatever an older player file still lists for it).
    bool IsOfferedSavedGame(const CSavedGame& game) const;
    // The saved games offered, in list order, with each title's record looked up once: a
    // player with thousands of saved games and records is answered in one walk of each.
    std::vector<const CSavedGame*> OfferedSavedGames() const;
    // Whether the player's record of the title says its game was finished.
    bool IsTitleFinished(const std::string& title) const;
    void SaveGame(const std::string& gamesFolder, const std::string& title,
                  const std::string& gameStem, int first, int second,
                  const std::vector<std::string>& marks, bool solutionShown);
    bool LoadSavedGame(const std::string& gamesFolder, const std::string& title, int& first,
                       int& second, std::vector<std::string>& marks);

    const std::vector<std::unique_ptr<CSavedGame>>& SavedGames() const { return m_savedGames; }
    const std::vector<std::unique_ptr<CMathGameStats>>& Stats() const { return m_stats; }
    CMathGameStats* CurrentStats() const { return m_pCurrentStats; }

private:
    // The current record, or null after the "... No Stats Class Created!" message.
    CMathGameStats* Current(const char* operation) const;

    std::vector<std::unique_ptr<CSavedGame>> m_savedGames;
    std::vector<std::unique_ptr<CMathGameStats>> m_stats;
    CMathGameStats* m_pCurrentStats = nullptr;
};
