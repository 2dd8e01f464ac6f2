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
        m_entries = {};
        return;
    }
    QList<int> kept;
    if (narrowing) {
        for (const int entry : std::as_const(m_entries)) {
            if (accepts(entry))
                kept.append(entry);
        }
    } else {
        for (int entry = 0; entry < m_grid->rowCount(); ++entry) {
            if (accepts(entry))
                kept.append(entry);
        }
    }
    m_entries = std::move(kept);
}

bool GridFilterModel::accepts(int entry) const
{
    const PackedLines &lines = m_grid->lines();
    const qsizetype languages = m_grid->languageCount();
    for (int col = 0; col <= languages; ++col) {
        const qsizetype line = TableGridModel::lineFor(lines.size(), languages, col, entry);
        if (line >= 0 && DocumentSearch::cellContains(lines, line, col, m_matcher))
            return true;
    }
    return false;
}

int GridFilterModel::proxyRowOf(int entry) const
{
    if (showsAll())
        return entry;
    const auto found = std::lower_bound(m_entries.cbegin(), m_entries.cend(), entry);
    return found != m_entries.cend() && *found == entry ? int(found - m_entries.cbegin()) : -1;
}

void GridFilterModel::forwardDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                         const QList<int> &roles)
{
    if (showsAll())
        return emit dataChanged(index(topLeft.row(), topLeft.column()),
                                index(bottomRight.row(), bottomRight.column()), roles);
    const auto first = std::lower_bound(m_entries.cbegin(), m_entries.cend(), topLeft.row());
    const auto last = std::upper_bound(first, m_entries.cend(), bottomRight.row());
    if (first != last)
        emit dataChanged(index(int(first - m_entries.cbegin()), topLeft.column()),
                         index(int(last - m_entries.cbegin()) - 1, bottomRight.column()), roles);
}

int GridFilterModel::entry(const QModelIndex &proxyIndex) const
{
    const QModelIndex source = mapToSource(proxyIndex);
    return source.isValid() ? source.row() : -1;
}

QModelIndex GridFilterModel::mapToSource(const QModelIndex &proxyIndex) const
{
    if (!proxyIndex.isValid() || proxyIndex.model() != this)
        return {};
    const int entry = showsAll() ? proxyIndex.row() : m_entries.value(proxyIndex.row(), -1);
    return entry < 0 ? QModelIndex() : m_grid->index(entry, proxyIndex.column());
}

QModelIndex GridFilterModel::mapFromSource(const QModelIndex &sourceIndex) const
{
    if (!sourceIndex.isValid() || sourceIndex.model() != m_grid)
        return {};
    const int proxyRow = proxyRowOf(sourceIndex.row());
    return proxyRow < 0 ? QModelIndex() : index(proxyRow, sourceIndex.column());
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
    return showsAll() ? m_grid->rowCount() : int(m_entries.size());
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
