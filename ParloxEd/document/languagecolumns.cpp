#include "languagecolumns.h"

#include <functional>

namespace ParloxEd::LanguageColumns {
namespace {

namespace Lng = Parlox::Lng;
using Lng::PackedLines;

void forEachTable(Lng::PackedDocument &content, const std::function<void(PackedLines &)> &change)
{
    change(content.messages);
    for (Lng::PackedForm &form : content.forms) {
        change(form.formStrings);
        change(form.userStrings);
    }
}

// Value line `column` of every entry, moved out of the table into a list of its own, so that
// an undo keeps the column's texts and nothing of the table around them.
PackedLines takeColumn(PackedLines &table, qsizetype languageCount, qsizetype column)
{
    const qsizetype entrySize = languageCount + 1;
    return table.takeIf([=](qsizetype i) { return i % entrySize == column + 1; });
}

// The inverse of takeColumn: the lines go back where they were taken from. A trailing entry
// cut short gets its line at the very end.
void putColumn(PackedLines &table, qsizetype languageCount, qsizetype column,
               const PackedLines &values)
{
    const qsizetype entrySize = languageCount + 1;
    table.interleave(values, [=](qsizetype i) { return i % entrySize == column + 1; });
}

} // namespace

Added add(Lng::PackedDocument &content, const QString &name)
{
    Added added{content.defaultIndex, {}};
    const qsizetype count = content.languages.size();
    forEachTable(content, [count, &added](PackedLines &table) {
        added.oldSizes.append(table.size());
        // One new line per entry, the last one cut short included.
        const qsizetype entries = (table.size() + count) / (count + 1);
        putColumn(table, count + 1, count, PackedLines::empties(entries));
    });
    content.languages.append(name);
    content.defaultIndex = std::max(content.defaultIndex, 0);
    return added;
}

void undoAdd(Lng::PackedDocument &content, const Added &added)
{
    const qsizetype count = content.languages.size();
    if (count == 0)
        return;
    qsizetype table = 0;
    forEachTable(content, [count, &added, &table](PackedLines &lines) {
        takeColumn(lines, count, count - 1);
        // The line a table cut short got at its end.
        lines.resize(std::min(lines.size(), added.oldSizes.value(table++, lines.size())));
    });
    content.languages.removeLast();
    content.defaultIndex = added.oldDefault;
}

Removed remove(Lng::PackedDocument &content, qsizetype language)
{
    const qsizetype count = content.languages.size();
    if (language < 0 || language >= count)
        return {};
    Removed removed{language, content.languages.takeAt(language), content.defaultIndex, {}};
    forEachTable(content, [count, language, &removed](PackedLines &table) {
        removed.values.append(takeColumn(table, count, language));
    });
    const int oldDefault = content.defaultIndex;
    content.defaultIndex = oldDefault == language ? 0 : oldDefault - int(oldDefault > language);
    return removed;
}

void undoRemove(Lng::PackedDocument &content, Removed removed)
{
    if (removed.position < 0 || removed.position > content.languages.size())
        return;
    const qsizetype count = content.languages.size() + 1;
    qsizetype table = 0;
    forEachTable(content, [count, &removed, &table](PackedLines &lines) {
        if (table < removed.values.size())
            putColumn(lines, count, removed.position, removed.values.at(table++));
    });
    content.languages.insert(removed.position, removed.name);
    content.defaultIndex = removed.oldDefault;
}

} // namespace ParloxEd::LanguageColumns
