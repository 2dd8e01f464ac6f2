// Find and replace over the document's values, as one undoable step.
#include "editordocument.h"

#include <memory>

namespace ParloxEd {

int EditorDocument::replaceText(const QString &text, const QString &with, bool allTables)
{
    if (!m_open || text.isEmpty())
        return 0;
    const qsizetype languages = m_content.languages.size();
    // The column the user cannot type into (the protected default language) stays as it is.
    const int locked = m_grid->lockedColumn();
    QList<ValueChange> replaced;
    QString scratch;
    visitTables([&](TableRef table, const PackedLines &lines) {
        if (!allTables && !(table == currentTableRef()))
            return;
        const qsizetype end = TableGridModel::shownLineCount(lines.size(), languages);
        for (qsizetype line = 0; line < end; ++line) {
            const auto column = int(line % (languages + 1));
            if (column == int(TableGridModel::Column::Key) || column == locked ||
                !lines.text(line, scratch).contains(text, Qt::CaseInsensitive))
                continue;
            const QString value = lines.at(line);
            replaced.append(
                {table, line, value, QString(value).replace(text, with, Qt::CaseInsensitive)});
        }
    });
    const auto count = int(replaced.size());
    pushValueChanges(std::move(replaced));
    return count;
}

void EditorDocument::pushValueChanges(QList<ValueChange> changes)
{
    if (changes.isEmpty())
        return;
    const auto shared = std::make_shared<const QList<ValueChange>>(std::move(changes));
    const auto put = [this, shared](bool after) {
        return [this, shared, after](Parlox::Lng::PackedDocument &content, bool &) {
            for (const ValueChange &value : *shared) {
                tableIn(content, value.table).set(value.line, after ? value.after : value.before);
                m_shownValuesWritten |= value.table == currentTableRef();
            }
        };
    };
    pushChange(put(false), put(true));
}

} // namespace ParloxEd
