#include "documentsearch.h"

#include "tablegridmodel.h"

#include <functional>

namespace ParloxEd::DocumentSearch {
namespace {

using TableRef = EditorDocument::TableRef;

struct Table {
    TableRef ref;
    const PackedLines *lines = nullptr;
};

QList<Table> tablesOf(const EditorDocument &doc)
{
    QList<Table> tables;
    doc.visitTables([&tables](TableRef ref, const PackedLines &lines) {
        tables.append({ref, &lines});
    });
    return tables;
}

CellRef cellAt(TableRef table, qsizetype line, qsizetype languages)
{
    return {table, int(line / (languages + 1)), int(line % (languages + 1))};
}

} // namespace

bool cellContains(const PackedLines &lines, qsizetype line, int column, const TextMatcher &matcher)
{
    return lines.visit(line, [&](auto text) {
        // The key as the key column shows it: without its delimiters.
        if (column == int(TableGridModel::Column::Key))
            text = text.size() < 3 ? decltype(text)() : text.sliced(1, text.size() - 2);
        return matcher.foundIn(text);
    });
}

QList<CellRef> findText(const EditorDocument &doc, const QString &text, bool allTables,
                        bool ignoreAccessKeys)
{
    QList<CellRef> found;
    if (text.isEmpty())
        return found;
    const TextMatcher matcher(text, ignoreAccessKeys);
    const qsizetype languages = doc.languages().size();
    const TableRef current = doc.currentTableRef();
    for (const Table &table : tablesOf(doc)) {
        if (!allTables && !(table.ref == current))
            continue;
        const qsizetype end = TableGridModel::shownLineCount(table.lines->size(), languages);
        for (qsizetype line = 0; line < end; ++line) {
            const int column = int(line % (languages + 1));
            if (cellContains(*table.lines, line, column, matcher))
                found.append(cellAt(table.ref, line, languages));
        }
    }
    return found;
}

std::optional<CellRef> findKey(const EditorDocument &doc, const QString &key)
{
    const qsizetype languages = doc.languages().size();
    QList<Table> tables = tablesOf(doc);
    // The table shown goes first; the rest keep their order.
    std::stable_partition(
        tables.begin(), tables.end(),
        [current = doc.currentTableRef()](const Table &t) { return t.ref == current; });
    const auto first =
        [&](const std::function<bool(QStringView)> &matches) -> std::optional<CellRef> {
        QString scratch;
        for (const Table &table : tables) {
            const qsizetype end = TableGridModel::shownLineCount(table.lines->size(), languages);
            for (qsizetype line = 0; line < end; line += languages + 1) {
                if (matches(table.lines->text(line, scratch)))
                    return cellAt(table.ref, line, languages);
            }
        }
        return std::nullopt;
    };
    // The whole key anywhere wins over a part of one in the table shown.
    if (auto exact = first([&key](QStringView line) {
            return TableGridModel::shownKey(line).compare(key, Qt::CaseInsensitive) == 0 ||
                   line.compare(key, Qt::CaseInsensitive) == 0;
        }))
        return exact;
    if (key.isEmpty())
        return std::nullopt;
    const TextMatcher part(key);
    return first(
        [&part](QStringView line) { return part.foundIn(TableGridModel::shownKey(line)); });
}

std::optional<CellRef> nextUntranslated(const EditorDocument &doc, const CellRef &from)
{
    const qsizetype languages = doc.languages().size();
    const QList<Table> tables = tablesOf(doc);
    if (tables.isEmpty() || languages == 0)
        return std::nullopt;
    const auto at = std::find_if(tables.begin(), tables.end(),
                                 [&from](const Table &t) { return t.ref == from.table; });
    const bool known = at != tables.end();
    const qsizetype start = known ? at - tables.begin() : 0;
    const qsizetype fromLine = known ? qsizetype(from.entry) * (languages + 1) + from.column : -1;
    // One round through every table, the first one again at the end up to `from` itself.
    for (qsizetype step = 0; step <= tables.size(); ++step) {
        const Table &table = tables.at((start + step) % tables.size());
        const qsizetype first = step == 0 ? fromLine + 1 : 0;
        qsizetype end = TableGridModel::shownLineCount(table.lines->size(), languages);
        if (step == tables.size())
            end = std::min(end, fromLine + 1);
        for (qsizetype line = first; line < end; ++line) {
            if (line % (languages + 1) != 0 && table.lines->view(line).isEmpty())
                return cellAt(table.ref, line, languages);
        }
    }
    return std::nullopt;
}

} // namespace ParloxEd::DocumentSearch
