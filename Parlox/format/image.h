#pragma once

#include <Parlox/format/lngtypes.h>
#include <Parlox/format/problem.h>
#include <Parlox/format/textcodec.h>

namespace Parlox::Lng {

enum class ProblemScope {
    Everything,
    // Only what tells damage from a sound file: the tables' lines are walked but not decoded,
    // so this costs little more than a pass over the file.
    Damage,
};

// Read-only view over a file's bytes. Every read is bounded by the data: a string cut off by
// the end ends there, a missing integer reads 0, and counts stop at the end of the data, so
// nothing is allocated for lines that are not there. The readers quietly take a damaged file
// as what its bytes say; problems() reports, on the same walk, what they stepped over.
class Image {
public:
    // Strings are decoded in the encoding given; a byte sequence it does not define makes the
    // readers throw EncodingError with its position, and problems() report it.
    explicit Image(QByteArrayView data, Encoding encoding = Encoding::Windows1252)
        : m_data(data), m_codec(encoding)
    {
    }

    HeaderState header() const;
    qint32 directoryOffset() const; // 0 when unreadable
    // The directory, or an empty one unless the header is Valid. Languages and messages are
    // skipped (left empty) when withTables is false; the messages go packed into
    // packedMessages instead where it is given.
    Directory directory(bool withTables = true, PackedLines *packedMessages = nullptr) const;
    // The table stored in the section at offset; empty for an offset outside the data.
    QStringList section(qint32 offset) const;
    PackedLines packedSection(qint32 offset) const;
    // Bytes from offset to the end of that section's last string, bounded by the data.
    qint64 sectionLength(qint32 offset) const;
    QByteArrayView bytes() const { return m_data; }
    const TextCodec &codec() const { return m_codec; }

    // What is wrong with the file, in file order; empty for a sound file.
    ProblemReport problems(ProblemScope scope = ProblemScope::Everything) const;
    // The damage that replacing the section at offset (0 for none) could make worse: the
    // header, the directory, offsets outside the section area or shared, and sections that
    // overlap that one, its neighbours or the directory. Only those sections are walked.
    ProblemReport damageAround(qint32 offset) const;

private:
    QByteArrayView m_data;
    TextCodec m_codec;
};

} // namespace Parlox::Lng
