#pragma once

#include <Parlox/exchange/tsfile.h>

#include <QByteArrayView>

namespace Parlox::Exchange::TsReader {

// Reads a .ts file with QXmlStreamReader. Throws Parlox::Error "LINE: what is wrong" for a
// file that is not well-formed XML or whose root is not <TS>. Elements Parlox has no place for
// (locations, comments for translators, extra data) are skipped; a message with length
// variants is read with its problem set.
TsFile read(QByteArrayView file);

} // namespace Parlox::Exchange::TsReader
