// The document's tables and Windows items: where each table is, what it is called, and every
// table in menu order.
#include "editordocument.h"

namespace ParloxEd {

namespace Lng = Parlox::Lng;

namespace {

const PackedLines &emptyTable()
{
    static const PackedLines empty;
    return empty;
}

} // namespace

int EditorDocument::windowsItemCount() const
{
    return m_hasDirectory ? int(m_content.forms.size()) + 1 : 0;
}

QStringList EditorDocument::windowsItems() const
{
    QStringList items;
    if (!m_hasDirectory)
        return items;
    items.reserve(m_content.forms.size() + 1);
    // Named in the interface language of now, like every other place that names the table.
    items.append(text(QStringLiteral("STRINGS_MESSAGES")));
    for (const Lng::PackedForm &form : m_content.forms)
        items.append(form.name);
    return items;
}

const PackedLines &EditorDocument::formTable(int item) const
{
    const PackedLines *table = tableOf({item, View::FormStrings});
    return table ? *table : emptyTable();
}

const PackedLines &EditorDocument::userTable(int item) const
{
    const PackedLines *table = tableOf({item, View::UserStrings});
    return table ? *table : emptyTable();
}

const PackedLines *EditorDocument::tableOf(TableRef table) const
{
    if (table.item == 0 && m_hasDirectory)
        return &m_content.messages;
    if (table.item < 1 || table.item > m_content.forms.size())
        return nullptr;
    const Lng::PackedForm &form = m_content.forms.at(table.item - 1);
    return table.view == View::FormStrings ? &form.formStrings : &form.userStrings;
}

PackedLines &EditorDocument::tableIn(Lng::PackedDocument &content, TableRef table)
{
    return table.item == 0                   ? content.messages
           : table.view == View::FormStrings ? content.forms[table.item - 1].formStrings
                                             : content.forms[table.item - 1].userStrings;
}

PackedLines *EditorDocument::currentTable()
{
    // Through the non-const path, so that a form list still shared with an earlier copy of the
    // content is detached before its table is written.
    return tableOf(currentTableRef()) ? &tableIn(m_content, currentTableRef()) : nullptr;
}

QString EditorDocument::tableCaption(TableRef table) const
{
    if (!tableOf(table))
        return {};
    if (table.item < 1)
        return text(QStringLiteral("STRINGS_MESSAGES"));
    return m_content.forms.at(table.item - 1).name + QStringLiteral(": ") +
           text(table.view == View::FormStrings ? QStringLiteral("VIEW_FORM_STRINGS")
                                                : QStringLiteral("VIEW_USER_STRINGS"));
}

const PackedLines &EditorDocument::tableLines(TableRef table) const
{
    const PackedLines *lines = tableOf(table);
    return lines ? *lines : emptyTable();
}

void EditorDocument::visitTables(
    const std::function<void(TableRef, const PackedLines &)> &visit) const
{
    const auto one = [&](TableRef table) {
        if (tableOf(table))
            visit(table, tableLines(table));
    };
    one({0, View::FormStrings});
    for (int item = 1; item <= m_content.forms.size(); ++item) {
        one({item, View::FormStrings});
        one({item, View::UserStrings});
    }
}

} // namespace ParloxEd
