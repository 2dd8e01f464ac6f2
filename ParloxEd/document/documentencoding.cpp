// The document's encoding command: reading the file again, or converting the document.
#include "editordocument.h"

namespace ParloxEd {

EditorDocument::EncodingOutcome EditorDocument::chooseEncoding(Parlox::Encoding encoding)
{
    if (!m_open)
        return {EncodingResult::NoDocument, {}};
    if (encoding == m_content.encoding)
        return {EncodingResult::Unchanged, {}};
    if (m_modified) {
        // Reading the file again would throw the edits away: the texts are kept and only the
        // bytes the next save writes change.
        const auto convert = [](Parlox::Encoding to) {
            return [to](Parlox::Lng::PackedDocument &content, bool &) { content.encoding = to; };
        };
        pushChange(convert(m_content.encoding), convert(encoding));
        return {EncodingResult::Converted, {}};
    }
    // A file the encoding does not read leaves the document as it was.
    const LoadResult read = loadFile(m_fileName, ReadEncoding{encoding});
    if (read.status != LoadStatus::Loaded)
        return {EncodingResult::Unreadable, read.reason};
    return {EncodingResult::Reread, {}};
}

} // namespace ParloxEd
