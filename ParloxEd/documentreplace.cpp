// Find and replace over the document's values, as one undoable step.
#include "editordocument.h"

#include <memory>

namespace ParloxEd {

namespace {

// One value the replace changed: the command keeps these texts and nothing more.
struct ReplacedValue {
    EditorDocument::TableRef table;
    qsizetype line = 0;
    QString before;
    QString after;
};

} // namespace

int EditorDocument::replaceText(const QString &text, const QString &with, bool allTables)
{
    if (!m_open || text.isEmpty())
        return 0;
    commitGrid();
    const qsizetype languages = m_content.languages.size();
    // The column the user cannot type into (the protected default language) stays as it is.
    const int locked = m_grid->lockedColumn();
    auto replaced = std::make_shared<QList<ReplacedValue>>();
    visitTables([&](TableRef table, const QStringList &lines) {
        if (!allTables && !(table == currentTableRef()))
            return;
        const qsizetype end = TableGridModel::shownLineCount(lines.size(), languages);
        for (qsizetype line = 0; line < end; ++line) {
            const auto column = int(line % (languages + 1));
            const QString &value = lines.at(line);
            if (column == int(TableGridModel::Column::Key) || column == locked ||
                !value.contains(text, Qt::CaseInsensitive))
                continue;
            replaced->append(
                {table, line, value, QString(value).replace(text, with, Qt::CaseInsensitive)});
        }
    });
    if (replaced->isEmpty())
        return 0;
    const auto put = [replaced](bool after) {
        return [replaced, after](Parlox::Lng::Document &content, bool &) {
            for (const ReplacedValue &value : std::as_const(*replaced))
                tableIn(content, value.table)[value.line] = after ? value.after : value.before;
        };
    };
    pushChange(put(false), put(true));
    return int(replaced->size());
}

} // namespace ParloxEd
