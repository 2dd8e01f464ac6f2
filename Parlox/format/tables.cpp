#include <Parlox/format/tables.h>

namespace Parlox::Tables {

qsizetype indexOfKey(const QStringList &table, QStringView key)
{
    for (qsizetype i = 0; i < table.size(); ++i)
        if (table[i].compare(key, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

qsizetype indexOfLanguage(const QStringList &languages, QStringView name)
{
    return indexOfKey(languages, name);
}

std::optional<qsizetype> valueLine(const QStringList &table, const QStringList &languages,
                                   QStringView key, QStringView language)
{
    const qsizetype k = indexOfKey(table, key);
    const qsizetype j = indexOfLanguage(languages, language);
    if (k < 0 || j < 0 || k + 1 + j >= table.size())
        return std::nullopt;
    return k + 1 + j;
}

std::optional<QString> findValue(const QStringList &table, const QStringList &languages,
                                 QStringView key, QStringView language)
{
    if (const auto line = valueLine(table, languages, key, language))
        return table[*line];
    return std::nullopt;
}

bool setValue(QStringList &table, const QStringList &languages, QStringView key,
              QStringView language, const QString &text)
{
    const auto line = valueLine(table, languages, key, language);
    if (!line)
        return false;
    table[*line] = text;
    return true;
}

void appendEntry(QStringList &table, const QString &key, qsizetype languageCount)
{
    table.reserve(table.size() + 1 + languageCount);
    table.append(key);
    for (qsizetype i = 0; i < languageCount; ++i)
        table.append(QString());
}

// Rebuilds the list in one pass: inserting inside a QStringList moves the tail each time,
// which is quadratic on large tables.
void insertLanguageColumn(QStringList &table, qsizetype languageCount)
{
    const qsizetype entrySize = languageCount + 1;
    QStringList out;
    out.reserve(table.size() + table.size() / entrySize + 1);
    for (qsizetype i = 0; i < table.size(); ++i) {
        out.append(std::move(table[i]));
        if (i % entrySize == languageCount)
            out.append(QString());
    }
    // A trailing entry cut short still gets its new line at the very end.
    if (table.size() % entrySize != 0)
        out.append(QString());
    table = std::move(out);
}

bool isFormKey(QStringView line)
{
    return line.startsWith(u'[') && line.endsWith(u']');
}

bool isMessageKey(QStringView line)
{
    return line.size() >= 1 && line.startsWith(u'&') && line.endsWith(u'&');
}

namespace {
QString componentPrefix(QStringView component)
{
    return u'[' + component.toString() + u'.';
}
} // namespace

void dropComponentEntries(QStringList &formStrings, qsizetype languageCount, QStringView component)
{
    const QString prefix = componentPrefix(component);
    QStringList out;
    out.reserve(formStrings.size());
    for (qsizetype i = 0; i < formStrings.size();) {
        const QString &line = formStrings[i];
        if (isFormKey(line) && line.startsWith(prefix)) {
            i += 1 + languageCount;
            continue;
        }
        out.append(std::move(formStrings[i]));
        ++i;
    }
    formStrings = std::move(out);
}

void renameComponentKeys(QStringList &formStrings, QStringView oldName, QStringView newName)
{
    const QString oldPrefix = componentPrefix(oldName);
    const QString newPrefix = componentPrefix(newName);
    for (QString &line : formStrings)
        if (isFormKey(line) && line.startsWith(oldPrefix))
            line.replace(0, oldPrefix.size(), newPrefix);
}

QString expandLineBreaks(QString value)
{
    return value.replace(QStringLiteral("%%"), QStringLiteral("\n\r"));
}

} // namespace Parlox::Tables
