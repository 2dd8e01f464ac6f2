#include <Parlox/flatfile.h>

#include <Parlox/format/errors.h>
#include <Parlox/format/lngfile.h>
#include <Parlox/format/lockedfile.h>
#include <Parlox/formstringindex.h>
#include <Parlox/platform/application.h>
#include <Parlox/platform/filesystem.h>
#include <Parlox/platform/logging.h>
#include <Parlox/platform/standarddialogs.h>
#include <Parlox/sectioncache.h>
#include <Parlox/select.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace Parlox::FlatFile {
namespace {

using Access = LockedFile::Access;

// The file's directory and the bytes it was read from, or nothing when the file is missing or
// is no translations file.
struct OpenedFile {
    QByteArray bytes;
    Encoding encoding = Encoding::Windows1252;
    Lng::Image image() const { return Lng::Image(bytes, encoding); }
};

std::optional<OpenedFile> readIfPresent(const QString &path, Encoding encoding)
{
    if (!Platform::fileExists(path))
        return std::nullopt;
    OpenedFile opened{readTranslationsBytes(path), encoding};
    const Lng::HeaderState state = opened.image().header();
    if (state == Lng::HeaderState::TooShort || state == Lng::HeaderState::WrongMagic)
        return std::nullopt;
    return opened;
}

std::shared_ptr<const FormStringIndex> readSection(const TParloxSelect &selector,
                                                   const QString &formName, Lng::SectionKind kind)
{
    return SectionCache::instance().section(ResolveTranslationsPath(selector), formName, kind,
                                            selector.translationsEncoding());
}

// Returns whether the file now holds the table.
bool writeSection(const TParloxSelect &selector, const QString &oldName, const QString &newName,
                  const QStringList &table, Lng::SectionKind kind)
{
    if (!selector.isDesigning())
        return false;
    SectionCache::instance().clear();
    const QString path = ResolveTranslationsPath(selector);
    const Lng::SectionUpdate update{oldName,
                                    newName,
                                    kind,
                                    table,
                                    selector.Languages(),
                                    selector.ActiveLanguage(),
                                    selector.MsgsStrings(),
                                    selector.translationsEncoding()};
    // One lock for the whole read-modify-replace; a missing file is created under it.
    LockedFile file(path, Access::ExclusiveCreate);
    QByteArray bytes = file.created() ? Lng::emptyFile() : file.readAll();
    if (!Lng::replaceSection(bytes, update))
        return false;
    file.replaceContents(bytes);
    return true;
}

} // namespace

QString ResolveTranslationsPath(const TParloxSelect &selector)
{
    const QString &configured = selector.TranslationsFile();
    if (selector.isDesigning())
        return configured;
    const qsizetype cut = std::max({configured.lastIndexOf(u'\\'), configured.lastIndexOf(u'/'),
                                    configured.lastIndexOf(u':')});
    const QString name = configured.mid(cut + 1);
    switch (selector.translationsLocation()) {
    case TranslationsLocation::FilePath:
        if (configured.startsWith(u':') || QDir::isAbsolutePath(configured))
            return configured;
        return Platform::executableFolder() + u'/' + configured;
    case TranslationsLocation::AppData: {
        const QString found = QStandardPaths::locate(QStandardPaths::AppDataLocation, name);
        return found.isEmpty()
                   ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u'/' + name
                   : found;
    }
    case TranslationsLocation::ExecutableFolder:
        break;
    }
    return Platform::executableFolder() + u'/' + name;
}

QByteArray readTranslationsBytes(const QString &path)
{
    if (!path.startsWith(u':'))
        return LockedFile(path, Access::SharedRead).readAll();
    QFile resource(path);
    if (!resource.open(QIODevice::ReadOnly))
        throw FileError(
            QStringLiteral("Cannot open file \"%1\". %2").arg(path, resource.errorString()));
    return resource.readAll();
}

void LoadTranslationsFile(TParloxSelect &selector)
{
    const QString path = ResolveTranslationsPath(selector);
    if (!Platform::fileExists(path)) {
        qCWarning(parloxLog) << "The translations file" << path << "is missing";
        Platform::showMessageBox(
            QMessageBox::NoIcon, Platform::Application::instance().title(),
            QStringLiteral("The Application Translations File is missing.\rPlease contact the "
                           "author."),
            QMessageBox::Ok);
        return;
    }
    const auto opened = readIfPresent(path, selector.translationsEncoding());
    if (!opened || opened->image().header() != Lng::HeaderState::Valid) {
        qCWarning(parloxLog) << path << "is no translations file: its languages are not read";
        return;
    }
    Lng::Directory directory = opened->image().directory();
    const qint32 index = directory.defaultIndex;
    // A default outside the list (-1 when the writer's active language was not listed, or a
    // file without languages) keeps the language the application already had.
    if (index >= 0 && index < directory.languages.size())
        selector.storeActiveLanguage(directory.languages[index]);
    selector.setLanguages(directory.languages);
    selector.setMsgsStrings(directory.messages);
}

std::shared_ptr<const FormStringIndex> FormStringsSection(const TParloxSelect &selector,
                                                          const QString &formName)
{
    return readSection(selector, formName, Lng::SectionKind::FormStrings);
}

std::shared_ptr<const FormStringIndex> UserStringsSection(const TParloxSelect &selector,
                                                          const QString &formName)
{
    try {
        if (auto section = readSection(selector, formName, Lng::SectionKind::UserStrings))
            return section;
    } catch (const Error &) {
        // A user string that cannot be read is shown empty; the caller has nothing to recover.
    }
    return std::make_shared<const FormStringIndex>(QStringList(),
                                                   FormStringIndex::Keys::Identifiers);
}

void ReadFormStrings(const TParloxSelect &selector, const QString &formName,
                     QStringList &destination)
{
    if (const auto section = FormStringsSection(selector, formName))
        destination = section->table();
}

void ReadUserStrings(const TParloxSelect &selector, const QString &formName,
                     QStringList &destination)
{
    destination = UserStringsSection(selector, formName)->table();
}

bool WriteFormStrings(const TParloxSelect &selector, const QString &oldName, const QString &newName,
                      const QStringList &table)
{
    return writeSection(selector, oldName, newName, table, Lng::SectionKind::FormStrings);
}

bool WriteUserStrings(const TParloxSelect &selector, const QString &oldName, const QString &newName,
                      const QStringList &table)
{
    try {
        return writeSection(selector, oldName, newName, table, Lng::SectionKind::UserStrings);
    } catch (const Error &) {
        // Storing user strings is a side effect of switching the storage; a failure there
        // leaves the old file in place and is not reported.
        return false;
    }
}

} // namespace Parlox::FlatFile
