#include <Parlox/format/bytewriter.h>

#include <Parlox/format/codepage.h>
#include <Parlox/format/errors.h>

#include <QtEndian>

namespace Parlox::Lng {

void ByteWriter::writeInt(qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    m_out.append(bytes, 4);
}

void ByteWriter::writeString(QStringView text)
{
    m_codec.appendEncoded(m_out, text);
    m_out.append('\0');
}

void ByteWriter::writeStrings(const QStringList &lines)
{
    for (const QString &line : lines)
        writeString(line);
}

void ByteWriter::writeSection(const QStringList &table)
{
    writeInt(qint32(table.size()));
    writeStrings(table);
}

void ByteWriter::writeSection(const PackedLines &table)
{
    writeInt(qint32(table.size()));
    QString scratch;
    for (qsizetype i = 0; i < table.size(); ++i) {
        if (table.isAscii(i)) {
            m_out.append(table.asciiBytes(i));
            m_out.append('\0');
        } else {
            writeString(table.text(i, scratch));
        }
    }
}

void ByteWriter::writeForms(const QList<FormEntry> &forms)
{
    writeInt(qint32(forms.size()));
    for (const FormEntry &form : forms) {
        writeString(form.name);
        writeInt(form.formOffset);
        writeInt(form.userOffset);
    }
}

qint64 ByteWriter::stringsSize(const QStringList &lines, const TextCodec &codec)
{
    qint64 size = lines.size();
    for (const QString &line : lines)
        size += codec.encodedSize(line);
    return size;
}

qint64 ByteWriter::sectionSize(const QStringList &table, const TextCodec &codec)
{
    return 4 + stringsSize(table, codec);
}

qint64 ByteWriter::sectionSize(const PackedLines &table, const TextCodec &codec)
{
    qint64 size = 4 + table.size();
    QString scratch;
    for (qsizetype i = 0; i < table.size(); ++i)
        size += table.isAscii(i) ? table.asciiBytes(i).size()
                                 : codec.encodedSize(table.text(i, scratch));
    return size;
}

void putInt(QByteArray &file, qint64 at, qint32 value)
{
    qToLittleEndian(value, file.data() + at);
}

void requireAddressable(qint64 size)
{
    if (size > MaxFileSize)
        throw SizeError(QStringLiteral("The translations file would be %1 bytes long, but its "
                                       "32-bit offsets reach only %2 bytes (2 GiB).")
                            .arg(size)
                            .arg(MaxFileSize));
}

} // namespace Parlox::Lng
