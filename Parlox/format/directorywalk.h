#pragma once

#include <Parlox/format/cursor.h>
#include <Parlox/format/lngtypes.h>
#include <Parlox/format/textcodec.h>

#include <functional>

namespace Parlox::Lng {

class ProblemReport;

// One walk over the directory and the sections, shared by the readers, which take what it
// yields, and by the problem report, which also hears what it runs into: a count or field cut
// off by the end of the file, or a negative count. The walk goes on past such a place as the
// readers do (missing integers read 0, missing strings are not there), but reports nothing
// after it, since what follows no longer means what it says.
class DirectoryWalk {
public:
    // report may be null. A string the codec cannot decode is reported, or without a report
    // throws EncodingError naming its position.
    DirectoryWalk(QByteArrayView data, qint64 offset, ProblemReport *report,
                  const TextCodec &codec = TextCodec());

    // The steps in file order. Each returns how many of its items were all there; into may be
    // null to skip them.
    qsizetype languages(QStringList *into);
    qint32 defaultIndex();
    qsizetype messages(QStringList *into);
    qsizetype messages(QList<QByteArrayView> *into);
    qsizetype messages(PackedLines *into);
    // fieldsAt, when given, receives the position of each entry's form-strings offset field
    // (the user-strings offset follows 4 bytes later). An entry cut off by the end is read
    // as far as it goes, with offsets 0, but not counted as complete.
    qsizetype forms(QList<FormEntry> &into, QList<qint64> *fieldsAt);

    // Reads the section at offset; `what` names its line count in a report. Returns the
    // number of complete lines and leaves the walk where the section ends.
    qsizetype section(QStringList *into, const std::function<QString()> &what);
    // The same with the lines as the file holds them, not decoded; they view the data.
    qsizetype encodedSection(QList<QByteArrayView> *into, const std::function<QString()> &what);
    // The same decoded into a packed table, for a reader with no report.
    qsizetype packedSection(PackedLines *into);

    bool broken() const { return m_broken; }
    qint64 pos() const { return m_in.pos(); }

private:
    bool count(qint32 &value, const std::function<QString()> &what);
    // Where the lines read go; any may be null.
    struct Sinks {
        QStringList *decoded;
        QList<QByteArrayView> *encoded;
        PackedLines *packed;
    };
    qsizetype readLines(const Sinks &into, const std::function<QString()> &what);
    qsizetype strings(qint32 count, const Sinks &into);
    void reportPastEnd(qint64 at, const std::function<QString()> &what);
    QString decode(QByteArrayView text);
    void checkDecodable(QByteArrayView text);

    QByteArrayView m_data;
    Cursor m_in;
    ProblemReport *m_report;
    TextCodec m_codec;
    bool m_broken = false;
};

// Problem texts may start with a table's name, which is written in lower case mid-sentence.
QString capitalized(QString text);

} // namespace Parlox::Lng
