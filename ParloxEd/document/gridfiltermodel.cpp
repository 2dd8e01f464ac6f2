#include "gridfiltermodel.h"

#include "documentsearch.h"
#include "tablegridmodel.h"

#include <algorithm>

namespace ParloxEd {

GridFilterModel::GridFilterModel(TableGridModel *grid, QObject *parent)
    : QAbstractProxyModel(parent), m_grid(grid)
{
    setSourceModel(grid);
    followGrid();
}

void GridFilterModel::followGrid()
{
    connect(m_grid, &QAbstractItemModel::modelAboutToBeReset, this,
            &GridFilterModel::beginResetModel);
    connect(m_grid, &QAbstractItemModel::modelReset, this, [this] {
        refilter(false);
        endResetModel();
    });
    connect(m_grid, &QAbstractItemModel::dataChanged, this, &GridFilterModel::forwardDataChanged);
    connect(m_grid, &QAbstractItemModel::headerDataChanged, this,
            &GridFilterModel::headerDataChanged);
}

void GridFilterModel::setText(const QString &text)
{
    if (text == m_text)
        return;
    const bool narrowing = !m_text.isEmpty() && text.contains(m_text, Qt::CaseInsensitive);
    beginResetModel();
    m_text = text;
    m_matcher = TextMatcher(text);
    refilter(narrowing);
    endResetModel();
}

void GridFilterModel::refilter(bool narrowing)
{
    if (showsAll()) {
        m_rows = {};
        return;
    }
    QList<int> kept;
    if (narrowing) {
        for (const int row : std::as_const(m_rows)) {
            if (accepts(row))
                kept.append(row);
        }
    } else {
        for (int row = 0; row < m_grid->rowCount(); ++row) {
            if (accepts(row))
                kept.append(row);
        }
    }
    m_rows = std::move(kept);
}

bool GridFilterModel::accepts(int gridRow) const
{
    const QStringList &lines = m_grid->lines();
    const qsizetype languages = m_grid->languageCount();
    for (int col = 0; col <= languages; ++col) {
        const qsizetype line = TableGridModel::lineFor(lines.size(), languages, col, gridRow);
        if (line >= 0 && DocumentSearch::cellContains(lines.at(line), col, m_matcher))
            return true;
    }
    return false;
}

int GridFilterModel::rowOf(int gridRow) const
{
    if (showsAll())
        return gridRow;
    const auto found = std::lower_bound(m_rows.cbegin(), m_rows.cend(), gridRow);
    return found != m_rows.cend() && *found == gridRow ? int(found - m_rows.cbegin()) : -1;
}

void GridFilterModel::forwardDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                         const QList<int> &roles)
{
    if (showsAll())
        return emit dataChanged(index(topLeft.row(), topLeft.column()),
                                index(bottomRight.row(), bottomRight.column()), roles);
    const auto first = std::lower_bound(m_rows.cbegin(), m_rows.cend(), topLeft.row());
    const auto last = std::upper_bound(first, m_rows.cend(), bottomRight.row());
    if (first != last)
        emit dataChanged(index(int(first - m_rows.cbegin()), topLeft.column()),
                         index(int(last - m_rows.cbegin()) - 1, bottomRight.column()), roles);
}

int GridFilterModel::gridRow(const QModelIndex &index) const
{
    const QModelIndex source = mapToSource(index);
    return source.isValid() ? source.row() : -1;
}

QModelIndex GridFilterModel::mapToSource(const QModelIndex &proxyIndex) const
{
    if (!proxyIndex.isValid() || proxyIndex.model() != this)
        return {};
    const int row = showsAll() ? proxyIndex.row() : m_rows.value(proxyIndex.row(), -1);
    return row < 0 ? QModelIndex() : m_grid->index(row, proxyIndex.column());
}

QModelIndex GridFilterModel::mapFromSource(const QModelIndex &sourceIndex) const
{
    if (!sourceIndex.isValid() || sourceIndex.model() != m_grid)
        return {};
    const int row = rowOf(sourceIndex.row());
    return row < 0 ? QModelIndex() : index(row, sourceIndex.column());
}

QModelIndex GridFilterModel::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return {};
    return createIndex(row, column);
}

QModelIndex GridFilterModel::parent(const QModelIndex &child) const
{
    static_cast<void>(child);
    return {};
}

int GridFilterModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return showsAll() ? m_grid->rowCount() : int(m_rows.size());
}

int GridFilterModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_grid->columnCount();
}

QVariant GridFilterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal)
        return m_grid->headerData(section, orientation, role);
    return QAbstractProxyModel::headerData(section, orientation, role);
}

} // namespace ParloxEd
