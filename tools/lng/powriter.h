#pragma once

#include <QByteArray>

namespace Parlox {
struct Catalog;
}

// A gettext PO file in UTF-8: a header naming the languages, then one entry per unit with the
// unit's identifier as msgctxt, the source text as msgid and the target as msgstr.
namespace Parlox::PoWriter {

QByteArray write(const Catalog &catalog);

} // namespace Parlox::PoWriter
