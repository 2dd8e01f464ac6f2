#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

namespace Parlox {

// The encoding of a translations file's strings. The byte format only forbids NUL, so any
// Windows code page or UTF-8 fits; which one a file uses is known to whoever reads it.
enum class Encoding {
    Windows1250,
    Windows1251,
    Windows1252,
    Windows1253,
    Windows1254,
    Windows1255,
    Windows1256,
    Windows1257,
    Windows1258,
    Utf8,
};

QList<Encoding> allEncodings();
// "Windows-1250"... "UTF-8".
QString encodingName(Encoding encoding);
// Accepts the names above, "cp1250"/"1250" and "utf8", case ignored.
std::optional<Encoding> encodingFromName(QStringView name);

struct SingleByteTable;

// Strict conversion between a file's bytes and text: a byte sequence the encoding does not
// define is an error at read, and a character it cannot hold an error at write, so nothing is
// ever replaced on the way back to disk. Windows-1252 keeps its own lossless codec (its five
// undefined bytes map to the C1 controls); the other code pages come from the system's
// converter, and each byte must map to one character of its own to count as defined.
class TextCodec {
public:
    // Throws EncodingError when the system has no converter for the encoding.
    explicit TextCodec(Encoding encoding = Encoding::Windows1252);

    Encoding encoding() const { return m_encoding; }
    QString name() const { return encodingName(m_encoding); }

    // The text, or nothing with *invalidAt set to the offset of the first byte that is not
    // valid in the encoding.
    std::optional<QString> decode(QByteArrayView bytes, qsizetype *invalidAt = nullptr) const;
    // Throws EncodingError naming the text and the first character the encoding cannot hold
    // (NUL included, which would end a string early).
    void appendEncoded(QByteArray &out, QStringView text) const;
    QByteArray encode(QStringView text) const;
    // The first character of text the encoding cannot hold, or nothing.
    std::optional<char32_t> unencodable(QStringView text) const;
    bool canEncode(QStringView text) const { return !unencodable(text); }
    // Bytes the encoding of an encodable text takes.
    qint64 encodedSize(QStringView text) const;

private:
    Encoding m_encoding;
    const SingleByteTable *m_table = nullptr; // null for Windows-1252 and UTF-8
};

// "'ś' (U+015B)", for messages.
QString describeCharacter(char32_t c);

} // namespace Parlox
