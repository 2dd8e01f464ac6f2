#pragma once

#include <Parlox/format/lngtypes.h>
#include <QByteArray>
#include <QByteArrayView>

// The JSON face of a translations file: what `parlox-lng dump` prints and `parlox-lng build`
// reads back. Keys come in file order so that a diff of two dumps reads like the file.
namespace Parlox::LngJson {

// The whole file as indented UTF-8 JSON: directory offset, languages, default index, message
// lines, and every form entry in directory order with its two section offsets and its two
// tables (null where an offset is 0). Throws InputError for a file that is too short or does
// not start with the magic.
QByteArray dump(QByteArrayView file);

// The document described by JSON of the shape dump() prints. Offsets are ignored and a null
// or missing table is empty. Throws InputError naming the first value that does not fit, and
// EncodingError (prefixed with where the text stands) for a text the code page cannot hold.
Lng::Document parse(QByteArrayView json);

} // namespace Parlox::LngJson
