#include "gridfiltermodel.h"

#include "documentsearch.h"
#include "tablegridmodel.h"

namespace ParloxEd {

GridFilterModel::GridFilterModel(TableGridModel *grid, QObject *parent)
    : QSortFilterProxyModel(parent), m_grid(grid)
{
    setDynamicSortFilter(false);
    setSourceModel(grid);
    m_matcher.setCaseSensitivity(Qt::CaseInsensitive);
}

void GridFilterModel::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    m_matcher.setPattern(text);
    invalidateRowsFilter();
}

int GridFilterModel::gridRow(const QModelIndex &index) const
{
    const QModelIndex source = mapToSource(index);
    return source.isValid() ? source.row() : -1;
}

bool GridFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (m_text.isEmpty() || sourceParent.isValid())
        return true;
    const QStringList &lines = m_grid->lines();
    const qsizetype languages = m_grid->languageCount();
    for (int col = 0; col <= languages; ++col) {
        const qsizetype line = TableGridModel::lineFor(lines.size(), languages, col, sourceRow);
        if (line >= 0 && DocumentSearch::cellContains(lines.at(line), col, m_matcher))
            return true;
    }
    return false;
}

} // namespace ParloxEd
