#include "documentfile.h"

#include <Parlox/format/errors.h>
#include <Parlox/format/lockedfile.h>

#include <QFileInfo>
#include <new>
#include <optional>

namespace ParloxEd {

using Parlox::LockedFile;
namespace Lng = Parlox::Lng;

namespace {

// A load that read no directory, successful or not.
LoadedFile withoutDirectory(LoadStatus status, const QString &reason = {})
{
    return {{status, reason}, {}, false, false, {}};
}

LoadedFile readDirectory(const Lng::Image &image)
{
    LoadedFile loaded{{LoadStatus::Loaded, {}}, {}, true, false, {}};
    Lng::PackedDocument &content = loaded.content;
    Lng::Directory dir = image.directory(true, &content.messages);
    content.encoding = image.codec().encoding();
    content.languages = std::move(dir.languages);
    // Exactly one language is the default whenever there are languages; an index outside
    // the list (the component set writes -1 for an unknown language) marks the first.
    const bool inList = dir.defaultIndex >= 0 && dir.defaultIndex < content.languages.size();
    content.defaultIndex = content.languages.isEmpty() ? -1 : inList ? dir.defaultIndex : 0;
    for (const Lng::FormEntry &entry : std::as_const(dir.forms)) {
        // A form with neither section is not part of the document.
        if (entry.formOffset <= 0 && entry.userOffset <= 0)
            continue;
        content.forms.append({entry.name, image.packedSection(entry.formOffset),
                              image.packedSection(entry.userOffset)});
    }
    return loaded;
}

// Root writes through permission bits, so a file nobody may write is refused by its bits too.
bool isReadOnly(const QFileInfo &file)
{
    constexpr auto anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return file.exists() && (!file.isWritable() || !(file.permissions() & anyWrite));
}

// Opens the file for the load: exclusively, so that no other program writes it midway, or
// shared where the user may only read it.
LockedFile &openForLoad(std::optional<LockedFile> &file, const QString &path, bool &readOnly)
{
    try {
        return file.emplace(path, LockedFile::Access::ExclusiveReadWrite);
    } catch (const Parlox::FileError &) {
        readOnly = QFileInfo(path).isReadable() && !QFileInfo(path).isWritable();
        if (!readOnly)
            throw;
    }
    return file.emplace(path, LockedFile::Access::SharedRead);
}

LoadedFile decode(const QByteArray &bytes, Parlox::Encoding encoding)
{
    // The document keeps the encoding it was read in and is saved in it.
    const Lng::Image image(bytes, encoding);
    switch (image.header()) {
    case Lng::HeaderState::TooShort:
        return withoutDirectory(LoadStatus::Invalid);
    case Lng::HeaderState::WrongMagic:
        return withoutDirectory(LoadStatus::NotParlox);
    case Lng::HeaderState::Valid:
        // Checked before anything is decoded, so a directory whose forms all name one large
        // section cannot make the load take many times the file's size.
        if (const Lng::ProblemReport report = image.problems(Lng::ProblemScope::Damage);
            report.isDamaged())
            return withoutDirectory(LoadStatus::Damaged, report.firstDamage()->text);
        return readDirectory(image);
    case Lng::HeaderState::NoOffset:
    case Lng::HeaderState::NoDirectory:
        break;
    }
    return withoutDirectory(LoadStatus::Loaded);
}

LoadedFile decode(const QByteArray &bytes, const ReadEncoding &encoding)
{
    if (encoding.given)
        return decode(bytes, *encoding.given);
    const Parlox::Encoding detected = Lng::detectFileEncoding(bytes);
    if (detected == Parlox::Encoding::Utf8 || encoding.fallback == detected)
        return decode(bytes, detected);
    // An encoding remembered for the file that no longer reads it leaves Windows-1252, in
    // which every byte reads: the user can still open the file and choose again.
    try {
        return decode(bytes, encoding.fallback);
    } catch (const Parlox::EncodingError &) {
        return decode(bytes, Parlox::Encoding::Windows1252);
    }
}

} // namespace

LoadedFile readDocumentFile(const QString &path, const ReadEncoding &encoding)
{
    // The lock is held until the document is read, so no other program opens the file midway.
    std::optional<LockedFile> file;
    bool readOnly = false;
    QByteArray bytes;
    Parlox::FileStamp stamp;
    try {
        bytes = openForLoad(file, path, readOnly).readAll(LockedFile::PackedWorstCase);
        stamp = file->stamp();
    } catch (const Parlox::FileError &error) {
        return withoutDirectory(LoadStatus::OpenError, error.message());
    }
    LoadedFile loaded;
    try {
        loaded = decode(bytes, encoding);
    } catch (const Parlox::EncodingError &error) {
        // A byte the chosen encoding does not define, reported with its position.
        return withoutDirectory(LoadStatus::Damaged, error.message());
    } catch (const std::bad_alloc &) {
        return withoutDirectory(LoadStatus::OpenError,
                                QStringLiteral("There is not enough memory to read it."));
    }
    loaded.readOnly = readOnly;
    loaded.stamp = stamp;
    return loaded;
}

SaveResult writeDocumentFile(const QString &path, const Lng::PackedDocument &content,
                             std::optional<Parlox::FileStamp> &stamp, bool overwrite)
{
    const QFileInfo file(path);
    if (isReadOnly(file))
        return {SaveStatus::ReadOnly, {}};
    try {
        // Encoded before the file is touched: a text the code page cannot hold stops here.
        const QByteArray bytes = Lng::writeDocument(content);
        if (file.exists()) {
            // Compared under the lock, so no other writer comes between the check and the
            // replacement.
            LockedFile locked(path, LockedFile::Access::ExclusiveReadWrite);
            if (!overwrite && stamp && locked.stamp() != *stamp)
                return {SaveStatus::ChangedOnDisk, {}};
            locked.replaceContents(bytes);
            stamp = Parlox::FileStamp::of(path);
        } else {
            LockedFile::writeNew(path, bytes);
            stamp = Parlox::FileStamp::of(path);
        }
    } catch (const Parlox::Error &error) {
        return {SaveStatus::Failed, error.message()};
    }
    return {SaveStatus::Saved, {}};
}

} // namespace ParloxEd
