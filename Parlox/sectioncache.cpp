#include <Parlox/sectioncache.h>

#include <Parlox/flatfile.h>
#include <Parlox/format/image.h>
#include <Parlox/formstringindex.h>
#include <Parlox/platform/filesystem.h>

#include <QFileInfo>
#include <chrono>
#include <sys/stat.h>

namespace Parlox {
namespace {

using namespace std::chrono_literals;

// Longer than the coarsest clock of a file system that may hold the file (FAT counts in two
// seconds).
constexpr std::chrono::nanoseconds Settled = 2s;

qint64 nanoseconds(const timespec &t)
{
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

} // namespace

// One version of the file as read: its bytes, its directory, and the sections asked for so far.
struct SectionCache::File {
    QString path;
    Version version;
    // Whether a later change is sure to show in the version (see Settled).
    bool settled = false;
    // False for a file too short or foreign to read: every section is null.
    bool translations = false;
    QByteArray bytes;
    Encoding encoding = Encoding::Windows1252;
    Lng::Directory directory;
    QHash<QString, std::shared_ptr<const FormStringIndex>> sections[2];

    std::shared_ptr<const FormStringIndex> section(const QString &formName, Lng::SectionKind kind)
    {
        if (!translations)
            return nullptr;
        const bool forms = kind == Lng::SectionKind::FormStrings;
        auto &known = sections[forms ? 0 : 1];
        if (const auto found = known.constFind(formName); found != known.cend())
            return *found;
        const qsizetype entry = directory.findForm(formName);
        const QStringList table =
            entry >= 0 ? Lng::Image(bytes, encoding).section(directory.forms[entry].offset(kind))
                       : QStringList();
        auto index = std::make_shared<const FormStringIndex>(
            table, forms ? FormStringIndex::Keys::Paths : FormStringIndex::Keys::Identifiers);
        known.insert(formName, index);
        return index;
    }
};

SectionCache &SectionCache::instance()
{
    static SectionCache cache;
    return cache;
}

std::optional<SectionCache::Version> SectionCache::versionOf(const QString &path)
{
    // A Qt resource never changes while the program runs.
    if (path.startsWith(u':')) {
        const QFileInfo resource(path);
        if (!resource.isFile())
            return std::nullopt;
        return Version{0, 0, resource.size(), 0, 0};
    }
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return Version{quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size),
                   nanoseconds(info.st_mtim), nanoseconds(info.st_ctim)};
}

std::shared_ptr<const FormStringIndex> SectionCache::section(const QString &path,
                                                             const QString &formName,
                                                             Lng::SectionKind kind,
                                                             Encoding encoding)
{
    const QMutexLocker lock(&m_mutex);
    // The version is taken before the bytes are read, so what is kept is never older than the
    // version it is kept under: a change in between shows as a new version next time.
    const std::optional<Version> version = versionOf(path);
    const bool current = m_file && version && m_file->settled && m_file->path == path &&
                         m_file->version == *version && m_file->encoding == encoding;
    if (current)
        return m_file->section(formName, kind);
    m_file.reset();
    // Anything but a plain file (or a file that vanished) is left to the file system's own
    // answer, uncached.
    if (!version && !Platform::fileExists(path))
        return nullptr;
    auto file = std::make_unique<File>();
    file->path = path;
    file->version = version.value_or(Version{});
    // Only the content's time counts: a copy that keeps an old modification time still
    // changes the status-change time, which the version compares.
    file->settled = version && version->modifiedNs < nowNs() - qint64(Settled.count());
    file->bytes = FlatFile::readTranslationsBytes(path);
    file->encoding = encoding;
    const Lng::Image image(file->bytes, encoding);
    const Lng::HeaderState header = image.header();
    file->translations =
        header != Lng::HeaderState::TooShort && header != Lng::HeaderState::WrongMagic;
    if (file->translations)
        file->directory = image.directory(false);
    auto found = file->section(formName, kind);
    if (version)
        m_file = std::move(file);
    return found;
}

void SectionCache::clear()
{
    const QMutexLocker lock(&m_mutex);
    m_file.reset();
}

} // namespace Parlox
