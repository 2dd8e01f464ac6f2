#include "problemwalk.h"

#include "tablegridmodel.h"

namespace ParloxEd {

using TableRef = EditorDocument::TableRef;
using CellRef = EditorDocument::CellRef;

std::optional<CellRef> nextProblem(const EditorDocument &document, const CellRef &from, int step,
                                   const IsAccepted &accepted)
{
    const qsizetype languages = document.languages().size();
    QList<std::pair<TableRef, const PackedLines *>> tables;
    document.visitTables([&tables](TableRef table, const PackedLines &lines) {
        tables.append({table, &lines});
    });
    if (tables.isEmpty() || languages == 0)
        return std::nullopt;
    step = step < 0 ? -1 : 1;
    const qsizetype count = tables.size();
    const auto at = std::find_if(tables.cbegin(), tables.cend(),
                                 [&from](const auto &table) { return table.first == from.table; });
    const bool known = at != tables.cend();
    const qsizetype start = known ? at - tables.cbegin() : step > 0 ? 0 : count - 1;
    const auto shown = [&](qsizetype table) {
        return TableGridModel::shownLineCount(tables.at(table).second->size(), languages);
    };
    // Outside the table's lines when `from` is unknown: the whole first table is walked.
    const qsizetype fromLine = known      ? qsizetype(from.entry) * (languages + 1) + from.column
                               : step > 0 ? -1
                                          : shown(start);
    // One round through every table, the first one again at the end up to `from` itself.
    for (qsizetype round = 0; round <= count; ++round) {
        const qsizetype table = ((start + round * step) % count + count) % count;
        const auto &[ref, lines] = tables.at(table);
        const qsizetype end = shown(table);
        qsizetype line = round > 0 ? (step > 0 ? 0 : end - 1) : fromLine + step;
        const qsizetype stop = round < count ? (step > 0 ? end : -1) : fromLine + step;
        for (; line != stop && line >= 0 && line < end; line += step) {
            if (line % (languages + 1) == 0)
                continue;
            if (lines->view(line).isEmpty() || openChecksAt(document, ref, *lines, line, accepted))
                return CellRef{ref, int(line / (languages + 1)), int(line % (languages + 1))};
        }
    }
    return std::nullopt;
}

} // namespace ParloxEd
