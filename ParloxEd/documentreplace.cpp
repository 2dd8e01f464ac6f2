// Find and replace over the document's values, as one undoable step.
#include "editordocument.h"

namespace ParloxEd {

int EditorDocument::replaceText(const QString &text, const QString &with, bool allTables)
{
    if (!m_open || text.isEmpty())
        return 0;
    commitGrid();
    State after = state();
    const qsizetype languages = after.content.languages.size();
    // The column the user cannot type into (the protected default language) stays as it is.
    const int locked = m_grid->lockedColumn();
    int replaced = 0;
    const auto replaceIn = [&](TableRef table, QStringList &lines) {
        if (!allTables && !(table == currentTableRef()))
            return;
        const qsizetype end = TableGridModel::shownLineCount(lines.size(), languages);
        for (qsizetype line = 0; line < end; ++line) {
            const auto column = int(line % (languages + 1));
            if (column == int(TableGridModel::Column::Key) || column == locked ||
                !lines.at(line).contains(text, Qt::CaseInsensitive))
                continue;
            lines[line].replace(text, with, Qt::CaseInsensitive);
            ++replaced;
        }
    };
    if (after.hasDirectory)
        replaceIn({0, View::FormStrings}, after.content.messages);
    for (int item = 1; item <= after.content.forms.size(); ++item) {
        Parlox::Lng::Form &form = after.content.forms[item - 1];
        replaceIn({item, View::FormStrings}, form.formStrings);
        replaceIn({item, View::UserStrings}, form.userStrings);
    }
    if (replaced > 0)
        pushChange([&after](State &state) { state = std::move(after); });
    return replaced;
}

} // namespace ParloxEd
