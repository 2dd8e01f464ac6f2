#pragma once

#include <Parlox/exchange/tsfile.h>

#include <QByteArray>

namespace Parlox::Exchange::TsWriter {

// A .ts file in the layout lupdate writes (version 2.1, UTF-8, messages grouped by context in
// order of first appearance), which Qt Linguist, lrelease and lconvert read.
QByteArray write(const TsFile &file);

} // namespace Parlox::Exchange::TsWriter
