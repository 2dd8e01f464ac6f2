#pragma once

#include <Parlox/format/packedlines.h>
#include <Parlox/format/textcodec.h>

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <limits>

// The translations file ("Parlox 2.0"): a 14-byte header, sections holding one table each, and
// a directory at the offset stored at byte 10. Integers are 32-bit little-endian; strings are
// bytes ended by NUL, in the encoding the file is read and written in.
namespace Parlox::Lng {

inline constexpr QByteArrayView Magic = "Parlox 2.0";
inline constexpr qint32 HeaderSize = 14;
inline constexpr qint32 DirectoryOffsetAt = 10;
// The offsets are signed 32-bit fields, so no file may grow past what they can address.
inline constexpr qint64 MaxFileSize = std::numeric_limits<qint32>::max();

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

// A form's two tables; Table is a QStringList, or PackedLines where a whole file is held at once.
template <class Table> struct BasicForm {
    QString name;
    Table formStrings;
    Table userStrings;
    bool operator==(const BasicForm &) const = default;
};

template <class Table> struct BasicDocument {
    QStringList languages;
    qint32 defaultIndex = -1;
    Table messages;
    QList<BasicForm<Table>> forms;
    // The file's, not stored in it: whoever reads the file knows it.
    Encoding encoding = Encoding::Windows1252;
    bool operator==(const BasicDocument &) const = default;
};

using Form = BasicForm<QStringList>;
using Document = BasicDocument<QStringList>;
using PackedForm = BasicForm<PackedLines>;
using PackedDocument = BasicDocument<PackedLines>;

// The same document with its tables in the other form.
Document unpacked(const PackedDocument &document);
PackedDocument packed(const Document &document);

} // namespace Parlox::Lng
