// SPDX-License-Identifier: MIT
// The board as a table for assistive technology.
#include "board/BoardAccessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <map>

#include "board/GridView.h"
#include "platform/Cp1252.h"
#include "puzzle/GridDoc.h"

namespace board {
namespace {

class CBoardCellAccessible;

class CBoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit CBoardAccessible(CGridView* view) : QAccessibleWidget(view, QAccessible::Table) {}
    ~CBoardAccessible() override {
        for (const auto& entry : m_cells) {
            QAccessible::deleteAccessibleInterface(entry.second);
        }
    }

    CGridView* View() const { return static_cast<CGridView*>(widget()); }
    CellMap Map() const {
        const CGridDoc* doc = View()->GetDocument();
        return doc ? CellMap(*doc) : CellMap(CGridDoc());
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return QStringLiteral("Board");
        }
        if (t == QAccessible::Description) {
            const CGridDoc* doc = View()->GetDocument();
            return doc ? platform::FromCp1252(doc->GetTitle()) : QString();
        }
        return QAccessibleWidget::text(t);
    }
    int childCount() const override {
        CellMap map = Map();
        return map.Rows() * map.Columns();
    }
    QAccessibleInterface* child(int index) const override {
        int columns = Map().Columns();
        if (index < 0 || index >= childCount() || columns == 0) {
            return nullptr;
        }
        return cellAt(index / columns, index % columns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override {
        Hit hit = View()->HitTest(View()->viewport()->mapFromGlobal(QPoint(x, y)));
        return hit.hit ? cellAt(hit.row, hit.column) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        std::optional<CellPos> cursor = View()->Cursor();
        return cursor && View()->hasFocus() ? cellAt(cursor->row, cursor->column) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(t);
    }

    // The table.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override {
        return QStringLiteral("column %1").arg(column + 1);
    }
    QString rowDescription(int row) const override { return QStringLiteral("row %1").arg(row + 1); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Map().Columns(); }
    int rowCount() const override { return Map().Rows(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    // The cells made so far, kept for the table's life as Qt expects.
    mutable std::map<std::pair<int, int>, QAccessible::Id> m_cells;
};

class CBoardCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CBoardCellAccessible(CGridView* view, CellPos pos) : m_pView(view), m_pos(pos) {}

    bool isValid() const override { return !m_pView.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return m_pView ? m_pView->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return m_pView ? QAccessible::queryAccessibleInterface(m_pView.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        const CGridDoc* doc = m_pView ? m_pView->GetDocument() : nullptr;
        if (!doc) {
            return QString();
        }
        CellMap map(*doc);
        switch (t) {
            case QAccessible::Name:
                return platform::FromCp1252(CellName(*doc, map, m_pos));
            case QAccessible::Description:
                return QString::fromStdString(map.AnswerStarts(m_pos));
            case QAccessible::Value: {
                std::optional<std::string> mark = CellMark(*doc, m_pos);
                return mark ? platform::FromCp1252(*mark) : QString();
            }
            default:
                return QString();
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return m_pView ? m_pView->CellScreenRect(m_pos) : QRect(); }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s;
        const CGridDoc* doc = m_pView ? m_pView->GetDocument() : nullptr;
        bool white = doc && CellMap(*doc).IsWhite(m_pos);
        s.focusable = white;
        s.focused = white && m_pView->hasFocus() && m_pView->Cursor() == m_pos;
        s.readOnly = !white || m_pView->Modes().m_bShowSolution;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_pos.column; }
    int rowIndex() const override { return m_pos.row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    CellPos Pos() const { return m_pos; }

private:
    QPointer<CGridView> m_pView;
    CellPos m_pos;
};

QAccessibleInterface* CBoardAccessible::cellAt(int row, int column) const {
    CellMap map = Map();
    if (row < 0 || column < 0 || row >= map.Rows() || column >= map.Columns()) {
        return nullptr;
    }
    auto key = std::make_pair(row, column);
    auto found = m_cells.find(key);
    if (found != m_cells.end()) {
        if (QAccessibleInterface* cell = QAccessible::accessibleInterface(found->second)) {
            return cell;
        }
    }
    auto* cell = new CBoardCellAccessible(View(), CellPos{column, row});
    m_cells[key] = QAccessible::registerAccessibleInterface(cell);
    return cell;
}

int CBoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* cell = dynamic_cast<const CBoardCellAccessible*>(child);
    if (!cell) {
        return -1;
    }
    return AccessibleCellIndex(*View(), cell->Pos());
}

QAccessibleInterface* BoardFactory(const QString&, QObject* object) {
    if (auto* view = qobject_cast<CGridView*>(object)) {
        return new CBoardAccessible(view);
    }
    return nullptr;
}

void Notify(CGridView* view, CellPos pos, QAccessible::Event type) {
    int index = AccessibleCellIndex(*view, pos);
    if (index < 0) {
        return;
    }
    if (type == QAccessible::ValueChanged) {
        const CGridDoc* doc = view->GetDocument();
        std::optional<std::string> mark = CellMark(*doc, pos);
        QAccessibleValueChangeEvent event(view, mark ? platform::FromCp1252(*mark) : QString());
        event.setChild(index);
        QAccessible::updateAccessibility(&event);
        return;
    }
    QAccessibleEvent event(view, type);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

void InstallBoardAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(BoardFactory);
        return true;
    }();
    (void)installed;
}

int AccessibleCellIndex(const CGridView& view, CellPos pos) {
    const CGridDoc* doc = view.GetDocument();
    if (!doc) {
        return -1;
    }
    CellMap map(*doc);
    if (pos.row < 0 || pos.column < 0 || pos.row >= map.Rows() || pos.column >= map.Columns()) {
        return -1;
    }
    return pos.row * map.Columns() + pos.column;
}

// Qt passes the events on only while assistive technology listens.
void NotifyCellFocus(CGridView* view, CellPos pos) {
    Notify(view, pos, QAccessible::Focus);
}

void NotifyCellValue(CGridView* view, CellPos pos) {
    Notify(view, pos, QAccessible::ValueChanged);
    Notify(view, pos, QAccessible::NameChanged);
}

}  // namespace board
