#include "progressmodel.h"

#include "tablegridmodel.h"

namespace ParloxEd {
namespace {

QList<ProgressModel::Count> added(QList<ProgressModel::Count> into,
                                  const QList<ProgressModel::Count> &counts)
{
    for (qsizetype i = 0; i < into.size() && i < counts.size(); ++i)
        into[i] = into[i] + counts[i];
    return into;
}

QString shown(const ProgressModel::Count &count)
{
    // Rounded down, so that 100% means nothing is missing.
    const qsizetype percent = count.total > 0 ? count.filled * 100 / count.total : 100;
    return QStringLiteral("%1 / %2 (%3%)").arg(count.filled).arg(count.total).arg(percent);
}

} // namespace

ProgressModel::ProgressModel(const EditorDocument &document, QObject *parent)
    : QAbstractTableModel(parent), m_document(document)
{
    const TableGridModel *grid = document.grid();
    connect(grid, &QAbstractItemModel::modelReset, this, &ProgressModel::recountAll);
    connect(grid, &QAbstractItemModel::dataChanged, this, &ProgressModel::recountShown);
    connect(&document, &EditorDocument::languagesChanged, this, &ProgressModel::recountAll);
    connect(&document, &EditorDocument::textsChanged, this,
            [this] { emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1); });
    recountAll();
}

QList<ProgressModel::Count> ProgressModel::countTable(const PackedLines &lines) const
{
    const qsizetype languages = m_document.languages().size();
    QList<Count> counts(languages);
    const qsizetype end = TableGridModel::shownLineCount(lines.size(), languages);
    for (qsizetype line = 0; line < end; ++line) {
        const qsizetype column = line % (languages + 1);
        if (column == 0)
            continue;
        Count &count = counts[column - 1];
        ++count.total;
        count.filled += !lines.view(line).isEmpty();
    }
    return counts;
}

void ProgressModel::recountAll()
{
    const qsizetype languages = m_document.languages().size();
    QList<Count> rest(languages);
    QList<Count> shown(languages);
    const EditorDocument::TableRef current = m_document.currentTableRef();
    m_document.visitTables([&](EditorDocument::TableRef table, const PackedLines &lines) {
        QList<Count> &into = table == current ? shown : rest;
        into = added(into, countTable(lines));
    });
    publish(std::move(shown), std::move(rest));
}

void ProgressModel::recountShown()
{
    publish(countTable(m_document.tableLines(m_document.currentTableRef())), m_rest);
}

void ProgressModel::publish(QList<Count> shown, QList<Count> rest)
{
    if (m_document.languages() != m_languages) {
        beginResetModel();
        m_languages = m_document.languages();
        m_shown = std::move(shown);
        m_rest = std::move(rest);
        endResetModel();
        return;
    }
    for (int row = 0; row < m_languages.size(); ++row) {
        if (shown[row] == m_shown[row] && rest[row] == m_rest[row])
            continue;
        m_shown[row] = shown[row];
        m_rest[row] = rest[row];
        emit dataChanged(index(row, int(Column::Table)), index(row, int(Column::Document)));
    }
}

ProgressModel::Count ProgressModel::count(int language, Column scope) const
{
    if (language < 0 || language >= m_shown.size())
        return {};
    return scope == Column::Table ? m_shown[language] : m_shown[language] + m_rest[language];
}

int ProgressModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_languages.size());
}

int ProgressModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant ProgressModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const auto column = Column(index.column());
    return column == Column::Language ? m_languages.at(index.row())
                                      : shown(count(index.row(), column));
}

QVariant ProgressModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const titles[] = {"COLUMN_LANGUAGE", "PROGRESS_TABLE", "PROGRESS_DOCUMENT"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 2)
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_document.text(QLatin1String(titles[section]));
}

} // namespace ParloxEd
