// Arbitrary bytes as a translations file: every reader, the problem report and the dump. The
// writers have their own target, fuzz_lngwrite.
// Run: fuzz_lngfile -max_len=4096 CORPUS_DIR (seed it with examples/sample.lng).
#include "lngjson.h"
#include <Parlox/format/errors.h>
#include <Parlox/format/lngfile.h>

#include <QSet>

#include <cstddef>
#include <cstdint>

using namespace Parlox;

namespace {

// Memory stays bounded by the file: the distinct tables read hold no more lines than the file
// has bytes (each line takes at least its NUL). Tables that share one list count once.
void requireBoundedDocument(const Lng::Document &doc, qsizetype fileSize)
{
    qsizetype lines = doc.languages.size() + doc.messages.size();
    QSet<const QString *> seen;
    for (const Lng::Form &form : doc.forms)
        for (const QStringList *table : {&form.formStrings, &form.userStrings})
            if (!table->isEmpty() && !seen.contains(table->constData())) {
                seen.insert(table->constData());
                lines += table->size();
            }
    if (lines > fileSize)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const Lng::Image image(bytes);
    image.header();
    image.directory();
    requireBoundedDocument(Lng::readDocument(image), bytes.size());

    // The report is short whatever the file, and its scopes agree on whether there is damage.
    const Lng::ProblemReport report = image.problems();
    if (report.lines().size() > (Lng::ProblemReport::ListedPerKind + 1) * Lng::ProblemKindCount)
        __builtin_trap();
    if (image.problems(Lng::ProblemScope::Damage).isDamaged() != report.isDamaged())
        __builtin_trap();
    try {
        LngJson::dump(bytes);
    } catch (const Error &) {
        // Not a translations file, or overlapping sections: refused with a message.
    }
    return 0;
}
