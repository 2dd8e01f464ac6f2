#include "lngfile.h"

#include "codepage.h"
#include "tables.h"

#include <QHash>
#include <QtEndian>
#include <cstring>

namespace Parlox::Lng {
namespace {

// Sequential reader over the file's bytes that never goes past their end.
class Cursor {
public:
    Cursor(QByteArrayView data, qint64 pos) : m_data(data), m_pos(pos < 0 ? data.size() : pos) {}

    bool atEnd() const { return m_pos >= m_data.size(); }
    qint64 pos() const { return std::min<qint64>(m_pos, m_data.size()); }

    // A number whose 4 bytes are not all there reads 0 and consumes what was left.
    qint32 readInt()
    {
        if (m_data.size() - m_pos < 4) {
            m_pos = m_data.size();
            return 0;
        }
        const auto value = qFromLittleEndian<qint32>(m_data.data() + m_pos);
        m_pos += 4;
        return value;
    }

    QByteArrayView readRaw()
    {
        if (atEnd())
            return {};
        const char *start = m_data.data() + m_pos;
        const qint64 left = m_data.size() - m_pos;
        const void *nul = std::memchr(start, 0, size_t(left));
        const qint64 len = nul ? static_cast<const char *>(nul) - start : left;
        m_pos += nul ? len + 1 : len;
        return {start, len};
    }

    QString readString() { return CodePage::decode(readRaw()); }

    // Reads up to count strings, stopping at the end of the data.
    void readStrings(qint32 count, QStringList *into)
    {
        for (qint32 i = 0; i < count && !atEnd(); ++i) {
            if (into)
                into->append(readString());
            else
                readRaw();
        }
    }

private:
    QByteArrayView m_data;
    qint64 m_pos;
};

class Writer {
public:
    explicit Writer(QByteArray &out) : m_out(out) {}
    void writeInt(qint32 value)
    {
        char bytes[4];
        qToLittleEndian(value, bytes);
        m_out.append(bytes, 4);
    }
    void writeString(QStringView text)
    {
        CodePage::appendEncoded(m_out, text);
        m_out.append('\0');
    }
    void writeStrings(const QStringList &lines)
    {
        for (const QString &line : lines)
            writeString(line);
    }
    void writeSection(const QStringList &table)
    {
        writeInt(qint32(table.size()));
        writeStrings(table);
    }
    void writeDirectory(const QStringList &languages, qint32 defaultIndex,
                        const QStringList &messages, const QList<FormEntry> &forms)
    {
        writeInt(qint32(languages.size()));
        writeStrings(languages);
        writeInt(defaultIndex);
        writeSection(messages);
        writeInt(qint32(forms.size()));
        for (const FormEntry &form : forms) {
            writeString(form.name);
            writeInt(form.formOffset);
            writeInt(form.userOffset);
        }
    }
    qint64 size() const { return m_out.size(); }

private:
    QByteArray &m_out;
};

void putInt(QByteArray &file, qint64 at, qint32 value)
{
    qToLittleEndian(value, file.data() + at);
}

} // namespace

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

HeaderState Image::header() const
{
    if (m_data.size() < Magic.size())
        return HeaderState::TooShort;
    if (m_data.first(Magic.size()) != Magic)
        return HeaderState::WrongMagic;
    if (m_data.size() < HeaderSize)
        return HeaderState::NoOffset;
    return directoryOffset() < 1 ? HeaderState::NoDirectory : HeaderState::Valid;
}

qint32 Image::directoryOffset() const
{
    return Cursor(m_data, DirectoryOffsetAt).readInt();
}

Directory Image::directory(bool withTables) const
{
    Directory dir;
    if (header() != HeaderState::Valid)
        return dir;
    Cursor in(m_data, directoryOffset());
    in.readStrings(in.readInt(), withTables ? &dir.languages : nullptr);
    dir.defaultIndex = in.readInt();
    in.readStrings(in.readInt(), withTables ? &dir.messages : nullptr);
    const qint32 formCount = in.readInt();
    for (qint32 i = 0; i < formCount && !in.atEnd(); ++i) {
        FormEntry entry;
        entry.name = in.readString();
        entry.formOffset = in.readInt();
        entry.userOffset = in.readInt();
        dir.forms.append(std::move(entry));
    }
    return dir;
}

QStringList Image::section(qint32 offset) const
{
    QStringList lines;
    if (offset <= 0)
        return lines;
    Cursor in(m_data, offset);
    in.readStrings(in.readInt(), &lines);
    return lines;
}

qint64 Image::sectionLength(qint32 offset) const
{
    if (offset <= 0 || offset >= m_data.size())
        return 0;
    Cursor in(m_data, offset);
    in.readStrings(in.readInt(), nullptr);
    return in.pos() - offset;
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

QByteArray writeDocument(const Document &document)
{
    QByteArray out = emptyFile();
    Writer w(out);
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

bool replaceSection(QByteArray &file, const SectionUpdate &update)
{
    const Image image(file);
    const HeaderState state = image.header();
    if (state == HeaderState::TooShort || state == HeaderState::WrongMagic)
        return false;

    QList<FormEntry> forms = image.directory(false).forms;
    // A directory offset past the end of the file is treated as pointing at its end, so a
    // damaged offset can never make the file grow by gigabytes.
    qint64 dirAt = state == HeaderState::Valid
                       ? std::min<qint64>(image.directoryOffset(), file.size())
                       : HeaderSize;

    if (update.oldName != update.newName) {
        if (const qsizetype renamed = findForm(forms, update.oldName); renamed >= 0)
            forms[renamed].name = update.newName;
    }
    qsizetype index = findForm(forms, update.newName);
    const qint32 old = index < 0 ? 0 : forms[index].offset(update.kind);
    if (index < 0) {
        forms.append(FormEntry{update.newName});
        index = forms.size() - 1;
    }

    // Encode everything before touching the file, so a text the code page cannot hold leaves
    // it exactly as it was. The directory's size does not depend on the offsets it holds.
    const qint32 activeIndex =
        qint32(Tables::indexOfLanguage(update.languages, update.activeLanguage));
    QByteArray section;
    if (!update.table.isEmpty())
        Writer(section).writeSection(update.table);
    QByteArray directory;
    Writer(directory).writeDirectory(update.languages, activeIndex, update.messages, forms);

    // An offset inside the header or past the end holds no section that could be cut out.
    if (old >= HeaderSize && old < file.size()) {
        const qint64 removed = image.sectionLength(old);
        // The tail moves up over the old section; the file keeps its length, so its last
        // `removed` bytes now repeat data nothing refers to.
        std::memmove(file.data() + old, file.constData() + old + removed,
                     size_t(file.size() - old - removed));
        for (FormEntry &entry : forms) {
            if (entry.formOffset > old)
                entry.formOffset -= qint32(removed);
            if (entry.userOffset > old)
                entry.userOffset -= qint32(removed);
        }
        if (dirAt > old)
            dirAt -= removed;
    }
    dirAt = std::max<qint64>(dirAt, HeaderSize);

    forms[index].setOffset(update.kind, section.isEmpty() ? 0 : qint32(dirAt));
    directory.clear();
    Writer(directory).writeDirectory(update.languages, activeIndex, update.messages, forms);

    const qint64 newDirAt = dirAt + section.size();
    const qint64 end = newDirAt + directory.size();
    if (file.size() < end)
        file.resize(end);
    std::memcpy(file.data() + dirAt, section.constData(), size_t(section.size()));
    std::memcpy(file.data() + newDirAt, directory.constData(), size_t(directory.size()));
    putInt(file, DirectoryOffsetAt, qint32(newDirAt));
    return true;
}

} // namespace Parlox::Lng
