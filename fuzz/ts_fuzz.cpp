// Arbitrary bytes as a Qt Linguist .ts file: the reader either returns messages or refuses with
// a message, and whatever it returns merges into a translations document and goes out again.
// Run: fuzz_ts -max_len=4096 SCRATCH_DIR examples/tr-app/translations/
#include <Parlox/exchange/trtables.h>
#include <Parlox/exchange/tsreader.h>
#include <Parlox/exchange/tswriter.h>
#include <Parlox/format/errors.h>
#include <Parlox/format/lngtypes.h>

#include <cstddef>
#include <cstdint>

using namespace Parlox;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        const Exchange::TsFile ts = Exchange::TsReader::read(bytes);
        Lng::Document document;
        document.languages = QStringList{QStringLiteral("English"), QStringLiteral("Deutsch")};
        document.defaultIndex = 0;
        Exchange::TrTables::merge(document, QStringLiteral("Deutsch"), ts);
        Exchange::TsWriter::write(
            Exchange::TrTables::messages(document, QStringLiteral("Deutsch")));
    } catch (const Error &) {
        // Not a .ts file: refused with a message.
    }
    return 0;
}
