// SPDX-License-Identifier: MIT
// The sorted list box whose every item carries a second, hidden text (a player's file name, a
// saved game's stem).
#include "players/ItemTextListBox.h"

#include <algorithm>

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
    QString text = platform::FromCp1252(shown);
    int index = count();
    for (int i = 0; i < count(); ++i) {
        if (QString::compare(item(i)->text(), text, Qt::CaseInsensitive) > 0) {
            index = i;
            break;
        }
    }
    auto* added = new QListWidgetItem(text);
    added->setData(kShownRole, QByteArray::fromStdString(shown));
    QuietScope quiet(m_bQuiet);
    insertItem(index, added);
    return index;
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
