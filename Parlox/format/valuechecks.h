#pragma once

#include <Parlox/format/packedlines.h>

#include <QByteArrayView>
#include <QFlags>
#include <QList>
#include <QStringList>
#include <QStringView>
#include <array>

// Warnings a translator acts on: a value compared with the first language's value of its
// entry. They are hints, not errors: a file with warnings reads and writes as well as any other.
namespace Parlox::ValueChecks {

enum class Check : unsigned {
    AccessKeys = 1U << 0,   // another number of "&" access keys
    LineBreaks = 1U << 1,   // another number of "%%" line-break markers
    Placeholders = 1U << 2, // other placeholders (%1, %L2, %s, %5.2f ...)
    OuterSpaces = 1U << 3,  // other white space at the start or at the end
    SameAsFirst = 1U << 4,  // the first language's text itself: maybe untranslated
};
Q_DECLARE_FLAGS(Checks, Check)

inline constexpr std::array<Check, 5> AllChecks{Check::AccessKeys, Check::LineBreaks,
                                                Check::Placeholders, Check::OuterSpaces,
                                                Check::SameAsFirst};

// "&" before a character marks an access key; "&&" is an ampersand, and so is an "&" before
// white space or at the end, which prose uses ("Save & exit").
qsizetype accessKeyCount(QStringView text);
// "%%" markers, taken leftmost first without overlap as the user-string lookup takes them.
qsizetype lineBreakCount(QStringView text);
// Qt's %1 to %99 (also %L1) and printf's conversions (%s, %d, %-5.2f, %lu ...), sorted, so
// that a translation may reorder them. A "%" that starts none of them is text ("50% off").
QStringList placeholders(QStringView text);

// What a value fails against the first language's value of its entry. An empty value is
// untranslated rather than wrong, and an empty first value gives nothing to compare with:
// neither fails anything.
Checks check(QStringView first, QStringView value);
// The same on the code page's bytes, as a translations file holds them, without decoding.
Checks check(QByteArrayView first, QByteArrayView value);

struct Warning {
    qsizetype entry = 0;    // entry position in the table
    qsizetype language = 0; // 1 or more: the first language is the reference
    Checks failed;
    bool operator==(const Warning &) const = default;
};

// The warnings of one entry of a table with languageCount languages, by language; none for an
// entry that is not whole.
QList<Warning> checkEntry(const QStringList &table, qsizetype languageCount, qsizetype entry);
// Every whole entry's warnings, by entry and then by language.
QList<Warning> checkTable(const QStringList &table, qsizetype languageCount);
// The same on a table's lines as the file holds them.
QList<Warning> checkTable(const QList<QByteArrayView> &table, qsizetype languageCount);
QList<Warning> checkEntry(const Lng::PackedLines &table, qsizetype languageCount, qsizetype entry);
QList<Warning> checkTable(const Lng::PackedLines &table, qsizetype languageCount);

} // namespace Parlox::ValueChecks

Q_DECLARE_OPERATORS_FOR_FLAGS(Parlox::ValueChecks::Checks)
