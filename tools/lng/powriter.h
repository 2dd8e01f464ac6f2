#pragma once

#include <QByteArray>

namespace Parlox {
struct Catalog;
}

// A gettext PO file in UTF-8: a header naming the languages, then one entry per unit with the
// unit's identifier as msgctxt and as its reference, the source text as msgid, the target as
// msgstr, and a qt-format or c-format flag when the source has placeholders.
namespace Parlox::PoWriter {

QByteArray write(const Catalog &catalog);

} // namespace Parlox::PoWriter
