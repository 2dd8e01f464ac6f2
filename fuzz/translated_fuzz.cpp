// Arbitrary bytes as a translated file: the PO reader and the XLIFF reader either return units
// or refuse with a message, whatever the bytes.
// Run: fuzz_translated -max_len=4096 SCRATCH_DIR tests/tools/golden/
#include "inputerror.h"
#include "poreader.h"
#include "xliffreader.h"

#include <cstddef>
#include <cstdint>

using namespace Parlox;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const auto read : {&PoReader::read, &XliffReader::read}) {
        try {
            QString language;
            read(bytes, &language);
        } catch (const InputError &) {
            // Not PO or XLIFF: refused with a message.
        }
    }
    return 0;
}
