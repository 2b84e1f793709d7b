// SPDX-License-Identifier: MIT
// The logic-grid puzzle document: the puzzle file's picture, grid, answers and hints, and the
// player's marks, with the operations of the board and the game.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "puzzle/DibDoc.h"

class CTextFile;

// One cell of the grid.
struct CGridCell {
    enum State { kEmpty = 0, kFalse = 1, kTrue = 2 };

    CGridCell(int column, int row) : m_nColumn(column), m_nRow(row) {}

    int m_nState = kEmpty;
    int m_nColumn;
    int m_nRow;
};

// Bounds the reader keeps the puzzle's numbers in, so that the pixel position of any cell,
// offset + (index + 1) × cell size, always fits an int.
inline constexpr int kDefaultCellSize = 15;
inline constexpr int kMaxCellSize = 4096;
inline constexpr int kMaxOffset = 1 << 20;
inline constexpr int kMaxCellIndex = 1 << 15;

// A cell key "column,row" or a mark key "column,row,value" taken apart: the column is the
// number before the first comma, the row the number up to the second comma or the end, the
// value the number after the second comma (0 when absent). Column and row are kept within
// ±kMaxCellIndex. rest, when given, gets the text after the second comma (empty when absent).
struct CellKey {
    int column = 0;
    int row = 0;
    int value = 0;
};
CellKey ParseCellKey(std::string_view key, std::string_view* rest = nullptr);
// "%d,%d" and "%d,%d,%d".
std::string MakeCellKey(int column, int row);
std::string MakeMarkKey(int column, int row, int value);

// The puzzle file's keywords.
inline constexpr const char* kOffsets = "Offsets";
inline constexpr const char* kStartGrid = "Start Grid";
inline constexpr const char* kEndGrid = "End Grid";
inline constexpr const char* kStartAnswer = "Start Answer";
inline constexpr const char* kEndAnswer = "End Answer";
inline constexpr const char* kStartHint = "Start Hint";
inline constexpr const char* kEndHint = "End Hint";

inline constexpr const char* kUnableToLoadImage = "Unable to load image file ";

// Puzzle files are a few kilobytes; anything past this is not a puzzle.
inline constexpr unsigned long long kMaxPuzzleFileSize = 1ull << 20;

class CGridDoc : public CDibDoc {
public:
    CGridDoc() = default;

    bool OnNewDocument() override;
    // Reads a puzzle file and its picture. False only when the puzzle file cannot be read;
    // a picture that cannot be loaded is reported and the puzzle opens without it.
    bool OnOpenDocument(const std::string& path) override;
    // Writes the puzzle (not the marks) in the puzzle file format.
    bool OnSaveDocument(const std::string& path) override;
    // Empties cells, answers, marks and hints; offsets, hint count and selection to 0.
    virtual void ClearPuzzle();

    void AddCell(int column, int row);
    bool IsGridCell(int column, int row) const;
    // Empty → "F" → "T" → empty; the cell's key is in the marks exactly while it is "T".
    bool CycleCell(int column, int row);
    // Lists the hints that name the cell as "Hint 2, Hint 5"; returns the hint's number when
    // exactly one line names it, else 0.
    virtual int GetHintsForCell(int column, int row, std::string& text) const;
    bool IsMarked(const std::string& key) const;
    // Keeps, of marks read from a saved game, only those a player could have made: a mark on a
    // cell of the board, one for each cell (the first one read). A board never holds more marks
    // than it has cells, however many a spoiled file lists.
    virtual void TidyMarks();
    // Compares the marks with the answers: true when they are the same set (a mark listed twice
    // counts once). Only when
    // percent is given are it, marked and correct filled in.
    bool CheckAnswer(int* percent = nullptr, int* marked = nullptr, int* correct = nullptr) const;

    // Picture path of a puzzle: the puzzle's folder followed by the picture's name.
    static std::string PicturePath(const std::string& puzzlePath, const std::string& name);

    int m_nHintCount = 0;
    std::string m_strImageName;
    int m_nCellSize = kDefaultCellSize;
    int m_nOffsetX = 0;
    int m_nOffsetY = 0;
    std::vector<CGridCell> m_cells;
    std::vector<std::string> m_answers;
    std::vector<std::string> m_marks;
    std::vector<std::vector<std::string>> m_hints;
    int m_nSelectedHint = 0;
    // Kept for the saved games, which store and restore them; nothing here uses them.
    int m_nFirstNumber = 0;
    int m_nSecondNumber = 0;

    // What the last open had to mend or refuse in the puzzle file, one line each (a cell
    // size below 1, numbers out of bounds, a picture name that is not a bare file name, a
    // cell cut off by the end of the file). The game ignores them; the tool reports them.
    std::vector<std::string> m_readNotes;

protected:
    // The hint blocks, from the reader's position to the end of the file.
    virtual void ReadHints(CTextFile& file);
    virtual bool WriteHints(CTextFile& file) const;
    // Whether WriteHints writes any block (empty hints are dropped).
    virtual bool HasHintsToWrite() const;
    // The hint list of GetHintsForCell: lines equal to the cell's key, or (byColumnAndRow)
    // lines whose column and row are the cell's.
    int ListHintsForCell(int column, int row, std::string& text, bool byColumnAndRow) const;

    // Reads lines into list until the end marker or the end of the file; true at the marker.
    static bool ReadBlock(CTextFile& file, const char* endMarker, std::vector<std::string>& list);

private:
    void ReadPuzzle(CTextFile& file, const std::string& path);
    void LoadPicture(const std::string& puzzlePath);
    int Bounded(int value, int low, int high, const char* what);
};
