#include "tablegridmodel.h"

#include "warningtexts.h"
#include <Parlox/format/valuechecks.h>

#include <algorithm>
#include <climits>
#include <utility>

namespace ParloxEd {
namespace {

constexpr int KeyColumn = int(TableGridModel::Column::Key);
constexpr int FirstLanguageColumn = int(TableGridModel::Column::FirstLanguage);

} // namespace

// A line too short to hold both delimiters shows as nothing.
QStringView TableGridModel::shownKey(QStringView line)
{
    return line.size() < 3 ? QStringView() : line.sliced(1, line.size() - 2);
}

TableGridModel::TableGridModel(QObject *parent) : QAbstractTableModel(parent) {}

int TableGridModel::gridRowsFor(qsizetype lineCount, qsizetype languageCount)
{
    const qsizetype entries = lineCount / (std::max<qsizetype>(languageCount, 0) + 1);
    return entries > 1 ? int(std::min<qsizetype>(entries, INT_MAX - 1)) + 1 : 2;
}

int TableGridModel::gridColumnsFor(qsizetype languageCount)
{
    return int(std::clamp<qsizetype>(languageCount + 1, 2, INT_MAX));
}

ColumnLayout TableGridModel::columnLayout(qsizetype languageCount, int gridWidth)
{
    // Up to five languages share the width; beyond that six columns fill it and the rest
    // are reached by scrolling sideways.
    const int shown = languageCount < 2 ? 2 : languageCount <= 5 ? int(languageCount) + 1 : 6;
    return {gridColumnsFor(languageCount), std::max(0, (gridWidth - 22) / shown)};
}

void TableGridModel::setTable(PackedLines &lines, qsizetype languageCount)
{
    beginResetModel();
    m_table = &lines;
    m_languages = std::max<qsizetype>(languageCount, 0);
    m_rows = entryOf(gridRowsFor(m_table->size(), m_languages));
    m_headers.resize(gridColumnsFor(m_languages));
    endResetModel();
}

void TableGridModel::followTable(PackedLines &lines)
{
    if (m_table)
        m_table = &lines;
}

void TableGridModel::clearTable()
{
    beginResetModel();
    m_table = nullptr;
    m_rows = 1;
    endResetModel();
}

const PackedLines &TableGridModel::lines() const
{
    static const PackedLines none;
    return m_table ? *m_table : none;
}

qsizetype TableGridModel::shownLineCount(qsizetype lineCount, qsizetype languageCount)
{
    const qsizetype rows = entryOf(gridRowsFor(lineCount, languageCount));
    return std::min(lineCount, rows * (std::max<qsizetype>(languageCount, 0) + 1));
}

qsizetype TableGridModel::lineFor(qsizetype lineCount, qsizetype languageCount, int col, int entry)
{
    if (col < 0 || col > languageCount || entry < 0)
        return -1;
    const qsizetype line = qsizetype(entry) * (languageCount + 1) + col;
    return line < shownLineCount(lineCount, languageCount) ? line : -1;
}

qsizetype TableGridModel::lineIndex(int col, int entry) const
{
    return m_table ? lineFor(m_table->size(), m_languages, col, entry) : -1;
}

QString TableGridModel::dataCell(int col, int entry) const
{
    const qsizetype line = lineIndex(col, entry);
    if (line < 0)
        return {};
    return col == KeyColumn ? shownKey(m_table->at(line)).toString() : m_table->at(line);
}

QString TableGridModel::cell(int col, int gridRow) const
{
    if (gridRow == 0)
        return col >= 0 && col < m_headers.size() ? m_headers.at(col) : QString();
    return value(col, entryOf(gridRow));
}

bool TableGridModel::isEditable(int col, int entry) const
{
    return col != KeyColumn && col != m_lockedColumn && lineIndex(col, entry) >= 0;
}

void TableGridModel::setLockedColumn(int col)
{
    if (col == m_lockedColumn)
        return;
    const int before = std::exchange(m_lockedColumn, col);
    for (const int changed : {before, col}) {
        if (changed > KeyColumn && changed < columnCount())
            emit dataChanged(index(0, changed), index(rowCount() - 1, changed));
    }
}

bool TableGridModel::setCell(int col, int gridRow, const QString &text)
{
    if (gridRow == 0)
        return setHeaderData(col, Qt::Horizontal, text);
    return setValue(col, entryOf(gridRow), text);
}

bool TableGridModel::setValue(int col, int entry, const QString &text)
{
    return setData(index(entry, col), text);
}

int TableGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int TableGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_headers.size());
}

int TableGridModel::warningsAt(const QModelIndex &index) const
{
    if (index.column() <= FirstLanguageColumn)
        return 0;
    const qsizetype line = lineIndex(index.column(), index.row());
    const qsizetype first = lineIndex(FirstLanguageColumn, index.row());
    if (line < 0 || first < 0)
        return 0;
    const Parlox::ValueChecks::Checks failed =
        Parlox::ValueChecks::check(m_table->at(first), m_table->at(line));
    return int(failed && m_warningFilter ? m_warningFilter(line, failed) : failed);
}

void TableGridModel::refreshWarnings()
{
    if (columnCount() > FirstLanguageColumn + 1)
        emit dataChanged(index(0, FirstLanguageColumn + 1),
                         index(rowCount() - 1, columnCount() - 1), {Qt::ToolTipRole, WarningsRole});
}

// The whole text, which a narrow fixed column cuts off, then why its checks fail.
QVariant TableGridModel::toolTip(const QModelIndex &index) const
{
    QStringList parts;
    if (QString text = dataCell(index.column(), index.row()); !text.isEmpty())
        parts << text;
    const auto failed = Parlox::ValueChecks::Checks::fromInt(warningsAt(index));
    if (failed && m_lookup)
        parts << warningTexts(failed, m_headers.value(FirstLanguageColumn), m_lookup);
    return parts.isEmpty() ? QVariant() : parts.join(u'\n');
}

QVariant TableGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return dataCell(index.column(), index.row());
    case Qt::ToolTipRole:
        return toolTip(index);
    case Qt::TextAlignmentRole:
        // Hebrew and Arabic values read from the right; everything else keeps the default.
        if (index.column() != KeyColumn && dataCell(index.column(), index.row()).isRightToLeft())
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        return {};
    case UntranslatedRole: {
        const qsizetype line = lineIndex(index.column(), index.row());
        return index.column() != KeyColumn && line >= 0 && m_table->view(line).isEmpty();
    }
    case WarningsRole:
        return warningsAt(index);
    default:
        return {};
    }
}

bool TableGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() ||
        !checkIndex(index, CheckIndexOption::IndexIsValid) || index.column() == KeyColumn)
        return false;
    const qsizetype line = lineIndex(index.column(), index.row());
    if (line < 0)
        return false;
    const QString text = value.toString();
    if (QString before = m_table->at(line); before != text) {
        if (PackedLines *own = m_tableForWriting ? m_tableForWriting() : nullptr)
            m_table = own;
        m_table->set(line, text);
        emit dataChanged(index, index); // its text, and what its checks find
        // The other values of the row are checked against the first language's.
        if (index.column() == FirstLanguageColumn && columnCount() > FirstLanguageColumn + 1)
            emit dataChanged(index.siblingAtColumn(FirstLanguageColumn + 1),
                             index.siblingAtColumn(columnCount() - 1),
                             {Qt::ToolTipRole, WarningsRole});
        emit cellEdited(index.column(), index.row(), before);
    }
    return true;
}

Qt::ItemFlags TableGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    if (index.column() == KeyColumn)
        return Qt::ItemIsEnabled;
    const Qt::ItemFlags base = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return isEditable(index.column(), index.row()) ? base | Qt::ItemIsEditable : base;
}

QVariant TableGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::EditRole) ||
        section < 0 || section >= m_headers.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_headers.at(section);
}

bool TableGridModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value,
                                   int role)
{
    if (orientation != Qt::Horizontal || role != Qt::EditRole || section < 0 ||
        section >= m_headers.size())
        return false;
    const QString text = value.toString();
    if (m_headers.at(section) != text) {
        m_headers[section] = text;
        emit headerDataChanged(Qt::Horizontal, section, section);
    }
    return true;
}

} // namespace ParloxEd
