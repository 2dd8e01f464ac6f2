#pragma once

#include <Parlox/format/lngtypes.h>
#include <QList>
#include <QString>
#include <QStringList>

// A translations document seen as translation units: every complete entry of every table, with
// an identifier that names the table and the key, and its values converted between what the
// file stores and what a translator sees.
namespace Parlox::DocumentUnits {

enum class TableKind { Messages, FormStrings, UserStrings };

struct Entry {
    // The table's name ("messages", FORM + "/form", FORM + "/user"), "/" and the key; a repeated
    // identifier gets "#2", "#3"... in file order, so every entry has its own.
    QString id;
    QString key;
    TableKind kind = TableKind::Messages;
    // Position of the form in the document; -1 for the message strings.
    qsizetype form = -1;
    qsizetype keyLine = 0;
};

// Every entry that has all its value lines: the message strings, then each form's form
// strings and user strings, in document order. A trailing entry cut short is left out.
QList<Entry> entries(const Lng::Document &document);

const QStringList &table(const Lng::Document &document, const Entry &entry);
QStringList &table(Lng::Document &document, const Entry &entry);

// The column the translation is made from: the file's default language. Throws InputError
// when the default language index names no language.
qsizetype sourceColumn(const Lng::Document &document);

// The column of language (case ignored), or -1 when the file lacks it. Throws InputError when
// it is the source column.
qsizetype targetColumn(const Lng::Document &document, const QString &language);

// What a translator sees of a stored value: "%%" in user strings, and 0x15 (LF) and 0x16 (CR)
// in form captions and hints, become real line breaks.
QString visible(const Entry &entry, QString stored);

// The stored form of a translator's text; the inverse of visible() for every text it can
// return. In user strings any line break (CR LF, LF or CR) becomes "%%".
QString stored(const Entry &entry, QString visible);

// Whether stored() keeps all of a translator's text: user strings cannot hold "%%" of their own
// or a "%" before a line break, captions and hints cannot hold the characters 0x15 and 0x16.
bool canStore(const Entry &entry, const QString &visible);

} // namespace Parlox::DocumentUnits
