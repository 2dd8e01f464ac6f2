#include "languagecolumns.h"

#include <Parlox/format/tables.h>

#include <functional>

namespace ParloxEd::LanguageColumns {
namespace {

namespace Lng = Parlox::Lng;
namespace Tables = Parlox::Tables;

void forEachTable(Lng::Document &content, const std::function<void(QStringList &)> &change)
{
    change(content.messages);
    for (Lng::Form &form : content.forms) {
        change(form.formStrings);
        change(form.userStrings);
    }
}

// How many value lines of `column` a table holds, the last entry cut short or not.
qsizetype valueCount(qsizetype lines, qsizetype entrySize, qsizetype column)
{
    return lines / entrySize + (lines % entrySize > column + 1 ? 1 : 0);
}

// Value line `column` of every entry, moved out of the table. Both lists get exactly the room
// they need: the document keeps none for the deleted column.
QStringList takeColumn(QStringList &table, qsizetype languageCount, qsizetype column)
{
    const qsizetype entrySize = languageCount + 1;
    const qsizetype count = valueCount(table.size(), entrySize, column);
    QStringList kept;
    QStringList taken;
    kept.reserve(table.size() - count);
    taken.reserve(count);
    for (qsizetype i = 0; i < table.size(); ++i)
        (i % entrySize == column + 1 ? taken : kept).append(std::move(table[i]));
    table = std::move(kept);
    return taken;
}

// The inverse of takeColumn: the lines go back where they were taken from.
void putColumn(QStringList &table, qsizetype languageCount, qsizetype column, QStringList values)
{
    const qsizetype entrySize = languageCount + 1;
    QStringList out;
    out.reserve(table.size() + values.size());
    qsizetype fromTable = 0;
    qsizetype fromValues = 0;
    for (qsizetype i = 0; i < table.size() + values.size(); ++i) {
        const bool taken = i % entrySize == column + 1 && fromValues < values.size();
        if (taken || fromTable >= table.size())
            out.append(std::move(values[fromValues++]));
        else
            out.append(std::move(table[fromTable++]));
    }
    table = std::move(out);
}

} // namespace

Added add(Lng::Document &content, const QString &name)
{
    Added added{content.defaultIndex, {}};
    const qsizetype count = content.languages.size();
    forEachTable(content, [count, &added](QStringList &table) {
        added.oldSizes.append(table.size());
        Tables::insertLanguageColumn(table, count);
    });
    content.languages.append(name);
    content.defaultIndex = std::max(content.defaultIndex, 0);
    return added;
}

void undoAdd(Lng::Document &content, const Added &added)
{
    const qsizetype count = content.languages.size();
    if (count == 0)
        return;
    qsizetype table = 0;
    forEachTable(content, [count, &added, &table](QStringList &lines) {
        Tables::removeLanguageColumn(lines, count, count - 1);
        // The line a table cut short got at its end.
        lines.resize(std::min(lines.size(), added.oldSizes.value(table++, lines.size())));
    });
    content.languages.removeLast();
    content.defaultIndex = added.oldDefault;
}

Removed remove(Lng::Document &content, qsizetype language)
{
    const qsizetype count = content.languages.size();
    if (language < 0 || language >= count)
        return {};
    Removed removed{language, content.languages.takeAt(language), content.defaultIndex, {}};
    forEachTable(content, [count, language, &removed](QStringList &table) {
        removed.values.append(takeColumn(table, count, language));
    });
    const int oldDefault = content.defaultIndex;
    content.defaultIndex = oldDefault == language ? 0 : oldDefault - int(oldDefault > language);
    return removed;
}

void undoRemove(Lng::Document &content, Removed removed)
{
    if (removed.position < 0 || removed.position > content.languages.size())
        return;
    const qsizetype count = content.languages.size() + 1;
    qsizetype table = 0;
    forEachTable(content, [count, &removed, &table](QStringList &lines) {
        if (table < removed.values.size())
            putColumn(lines, count, removed.position, std::move(removed.values[table++]));
    });
    content.languages.insert(removed.position, removed.name);
    content.defaultIndex = removed.oldDefault;
}

} // namespace ParloxEd::LanguageColumns
