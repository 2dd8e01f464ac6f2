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

// Whether line i of a table holds the value of `column`.
auto inColumn(qsizetype languageCount, qsizetype column)
{
    return [entrySize = languageCount + 1, column](qsizetype i) {
        return i % entrySize == column + 1;
    };
}

} // namespace

Added add(Lng::PackedDocument &content, const QString &name)
{
    Added added{content.defaultIndex, {}};
    const qsizetype count = content.languages.size();
    forEachTable(content, [count, &added](PackedLines &table) {
        added.oldSizes.append(table.size());
        // One new line per entry, the last one cut short included, which gets it at the end.
        const qsizetype entries = (table.size() + count) / (count + 1);
        table.interleave(PackedLines::empties(entries), 0, entries, inColumn(count + 1, count));
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
        PackedLines dropped;
        lines.takeIf(inColumn(count, count - 1), dropped);
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
    Removed removed{language, content.languages.takeAt(language), content.defaultIndex, {}, {}};
    forEachTable(content, [count, language, &removed](PackedLines &table) {
        removed.counts.append(table.takeIf(inColumn(count, language), removed.values));
    });
    removed.values.squeeze();
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
    qsizetype from = 0;
    forEachTable(content, [&](PackedLines &lines) {
        const qsizetype taken = removed.counts.value(table++);
        lines.interleave(removed.values, from, taken, inColumn(count, removed.position));
        from += taken;
    });
    content.languages.insert(removed.position, removed.name);
    content.defaultIndex = removed.oldDefault;
}

} // namespace ParloxEd::LanguageColumns
