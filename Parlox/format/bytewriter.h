#pragma once

#include <Parlox/format/lngtypes.h>
#include <Parlox/format/textcodec.h>

#include <QByteArray>

namespace Parlox::Lng {

// Appends the fields of the file to a byte array. Texts are encoded on the way (throws
// EncodingError); the sizes below, in the same codec, are known before anything is encoded.
class ByteWriter {
public:
    explicit ByteWriter(QByteArray &out, const TextCodec &codec = TextCodec())
        : m_out(out), m_codec(codec)
    {
    }

    void writeInt(qint32 value);
    void writeString(QStringView text);
    void writeSection(const QStringList &table);
    // ASCII lines go out as they are stored; only the others are encoded.
    void writeSection(const PackedLines &table);
    template <typename Messages>
    void writeDirectory(const QStringList &languages, qint32 defaultIndex, const Messages &messages,
                        const QList<FormEntry> &forms)
    {
        writeSection(languages);
        writeInt(defaultIndex);
        writeSection(messages);
        writeForms(forms);
    }
    qint64 size() const { return m_out.size(); }

    static qint64 sectionSize(const QStringList &table, const TextCodec &codec = TextCodec());
    static qint64 sectionSize(const PackedLines &table, const TextCodec &codec = TextCodec());
    // names: the form names, in any container of items with a `name`.
    template <typename Messages, typename Entries>
    static qint64 directorySize(const QStringList &languages, const Messages &messages,
                                const Entries &forms, const TextCodec &codec = TextCodec())
    {
        qint64 size = 4 + stringsSize(languages, codec) + 4 + sectionSize(messages, codec) + 4;
        for (const auto &form : forms)
            size += codec.encodedSize(form.name) + 1 + 8;
        return size;
    }

private:
    static qint64 stringsSize(const QStringList &lines, const TextCodec &codec);
    void writeStrings(const QStringList &lines);
    void writeForms(const QList<FormEntry> &forms);

    QByteArray &m_out;
    TextCodec m_codec;
};

void putInt(QByteArray &file, qint64 at, qint32 value);

// Throws SizeError unless a file of that many bytes can be addressed by its 32-bit offsets.
void requireAddressable(qint64 size);

} // namespace Parlox::Lng
