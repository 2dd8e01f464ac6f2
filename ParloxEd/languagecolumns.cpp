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

} // namespace

void add(Lng::Document &content, const QString &name)
{
    const qsizetype count = content.languages.size();
    forEachTable(content,
                 [count](QStringList &table) { Tables::insertLanguageColumn(table, count); });
    content.languages.append(name);
    content.defaultIndex = std::max(content.defaultIndex, 0);
}

void remove(Lng::Document &content, qsizetype language)
{
    const qsizetype count = content.languages.size();
    if (language < 0 || language >= count)
        return;
    forEachTable(content, [count, language](QStringList &table) {
        Tables::removeLanguageColumn(table, count, language);
    });
    content.languages.removeAt(language);
    const int oldDefault = content.defaultIndex;
    content.defaultIndex = oldDefault == language ? 0 : oldDefault - int(oldDefault > language);
}

} // namespace ParloxEd::LanguageColumns
