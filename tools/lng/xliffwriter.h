#pragma once

#include <QByteArray>
#include <QStringView>

namespace Parlox {
struct Catalog;
}

// An XLIFF 1.2 file: one <file> with the two language tags, one <trans-unit> per unit whose id
// is the unit's identifier, whose resname is its key and whose context (of the type gettext's
// converters map to msgctxt) repeats the identifier; targets carry state="needs-translation"
// when empty.
namespace Parlox::XliffWriter {

// Whether XML 1.0 can carry the text: it has no control characters but tab, LF and CR.
bool canCarry(QStringView text);

QByteArray write(const Catalog &catalog);

} // namespace Parlox::XliffWriter
