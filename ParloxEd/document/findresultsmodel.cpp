#include "findresultsmodel.h"

#include "tablegridmodel.h"

namespace ParloxEd {

FindResultsModel::FindResultsModel(const EditorDocument &document, QObject *parent)
    : QAbstractTableModel(parent), m_document(document)
{
    connect(&document, &EditorDocument::openChanged, this, [this] { setResults({}); });
    // The column titles and the tables' names are interface texts.
    connect(&document, &EditorDocument::textsChanged, this, [this] {
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
        if (!m_results.isEmpty())
            emit dataChanged(index(0, int(Column::Table)),
                             index(rowCount() - 1, int(Column::Table)));
    });
}

void FindResultsModel::setResults(QList<EditorDocument::CellRef> results)
{
    beginResetModel();
    m_results = std::move(results);
    endResetModel();
}

int FindResultsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_results.size());
}

int FindResultsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 4;
}

QString FindResultsModel::entryCell(const EditorDocument::CellRef &cell, int column) const
{
    const PackedLines &lines = m_document.tableLines(cell.table);
    const qsizetype line =
        TableGridModel::lineFor(lines.size(), m_document.languages().size(), column, cell.entry);
    if (line < 0)
        return {};
    return column == int(TableGridModel::Column::Key)
               ? TableGridModel::shownKey(lines.at(line)).toString()
               : lines.at(line);
}

QVariant FindResultsModel::data(const QModelIndex &index, int role) const
{
    if ((role != Qt::DisplayRole && role != Qt::ToolTipRole) ||
        !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const EditorDocument::CellRef &cell = m_results.at(index.row());
    switch (Column(index.column())) {
    case Column::Table:
        return m_document.tableCaption(cell.table);
    case Column::Key:
        return entryCell(cell, int(TableGridModel::Column::Key));
    case Column::Language:
        return m_document.languages().value(cell.column - 1);
    case Column::Text:
        return entryCell(cell, cell.column);
    }
    return {};
}

QVariant FindResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const titles[] = {"COLUMN_TABLE", "COLUMN_KEY", "COLUMN_LANGUAGE",
                                         "COLUMN_TEXT"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 3)
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_document.text(QLatin1String(titles[section]));
}

} // namespace ParloxEd
