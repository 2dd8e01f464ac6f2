#include "poreader.h"

#include "inputerror.h"

#include <QStringDecoder>
#include <algorithm>
#include <cctype>
#include <optional>

namespace Parlox::PoReader {
namespace {

[[noreturn]] void fail(qint64 line, const QString &what)
{
    throw InputError(QStringLiteral("%1: %2").arg(line).arg(what));
}

// The strings of one entry, still in the file's encoding.
struct RawEntry {
    qint64 line = 0;
    std::optional<QByteArray> context;
    std::optional<QByteArray> id;
    std::optional<QByteArray> translation; // msgstr, or msgstr[0] of an entry with plurals
    QList<QByteArray> references;
    bool plural = false;
    bool fuzzy = false;

    bool isHeader() const { return !context && id && id->isEmpty(); }
};

// The value of up to maxCount digits at the start of text; *used says how many there were.
int leadingNumber(QByteArrayView text, int base, int maxCount, qsizetype *used)
{
    int value = 0;
    qsizetype n = 0;
    for (; n < text.size() && n < maxCount; ++n) {
        const int digit = QByteArrayView("0123456789abcdef")
                              .first(base)
                              .indexOf(char(std::tolower(uchar(text[n]))));
        if (digit < 0)
            break;
        value = value * base + digit;
    }
    *used = n;
    return value;
}

class Parser {
public:
    QList<RawEntry> parse(QByteArrayView file)
    {
        if (file.startsWith("\xEF\xBB\xBF"))
            file = file.sliced(3);
        for (m_line = 1; !file.isEmpty(); ++m_line) {
            const qsizetype end = file.indexOf('\n');
            parseLine((end < 0 ? file : file.first(end)).trimmed());
            file = end < 0 ? QByteArrayView() : file.sliced(end + 1);
        }
        finishEntry();
        return std::move(m_entries);
    }

private:
    void parseLine(QByteArrayView line)
    {
        if (line.startsWith('#')) {
            comment(line);
            return;
        }
        if (line.isEmpty())
            return;
        if (line.startsWith('"')) {
            if (!m_open)
                fail(m_line, QStringLiteral("A string that follows no keyword."));
            m_open->append(unquote(line));
            return;
        }
        qsizetype space = 0;
        while (space < line.size() && line[space] != ' ' && line[space] != '\t')
            ++space;
        QByteArray &field = fieldFor(line.first(space));
        field = unquote(line.sliced(space).trimmed());
        m_open = &field;
    }

    // References and flags belong to the entry that follows them; other comments and obsolete
    // entries ("#~") carry nothing to import.
    void comment(QByteArrayView line)
    {
        if (m_entry.translation)
            finishEntry();
        if (line.startsWith("#:")) {
            const QByteArray references = line.sliced(2).toByteArray().simplified();
            if (!references.isEmpty())
                m_entry.references += references.split(' ');
        } else if (line.startsWith("#,")) {
            for (const QByteArray &flag : line.sliced(2).toByteArray().split(','))
                m_entry.fuzzy = m_entry.fuzzy || flag.trimmed() == "fuzzy";
        }
    }

    QByteArray &fieldFor(QByteArrayView keyword)
    {
        if (keyword == "msgctxt" || keyword == "msgid") {
            // A context or an id after a complete entry starts the next one.
            if (m_entry.id)
                finishEntry();
            if (!m_entry.context)
                m_entry.line = m_line;
            return set(keyword == "msgctxt" ? m_entry.context : m_entry.id, keyword);
        }
        if (!m_entry.id)
            fail(m_line, QStringLiteral("%1 without msgid.").arg(QString::fromLatin1(keyword)));
        if (keyword == "msgid_plural") {
            m_entry.plural = true;
            return m_ignored;
        }
        if (keyword == "msgstr" || keyword == "msgstr[0]")
            return set(m_entry.translation, keyword);
        if (keyword.startsWith("msgstr[") && m_entry.plural)
            return m_ignored;
        fail(m_line, QStringLiteral("Unknown keyword \"%1\".").arg(QString::fromUtf8(keyword)));
    }

    QByteArray &set(std::optional<QByteArray> &field, QByteArrayView keyword)
    {
        if (field)
            fail(m_line,
                 QStringLiteral("A second %1 in one entry.").arg(QString::fromLatin1(keyword)));
        return field.emplace();
    }

    void finishEntry()
    {
        m_open = nullptr;
        if (!m_entry.context && !m_entry.id) {
            m_entry = {};
            return;
        }
        if (!m_entry.id)
            fail(m_entry.line, QStringLiteral("msgctxt without msgid."));
        if (!m_entry.translation)
            fail(m_entry.line, QStringLiteral("msgid without msgstr."));
        m_entries.append(std::exchange(m_entry, {}));
    }

    // The bytes of one string in double quotes, with its C escapes resolved.
    QByteArray unquote(QByteArrayView text) const
    {
        if (!text.startsWith('"'))
            fail(m_line, QStringLiteral("Expected a string in double quotes."));
        if (text.size() < 2 || !text.endsWith('"'))
            fail(m_line, QStringLiteral("The string is not closed."));
        const QByteArrayView inner = text.sliced(1, text.size() - 2);
        QByteArray out;
        for (qsizetype i = 0; i < inner.size(); ++i) {
            if (inner[i] == '"')
                fail(m_line, QStringLiteral("A double quote inside a string must be written "
                                            "\\\"."));
            if (inner[i] != '\\') {
                out += inner[i];
                continue;
            }
            if (++i == inner.size())
                fail(m_line, QStringLiteral("The string is not closed."));
            i += escape(inner.sliced(i), out) - 1;
        }
        return out;
    }

    // Appends the character an escape stands for; returns how many bytes after the backslash
    // it took.
    qsizetype escape(QByteArrayView rest, QByteArray &out) const
    {
        constexpr QByteArrayView Plain = "ntrabfv\\\"'?";
        constexpr QByteArrayView Meant = "\n\t\r\a\b\f\v\\\"'?";
        if (const qsizetype simple = Plain.indexOf(rest[0]); simple >= 0) {
            out += Meant[simple];
            return 1;
        }
        qsizetype used = 0;
        const bool hex = rest[0] == 'x';
        const int value = leadingNumber(rest.sliced(hex ? 1 : 0), hex ? 16 : 8, hex ? 2 : 3, &used);
        if (used == 0 || value > 0xFF)
            fail(m_line, QStringLiteral("Unknown escape \"\\%1\".").arg(QLatin1Char(rest[0])));
        out += char(value);
        return used + (hex ? 1 : 0);
    }

    qint64 m_line = 0;
    RawEntry m_entry;
    QByteArray *m_open = nullptr;
    QByteArray m_ignored;
    QList<RawEntry> m_entries;
};

QStringConverter::Encoding encodingOf(const QList<RawEntry> &entries)
{
    const auto header = std::find_if(entries.cbegin(), entries.cend(),
                                     [](const RawEntry &e) { return e.isHeader(); });
    if (header == entries.cend())
        return QStringConverter::Utf8;
    const QByteArray &fields = *header->translation;
    const qsizetype at = fields.indexOf("charset=");
    if (at < 0)
        return QStringConverter::Utf8;
    qsizetype end = at + 8;
    while (end < fields.size() && !std::isspace(uchar(fields[end])) && fields[end] != ';')
        ++end;
    const QByteArray name = fields.sliced(at + 8, end - at - 8);
    // ASCII is a subset of UTF-8; "CHARSET" is the placeholder of a template no one filled in.
    if (name.isEmpty() || name == "CHARSET" || name.compare("ASCII", Qt::CaseInsensitive) == 0)
        return QStringConverter::Utf8;
    const auto encoding = QStringConverter::encodingForName(name.constData());
    if (!encoding)
        fail(header->line, QStringLiteral("The charset \"%1\" cannot be read; save the file "
                                          "as UTF-8.")
                               .arg(QString::fromLatin1(name)));
    return *encoding;
}

QString decode(QStringConverter::Encoding encoding, const QByteArray &bytes, qint64 line)
{
    QStringDecoder decoder(encoding);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        fail(line, QStringLiteral("A text is not valid in the file's charset."));
    return text;
}

// A reference with its %XX escapes resolved, as translate-toolkit writes them for characters
// that would split or end it; taken as it stands when it holds no valid escape sequence.
QString unescapedReference(const QString &reference)
{
    QByteArray bytes;
    const QByteArray raw = reference.toUtf8();
    for (qsizetype i = 0; i < raw.size(); ++i) {
        qsizetype used = 0;
        const int value =
            raw[i] == '%' ? leadingNumber(QByteArrayView(raw).sliced(i + 1), 16, 2, &used) : 0;
        if (used == 2) {
            bytes += char(value);
            i += 2;
        } else {
            bytes += raw[i];
        }
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString decoded = utf8.decode(bytes);
    return utf8.hasError() ? reference : decoded;
}

// The value of one "Name: value" field of the header.
QString headerField(const RawEntry &header, QStringConverter::Encoding encoding, QStringView name)
{
    const QString fields = decode(encoding, *header.translation, header.line);
    for (const QStringView line : QStringView(fields).split(u'\n')) {
        if (line.startsWith(name, Qt::CaseInsensitive) && line.sliced(name.size()).startsWith(u':'))
            return line.sliced(name.size() + 1).trimmed().toString();
    }
    return {};
}

} // namespace

QList<TranslationUnit> read(QByteArrayView file, QString *language)
{
    const QList<RawEntry> entries = Parser().parse(file);
    const QStringConverter::Encoding encoding = encodingOf(entries);
    QList<TranslationUnit> units;
    for (const RawEntry &entry : entries) {
        if (entry.isHeader()) {
            if (language)
                *language = headerField(entry, encoding, u"Language");
            continue;
        }
        TranslationUnit unit;
        unit.id = decode(encoding, entry.context.value_or(QByteArray()), entry.line);
        unit.source = decode(encoding, *entry.id, entry.line);
        unit.target = decode(encoding, *entry.translation, entry.line);
        unit.line = entry.line;
        unit.fuzzy = entry.fuzzy;
        for (const QByteArray &reference : entry.references)
            unit.references.append(unescapedReference(decode(encoding, reference, entry.line)));
        if (entry.plural)
            unit.problem = QStringLiteral("it has plural forms, which a translations file does "
                                          "not hold.");
        units.append(std::move(unit));
    }
    return units;
}

} // namespace Parlox::PoReader
