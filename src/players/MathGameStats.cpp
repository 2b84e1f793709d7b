// SPDX-License-Identifier: MIT
// The statistics record of one math game title: counts, score, time texts and file lines.
#include "players/MathGameStats.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "platform/Clock.h"
#include "platform/TextFile.h"

namespace {

int ClampToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// A counter of a record read from a file may already sit at the end of its range.
void Step(int& counter, int by) {
    counter = ClampToInt(static_cast<long long>(counter) + by);
}

int ClampHints(int hints) {
    return std::clamp(hints, 0, CMathGameStats::kMaxHintsInGame);
}

// Points per hint or check: 30 shared among the game's hints and cells, at least one. A game
// with no hints and no cells (never a loaded puzzle) costs one point rather than dividing by 0.
long long PointsPerItem(long long items) {
    long long points = items > 0 ? 30 / items : 1;
    return points == 0 ? 1 : points;
}

}  // namespace

std::string LastPlayedText() {
    return platform::FormatTime("Last played this game on %A, %m/%d/%y at %I:%M %p",
                                platform::LocalTimeNow());
}

std::string FinishedText() {
    return platform::FormatTime("Finished this game on %A, %m/%d/%y at %I:%M %p",
                                platform::LocalTimeNow());
}

void CMathGameStats::AppendReport(std::string& output, bool useCrLf) const {
    const char* eol = useCrLf ? "\r\n" : "\n";
    auto line = [&](const char* label, int value) {
        output += label;
        output += std::to_string(value);
        output += eol;
    };
    line("Number of times game played: ", m_nTimesPlayed);
    output += m_strLastPlayed;
    output += eol;
    output += eol;
    line("Score: ", m_nScore);
    line("Number of times errors displayed: ", m_nErrorsDisplayed);
    line("Number of times answer checked: ", m_nAnswerChecks);
    line("Number of hints in game: ", m_nHintsInGame);
    line("Number of hints player took: ", m_nHintsTaken);
    line("Total cells in game: ", m_nTotalCells);
    line("Number of cells marked: ", m_nCellsMarked);
    line("Number of cells correctly marked: ", m_nCellsCorrect);
}

void CMathGameStats::Reset() {
    m_strTitle.clear();
    m_strLastPlayed.clear();
    m_strExtra.clear();
    m_bFinished = 0;
    m_nCellsCorrect = 0;
    m_nCellsMarked = 0;
    m_nTotalCells = 0;
    m_nHintsTaken = 0;
    m_nHintsInGame = 0;
    m_nAnswerChecks = 0;
    m_nErrorsDisplayed = 0;
    m_nScore = 1;
}

bool CMathGameStats::Read(CTextFile& file) {
    std::string line;
    bool any = file.ReadString(m_strTitle);
    file.ReadString(m_strLastPlayed);
    file.ReadString(m_strExtra);
    file.ReadString(line);
    m_bFinished = line == "FALSE" ? 0 : 1;
    int* const numbers[] = {&m_nTimesPlayed,  &m_nCellsCorrect,    &m_nCellsMarked,
                            &m_nTotalCells,   &m_nHintsTaken,      &m_nHintsInGame,
                            &m_nAnswerChecks, &m_nErrorsDisplayed, &m_nScore};
    for (int* number : numbers) {
        file.ReadString(line);
        *number = CTextFile::Atoi(line);
    }
    m_nHintsInGame = ClampHints(m_nHintsInGame);
    m_hintTaken.assign(static_cast<size_t>(m_nHintsInGame), 0);
    for (uint16_t& flag : m_hintTaken) {
        // Missing flag lines read as not taken; no need to read on past the end.
        if (!file.ReadString(line)) {
            break;
        }
        flag = line == "TRUE" ? 1 : 0;
    }
    return any;
}

void CMathGameStats::Write(CTextFile& file) {
    if (m_strLastPlayed.empty()) {
        m_strLastPlayed = LastPlayedText();
    }
    std::string out;
    auto text = [&](const std::string& s) {
        out += s;
        out += '\n';
    };
    text(m_strTitle);
    text(m_strLastPlayed);
    text(m_strExtra);
    text(m_bFinished ? "TRUE" : "FALSE");
    for (int number :
         {m_nTimesPlayed, m_nCellsCorrect, m_nCellsMarked, m_nTotalCells, m_nHintsTaken,
          m_nHintsInGame, m_nAnswerChecks, m_nErrorsDisplayed, m_nScore}) {
        text(std::to_string(number));
    }
    if (m_hintTaken.size() == static_cast<size_t>(std::max(m_nHintsInGame, 0))) {
        for (uint16_t flag : m_hintTaken) {
            text(flag == 1 ? "TRUE" : "FALSE");
        }
    }
    file.WriteString(out);
}

void CMathGameStats::SetCorrectCount(const std::string& title, int totalCells, int hintsInGame) {
    m_strTitle = title;
    m_nTotalCells = totalCells;
    m_nHintsInGame = ClampHints(hintsInGame);
    m_hintTaken.assign(static_cast<size_t>(m_nHintsInGame), 0);
}

void CMathGameStats::Hint(int index) {
    if (m_bFinished || index < 0 || static_cast<size_t>(index) >= m_hintTaken.size() ||
        m_hintTaken[static_cast<size_t>(index)] != 0) {
        return;
    }
    m_hintTaken[static_cast<size_t>(index)] = 1;
    Step(m_nHintsTaken, 1);
}

void CMathGameStats::CheckAnswer() {
    if (!m_bFinished) {
        Step(m_nAnswerChecks, 1);
    }
}

void CMathGameStats::IncErrorsDisplayed() {
    if (!m_bFinished) {
        Step(m_nErrorsDisplayed, 1);
    }
}

void CMathGameStats::IncTimesPlayed(bool up) {
    Step(m_nTimesPlayed, up ? 1 : -1);
}

void CMathGameStats::GetGameData(int& points, int& average) const {
    long long items = static_cast<long long>(m_nHintsInGame) + m_nTotalCells;
    long long perItem = PointsPerItem(items);
    points = ClampToInt(perItem);
    average = ClampToInt(100 - items * perItem);
}

int CMathGameStats::GameOver(int cellsMarked, int cellsCorrect) {
    m_nCellsCorrect = cellsCorrect;
    m_nCellsMarked = cellsMarked;
    long long points = PointsPerItem(static_cast<long long>(m_nHintsInGame) + m_nTotalCells);
    long long score = 1;
    // A game without cells has nothing to share the points among: it scores the minimum.
    if (cellsCorrect != 0 && m_nTotalCells != 0) {
        long long raw = 100 - (static_cast<long long>(m_nAnswerChecks) + m_nHintsTaken) * points;
        // Divided first, multiplied after, as the score has always been computed.
        double share = static_cast<double>(raw) / m_nTotalCells * cellsCorrect;
        score = static_cast<long long>(std::trunc(std::clamp(share, -1e15, 1e15)));
        score -= 5LL * m_nErrorsDisplayed;
        if (score <= 0) {
            score = 1;
        }
    }
    m_nScore = ClampToInt(score);
    m_bFinished = 1;
    m_strLastPlayed = FinishedText();
    return m_nScore;
}

int CMathGameStats::GetScore() {
    if (m_nScore < 1) {
        m_nScore = 1;
    }
    return m_nScore;
}
