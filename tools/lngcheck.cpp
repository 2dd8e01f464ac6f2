#include "lngcheck.h"

#include "codepage.h"
#include "lngfile.h"

#include <QHash>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <map>

namespace Parlox::LngCheck {
namespace {

// A text quoted for a one-line report: control characters are shown as escapes and long
// texts are cut.
QString quoted(QByteArrayView bytes)
{
    QString text = CodePage::decode(bytes.first(std::min<qsizetype>(bytes.size(), 60)));
    QString shown;
    for (const QChar c : text)
        shown += c.unicode() < 0x20 ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'))
                                    : QString(c);
    return u'"' + shown + (bytes.size() > 60 ? QStringLiteral("...\"") : QStringLiteral("\""));
}

// Reads forward through the bytes and reports, instead of hiding, whatever runs past the end.
class Cursor {
public:
    Cursor(QByteArrayView data, qint64 pos) : m_data(data), m_pos(pos) {}

    qint64 pos() const { return m_pos; }

    bool readInt(qint32 &value)
    {
        if (m_pos < 0 || m_data.size() - m_pos < 4)
            return false;
        value = qFromLittleEndian<qint32>(m_data.data() + m_pos);
        m_pos += 4;
        return true;
    }

    // False when no NUL ends the string before the end of the data.
    bool readString(QByteArrayView &text)
    {
        if (m_pos < 0 || m_pos >= m_data.size())
            return false;
        const char *start = m_data.data() + m_pos;
        const void *nul = std::memchr(start, 0, size_t(m_data.size() - m_pos));
        if (!nul)
            return false;
        text = QByteArrayView(start, static_cast<const char *>(nul) - start);
        m_pos += text.size() + 1;
        return true;
    }

private:
    QByteArrayView m_data;
    qint64 m_pos;
};

// The lines of a table as views into the file: nothing is copied or allocated per line
// beyond the view itself, and never more views than the bytes can hold.
using Lines = QList<QByteArrayView>;

struct Counted {
    bool complete = false;
    Lines lines;
};

class Checker {
public:
    explicit Checker(QByteArrayView data) : m_data(data) {}

    QStringList run()
    {
        if (checkHeader())
            checkDirectory();
        return m_problems;
    }

private:
    struct Entry {
        QByteArrayView name;
        qint32 offsets[2] = {0, 0};
    };

    // Problems may start with a table's name, which is written in lower case mid-sentence.
    void report(QString problem)
    {
        problem[0] = problem[0].toUpper();
        m_problems.append(problem);
    }

    bool checkHeader()
    {
        if (m_data.size() < Lng::Magic.size()) {
            report(QStringLiteral("The file is %1 bytes long, shorter than the 10-byte magic.")
                       .arg(m_data.size()));
            return false;
        }
        if (m_data.first(Lng::Magic.size()) != Lng::Magic) {
            report(QStringLiteral("The file does not start with the magic \"Parlox 2.0\"."));
            return false;
        }
        Cursor in(m_data, Lng::DirectoryOffsetAt);
        if (!in.readInt(m_directory)) {
            report(QStringLiteral("The file has no directory: it ends inside the directory "
                                  "offset at byte 10."));
            return false;
        }
        if (m_directory < 1) {
            report(QStringLiteral("The file has no directory: the directory offset is %1.")
                       .arg(m_directory));
            return false;
        }
        if (m_directory < Lng::HeaderSize || m_directory >= m_data.size()) {
            report(QStringLiteral("The directory offset %1 is outside the file (bytes 14 to %2).")
                       .arg(m_directory)
                       .arg(m_data.size() - 1));
            return false;
        }
        return true;
    }

    // A count and the strings it announces. Reports and returns an incomplete result when
    // either runs past the end of the file or the count is negative.
    Counted readCounted(Cursor &in, const QString &what)
    {
        Counted result;
        const qint64 at = in.pos();
        qint32 count = 0;
        if (!in.readInt(count)) {
            report(QStringLiteral("The %1 at byte %2 runs past the end of the file.")
                       .arg(what)
                       .arg(at));
            return result;
        }
        if (count < 0) {
            report(
                QStringLiteral("The %1 at byte %2 is negative (%3).").arg(what).arg(at).arg(count));
            return result;
        }
        QByteArrayView line;
        while (result.lines.size() < count && in.readString(line))
            result.lines.append(line);
        if (result.lines.size() < count) {
            report(QStringLiteral("The %1 %2 at byte %3 runs past the end of the file, which "
                                  "holds only %4 of those lines.")
                       .arg(what)
                       .arg(count)
                       .arg(at)
                       .arg(result.lines.size()));
            return result;
        }
        result.complete = true;
        return result;
    }

    bool readInt(Cursor &in, const QString &what, qint32 &value)
    {
        const qint64 at = in.pos();
        if (in.readInt(value))
            return true;
        report(
            QStringLiteral("The %1 at byte %2 runs past the end of the file.").arg(what).arg(at));
        return false;
    }

    void checkDirectory()
    {
        Cursor in(m_data, m_directory);
        const Counted languages = readCounted(in, QStringLiteral("language count"));
        if (!languages.complete)
            return;
        m_languageCount = languages.lines.size();
        qint32 defaultIndex = 0;
        if (!readInt(in, QStringLiteral("default language index"), defaultIndex))
            return;
        // -1 is what a writer stores when its active language is not in the list.
        if (defaultIndex < -1 || defaultIndex >= m_languageCount)
            report(QStringLiteral("The default language index %1 is outside the language list "
                                  "(%2 languages).")
                       .arg(defaultIndex)
                       .arg(m_languageCount));
        const Counted messages = readCounted(in, QStringLiteral("message line count"));
        if (!messages.complete)
            return;
        checkTable(messages.lines, QStringLiteral("message strings"));
        QList<Entry> entries;
        if (readEntries(in, entries)) {
            checkFormNames(entries);
            checkSections(entries);
        }
    }

    bool readEntries(Cursor &in, QList<Entry> &entries)
    {
        qint32 count = 0;
        const qint64 at = in.pos();
        if (!readInt(in, QStringLiteral("form count"), count))
            return false;
        if (count < 0) {
            report(
                QStringLiteral("The form count at byte %1 is negative (%2).").arg(at).arg(count));
            return false;
        }
        for (qint32 i = 0; i < count; ++i) {
            Entry entry;
            if (!in.readString(entry.name) || !in.readInt(entry.offsets[0]) ||
                !in.readInt(entry.offsets[1])) {
                report(QStringLiteral("The form count %1 at byte %2 runs past the end of the "
                                      "file, which holds only %3 of those form entries.")
                           .arg(count)
                           .arg(at)
                           .arg(i));
                break;
            }
            entries.append(entry);
        }
        return true;
    }

    void checkFormNames(const QList<Entry> &entries)
    {
        QHash<QString, qsizetype> first;
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const QString folded = CodePage::decode(entries[i].name).toCaseFolded();
            const auto seen = first.constFind(folded);
            if (seen == first.cend())
                first.insert(folded, i);
            else
                report(QStringLiteral("The form name %1 is listed more than once (entries %2 "
                                      "and %3, case ignored).")
                           .arg(quoted(entries[i].name))
                           .arg(*seen + 1)
                           .arg(i + 1));
        }
    }

    static QString tableName(const Entry &entry, int kind)
    {
        return QStringLiteral("form %1 %2")
            .arg(quoted(entry.name),
                 kind == 0 ? QStringLiteral("form strings") : QStringLiteral("user strings"));
    }

    // Each distinct offset is walked once, in ascending order, and a section starting inside
    // one already walked is reported rather than walked again: damaged offsets can then never
    // make the check quadratic in the size of the file.
    void checkSections(const QList<Entry> &entries)
    {
        std::map<qint32, QString> owners; // offset -> first table naming it
        for (const Entry &entry : entries)
            for (int kind = 0; kind < 2; ++kind)
                checkOffset(entry, kind, owners);
        qint64 walkedEnd = 0;
        qint32 walkedStart = 0;
        for (const auto &[offset, owner] : owners) {
            if (offset < walkedEnd) {
                report(QStringLiteral("%1: the section at byte %2 starts inside the section at "
                                      "byte %3.")
                           .arg(owner)
                           .arg(offset)
                           .arg(walkedStart));
                continue;
            }
            walkedStart = offset;
            walkedEnd = checkSection(offset, owner);
        }
    }

    void checkOffset(const Entry &entry, int kind, std::map<qint32, QString> &owners)
    {
        const qint32 offset = entry.offsets[kind];
        if (offset == 0)
            return;
        const QString name = tableName(entry, kind);
        if (offset < Lng::HeaderSize || offset >= m_directory) {
            report(QStringLiteral("%1: the section offset %2 is outside the section area (bytes "
                                  "14 to %3).")
                       .arg(name)
                       .arg(offset)
                       .arg(m_directory - 1));
            return;
        }
        const auto [it, added] = owners.emplace(offset, name);
        if (!added)
            report(QStringLiteral("%1: the section at byte %2 is also the section of %3.")
                       .arg(name)
                       .arg(offset)
                       .arg(it->second));
    }

    // Returns where the section ends.
    qint64 checkSection(qint32 offset, const QString &name)
    {
        Cursor in(m_data, offset);
        const Counted table = readCounted(in, name + QStringLiteral(" line count"));
        if (!table.complete)
            return m_data.size();
        if (table.lines.isEmpty())
            report(
                QStringLiteral("%1: the section at byte %2 has no lines.").arg(name).arg(offset));
        if (in.pos() > m_directory)
            report(QStringLiteral("%1: the section at byte %2 runs into the directory at byte %3.")
                       .arg(name)
                       .arg(offset)
                       .arg(m_directory));
        checkTable(table.lines, name);
        return in.pos();
    }

    void checkTable(const Lines &lines, const QString &name)
    {
        const qsizetype entrySize = m_languageCount + 1;
        if (lines.size() % entrySize != 0)
            report(QStringLiteral("%1: the line count %2 is not a multiple of %3 (a key line "
                                  "and %4 language lines per entry).")
                       .arg(name)
                       .arg(lines.size())
                       .arg(entrySize)
                       .arg(m_languageCount));
        QHash<QString, qsizetype> first;
        for (qsizetype i = 0; i < lines.size(); i += entrySize) {
            const QString folded = CodePage::decode(lines[i]).toCaseFolded();
            const auto seen = first.constFind(folded);
            if (seen == first.cend())
                first.insert(folded, i);
            else
                report(QStringLiteral("%1: the key %2 appears more than once (lines %3 and %4, "
                                      "case ignored).")
                           .arg(name, quoted(lines[i]))
                           .arg(*seen + 1)
                           .arg(i + 1));
        }
    }

    QByteArrayView m_data;
    qint32 m_directory = 0;
    qsizetype m_languageCount = 0;
    QStringList m_problems;
};

} // namespace

QStringList check(QByteArrayView file)
{
    return Checker(file).run();
}

} // namespace Parlox::LngCheck
