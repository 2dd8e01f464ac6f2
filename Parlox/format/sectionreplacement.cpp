// The in-place replacement of one form's section.
#include <Parlox/format/lngfile.h>

#include <Parlox/format/bytewriter.h>
#include <Parlox/format/errors.h>
#include <Parlox/format/tables.h>

#include <cstring>

namespace Parlox::Lng {
namespace {

// Where the update goes: the form entries once renamed or added to, the entry to change, the
// section it had and where the directory starts.
struct Placement {
    QList<FormEntry> forms;
    qsizetype index = -1;
    qint32 oldOffset = 0;
    qint64 removed = 0; // bytes of the old section
    qint64 directoryAt = HeaderSize;

    qint64 directoryAfterCut() const
    {
        return oldOffset > 0 && directoryAt > oldOffset ? directoryAt - removed : directoryAt;
    }
};

// Offsets that point into the header, at the replaced section or into it, or sections that
// overlap it or the directory would be moved to nonsense by the cut and the write below, so
// such a file is not written at all.
void refuseDamage(const Image &image, qint32 replaced)
{
    if (image.header() != HeaderState::Valid)
        return;
    const ProblemReport report = image.damageAround(replaced);
    if (const Problem *damage = report.firstDamage())
        throw DamageError(
            QStringLiteral("The file is damaged, so it was left as it was. %1").arg(damage->text),
            report.lines());
}

// Finds the form's entry, renaming it from the old name or appending it.
Placement locate(const Image &image, const SectionUpdate &update)
{
    Placement p;
    if (image.header() == HeaderState::Valid) {
        p.forms = image.directory(false).forms;
        p.directoryAt = image.directoryOffset();
    }
    if (update.oldName != update.newName) {
        if (const qsizetype renamed = findForm(p.forms, update.oldName); renamed >= 0)
            p.forms[renamed].name = update.newName;
    }
    p.index = findForm(p.forms, update.newName);
    if (p.index < 0) {
        p.forms.append(FormEntry{update.newName});
        p.index = p.forms.size() - 1;
    }
    p.oldOffset = p.forms[p.index].offset(update.kind);
    p.removed = p.oldOffset > 0 ? image.sectionLength(p.oldOffset) : 0;
    return p;
}

// The tail moves up over the old section and every offset behind it moves along. The file
// keeps its length, so its last `removed` bytes now repeat data that nothing refers to.
void cutSection(QByteArray &file, Placement &p)
{
    const qint32 old = p.oldOffset;
    if (old <= 0)
        return;
    std::memmove(file.data() + old, file.constData() + old + p.removed,
                 size_t(file.size() - old - p.removed));
    for (FormEntry &entry : p.forms) {
        if (entry.formOffset > old)
            entry.formOffset -= qint32(p.removed);
        if (entry.userOffset > old)
            entry.userOffset -= qint32(p.removed);
    }
    p.directoryAt = p.directoryAfterCut();
}

QByteArray encodeDirectory(const SectionUpdate &update, const QList<FormEntry> &forms)
{
    QByteArray directory;
    ByteWriter(directory, TextCodec(update.encoding))
        .writeDirectory(update.languages,
                        qint32(Tables::indexOfLanguage(update.languages, update.activeLanguage)),
                        update.messages, forms);
    return directory;
}

// The new section goes where the directory was, the directory right behind it.
void writeSectionAndDirectory(QByteArray &file, Placement &p, const QByteArray &section,
                              const SectionUpdate &update)
{
    p.forms[p.index].setOffset(update.kind, section.isEmpty() ? 0 : qint32(p.directoryAt));
    const QByteArray directory = encodeDirectory(update, p.forms);
    const qint64 newDirectoryAt = p.directoryAt + section.size();
    const qint64 end = newDirectoryAt + directory.size();
    if (file.size() < end)
        file.resize(end);
    std::memcpy(file.data() + p.directoryAt, section.constData(), size_t(section.size()));
    std::memcpy(file.data() + newDirectoryAt, directory.constData(), size_t(directory.size()));
    putInt(file, DirectoryOffsetAt, qint32(newDirectoryAt));
}

} // namespace

bool replaceSection(QByteArray &file, const SectionUpdate &update)
{
    const Image image(file, update.encoding);
    const TextCodec codec(update.encoding);
    const HeaderState state = image.header();
    if (state == HeaderState::TooShort || state == HeaderState::WrongMagic)
        return false;
    Placement p = locate(image, update);
    refuseDamage(image, p.oldOffset);

    // Everything that can fail is checked and encoded before the file is touched. The
    // directory's size does not depend on the offsets it holds.
    const qint64 sectionSize =
        update.table.isEmpty() ? 0 : ByteWriter::sectionSize(update.table, codec);
    requireAddressable(
        p.directoryAfterCut() + sectionSize +
        ByteWriter::directorySize(update.languages, update.messages, p.forms, codec));
    QByteArray section;
    try {
        if (!update.table.isEmpty())
            ByteWriter(section, codec).writeSection(update.table);
    } catch (const EncodingError &) {
        refuseTable(update.table, update.languages, tableName(update.newName, update.kind), codec);
    }
    encodeDirectory(update, p.forms);

    cutSection(file, p);
    writeSectionAndDirectory(file, p, section, update);
    return true;
}

} // namespace Parlox::Lng
