#pragma once

#include <Parlox/format/image.h>
#include <Parlox/format/lngtypes.h>
#include <Parlox/format/problem.h>

#include <QByteArray>

// Reading and writing the translations file. Everything here works on bytes in memory;
// opening, locking and replacing files is LockedFile's job.
namespace Parlox::Lng {

// Every form listed in the directory with both of its tables, in directory order, in the
// image's encoding (throws EncodingError for bytes it does not define).
Document readDocument(const Image &image);

// The compact layout: sections in form order (form strings, then user strings, each only when
// it has lines), then the directory, nothing after it. Throws EncodingError, or SizeError for
// a document past what the 32-bit offsets address. A text the encoding cannot hold is named
// with its table, key and language.
// The document is written in its own encoding.
QByteArray writeDocument(const Document &document);
QByteArray writeDocument(const PackedDocument &document);

// The encoding of a translations file whose reader was not told it: UTF-8 when every string
// of the file is valid UTF-8 and one at least goes beyond ASCII, otherwise Windows-1252, in
// which every byte reads. The integers between the strings are not looked at.
Encoding detectFileEncoding(QByteArrayView file);

// The bytes of a file that has just been created: the magic and a directory offset of 0.
QByteArray emptyFile();

struct SectionUpdate {
    QString oldName;
    QString newName;
    SectionKind kind = SectionKind::FormStrings;
    QStringList table;
    // From the language selector: stored in the rewritten directory.
    QStringList languages;
    QString activeLanguage;
    QStringList messages;
    // The file's, for the new section and the directory.
    Encoding encoding = Encoding::Windows1252;
};

// Replaces one form's section in place: the old section is cut out and the sections behind it
// move up, the new one goes in front of the directory, the directory is rewritten whole, and
// the file is never shortened. Returns false, leaving file untouched, when it is shorter than
// 10 bytes or has a wrong magic. Throws, before changing anything, DamageError for a damaged
// file (Image::problems), EncodingError and SizeError.
bool replaceSection(QByteArray &file, const SectionUpdate &update);

// Rethrows an EncodingError met while writing table, naming the first line the codec cannot
// hold by its key and language.
[[noreturn]] void refuseTable(const QStringList &table, const QStringList &languages,
                              const QString &tableName, const TextCodec &codec);

} // namespace Parlox::Lng
