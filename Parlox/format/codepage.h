#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Windows-1252 at the file boundary. Every byte 0x01-0xFF maps to exactly one character and
// back, including the five bytes the code page leaves undefined (kept as U+0081, U+008D, U+008F,
// U+0090 and U+009D), so any file round-trips byte for byte.
namespace Parlox::CodePage {

QString decode(QByteArrayView bytes);

// Throws EncodingError naming the text when it holds a character outside the code page or a
// NUL, which would end the string early in a translations file.
QByteArray encode(QStringView text);

// Appends the encoding of text to out; same rules as encode().
void appendEncoded(QByteArray &out, QStringView text);

bool canEncode(QStringView text);

} // namespace Parlox::CodePage
