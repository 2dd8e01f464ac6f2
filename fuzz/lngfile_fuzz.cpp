// Arbitrary bytes as a translations file: every reader, the in-place writer and the check.
// Run: fuzz_lngfile -max_len=4096 CORPUS_DIR (seed it with examples/sample.lng).
#include "errors.h"
#include "lngfile.h"
#include "lngjson.h"

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
    const Lng::Directory dir = image.directory();
    requireBoundedDocument(Lng::readDocument(image), bytes.size());
    Lng::Image(bytes).problems();
    try {
        LngJson::dump(bytes);
    } catch (const Error &) {
        // Not a translations file, or overlapping sections: refused with a message.
    }

    // Replace the first listed form's section and store a new form, as the design-time
    // writer does; the file must stay readable afterwards.
    const QString name = dir.forms.isEmpty() ? QStringLiteral("NewForm") : dir.forms[0].name;
    QByteArray copy = bytes;
    try {
        if (Lng::replaceSection(copy, {name,
                                       QStringLiteral("Renamed"),
                                       Lng::SectionKind::FormStrings,
                                       {QStringLiteral("[A.Caption]"), QStringLiteral("a")},
                                       dir.languages,
                                       QStringLiteral("English"),
                                       dir.messages})) {
            Lng::readDocument(Lng::Image(copy));
        }
    } catch (const EncodingError &) {
        // A form name decoded from the file always encodes again; nothing else can throw.
        __builtin_trap();
    }
    return 0;
}
