#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Translation tables: an entry is one key line followed by one value line per language, and
// entries follow each other with no separator. Keys and language names are matched without
// regard to case; the first match wins.
namespace Parlox::Tables {

// Position of the first line equal to key (case ignored), or -1.
qsizetype indexOfKey(const QStringList &table, QStringView key);

// Position of a language in the language list (case ignored), or -1.
qsizetype indexOfLanguage(const QStringList &languages, QStringView name);

// Line holding the value of key in a language: key line + 1 + language position. Empty when
// the key or the language is not found or the line lies past the end of the table.
std::optional<qsizetype> valueLine(const QStringList &table, const QStringList &languages,
                                   QStringView key, QStringView language);

std::optional<QString> findValue(const QStringList &table, const QStringList &languages,
                                 QStringView key, QStringView language);

// Replaces the value line; returns false (table unchanged) when there is no such line.
bool setValue(QStringList &table, const QStringList &languages, QStringView key,
              QStringView language, const QString &text);

// Adds key and languageCount empty value lines at the end.
void appendEntry(QStringList &table, const QString &key, qsizetype languageCount);

// Adds an empty value line after the last value line of every entry, in one pass.
void insertLanguageColumn(QStringList &table, qsizetype languageCount);

// Form-strings key lines are the lines that begin with "[" and end with "]".
bool isFormKey(QStringView line);
// Message key lines begin and end with "&".
bool isMessageKey(QStringView line);

// Deletes every entry whose key line begins with "[" + component + "." (exact comparison).
void dropComponentEntries(QStringList &formStrings, qsizetype languageCount, QStringView component);

// Replaces the prefix "[" + oldName + "." of those keys by "[" + newName + ".".
void renameComponentKeys(QStringList &formStrings, QStringView oldName, QStringView newName);

// User strings write a line break as "%%"; it comes back as LF followed by CR.
QString expandLineBreaks(QString value);

} // namespace Parlox::Tables
