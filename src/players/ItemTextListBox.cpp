// SPDX-License-Identifier: MIT
// The sorted list box whose every item carries a second, hidden text (a player's file name, a
// saved game's stem).
#include "players/ItemTextListBox.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "platform/Cp1252.h"

namespace {

// The item's texts exactly as the files hold them, whatever the screen made of them.
constexpr int kShownRole = Qt::UserRole;
constexpr int kHiddenRole = Qt::UserRole + 1;
constexpr int kDataRole = Qt::UserRole + 2;

class QuietScope {
public:
    explicit QuietScope(bool& flag) : m_flag(flag), m_old(flag) { m_flag = true; }
    ~QuietScope() { m_flag = m_old; }
    QuietScope(const QuietScope&) = delete;
    QuietScope& operator=(const QuietScope&) = delete;

private:
    bool& m_flag;
    bool m_old;
};

// The list's order: case-insensitive, as the player reads the names.
bool SortsBefore(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

QListWidgetItem* NewItem(const std::string& shown) {
    auto* added = new QListWidgetItem(platform::FromCp1252(shown));
    added->setData(kShownRole, QByteArray::fromStdString(shown));
    return added;
}

}  // namespace

CItemTextListBox::CItemTextListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_bQuiet) {
            emit SelChange();
        }
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { emit DblClk(); });
}

int CItemTextListBox::AddString(const std::string& shown) {
    QListWidgetItem* added = NewItem(shown);
    const QString text = added->text();
    // A binary search for the first item that sorts after the text; the list is kept in
    // this order, so that is where the walk from the top would have stopped.
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (SortsBefore(text, item(middle)->text())) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    QuietScope quiet(m_bQuiet);
    insertItem(low, added);
    return low;
}

void CItemTextListBox::AddItems(const std::vector<ItemText>& items) {
    QuietScope quiet(m_bQuiet);
    using Entry = std::pair<QString, QListWidgetItem*>;
    std::vector<Entry> listed(static_cast<size_t>(count()));
    const QList<QListWidgetItem*> selected = selectedItems();
    QListWidgetItem* current = currentItem();
    // Taken out from the end, which moves nothing; put back in one pass below.
    for (int i = count() - 1; i >= 0; --i) {
        QListWidgetItem* taken = takeItem(i);
        listed[static_cast<size_t>(i)] = {taken->text(), taken};
    }
    std::vector<Entry> added;
    added.reserve(items.size());
    for (const ItemText& text : items) {
        QListWidgetItem* it = NewItem(text.shown);
        it->setData(kHiddenRole, QByteArray::fromStdString(text.hidden));
        if (text.data != 0) {
            it->setData(kDataRole, text.data);
        }
        added.emplace_back(it->text(), it);
    }
    auto before = [](const Entry& a, const Entry& b) { return SortsBefore(a.first, b.first); };
    // Equal texts stay in the order they came, the ones already listed first.
    std::stable_sort(added.begin(), added.end(), before);
    std::vector<Entry> all;
    all.reserve(listed.size() + added.size());
    std::merge(listed.begin(), listed.end(), added.begin(), added.end(), std::back_inserter(all),
               before);
    for (const Entry& entry : all) {
        addItem(entry.second);
    }
    // Taking items out moved the current item and the selection; both go back where they were.
    clearSelection();
    setCurrentItem(current, QItemSelectionModel::NoUpdate);
    for (QListWidgetItem* it : selected) {
        it->setSelected(true);
    }
}

int CItemTextListBox::AddItem(const std::string& shown, const std::string& hidden) {
    int index = AddString(shown);
    if (index < 0) {
        return -1;
    }
    item(index)->setData(kHiddenRole, QByteArray::fromStdString(hidden));
    return index;
}

int CItemTextListBox::GetItem(int index, std::string& shown, std::string& hidden) const {
    const QListWidgetItem* it = item(index);
    if (!it) {
        return 0;
    }
    shown = it->data(kShownRole).toByteArray().toStdString();
    hidden = it->data(kHiddenRole).toByteArray().toStdString();
    return 1;
}

void CItemTextListBox::SetItemData(int index, qint64 data) {
    if (QListWidgetItem* it = item(index)) {
        it->setData(kDataRole, data);
    }
}

qint64 CItemTextListBox::GetItemData(int index) const {
    const QListWidgetItem* it = item(index);
    return it ? it->data(kDataRole).toLongLong() : -1;
}

int CItemTextListBox::GetCurSel() const {
    std::vector<int> selected = GetSelItems();
    return selected.empty() ? -1 : selected.front();
}

void CItemTextListBox::SetCurSel(int index) {
    QuietScope quiet(m_bQuiet);
    if (index >= 0 && index < count()) {
        setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    } else {
        clearSelection();
        setCurrentItem(nullptr, QItemSelectionModel::NoUpdate);
    }
}

std::vector<int> CItemTextListBox::GetSelItems() const {
    std::vector<int> rows;
    for (const QListWidgetItem* it : selectedItems()) {
        rows.push_back(row(it));
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

int CItemTextListBox::SelectString(const std::string& prefix) {
    QString text = platform::FromCp1252(prefix);
    for (int i = 0; i < count(); ++i) {
        if (item(i)->text().startsWith(text, Qt::CaseInsensitive)) {
            SetCurSel(i);
            scrollToItem(item(i));
            return i;
        }
    }
    return -1;
}

int CItemTextListBox::FindStringExact(const std::string& text) const {
    QString wanted = platform::FromCp1252(text);
    for (int i = 0; i < count(); ++i) {
        if (QString::compare(item(i)->text(), wanted, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

void CItemTextListBox::DeleteString(int index) {
    QuietScope quiet(m_bQuiet);
    delete takeItem(index);
}
