#include <Parlox/formpaths.h>

namespace Parlox::FormPaths {

QString key(const QString &path)
{
    return u'[' + path + u']';
}

QString restoreLineBreaks(QString value)
{
    return value.replace(QChar(0x15), QChar(0x0A)).replace(QChar(0x16), QChar(0x0D));
}

namespace {

// Tables::isFormKey, inline: a form's translation asks this of thousands of lines.
bool isKey(const QString &line)
{
    return !line.isEmpty() && line.front() == u'[' && line.back() == u']';
}

} // namespace

QString valueAfterKey(const QStringList &table, qsizetype keyLine, qsizetype language)
{
    const qsizetype first = keyLine + 1;
    if (keyLine < 0 || first >= table.size() || isKey(table.at(first)))
        return {};
    // The entry's value lines run up to the next key line or the end of the table.
    const qsizetype wanted = first + std::max<qsizetype>(language, 0);
    if (wanted >= table.size())
        return table.at(first);
    for (qsizetype line = first + 1; line <= wanted; ++line)
        if (isKey(table.at(line)))
            return table.at(first);
    return table.at(wanted);
}

bool hasOldKeys(const QStringList &table)
{
    if (table.isEmpty())
        return false;
    const QString &line = table.first();
    const qsizetype dot = line.indexOf(u'.');
    return dot >= 0 && line.indexOf(u'.', dot + 1) >= 0;
}

void convertOldKeys(QStringList &table, qsizetype languageCount, const QString &formName)
{
    const QString ownPrefix = u'[' + formName + u'.';
    const QString formPrefix = QStringLiteral("[Form.");
    for (qsizetype i = 0; i < table.size() - 1; i += languageCount + 1) {
        QString &line = table[i];
        const qsizetype dot = line.indexOf(u'.');
        if (dot < 0)
            continue;
        line = u'[' + line.mid(dot + 1);
        if (!formName.isEmpty() && line.startsWith(ownPrefix))
            line.replace(0, ownPrefix.size(), formPrefix);
    }
}

} // namespace Parlox::FormPaths
