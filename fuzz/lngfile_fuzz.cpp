// Arbitrary bytes as a translations file: every reader, the problem report and the dump. The
// writers have their own target, fuzz_lngwrite.
// Run: fuzz_lngfile -max_len=4096 CORPUS_DIR (seed it with examples/sample.lng).
#include "lngjson.h"
#include <Parlox/format/errors.h>
#include <Parlox/format/image.h>
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

// The packed readers, which keep ASCII lines as they are and decode the rest, read what the
// decoding readers read, in an encoding that checks every byte as well as in one that does not.
void requirePackedAsDecoded(const QByteArray &bytes)
{
    for (const Encoding encoding : {Encoding::Windows1252, Encoding::Utf8}) {
        const Lng::Image image(bytes, encoding);
        try {
            Lng::PackedLines messages;
            const Lng::Directory packed = image.directory(true, &messages);
            if (messages.toList() != image.directory().messages)
                __builtin_trap();
            for (const Lng::FormEntry &form : packed.forms)
                for (const qint32 offset : {form.formOffset, form.userOffset})
                    if (image.packedSection(offset).toList() != image.section(offset))
                        __builtin_trap();
        } catch (const EncodingError &) {
            // A byte UTF-8 does not define: refused by both.
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const Lng::Image image(bytes);
    image.header();
    image.directory();
    requireBoundedDocument(Lng::readDocument(image), bytes.size());
    requirePackedAsDecoded(bytes);

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
