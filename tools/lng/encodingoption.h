#pragma once

#include <Parlox/format/textcodec.h>

#include <QStringList>

class QIODevice;

// The --encoding option every command of the tools takes. A file's encoding is the one given,
// or else found from its bytes: valid UTF-8 holding bytes past ASCII is UTF-8, anything else
// Windows-1252. A new file is Windows-1252 unless another is given.
namespace Parlox::EncodingOption {

// Takes "--encoding NAME" or "--encoding=NAME" out of args for this run. Returns false, having
// written why on err, for a missing or unknown name.
bool take(QStringList &args, QIODevice &err);

Encoding of(QByteArrayView file);
Encoding forNewFile();

} // namespace Parlox::EncodingOption
