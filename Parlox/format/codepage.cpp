#include <Parlox/format/codepage.h>

#include <Parlox/format/errors.h>

#include <array>

namespace Parlox::CodePage {
namespace {

// Characters of bytes 0x80-0x9F; the rest of the code page coincides with Latin-1.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::array<char16_t, 256> makeDecodeTable()
{
    std::array<char16_t, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[b] = (b >= 0x80 && b < 0xA0) ? HighControls[b - 0x80] : char16_t(b);
    return table;
}

constexpr auto DecodeTable = makeDecodeTable();

// Returns the byte for c, or -1 when the code page has no such character (NUL included).
int byteFor(char16_t c)
{
    if (c == 0)
        return -1;
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < int(HighControls.size()); ++i)
        if (HighControls[i] == c)
            return 0x80 + i;
    return -1;
}

[[noreturn]] void refuse(QStringView text, char16_t c)
{
    const QString shown =
        text.size() > 60 ? text.left(57).toString() + QStringLiteral("...") : text.toString();
    const QString code = QString::number(uint(c), 16).toUpper().rightJustified(4, u'0');
    throw EncodingError(QStringLiteral("The text \"%1\" contains the character U+%2, which a "
                                       "translations file cannot hold.")
                            .arg(shown, code));
}

} // namespace

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    auto *out = reinterpret_cast<char16_t *>(text.data());
    for (const char b : bytes)
        *out++ = DecodeTable[static_cast<unsigned char>(b)];
    return text;
}

void appendEncoded(QByteArray &out, QStringView text)
{
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char *dst = out.data() + start;
    for (const QChar qc : text) {
        const int b = byteFor(qc.unicode());
        if (b < 0) {
            out.truncate(start);
            refuse(text, qc.unicode());
        }
        *dst++ = char(b);
    }
}

QByteArray encode(QStringView text)
{
    QByteArray out;
    appendEncoded(out, text);
    return out;
}

bool canEncode(QStringView text)
{
    for (const QChar qc : text)
        if (byteFor(qc.unicode()) < 0)
            return false;
    return true;
}

} // namespace Parlox::CodePage
