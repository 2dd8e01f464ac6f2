#pragma once

#include <Parlox/format/image.h>

#include <map>
#include <optional>

namespace Parlox::Lng {

// Walks a file as the readers do and reports, instead of stepping over, whatever does not hold
// together: the header, counts and fields that run past the end, section offsets that point
// outside the section area, at the same section or into another, and, unless only damage is
// asked for, the tables' entry layout and duplicate keys and form names. Each distinct section
// is walked once, in ascending order, so damaged offsets can never make it quadratic.
class ProblemFinder {
public:
    // With `around`, only the sections that replacing the one at that offset could harm are
    // walked: the one before it, itself, the one after it and the last one, which the
    // directory follows. That costs little however large the file.
    ProblemFinder(QByteArrayView data, ProblemScope scope, std::optional<qint32> around = {},
                  const TextCodec &codec = TextCodec())
        : m_data(data), m_scope(scope), m_around(around), m_codec(codec)
    {
    }

    ProblemReport run();

private:
    struct Table {
        QString name;        // "form "Main" form strings"
        qint64 offsetAt = 0; // where the entry's offset field lies
    };

    void add(ProblemKind kind, qint64 at, const std::function<QString()> &text);
    bool checkHeader();
    void checkDirectory();
    void checkDefaultIndex(qint32 index, qint64 at);
    void checkFormNames(const QList<FormEntry> &forms, const QList<qint64> &fieldsAt);
    void checkSections(const QList<FormEntry> &forms, const QList<qint64> &fieldsAt);
    using Owners = std::map<qint32, Table>; // offset -> first table naming it
    void checkOffset(qint32 offset, const Table &table, Owners &owners);
    bool mustWalk(const Owners &owners, Owners::const_iterator section) const;
    qint64 checkSection(qint32 offset, const Table &table);
    void checkTable(const QList<QByteArrayView> &lines, const QString &name, qint64 at);
    template <typename Key, typename MakeKey>
    void findDuplicateKeys(const QList<QByteArrayView> &lines, const QString &name, qint64 at,
                           qsizetype entrySize, const MakeKey &makeKey);
    QString text(QByteArrayView line) const;
    bool decodeTables() const { return m_scope == ProblemScope::Everything; }

    QByteArrayView m_data;
    ProblemScope m_scope;
    std::optional<qint32> m_around;
    TextCodec m_codec;
    qint32 m_directory = 0;
    qsizetype m_languageCount = 0;
    ProblemReport m_report;
};

} // namespace Parlox::Lng
