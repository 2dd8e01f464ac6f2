#include <Parlox/format/textcodec.h>

#include <Parlox/format/codepage.h>
#include <Parlox/format/errors.h>

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <array>
#include <mutex>

namespace Parlox {

struct SingleByteTable {
    std::array<char16_t, 256> chars{}; // 0 for a byte the code page leaves undefined
    QHash<char16_t, char> bytes;
};

namespace {

constexpr std::array<Encoding, 10> Encodings = {
    Encoding::Windows1250, Encoding::Windows1251, Encoding::Windows1252, Encoding::Windows1253,
    Encoding::Windows1254, Encoding::Windows1255, Encoding::Windows1256, Encoding::Windows1257,
    Encoding::Windows1258, Encoding::Utf8};

int codePage(Encoding encoding)
{
    return 1250 + int(encoding) - int(Encoding::Windows1250);
}

// Built once per code page from the system's converter, one byte at a time, so a byte that
// decodes to U+FFFD, to nothing or to a character an earlier byte already took is undefined,
// and encoding is the exact inverse of decoding (no best-fit substitutes).
std::optional<SingleByteTable> buildTable(Encoding encoding)
{
    const QByteArray converter = "windows-" + QByteArray::number(codePage(encoding));
    SingleByteTable table;
    for (int b = 1; b < 256; ++b) {
        QStringDecoder decoder(converter.constData(), QStringConverter::Flag::Stateless);
        if (!decoder.isValid())
            return std::nullopt;
        const char byte = char(b);
        const QString text = decoder.decode(QByteArrayView(&byte, 1));
        if (decoder.hasError() || text.size() != 1 || text[0] == QChar::ReplacementCharacter ||
            text[0].unicode() == 0 || table.bytes.contains(text[0].unicode()))
            continue;
        table.chars[size_t(b)] = text[0].unicode();
        table.bytes.insert(text[0].unicode(), byte);
    }
    return table;
}

const SingleByteTable *tableFor(Encoding encoding)
{
    static std::array<std::optional<SingleByteTable>, Encodings.size()> tables;
    static std::array<std::once_flag, Encodings.size()> built;
    const auto i = size_t(encoding);
    std::call_once(built[i], [&] { tables[i] = buildTable(encoding); });
    return tables[i] ? &*tables[i] : nullptr;
}

// The code point at i and how many UTF-16 units it takes; a lone surrogate is itself.
std::pair<char32_t, int> codePointAt(QStringView text, qsizetype i)
{
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return {QChar::surrogateToUcs4(c, text[i + 1]), 2};
    return {c.unicode(), 1};
}

std::optional<char32_t> firstNonUtf8(QStringView text)
{
    for (qsizetype i = 0; i < text.size();) {
        const auto [c, units] = codePointAt(text, i);
        if (c == 0 || (c >= 0xD800 && c <= 0xDFFF))
            return c;
        i += units;
    }
    return std::nullopt;
}

// The offset of the first byte that does not start or continue a well-formed sequence (no
// overlong forms, surrogates or code points past U+10FFFF).
qsizetype firstInvalidUtf8(QByteArrayView bytes)
{
    qsizetype i = 0;
    while (i < bytes.size()) {
        const uchar lead = uchar(bytes[i]);
        const int length = lead < 0x80   ? 1
                           : lead < 0xC2 ? 0
                           : lead < 0xE0 ? 2
                           : lead < 0xF0 ? 3
                           : lead < 0xF5 ? 4
                                         : 0;
        if (length == 0)
            return i;
        // The second byte's range also rules out overlong forms, surrogates and > U+10FFFF.
        uchar low = 0x80, high = 0xBF;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
        else if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
        for (int k = 1; k < length; ++k) {
            const qsizetype at = i + k;
            if (at >= bytes.size())
                return i;
            const uchar b = uchar(bytes[at]);
            if (b < (k == 1 ? low : 0x80) || b > (k == 1 ? high : 0xBF))
                return i;
        }
        i += length;
    }
    return -1;
}

std::optional<QString> decodeUtf8(QByteArrayView bytes, qsizetype *invalidAt)
{
    const qsizetype bad = firstInvalidUtf8(bytes);
    if (bad >= 0) {
        if (invalidAt)
            *invalidAt = bad;
        return std::nullopt;
    }
    // A leading byte order mark is kept as a character so that it goes back to disk.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

[[noreturn]] void refuse(Encoding encoding, QStringView text, char32_t c)
{
    const QString shown =
        text.size() > 60 ? text.left(57).toString() + QStringLiteral("...") : text.toString();
    throw EncodingError(QStringLiteral("The text \"%1\" contains the character %2, which a "
                                       "translations file in %3 cannot hold.")
                            .arg(shown, describeCharacter(c), encodingName(encoding)));
}

} // namespace

QList<Encoding> allEncodings()
{
    return {Encodings.begin(), Encodings.end()};
}

QString encodingName(Encoding encoding)
{
    if (encoding == Encoding::Utf8)
        return QStringLiteral("UTF-8");
    return QStringLiteral("Windows-%1").arg(codePage(encoding));
}

std::optional<Encoding> encodingFromName(QStringView name)
{
    const QString n = name.trimmed().toString().toLower();
    if (n == u"utf-8" || n == u"utf8")
        return Encoding::Utf8;
    for (const Encoding e : Encodings) {
        const QString number = QString::number(codePage(e));
        const QStringList spellings = {number, QStringLiteral("cp") + number,
                                       QStringLiteral("windows-") + number,
                                       QStringLiteral("windows") + number};
        if (e != Encoding::Utf8 && spellings.contains(n))
            return e;
    }
    return std::nullopt;
}

QString describeCharacter(char32_t c)
{
    const QString code = QString::number(uint(c), 16).toUpper().rightJustified(4, u'0');
    const bool printable = c >= 0x20 && !(c >= 0x7F && c < 0xA0) && !(c >= 0xD800 && c <= 0xDFFF);
    if (!printable)
        return QStringLiteral("U+%1").arg(code);
    return QStringLiteral("'%1' (U+%2)").arg(QString::fromUcs4(&c, 1), code);
}

TextCodec::TextCodec(Encoding encoding) : m_encoding(encoding)
{
    if (encoding == Encoding::Utf8 || encoding == Encoding::Windows1252)
        return;
    m_table = tableFor(encoding);
    if (!m_table)
        throw EncodingError(
            QStringLiteral("This system has no converter for %1.").arg(encodingName(encoding)));
}

std::optional<QString> TextCodec::decode(QByteArrayView bytes, qsizetype *invalidAt) const
{
    if (m_encoding == Encoding::Utf8)
        return decodeUtf8(bytes, invalidAt);
    if (!m_table)
        return CodePage::decode(bytes);
    QString text(bytes.size(), Qt::Uninitialized);
    auto *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char16_t c = m_table->chars[uchar(bytes[i])];
        if (c == 0) {
            if (invalidAt)
                *invalidAt = i;
            return std::nullopt;
        }
        *out++ = c;
    }
    return text;
}

std::optional<char32_t> TextCodec::unencodable(QStringView text) const
{
    if (m_encoding == Encoding::Utf8)
        return firstNonUtf8(text);
    for (qsizetype i = 0; i < text.size();) {
        const auto [c, units] = codePointAt(text, i);
        const bool held = c != 0 && c <= 0xFFFF &&
                          (m_table ? m_table->bytes.contains(char16_t(c))
                                   : CodePage::canEncode(text.sliced(i, 1)));
        if (!held)
            return c;
        i += units;
    }
    return std::nullopt;
}

void TextCodec::appendEncoded(QByteArray &out, QStringView text) const
{
    if (m_encoding == Encoding::Windows1252) {
        // One pass on the fast path; the codec leaves out as it was when it refuses.
        try {
            return CodePage::appendEncoded(out, text);
        } catch (const EncodingError &) {
        }
    } else if (m_encoding == Encoding::Utf8) {
        if (!firstNonUtf8(text)) {
            out.append(text.toUtf8());
            return;
        }
    } else {
        const qsizetype start = out.size();
        out.reserve(start + text.size());
        bool whole = true;
        for (const QChar c : text) {
            const auto found = m_table->bytes.constFind(c.unicode());
            if (found == m_table->bytes.cend() || c.unicode() == 0) {
                whole = false;
                break;
            }
            out.append(*found);
        }
        if (whole)
            return;
        out.truncate(start);
    }
    refuse(m_encoding, text, *unencodable(text));
}

QByteArray TextCodec::encode(QStringView text) const
{
    QByteArray out;
    appendEncoded(out, text);
    return out;
}

qint64 TextCodec::encodedSize(QStringView text) const
{
    if (m_encoding != Encoding::Utf8)
        return text.size();
    qint64 size = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        size += u < 0x80 ? 1 : u < 0x800 ? 2 : (u >= 0xD800 && u <= 0xDFFF) ? 2 : 3;
    }
    return size;
}

} // namespace Parlox
