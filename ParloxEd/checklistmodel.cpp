#include "checklistmodel.h"

#include "tablegridmodel.h"
#include "warningtexts.h"

#include <algorithm>

namespace ParloxEd {

namespace ValueChecks = Parlox::ValueChecks;

CheckListModel::CheckListModel(const TableGridModel &grid, TextLookup lookup, QObject *parent)
    : QAbstractTableModel(parent), m_grid(grid), m_lookup(std::move(lookup))
{
    follow();
    recheckAll();
}

void CheckListModel::follow()
{
    const auto all = [this] { recheckAll(); };
    connect(&m_grid, &QAbstractItemModel::modelReset, this, all);
    connect(&m_grid, &QAbstractItemModel::columnsInserted, this, all);
    connect(&m_grid, &QAbstractItemModel::columnsRemoved, this, all);
    connect(&m_grid, &QAbstractItemModel::rowsInserted, this, all);
    connect(&m_grid, &QAbstractItemModel::rowsRemoved, this, all);
    connect(&m_grid, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                recheckEntries(topLeft.row(), bottomRight.row());
            });
    // The names of the languages show in every row.
    connect(&m_grid, &QAbstractItemModel::headerDataChanged, this, [this] {
        if (!m_items.isEmpty())
            emit dataChanged(index(0, int(Column::Language)),
                             index(rowCount() - 1, int(Column::Warning)));
    });
}

QList<CheckListModel::Item>
CheckListModel::itemsOf(const QList<ValueChecks::Warning> &warnings) const
{
    QList<Item> items;
    for (const ValueChecks::Warning &warning : warnings) {
        for (const ValueChecks::Check check : ValueChecks::AllChecks) {
            if (warning.failed.testFlag(check))
                items.append({warning.entry, warning.language, check});
        }
    }
    return items;
}

void CheckListModel::recheckAll()
{
    beginResetModel();
    m_items = itemsOf(ValueChecks::checkTable(m_grid.lines(), m_grid.languageCount()));
    endResetModel();
}

void CheckListModel::recheckEntries(qsizetype first, qsizetype last)
{
    QList<ValueChecks::Warning> warnings;
    for (qsizetype entry = first; entry <= last; ++entry)
        warnings += ValueChecks::checkEntry(m_grid.lines(), m_grid.languageCount(), entry);
    const QList<Item> fresh = itemsOf(warnings);
    const auto byEntry = [](const Item &item, qsizetype entry) { return item.entry < entry; };
    const auto from = std::lower_bound(m_items.cbegin(), m_items.cend(), first, byEntry);
    const auto to = std::lower_bound(from, m_items.cend(), last + 1, byEntry);
    const int at = int(from - m_items.cbegin());
    const int stale = int(to - from);
    if (stale > 0) {
        beginRemoveRows({}, at, at + stale - 1);
        m_items.remove(at, stale);
        endRemoveRows();
    }
    if (!fresh.isEmpty()) {
        beginInsertRows({}, at, at + int(fresh.size()) - 1);
        m_items.insert(at, fresh.size(), {});
        std::copy(fresh.cbegin(), fresh.cend(), m_items.begin() + at);
        endInsertRows();
    }
}

void CheckListModel::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (!m_items.isEmpty())
        emit dataChanged(index(0, int(Column::Warning)),
                         index(rowCount() - 1, int(Column::Warning)));
}

CheckListModel::Cell CheckListModel::cellAt(int row) const
{
    const Item &item = m_items.at(row);
    return {int(item.entry), int(item.language) + int(TableGridModel::Column::FirstLanguage)};
}

int CheckListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_items.size());
}

int CheckListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(Column::Warning) + 1;
}

QString CheckListModel::text(const Item &item, Column column) const
{
    const int firstLanguage = int(TableGridModel::Column::FirstLanguage);
    switch (column) {
    case Column::Key:
        return m_grid.cell(int(TableGridModel::Column::Key), int(item.entry) + 1);
    case Column::Language:
        return m_grid.cell(firstLanguage + int(item.language), 0);
    case Column::Warning:
        return warningTexts(item.check, m_grid.cell(firstLanguage, 0), m_lookup).value(0);
    }
    return {};
}

QVariant CheckListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Item &item = m_items.at(index.row());
    if (role == Qt::DisplayRole)
        return text(item, Column(index.column()));
    // The value itself, which the list does not show.
    if (role == Qt::ToolTipRole) {
        const Cell cell = cellAt(index.row());
        return m_grid.cell(cell.column, cell.row + 1);
    }
    return {};
}

QVariant CheckListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (Column(section)) {
    case Column::Key:
        return m_lookup(QStringLiteral("COLUMN_KEY"));
    case Column::Language:
        return m_lookup(QStringLiteral("CHECKS_LANGUAGE"));
    case Column::Warning:
        return m_lookup(QStringLiteral("CHECKS_WARNING"));
    }
    return {};
}

} // namespace ParloxEd
