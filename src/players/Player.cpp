// SPDX-License-Identifier: MIT
// The player with its records: the player file, the statistics of every game title played,
// and the saved, unfinished games.
#include "players/Player.h"

#include <string_view>
#include <unordered_map>

#include "platform/File.h"
#include "platform/ProgramFolder.h"
#include "platform/Services.h"
#include "platform/TextFile.h"
#include "players/FolderFile.h"

bool CPlayer::Load(const std::string& playersFolder) {
    // The file name comes from the players index: it must name a file in the players folder.
    CTextFile file;
    if (m_strFileName.empty() || !OpenFolderFile(file, playersFolder, m_strFileName,
                                                 "Unable to load %s because of error %d.")) {
        return false;
    }
    ReadPlayerFile(file, false);
    file.Close();
    return true;
}

void CPlayer::ReadPlayerFile(CTextFile& file, bool takeNameFromFile) {
    std::string line;
    file.ReadString(line);
    if (takeNameFromFile) {
        m_strName = line;
    } else if (line != m_strName) {
        platform::MessageBox("Player's name and file name do not match!");
    }
    Clear();

    file.ReadString(line);
    if (line == "Start Saved Games") {
        std::string title, fileName, stem;
        // The end of the file closes the block as well as its end line does.
        while (file.ReadString(title) && title != "End Saved Games") {
            file.ReadString(fileName);
            file.ReadString(stem);
            // A saved game whose file would lie outside the games folder is dropped.
            if (!fileName.empty() && !platform::IsBareFileName(fileName)) {
                continue;
            }
            m_savedGames.push_back(std::make_unique<CSavedGame>(title, fileName, stem));
        }
    }

    file.ReadString(line);
    while (line == "Start Game Stats") {
        while (line != "End Game Stats") {
            auto record = std::make_unique<CMathGameStats>();
            if (!record->Read(file)) {
                return;
            }
            m_stats.push_back(std::move(record));
            if (!file.ReadString(line)) {
                return;
            }
        }
        file.ReadString(line);
    }
}

bool CPlayer::Save(const std::string& playersFolder) {
    return SaveFolderFile(playersFolder, m_strFileName,
                          [this](CTextFile& file) { WritePlayerFile(file); });
}

void CPlayer::WritePlayerFile(CTextFile& file) {
    std::string out = m_strName + "\n";
    if (m_savedGames.empty()) {
        out += "No Saved Games\n";
    } else {
        out += "Start Saved Games\n";
        for (const auto& game : m_savedGames) {
            out +=
                game->m_strTitle + "\n" + game->m_strFileName + "\n" + game->m_strGameStem + "\n";
        }
        out += "End Saved Games\n";
    }
    file.WriteString(out);
    for (const auto& record : m_stats) {
        file.WriteString("Start Game Stats\n");
        record->Write(file);
        file.WriteString("End Game Stats\n");
    }
}

void CPlayer::Clear() {
    CPlayerBase::Clear();
    m_pCurrentStats = nullptr;
    m_savedGames.clear();
    m_stats.clear();
}

CMathGameStats* CPlayer::Current(const char* operation) const {
    if (!m_pCurrentStats) {
        platform::MessageBox(std::string(operation) + " No Stats Class Created!");
    }
    return m_pCurrentStats;
}

void CPlayer::SelectGame(const std::string& title, bool finished) {
    m_pCurrentStats = nullptr;
    for (const auto& record : m_stats) {
        if (record->m_strTitle == title) {
            m_pCurrentStats = record.get();
            break;
        }
    }
    if (!m_pCurrentStats) {
        auto record = std::make_unique<CMathGameStats>();
        record->m_strTitle = title;
        record->m_bFinished = finished ? 1 : 0;
        m_pCurrentStats = record.get();
        m_stats.push_back(std::move(record));
    }
    // Stamped again when the record is next written.
    if (!finished) {
        m_pCurrentStats->m_strLastPlayed.clear();
    }
}

bool CPlayer::SelectStoredGame(const std::string& title) {
    m_pCurrentStats = nullptr;
    for (const auto& record : m_stats) {
        if (record->m_strTitle == title) {
            m_pCurrentStats = record.get();
            return true;
        }
    }
    return false;
}

void CPlayer::ResetStats() {
    if (CMathGameStats* record = Current("ResetStats")) {
        record->Reset();
    }
}

void CPlayer::SetCorrectCount(const std::string& title, int totalCells, int hintsInGame) {
    if (CMathGameStats* record = Current("SetCorrectCount")) {
        record->SetCorrectCount(title, totalCells, hintsInGame);
    }
}

void CPlayer::IncTimesPlayed(bool up) {
    if (CMathGameStats* record = Current("IncTimesPlayed")) {
        record->IncTimesPlayed(up);
    }
}

void CPlayer::Hint(int index) {
    if (CMathGameStats* record = Current("Hint")) {
        record->Hint(index);
    }
}

void CPlayer::CheckAnswer() {
    if (CMathGameStats* record = Current("CheckAnswer")) {
        record->CheckAnswer();
    }
}

void CPlayer::IncErrorsDisplayed() {
    // The game has always reported this one under the check's name.
    if (CMathGameStats* record = Current("CheckAnswer")) {
        record->IncErrorsDisplayed();
    }
}

int CPlayer::GameOver(int cellsMarked, int cellsCorrect) {
    CMathGameStats* record = Current("GameOver");
    if (!record) {
        return 0;
    }
    for (const auto& game : m_savedGames) {
        if (game->m_strTitle == record->m_strTitle) {
            game->m_bFinished = 1;
        }
    }
    return record->GameOver(cellsMarked, cellsCorrect);
}

int CPlayer::GetScore() const {
    CMathGameStats* record = Current("GetScore");
    return record ? record->GetScore() : 0;
}

void CPlayer::GetGameData(int& points, int& average) const {
    points = 0;
    average = 0;
    if (CMathGameStats* record = Current("GetGameData")) {
        record->GetGameData(points, average);
    }
}

int CPlayer::TimesHintTaken() const {
    CMathGameStats* record = Current("TimesHintTaken");
    return record ? record->m_nHintsTaken : 0;
}

int CPlayer::TimesAnswerChecked() const {
    CMathGameStats* record = Current("TimesAnswerChecked");
    return record ? record->m_nAnswerChecks : 0;
}

int CPlayer::TimesPlayed() const {
    return m_pCurrentStats ? m_pCurrentStats->m_nTimesPlayed : 0;
}

bool CPlayer::IsTitleFinished(const std::string& title) const {
    // The record SelectGame would pick decides.
    for (const auto& record : m_stats) {
        if (record->m_strTitle == title) {
            return record->m_bFinished != 0;
        }
    }
    return false;
}

bool CPlayer::IsOfferedSavedGame(const CSavedGame& game) const {
    // A record whose .gme file could never be named holds nothing to continue.
    return !game.m_bFinished && !game.m_strFileName.empty() && !IsTitleFinished(game.m_strTitle);
}

std::vector<const CSavedGame*> CPlayer::OfferedSavedGames() const {
    enum class Title { Unrecorded, Playing, Finished };
    std::vector<const CSavedGame*> offered;
    std::unordered_map<std::string_view, Title> titles;
    for (const auto& game : m_savedGames) {
        if (!game->m_bFinished && !game->m_strFileName.empty()) {
            offered.push_back(game.get());
            titles.emplace(game->m_strTitle, Title::Unrecorded);
        }
    }
    if (offered.empty()) {
        return offered;
    }
    for (const auto& record : m_stats) {
        auto found = titles.find(record->m_strTitle);
        // The first record of a title decides, as in IsTitleFinished.
        if (found != titles.end() && found->second == Title::Unrecorded) {
            found->second = record->m_bFinished != 0 ? Title::Finished : Title::Playing;
        }
    }
    std::erase_if(offered, [&titles](const CSavedGame* game) {
        return titles.at(game->m_strTitle) == Title::Finished;
    });
    return offered;
}

bool CPlayer::HasSavedGames() const {
    return !OfferedSavedGames().empty();
}

bool CPlayer::HasSavedGame(const std::string& title) const {
    for (const auto& game : m_savedGames) {
        if (game->m_strTitle == title && !game->m_bFinished && !game->m_strFileName.empty()) {
            // Every saved game of the title shares its record.
            return !IsTitleFinished(title);
        }
    }
    return false;
}

void CPlayer::SaveGame(const std::string& gamesFolder, const std::string& title,
                       const std::string& gameStem, int first, int second,
                       const std::vector<std::string>& marks, bool solutionShown) {
    CSavedGame* record = nullptr;
    for (auto it = m_savedGames.begin(); it != m_savedGames.end(); ++it) {
        if ((*it)->m_strTitle != title) {
            continue;
        }
        if (solutionShown) {
            // A game whose solution was shown is over: its saved game goes. A record that
            // never got a file has nothing to remove (and must not name the folder itself).
            const std::string& fileName = (*it)->m_strFileName;
            if (platform::IsBareFileName(fileName)) {
                platform::RemoveFile(gamesFolder + fileName);
            }
            m_savedGames.erase(it);
            return;
        }
        record = it->get();
        break;
    }
    // A finished game is never kept as a saved one, not even as an empty reservation: the
    // player file would offer it again in the next run, when the flag is gone.
    if (solutionShown || title.empty()) {
        return;
    }
    if (!record) {
        auto game = std::make_unique<CSavedGame>(title, std::string(), gameStem);
        game->MakeFileName(title, gamesFolder);
        record = game.get();
        m_savedGames.push_back(std::move(game));
    }
    // The file now holds a board in play.
    record->m_bFinished = 0;
    record->Write(gamesFolder, m_strName, first, second, marks);
}

bool CPlayer::LoadSavedGame(const std::string& gamesFolder, const std::string& title, int& first,
                            int& second, std::vector<std::string>& marks) {
    CSavedGame* found = nullptr;
    for (const auto& game : m_savedGames) {
        if (game->m_strTitle == title) {
            found = game.get();
            break;
        }
    }
    for (const auto& record : m_stats) {
        if (record->m_strTitle == title) {
            m_pCurrentStats = record.get();
            break;
        }
    }
    return found ? found->Read(gamesFolder, first, second, marks) : false;
}
