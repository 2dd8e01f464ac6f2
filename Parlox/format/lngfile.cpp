#include <Parlox/format/lngfile.h>

#include <Parlox/format/bytewriter.h>

#include <QHash>

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

QByteArray emptyFile()
{
    QByteArray bytes(Magic.data(), Magic.size());
    bytes.append(4, '\0');
    return bytes;
}

namespace {

qint64 documentSize(const Document &document)
{
    qint64 size = HeaderSize;
    for (const Form &form : document.forms)
        for (const QStringList *table : {&form.formStrings, &form.userStrings})
            size += table->isEmpty() ? 0 : ByteWriter::sectionSize(*table);
    return size + ByteWriter::directorySize(document.languages, document.messages, document.forms);
}

} // namespace

QByteArray writeDocument(const Document &document)
{
    const qint64 size = documentSize(document);
    requireAddressable(size);
    QByteArray out = emptyFile();
    out.reserve(size);
    ByteWriter w(out);
    QList<FormEntry> entries;
    entries.reserve(document.forms.size());
    const auto writeTable = [&](const QStringList &table) -> qint32 {
        if (table.isEmpty())
            return 0;
        const auto at = qint32(w.size());
        w.writeSection(table);
        return at;
    };
    for (const Form &form : document.forms) {
        FormEntry entry{form.name};
        entry.formOffset = writeTable(form.formStrings);
        entry.userOffset = writeTable(form.userStrings);
        entries.append(std::move(entry));
    }
    putInt(out, DirectoryOffsetAt, qint32(w.size()));
    w.writeDirectory(document.languages, document.defaultIndex, document.messages, entries);
    return out;
}

} // namespace Parlox::Lng
