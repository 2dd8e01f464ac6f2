#include <Parlox/format/directorywalk.h>

#include <Parlox/format/codepage.h>
#include <Parlox/format/errors.h>
#include <Parlox/format/problem.h>

#include <numeric>

namespace Parlox::Lng {

QString capitalized(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

DirectoryWalk::DirectoryWalk(QByteArrayView data, qint64 offset, ProblemReport *report,
                             const TextCodec &codec)
    : m_data(data), m_in(data, offset), m_report(report), m_codec(codec)
{
}

namespace {

QString invalidText(QByteArrayView text, qsizetype bad, qint64 at, const QString &encoding)
{
    return QStringLiteral("The byte 0x%1 at byte %2 is not valid %3 (in the string starting at "
                          "byte %4).")
        .arg(QString::number(uchar(text[bad]), 16).toUpper().rightJustified(2, u'0'))
        .arg(at + bad)
        .arg(encoding)
        .arg(at);
}

} // namespace

// Undecodable text is never shown replaced: the reader stops, and a report shows the string as
// Windows-1252, which reads every byte.
QString DirectoryWalk::decode(QByteArrayView text)
{
    qsizetype bad = 0;
    if (std::optional<QString> decoded = m_codec.decode(text, &bad))
        return *std::move(decoded);
    const qint64 at = text.data() - m_data.data();
    if (!m_report)
        throw EncodingError(invalidText(text, bad, at, m_codec.name()));
    if (!m_broken)
        m_report->add(ProblemKind::InvalidText, at + bad,
                      [&] { return invalidText(text, bad, at, m_codec.name()); });
    return CodePage::decode(text);
}

void DirectoryWalk::checkDecodable(QByteArrayView text)
{
    if (m_report && m_codec.encoding() != Encoding::Windows1252)
        decode(text);
}

void DirectoryWalk::reportPastEnd(qint64 at, const std::function<QString()> &what)
{
    if (m_report && !m_broken)
        m_report->add(ProblemKind::PastEnd, at, [&] {
            return capitalized(QStringLiteral("The %1 at byte %2 runs past the end of the file.")
                                   .arg(what())
                                   .arg(at));
        });
    m_broken = true;
}

// A count of items that follow. A negative count announces none.
bool DirectoryWalk::count(qint32 &value, const std::function<QString()> &what)
{
    const qint64 at = m_in.pos();
    if (!m_in.readInt(value)) {
        reportPastEnd(at, what);
        return false;
    }
    if (value >= 0)
        return true;
    if (m_report && !m_broken)
        m_report->add(ProblemKind::NegativeCount, at, [&] {
            return capitalized(QStringLiteral("The %1 at byte %2 is negative (%3).")
                                   .arg(what())
                                   .arg(at)
                                   .arg(value));
        });
    m_broken = true;
    return false;
}

// Reads up to count strings, stopping at the end of the data; a string cut off by the end is
// read as far as it goes but is not complete.
qsizetype DirectoryWalk::strings(qint32 count, const Sinks &into)
{
    qsizetype complete = 0;
    QByteArrayView text;
    for (qint32 i = 0; i < count && !m_in.atEnd(); ++i) {
        complete += m_in.readString(text) ? 1 : 0;
        if (into.decoded)
            into.decoded->append(decode(text));
        if (into.encoded) {
            checkDecodable(text);
            into.encoded->append(text);
        }
        if (into.packed) {
            // Most lines are ASCII: those are stored as the file holds them, with no decoding.
            const char any = std::accumulate(text.begin(), text.end(), char(0),
                                             [](char a, char b) { return char(a | b); });
            if (any >= 0)
                into.packed->appendAscii(text);
            else
                into.packed->append(decode(text));
        }
    }
    return complete;
}

qsizetype DirectoryWalk::section(QStringList *into, const std::function<QString()> &what)
{
    return readLines({into, nullptr, nullptr}, what);
}

qsizetype DirectoryWalk::encodedSection(QList<QByteArrayView> *into,
                                        const std::function<QString()> &what)
{
    return readLines({nullptr, into, nullptr}, what);
}

qsizetype DirectoryWalk::packedSection(PackedLines *into)
{
    return readLines({nullptr, nullptr, into}, {});
}

qsizetype DirectoryWalk::readLines(const Sinks &into, const std::function<QString()> &what)
{
    const qint64 at = m_in.pos();
    qint32 lines = 0;
    if (!count(lines, what))
        return 0;
    // Every line takes a byte at least, so a damaged count reserves no more than the file.
    if (into.packed)
        into.packed->reserve(std::min<qint64>(lines, m_data.size() - m_in.pos()), 0);
    const qsizetype complete = strings(lines, into);
    if (complete < lines && m_report && !m_broken)
        m_report->add(ProblemKind::PastEnd, at, [&] {
            return capitalized(QStringLiteral("The %1 %2 at byte %3 runs past the end of the "
                                              "file, which holds only %4 of those lines.")
                                   .arg(what())
                                   .arg(lines)
                                   .arg(at)
                                   .arg(complete));
        });
    m_broken = m_broken || complete < lines;
    return complete;
}

qsizetype DirectoryWalk::languages(QStringList *into)
{
    return section(into, [] { return QStringLiteral("language count"); });
}

qint32 DirectoryWalk::defaultIndex()
{
    const qint64 at = m_in.pos();
    qint32 index = 0;
    if (!m_in.readInt(index))
        reportPastEnd(at, [] { return QStringLiteral("default language index"); });
    return index;
}

qsizetype DirectoryWalk::messages(QStringList *into)
{
    return readLines({into, nullptr, nullptr}, [] { return QStringLiteral("message line count"); });
}

qsizetype DirectoryWalk::messages(QList<QByteArrayView> *into)
{
    return readLines({nullptr, into, nullptr}, [] { return QStringLiteral("message line count"); });
}

qsizetype DirectoryWalk::messages(PackedLines *into)
{
    return readLines({nullptr, nullptr, into}, [] { return QStringLiteral("message line count"); });
}

qsizetype DirectoryWalk::forms(QList<FormEntry> &into, QList<qint64> *fieldsAt)
{
    const qint64 at = m_in.pos();
    qint32 entries = 0;
    if (!count(entries, [] { return QStringLiteral("form count"); }))
        return 0;
    qint32 complete = 0;
    for (; complete < entries && !m_in.atEnd(); ++complete) {
        FormEntry entry;
        QByteArrayView name;
        const bool named = m_in.readString(name);
        entry.name = decode(name);
        if (fieldsAt)
            fieldsAt->append(m_in.pos());
        const bool whole = m_in.readInt(entry.formOffset) && m_in.readInt(entry.userOffset);
        into.append(std::move(entry));
        if (!named || !whole)
            break;
    }
    if (complete < entries && m_report && !m_broken)
        m_report->add(ProblemKind::PastEnd, at, [&] {
            return QStringLiteral("The form count %1 at byte %2 runs past the end of the file, "
                                  "which holds only %3 of those form entries.")
                .arg(entries)
                .arg(at)
                .arg(complete);
        });
    m_broken = m_broken || complete < entries;
    return complete;
}

} // namespace Parlox::Lng
