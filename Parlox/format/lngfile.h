#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

// The translations file ("Parlox 2.0"): a 14-byte header, sections holding one table each, and
// a directory at the offset stored at byte 10. Integers are 32-bit little-endian; strings are
// Windows-1252 bytes ended by NUL. Everything here works on bytes in memory; opening, locking
// and replacing files is LockedFile's job.
namespace Parlox::Lng {

inline constexpr QByteArrayView Magic = "Parlox 2.0";
inline constexpr qint32 HeaderSize = 14;
inline constexpr qint32 DirectoryOffsetAt = 10;

enum class SectionKind { FormStrings, UserStrings };

struct FormEntry {
    QString name;
    qint32 formOffset = 0;
    qint32 userOffset = 0;

    qint32 offset(SectionKind kind) const;
    void setOffset(SectionKind kind, qint32 value);
    bool operator==(const FormEntry &) const = default;
};

// First entry whose name matches (case ignored), or -1.
qsizetype findForm(const QList<FormEntry> &forms, QStringView name);

struct Directory {
    QStringList languages;
    qint32 defaultIndex = 0;
    QStringList messages;
    QList<FormEntry> forms;

    qsizetype findForm(QStringView name) const;
    bool operator==(const Directory &) const = default;
};

enum class HeaderState {
    Valid,       // magic and a directory offset of 1 or more
    TooShort,    // fewer than 10 bytes
    WrongMagic,  // the first 10 bytes are not the magic
    NoOffset,    // the directory offset's 4 bytes are missing
    NoDirectory, // a directory offset below 1
};

// Read-only view over a file's bytes. Every read is bounded by the data: a string cut off by
// the end ends there, a missing integer reads 0, and counts stop at the end of the data, so
// nothing is allocated for lines that are not there.
class Image {
public:
    explicit Image(QByteArrayView data) : m_data(data) {}

    HeaderState header() const;
    qint32 directoryOffset() const; // 0 when unreadable
    // The directory, or an empty one unless the header is Valid. Languages and messages are
    // skipped (left empty) when withTables is false.
    Directory directory(bool withTables = true) const;
    // The table stored in the section at offset; empty for an offset outside the data.
    QStringList section(qint32 offset) const;
    // Bytes from offset to the end of that section's last string, bounded by the data.
    qint64 sectionLength(qint32 offset) const;
    QByteArrayView bytes() const { return m_data; }

private:
    QByteArrayView m_data;
};

struct Form {
    QString name;
    QStringList formStrings;
    QStringList userStrings;
    bool operator==(const Form &) const = default;
};

struct Document {
    QStringList languages;
    qint32 defaultIndex = -1;
    QStringList messages;
    QList<Form> forms;
    bool operator==(const Document &) const = default;
};

// Every form listed in the directory with both of its tables, in directory order.
Document readDocument(const Image &image);

// The compact layout: sections in form order (form strings, then user strings, each only when
// it has lines), then the directory, nothing after it. Throws EncodingError.
QByteArray writeDocument(const Document &document);

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
};

// Replaces one form's section in place: the old section is cut out and the sections behind it
// move up, the new one goes in front of the directory, the directory is rewritten whole, and
// the file is never shortened. Returns false, leaving file untouched, when it is shorter than
// 10 bytes or has a wrong magic. Throws EncodingError before changing anything.
bool replaceSection(QByteArray &file, const SectionUpdate &update);

} // namespace Parlox::Lng
