#pragma once

#include <QString>
#include <QStringList>

// The form-strings table as the form translator reads it: keys "[" + path + "]", values found by
// walking the lines after a key, the line-break substitutes of caption and hint values, and the
// conversion of tables written with the form's name in front of every path.
namespace Parlox::FormPaths {

// "[" + path + "]".
QString key(const QString &path);

// Stored caption and hint values hold LF as 0x15 and CR as 0x16, so that a value stays one
// line of the table; this turns them back.
QString restoreLineBreaks(QString value);

// The value of the entry whose key stands at line keyLine, for the language at position
// language (-1 when the language is not listed). Walks the value lines; an entry that ends
// before the language (at the next key line or at the end of the table) gives the first
// language's value, a key with no value line gives the empty text, and an unlisted language
// gives the first language's value.
QString valueAfterKey(const QStringList &table, qsizetype keyLine, qsizetype language);

// Whether the table's keys carry the form's name in front of the path: its first line holds
// two dots at least, as "[Form1.Button1.Caption]".
bool hasOldKeys(const QStringList &table);

// Drops the first dotted part of every key (the form's old name): [Form1.Button1.Caption]
// becomes [Button1.Caption], and a path that then names the form itself, [Form1.Caption],
// becomes [Form.Caption]. Keys are found by position, one entry every languageCount + 1
// lines; a key line without a dot is left as it is.
void convertOldKeys(QStringList &table, qsizetype languageCount, const QString &formName);

} // namespace Parlox::FormPaths
