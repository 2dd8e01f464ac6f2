#include <Parlox/format/lngfile.h>

#include <Parlox/format/bytewriter.h>
#include <Parlox/format/codepage.h>
#include <Parlox/format/directorywalk.h>
#include <Parlox/format/errors.h>

#include <QHash>
#include <QSet>
#include <algorithm>

namespace Parlox::Lng {

qint32 FormEntry::offset(SectionKind kind) const
{
    return kind == SectionKind::FormStrings ? formOffset : userOffset;
}

void FormEntry::setOffset(SectionKind kind, qint32 value)
{
    (kind == SectionKind::FormStrings ? formOffset : userOffset) = value;
}

qsizetype findForm(const QList<FormEntry> &forms, QStringView name)
{
    for (qsizetype i = 0; i < forms.size(); ++i)
        if (forms[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

qsizetype Directory::findForm(QStringView name) const
{
    return Lng::findForm(forms, name);
}

Document readDocument(const Image &image)
{
    Document doc;
    doc.encoding = image.codec().encoding();
    if (image.header() != HeaderState::Valid)
        return doc;
    Directory dir = image.directory();
    doc.languages = std::move(dir.languages);
    doc.defaultIndex = dir.defaultIndex;
    doc.messages = std::move(dir.messages);

    // Entries of a damaged file may all name one large section; each offset is read once and
    // the sections together may not hold more bytes than the file, so memory stays bounded by
    // the file's size whatever the directory says.
    QHash<qint32, QStringList> sections;
    qint64 budget = image.bytes().size();
    const auto section = [&](qint32 offset) -> QStringList {
        if (offset <= 0)
            return {};
        if (const auto found = sections.constFind(offset); found != sections.cend())
            return *found;
        const qint64 length = image.sectionLength(offset);
        const bool fits = length <= budget;
        budget = fits ? budget - length : 0;
        return *sections.insert(offset, fits ? image.section(offset) : QStringList());
    };
    doc.forms.reserve(dir.forms.size());
    for (const FormEntry &entry : std::as_const(dir.forms))
        doc.forms.append({entry.name, section(entry.formOffset), section(entry.userOffset)});
    return doc;
}

namespace {

template <class To, class From> BasicDocument<To> converted(const BasicDocument<From> &document)
{
    const auto table = [](const From &lines) {
        if constexpr (std::is_same_v<To, QStringList>)
            return lines.toList();
        else
            return PackedLines(lines);
    };
    BasicDocument<To> out{
        document.languages, document.defaultIndex, table(document.messages), {}, document.encoding};
    out.forms.reserve(document.forms.size());
    for (const BasicForm<From> &form : document.forms)
        out.forms.append({form.name, table(form.formStrings), table(form.userStrings)});
    return out;
}

} // namespace

Document unpacked(const PackedDocument &document)
{
    return converted<QStringList>(document);
}

PackedDocument packed(const Document &document)
{
    return converted<PackedLines>(document);
}

Encoding detectFileEncoding(QByteArrayView file)
{
    const Image image(file);
    if (image.header() != HeaderState::Valid)
        return Encoding::Windows1252;
    DirectoryWalk walk(file, image.directoryOffset(), nullptr);
    QStringList names;
    walk.languages(&names);
    walk.defaultIndex();
    QList<QByteArrayView> lines;
    walk.messages(&lines);
    QList<FormEntry> forms;
    walk.forms(forms, nullptr);
    // Each section once, however many entries name it.
    QSet<qint32> sections;
    for (const FormEntry &form : std::as_const(forms)) {
        names.append(form.name);
        for (const qint32 offset : {form.formOffset, form.userOffset})
            if (offset > 0 && offset < file.size() && !sections.contains(offset)) {
                sections.insert(offset);
                DirectoryWalk(file, offset, nullptr).encodedSection(&lines, {});
            }
    }
    // Names were read as Windows-1252, which gives back every byte.
    QByteArray nameBytes;
    for (const QString &name : std::as_const(names))
        nameBytes += CodePage::encode(name) + '\n';
    lines.append(nameBytes);
    const TextCodec utf8(Encoding::Utf8);
    bool beyondAscii = false;
    for (const QByteArrayView line : std::as_const(lines)) {
        if (std::all_of(line.begin(), line.end(), [](char b) { return uchar(b) < 0x80; }))
            continue;
        if (!utf8.decode(line))
            return Encoding::Windows1252;
        beyondAscii = true;
    }
    return beyondAscii ? Encoding::Utf8 : Encoding::Windows1252;
}

QByteArray emptyFile()
{
    QByteArray bytes(Magic.data(), Magic.size());
    bytes.append(4, '\0');
    return bytes;
}

namespace {

template <class Table>
qint64 documentSize(const BasicDocument<Table> &document, const TextCodec &codec)
{
    qint64 size = HeaderSize;
    for (const BasicForm<Table> &form : document.forms)
        for (const Table *table : {&form.formStrings, &form.userStrings})
            size += table->isEmpty() ? 0 : ByteWriter::sectionSize(*table, codec);
    return size +
           ByteWriter::directorySize(document.languages, document.messages, document.forms, codec);
}

template <class Table>
[[noreturn]] void refuse(const Table &table, const QStringList &languages, const QString &tableName,
                         const TextCodec &codec)
{
    const qsizetype entrySize = languages.size() + 1;
    for (qsizetype i = 0; i < table.size(); ++i) {
        const std::optional<char32_t> c = codec.unencodable(table[i]);
        if (!c)
            continue;
        const qsizetype column = i % entrySize;
        const QString key = quoted(table[i - column]);
        const QString where = column == 0 ? QStringLiteral("the key %1").arg(key)
                                          : QStringLiteral("the %1 value of the key %2")
                                                .arg(quoted(languages.value(column - 1)), key);
        throw EncodingError(QStringLiteral("In %1, %2 holds the character %3, which a "
                                           "translations file in %4 cannot hold.")
                                .arg(tableName, where, describeCharacter(*c), codec.name()));
    }
    throw EncodingError(QStringLiteral("%1 holds a text that a translations file in %2 cannot "
                                       "hold.")
                            .arg(capitalized(tableName), codec.name()));
}

template <class Table> QByteArray write(const BasicDocument<Table> &document)
{
    const TextCodec codec(document.encoding);
    const qint64 size = documentSize(document, codec);
    requireAddressable(size);
    QByteArray out = emptyFile();
    out.reserve(size);
    ByteWriter w(out, codec);
    QList<FormEntry> entries;
    entries.reserve(document.forms.size());
    const auto writeTable = [&](const Table &table, const QString &formName,
                                SectionKind kind) -> qint32 {
        if (table.isEmpty())
            return 0;
        const auto at = qint32(w.size());
        try {
            w.writeSection(table);
        } catch (const EncodingError &) {
            refuse(table, document.languages, tableName(formName, kind), codec);
        }
        return at;
    };
    for (const BasicForm<Table> &form : document.forms) {
        FormEntry entry{form.name};
        entry.formOffset = writeTable(form.formStrings, form.name, SectionKind::FormStrings);
        entry.userOffset = writeTable(form.userStrings, form.name, SectionKind::UserStrings);
        entries.append(std::move(entry));
    }
    putInt(out, DirectoryOffsetAt, qint32(w.size()));
    try {
        w.writeDirectory(document.languages, document.defaultIndex, document.messages, entries);
    } catch (const EncodingError &) {
        const auto unencodable = [&](const QString &line) { return !codec.canEncode(line); };
        if (std::any_of(document.messages.begin(), document.messages.end(), unencodable))
            refuse(document.messages, document.languages, QStringLiteral("the messages"), codec);
        throw;
    }
    return out;
}

} // namespace

void refuseTable(const QStringList &table, const QStringList &languages, const QString &tableName,
                 const TextCodec &codec)
{
    refuse(table, languages, tableName, codec);
}

QByteArray writeDocument(const Document &document)
{
    return write(document);
}

QByteArray writeDocument(const PackedDocument &document)
{
    return write(document);
}

} // namespace Parlox::Lng
