// SPDX-License-Identifier: MIT
// The sorted list box whose every item carries a second, hidden text (a player's file name, a
// saved game's stem).
#pragma once

#include <QListWidget>
#include <string>
#include <vector>

// One item to add: its shown text, its hidden text, and the number kept with it.
struct ItemText {
    std::string shown;
    std::string hidden;
    qint64 data = 0;  // what an item never given a number gives back
};

class CItemTextListBox : public QListWidget {
    Q_OBJECT

public:
    explicit CItemTextListBox(QWidget* parent = nullptr);

    // Adds a shown text at its alphabetical place (case-insensitive), after every item equal
    // to it; returns its index.
    int AddString(const std::string& shown);
    // Adds a shown text with its hidden text; returns the index, or -1 when nothing was added.
    virtual int AddItem(const std::string& shown, const std::string& hidden);
    // Adds every item where one AddItem after another would put it, sorting once: a list of
    // thousands of players or saved games fills as fast as it is read. Items already listed
    // keep their selection.
    void AddItems(const std::vector<ItemText>& items);
    // Both texts of an item; 1, or 0 for an index outside the list.
    virtual int GetItem(int index, std::string& shown, std::string& hidden) const;

    // A number kept with an item, for lists whose items stand for records.
    void SetItemData(int index, qint64 data);
    qint64 GetItemData(int index) const;

    int GetCount() const { return count(); }
    // The selected item of a single-selection list, or -1.
    int GetCurSel() const;
    // Selects an item, or clears the selection with -1. Not a selection change of the user's.
    void SetCurSel(int index);
    // The selected items, in ascending order.
    std::vector<int> GetSelItems() const;
    // Selects the first item from the top that begins with the text, case-insensitive, and
    // returns it; -1 leaves the selection as it was.
    int SelectString(const std::string& prefix);
    // The first item equal to the text, case-insensitive, or -1.
    int FindStringExact(const std::string& text) const;
    void DeleteString(int index);

signals:
    // The user changed the selection (never sent for the calls above).
    void SelChange();
    // The user double-clicked an item.
    void DblClk();

private:
    bool m_bQuiet = false;
};
