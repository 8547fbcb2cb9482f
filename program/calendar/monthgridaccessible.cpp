// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthgridaccessible.h"

#include "monthgrid.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QTableView>

namespace {

constexpr int kRows = 6;
constexpr int kColumns = 7;

// The grid a day view belongs to, while both are whole: a view or a grid
// being built or torn down (no longer of its own class) has none.
MonthGrid *gridOf(const QObject *view)
{
    if (!qobject_cast<const QTableView *>(view))
        return nullptr;
    for (QObject *o = view->parent(); o; o = o->parent()) {
        if (auto *grid = qobject_cast<MonthGrid *>(o))
            return grid;
    }
    return nullptr;
}

class DayTable;

// One day cell. Cells are not objects of their own: each is made on first
// request, registered with QAccessible and deleted with its table.
class DayCell : public QAccessibleInterface,
                public QAccessibleTableCellInterface,
                public QAccessibleActionInterface {
public:
    DayCell(QTableView *view, int row, int column) : m_view(view), m_row(row), m_column(column) {}

    bool isValid() const override { return view() != nullptr; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return isValid() ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return isValid() ? QAccessible::queryAccessibleInterface(m_view.data()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        MonthGrid *grid = gridOf(m_view);
        if (!grid)
            return {};
        if (t == QAccessible::Name)
            return grid->cellName(m_row, m_column);
        if (t == QAccessible::Value) {
            const QDate date = grid->cellDate(m_row, m_column);
            return date.isValid() ? QString::number(date.day()) : QString();
        }
        return {};
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        QTableView *v = view();
        if (!v || !v->model())
            return {};
        const QRect r = v->visualRect(v->model()->index(m_row, m_column));
        return QRect(v->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        MonthGrid *grid = gridOf(m_view);
        if (!grid)
            return s;
        const QDate date = grid->cellDate(m_row, m_column);
        s.disabled = !date.isValid() || grid->cellMonthOffset(m_row, m_column) != 0;
        s.selectable = !s.disabled;
        s.selected = !s.disabled && grid->isSelectionVisible() && date == grid->selectedDate();
        s.invisible = !view()->isVisible();
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface *>(this);
        if (t == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }

    // Table cell.
    bool isSelected() const override { return state().selected; }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

    // Press chooses the day, as a click does; the neighbours' days have no action.
    QStringList actionNames() const override
    {
        return state().disabled ? QStringList() : QStringList{pressAction()};
    }
    void doAction(const QString &action) override
    {
        MonthGrid *grid = gridOf(m_view);
        if (action != pressAction() || !grid || state().disabled)
            return;
        grid->chooseDay(grid->cellDate(m_row, m_column).day());
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    // The day view while it and its grid are whole, else nullptr.
    QTableView *view() const { return gridOf(m_view.data()) ? m_view.data() : nullptr; }

    QPointer<QTableView> m_view;
    int m_row;
    int m_column;
};

// The day table of the grid's calendar widget.
class DayTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit DayTable(QTableView *view) : QAccessibleWidget(view, QAccessible::Table) {}
    ~DayTable() override
    {
        for (QAccessible::Id id : std::as_const(m_cells))
            QAccessible::deleteAccessibleInterface(id);
    }

    // The view while it and its grid are whole, else nullptr.
    QTableView *view() const
    {
        QObject *o = object();
        return gridOf(o) ? static_cast<QTableView *>(o) : nullptr;
    }
    bool isValid() const override { return view() != nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (t == QAccessible::Name)
            return QStringLiteral("Kuu päevad");
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return isValid() ? kRows * kColumns : 0; }
    QAccessibleInterface *child(int index) const override
    {
        if (!isValid() || index < 0 || index >= kRows * kColumns)
            return nullptr;
        return cellAt(index / kColumns, index % kColumns);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child || child->role() != QAccessible::Cell)
            return -1;
        for (auto it = m_cells.cbegin(); it != m_cells.cend(); ++it) {
            if (QAccessible::accessibleInterface(it.value()) == child)
                return it.key();
        }
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        QTableView *v = view();
        if (!v)
            return nullptr;
        const QPoint p = v->viewport()->mapFromGlobal(QPoint(x, y));
        const QModelIndex index = v->indexAt(p);
        return index.isValid() ? cellAt(index.row(), index.column()) : nullptr;
    }
    QAccessibleInterface *focusChild() const override { return nullptr; }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // Table.
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        if (!isValid() || row < 0 || row >= kRows || column < 0 || column >= kColumns)
            return nullptr;
        const int index = row * kColumns + column;
        auto it = m_cells.constFind(index);
        if (it != m_cells.cend())
            return QAccessible::accessibleInterface(it.value());
        auto *cell = new DayCell(view(), row, column);
        m_cells.insert(index, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    int selectedCellCount() const override { return selectedCells().size(); }
    QList<QAccessibleInterface *> selectedCells() const override
    {
        QList<QAccessibleInterface *> cells;
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface *cell = child(i);
            if (cell && cell->state().selected)
                cells << cell;
        }
        return cells;
    }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int columnCount() const override { return isValid() ? kColumns : 0; }
    int rowCount() const override { return isValid() ? kRows : 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    mutable QHash<int, QAccessible::Id> m_cells;
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    auto *view = qobject_cast<QTableView *>(object);
    if (!view || view->objectName() != QLatin1String("qt_calendar_calendarview") || !gridOf(view))
        return nullptr;
    return new DayTable(view);
}

} // namespace

namespace monthgridaccessible {

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(factory);
}

} // namespace monthgridaccessible
