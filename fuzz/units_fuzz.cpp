// Arbitrary bytes as a translations file, through what the translators' tools see of it: the
// units' ids, a PO export read back by the import and the value warnings.
// Run: fuzz_units -max_len=4096 SCRATCH_DIR examples/
#include "documentunits.h"
#include "lngcheck.h"
#include "lngexport.h"
#include "lngimport.h"
#include "lngread.h"
#include <Parlox/format/errors.h>
#include <Parlox/format/lngfile.h>
#include <Parlox/format/valuechecks.h>

#include <QSet>

#include <cstddef>
#include <cstdint>

using namespace Parlox;

namespace {

void require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    Lng::Document document;
    try {
        document = LngRead::document(bytes);
    } catch (const Error &) {
        return 0; // damaged or foreign: refused with a message
    }
    // Every unit has an id of its own, however its keys repeat.
    const QList<DocumentUnits::Entry> entries = DocumentUnits::entries(document);
    QSet<QString> ids;
    for (const DocumentUnits::Entry &entry : entries)
        ids.insert(entry.id);
    require(ids.size() == entries.size());

    // A few warnings of each kind and a count line per kind, whatever the file.
    const QByteArray copy = bytes.toByteArray();
    const LngCheck::Warnings warnings = LngCheck::warnings(Lng::Image(copy));
    require(warnings.lines.size() <=
            (Lng::ProblemReport::ListedPerKind + 1) * qsizetype(ValueChecks::AllChecks.size()));

    // The import reads every unit the export wrote and takes them without failing.
    const QString language = document.languages.value(1, QStringLiteral("Deutsch"));
    try {
        const LngExport::Result exported = LngExport::exportDocument(
            document, {LngExport::Format::Po, language, QStringLiteral("fuzz.lng"), {}});
        const QList<TranslationUnit> units = LngImport::readTranslated(exported.bytes);
        Lng::Document imported = document;
        LngImport::importUnits(imported, language, units);
    } catch (const Error &) {
        // No default language, or the language is the default one: refused with a message.
    }
    return 0;
}
